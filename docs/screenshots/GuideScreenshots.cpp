// Takes the user guide's pictures from the real main window, offscreen, so that they show
// the program as it is built and never go stale. Each picture is written as a one-page PDF
// holding the window's pixels, which groff places into the guide.
//
//   guide-screenshots OUTPUT_DIR EXAMPLE_DOCUMENT USER_MODEL_DOCUMENT EXAMPLE_DATA_FILE
//
// Run it with QT_QPA_PLATFORM=offscreen and QT_SCALE_FACTOR=2 for sharp pictures.

#include "app/QtUiServices.h"
#include "app/Unit1.h"
#include "graph/Chart.h"
#include "table/DataStringGrid.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <stdexcept>
#include <utility>

namespace {

// Writes the picture as a page of its own size: one logical pixel is one point.
void writePicture(const QPixmap& picture, const QString& path) {
    const double ratio = picture.devicePixelRatio();
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Kelvane guide screenshots"));
    writer.setResolution(static_cast<int>(72 * ratio));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(QSizeF(picture.size()) / ratio, QPageSize::Point));
    QPainter painter;
    if (!painter.begin(&writer))
        throw std::runtime_error("cannot write " + path.toStdString());
    // In the writer's own units, at its resolution: one unit per pixel of the picture.
    const QImage pixels = picture.toImage();
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels.size())), pixels, QRectF(pixels.rect()));
    painter.end();
}

// The real dialogs, except that a modal one is shown, photographed and cancelled, so the
// run never waits for a user.
class ScreenshotServices : public QtUiServices {
public:
    explicit ScreenshotServices(QDir out) : out_(std::move(out)) {}

    void expectDialog(const QString& name) { nextDialog_ = name; }
    // The name the next open dialog answers with.
    void answerOpen(const QString& path) { nextOpen_ = path; }

    QString openFileName(const QString&) override { return std::exchange(nextOpen_, QString()); }

    int runModal(QDialog& dialog) override {
        dialog.show();
        QApplication::processEvents();
        if (nextDialog_.isEmpty())
            throw std::runtime_error("an unexpected dialog opened");
        writePicture(dialog.grab(), out_.filePath(nextDialog_ + ".pdf"));
        nextDialog_.clear();
        dialog.hide();
        return QDialog::Rejected;
    }

    Answer message(const QString& text, const QString&, Icon, Buttons) override {
        throw std::runtime_error("unexpected message: " + text.toStdString());
    }

private:
    QDir out_;
    QString nextDialog_;
    QString nextOpen_;
};

void take(QWidget& widget, const QDir& out, const char* name) {
    QApplication::processEvents();
    writePicture(widget.grab(), out.filePath(QString::fromLatin1(name) + ".pdf"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: guide-screenshots OUTPUT_DIR EXAMPLE_DOCUMENT USER_MODEL_DOCUMENT "
                     "EXAMPLE_DATA_FILE\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    try {
        ScreenshotServices ui(out);
        TMainForm form(ui, '.');
        form.resize(1000, 640);
        form.show();
        take(form, out, "main-window");
        // The import's preview, cancelled, before the example document makes any change.
        ui.answerOpen(QString::fromLocal8Bit(argv[4]));
        ui.expectDialog(QStringLiteral("import-preview"));
        form.findChild<QAction*>(QStringLiteral("FileDataImport"))->trigger();

        // Opened from a folder of its own, the status bar shows the bare file name rather
        // than a path of the build machine.
        QTemporaryDir folder;
        const QFileInfo example(QString::fromLocal8Bit(argv[2]));
        const QFileInfo userModel(QString::fromLocal8Bit(argv[3]));
        for (const QFileInfo& document : {example, userModel})
            if (!folder.isValid() ||
                !QFile::copy(document.filePath(), folder.filePath(document.fileName())))
                throw std::runtime_error("cannot copy the example documents");
        QDir::setCurrent(folder.path());
        form.findChild<QSplitter*>(QStringLiteral("Splitter1"))->setSizes({260, 740});
        form.openFile(example.fileName());
        form.findChild<QAction*>(QStringLiteral("ShowErrorBars"))->trigger();
        form.findChild<QToolButton*>(QStringLiteral("FitToolButton"))->click();
        take(form.chart(), out, "graph");
        // The table's first rows, then its end with the fit's summary block.
        form.resize(1000, 420);
        take(form.grid(), out, "data-table");
        form.grid().scrollToBottom();
        take(form.grid(), out, "summary-block");

        ui.expectDialog(QStringLiteral("select-columns"));
        form.findChild<QAction*>(QStringLiteral("SelectColumnsAction"))->trigger();

        // A law of the user's own, fitted with its residuals under the graph, and its dialog.
        form.resize(1000, 640);
        form.openFile(userModel.fileName());
        form.findChild<QAction*>(QStringLiteral("ShowResiduals"))->trigger();
        form.findChild<QToolButton*>(QStringLiteral("FitToolButton"))->click();
        take(form, out, "user-model-fit");
        ui.expectDialog(QStringLiteral("user-model-dialog"));
        form.findChild<QAction*>(QStringLiteral("UserDefinedFit"))->trigger();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "guide-screenshots: %s\n", e.what());
        return 1;
    }
    return 0;
}
