#include "app/AppIcons.h"
#include "app/QtUiServices.h"
#include "app/Unit1.h"
#include "common/AppInfo.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
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

// Nothing is read from the command line but the document the desktop hands over.
void describeOptions(QCommandLineParser& options) {
    options.setApplicationDescription(
        QStringLiteral("Fit laboratory measurements with their uncertainties."));
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument(QStringLiteral("FILE"),
                                  QStringLiteral("A Kelvane document to open."),
                                  QStringLiteral("[FILE]"));
}

void nameApplication() {
    QCoreApplication::setApplicationName(QLatin1String(APPLICATION_TITLE));
    QCoreApplication::setApplicationVersion(QLatin1String(APPLICATION_VERSION));
}

// The help and the version are answered before the window's application object exists,
// which needs a display: they work in a terminal without one too. Any other command line
// is left to the window.
void answerTextOnlyOptions(int argc, char** argv) {
    const QStringList textOnly = {QStringLiteral("-h"), QStringLiteral("--help"),
                                  QStringLiteral("-?"), QStringLiteral("--help-all"),
                                  QStringLiteral("-v"), QStringLiteral("--version")};
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i)
        asked = textOnly.contains(QString::fromLocal8Bit(argv[i]));
    if (!asked)
        return;
    QCoreApplication text(argc, argv);
    nameApplication();
    QCommandLineParser options;
    describeOptions(options);
    options.process(text); // prints and exits
}

} // namespace

int main(int argc, char** argv) {
    answerTextOnlyOptions(argc, argv);
    QApplication app(argc, argv);
    // The application object adopted the user's numeric locale for the C library; the
    // equation parser reads numbers with the C library and needs the "C" locale.
    std::setlocale(LC_NUMERIC, "C");
    nameApplication();
    QApplication::setWindowIcon(programIcon());
    QCommandLineParser options;
    describeOptions(options);
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
