#include "app/AppIcons.h"
#include "app/QtUiServices.h"
#include "app/Unit1.h"
#include "common/AppInfo.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>

#include <clocale>
#include <exception>

namespace {

// The user's decimal separator, read once. Cells hold 8-bit text, so a separator outside
// ASCII falls back to the point.
char systemDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 128)
        return static_cast<char>(point[0].unicode());
    return '.';
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The application object adopted the user's numeric locale for the C library; the
    // equation parser reads numbers with the C library and needs the "C" locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QLatin1String(APPLICATION_TITLE));
    QApplication::setApplicationVersion(QLatin1String(APPLICATION_VERSION));
    QApplication::setWindowIcon(programIcon());
    // Nothing is read from the command line but the document the desktop hands over.
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Fit laboratory measurements with their uncertainties."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("A Kelvane document to open."),
                                  QStringLiteral("[FILE]"));
    options.process(app);
    QtUiServices ui;
    try {
        TMainForm MainForm(ui, systemDecimalSeparator());
        MainForm.showMaximized();
        // The desktop hands over the document the user opened with Kelvane.
        const QStringList files = options.positionalArguments();
        if (!files.isEmpty())
            MainForm.openFile(files.first());
        return app.exec();
    } catch (const std::exception& error) {
        ui.message(QString::fromStdString(error.what()), QLatin1String(APPLICATION_TITLE),
                   UiServices::Icon::Stop, UiServices::Buttons::Ok);
        return 1;
    }
}
