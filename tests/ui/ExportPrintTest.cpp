#include "DataEntryFixture.h"

#include "files/FileMessages.h"
#include "files/GraphFiles.h"
#include "graph/PrintCopies.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Answer = UiServices::Answer;

const QColor CURSOR_BOX_FILL(247, 231, 140);
const QColor ERROR_BAR_BLUE(0, 0, 255);

// Output of a poppler tool run on a file.
QString popplerOutput(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QLatin1String(tool), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path) {
    const QString info = popplerOutput("pdfinfo", {path});
    const auto line = info.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0);
    return line.trimmed().toInt();
}

QString pdfPageText(const QString& path, int page, const char* option = "-raw") {
    return popplerOutput("pdftotext",
                         {QLatin1String(option), QStringLiteral("-f"), QString::number(page),
                          QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
}

// Where the words of a printed page lie.
QStringList wordBoxes(const QString& path) {
    return pdfPageText(path, 1, "-bbox").split(QLatin1Char('\n')).filter(QStringLiteral("<word"));
}

int pixelsOf(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

class ExportPrintTest : public DataEntryTest {
protected:
    void SetUp() override {
        DataEntryTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    // X, Y and dY under "Y Error Bars", bars shown in blue, a straight line fitted.
    void plotBarsAndFit() {
        addErrorColumns(false);
        action("dYi")->trigger();
        enterColumn(1, {"1", "2", "3", "4"});
        enterColumn(2, {"2", "4", "7", "8"});
        enterColumn(3, {"0.5", "1", "1.5", "1"});
        ui.colors = {ERROR_BAR_BLUE};
        action("ErrorBarColor1")->trigger();
        action("ShowErrorBars")->trigger();
        changeDocument([](Document& d) {
            d.graphTitle = "Spring constant";
            d.xAxisTitle = "Extension";
            d.yAxisTitle = "Load";
        });
        fitButton()->click();
        ASSERT_TRUE(fitButton()->isChecked());
        ui.messages.clear();
        changeDocument([](Document& d) { d.modified = false; });
    }
    // Exports to the chosen name; returns the name the rule gives it.
    QString exportAs(const char* command, const char* chosen, GraphFileType type) {
        ui.fileNames = {path(chosen)};
        action(command)->trigger();
        return QString::fromStdString(graphFileName(path(chosen).toStdString(), type));
    }
    // The copies dialog's next use: type the text, press OK, answer a question if one is
    // asked, and press Cancel if the dialog is still open.
    void scriptCopies(const QString& text, std::optional<Answer> answer = std::nullopt) {
        if (answer)
            ui.answers.push_back(*answer);
        ui.dialogScripts.push_back([text](QDialog& dialog) {
            dialog.findChild<QComboBox*>("NumPrintComboBox")->setEditText(text);
            dialog.findChild<QPushButton*>("OKBtn")->click();
            if (dialog.result() != QDialog::Accepted)
                dialog.findChild<QPushButton*>("CancelBtn")->click();
            return dialog.result();
        });
    }

    QTemporaryDir dir;
};

// The pictures are the graph at its on-screen size, bars and curve included; the JPEG is
// encoded directly, so what the user had copied stays on the clipboard.
TEST_F(ExportPrintTest, BitmapAndJpegShowTheGraphAtItsSizeAndLeaveTheClipboardAlone) {
    plotBarsAndFit();
    QApplication::clipboard()->setText(QStringLiteral("copied before"));
    const QString bmp = exportAs("FileExportGraphBitmap", "graph.BMP", GraphFileType::Bitmap);
    const QString jpg = exportAs("FileExportGraphJpeg", "graph.jpeg", GraphFileType::Jpeg);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.fileDialogFilters,
              (std::vector<QString>{graphFileFormat(GraphFileType::Bitmap).filter,
                                    graphFileFormat(GraphFileType::Jpeg).filter}));
    EXPECT_EQ(QApplication::clipboard()->text(), "copied before");

    const QImage bitmap(bmp, "BMP");
    const QImage jpeg(jpg, "JPEG");
    ASSERT_FALSE(bitmap.isNull());
    ASSERT_FALSE(jpeg.isNull());
    EXPECT_EQ(bitmap.size(), chart().size());
    EXPECT_EQ(jpeg.size(), chart().size());
    EXPECT_GT(pixelsOf(bitmap, ERROR_BAR_BLUE), 20) << "the error bars are in the picture";
    long long difference = 0;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const QColor a = bitmap.pixelColor(x, y), b = jpeg.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                          std::abs(a.blue() - b.blue());
        }
    EXPECT_LT(double(difference) / (3.0 * bitmap.width() * bitmap.height()), 4.0)
        << "quality 90 stays close to the bitmap";
    EXPECT_FALSE(doc().modified);
}

TEST_F(ExportPrintTest, TheCursorBoxStaysOutOfPicturesAndComesBack) {
    plotBarsAndFit();
    action("AnalyzeDataAction")->trigger();
    ASSERT_TRUE(chart().isCursorBoxActive());
    chart().replot();
    ASSERT_GT(pixelsOf(chart().grab().toImage(), CURSOR_BOX_FILL), 100);

    const QString png = exportAs("FileExportGraphPng", "shot", GraphFileType::Png);
    EXPECT_TRUE(png.endsWith(".png"));
    EXPECT_EQ(pixelsOf(QImage(png, "PNG"), CURSOR_BOX_FILL), 0);
    EXPECT_TRUE(chart().isCursorBoxActive());
    EXPECT_GT(pixelsOf(chart().grab().toImage(), CURSOR_BOX_FILL), 100);
}

// Vector drawings keep their texts as text, so a report can scale them.
TEST_F(ExportPrintTest, SvgAndPdfCarryTheTitlesAsText) {
    plotBarsAndFit();
    const QString svg = exportAs("FileExportGraphSvg", "figure", GraphFileType::Svg);
    const QString pdf = exportAs("FileExportGraphPdf", "figure", GraphFileType::Pdf);
    QFile svgFile(svg);
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QString svgText = QString::fromUtf8(svgFile.readAll());
    for (const char* title : {"Spring constant", "Extension", "Load"})
        EXPECT_TRUE(svgText.contains(QLatin1String(title))) << title;
    EXPECT_TRUE(svgText.contains(QLatin1String("#0000ff"))) << "the error bars are drawn";
    ASSERT_EQ(pdfPages(pdf), 1);
    const QString pdfText = pdfPageText(pdf, 1);
    for (const char* title : {"Spring constant", "Extension", "Load", "y = a + bx"})
        EXPECT_TRUE(pdfText.contains(QLatin1String(title))) << title;
}

// A file that cannot be written is named, and nothing is left behind.
TEST_F(ExportPrintTest, AnExportThatCannotBeWrittenIsSaidSoAndWritesNothing) {
    plotBarsAndFit();
    const QString target = exportAs("FileExportGraphPdf", "missing/figure", GraphFileType::Pdf);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(cannotCreateFile(target.toStdString())));
    EXPECT_FALSE(QFile::exists(target));
    ui.fileNames = {QString()}; // a cancelled dialog does nothing
    action("FileExportGraphJpeg")->trigger();
    EXPECT_EQ(ui.messages.size(), 1u);
}

// The copies dialog refuses an empty text, asks above five, and keeps its text; 0 copies
// is accepted and prints nothing.
TEST_F(ExportPrintTest, TheCopiesDialogDecidesHowManyJobsArePrinted) {
    plotBarsAndFit();
    ui.printedPdf = path("graph.pdf");
    for (const auto& [text, answer] :
         {std::pair(QString(), std::optional<Answer>()),
          std::pair(QStringLiteral("6"), std::optional<Answer>(Answer::No)),
          std::pair(QStringLiteral("0"), std::optional<Answer>())}) {
        scriptCopies(text, answer);
        action("FilePrintChart")->trigger();
    }
    EXPECT_EQ(ui.modalDialogTitles, (std::vector<QString>(3, QStringLiteral("Print Graph"))));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(copiesDecision("").message.text));
    EXPECT_EQ(ui.messages[1].text, QString::fromStdString(copiesDecision("6").message.text));
    EXPECT_FALSE(QFile::exists(ui.printedPdf)) << "0 copies print nothing";

    ui.dialogScripts.push_back([](QDialog& dialog) {
        auto* copies = dialog.findChild<QComboBox*>("NumPrintComboBox");
        EXPECT_EQ(copies->currentText(), "0") << "the text stays from the last use";
        copies->clearEditText();
        QTest::keyClicks(copies, QStringLiteral("a2-"));
        EXPECT_EQ(copies->currentText(), "2") << "only digits can be typed";
        dialog.findChild<QPushButton*>("OKBtn")->click();
        return dialog.result();
    });
    action("FilePrintChart")->trigger();
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(pdfPages(ui.printedPdf), 1);
    EXPECT_TRUE(pdfPageText(ui.printedPdf, 1).contains(QLatin1String("Spring constant")));
    EXPECT_EQ(ui.printer().docName(), "Chart1");
    EXPECT_FALSE(doc().modified);
}

// Whenever the dialog opens, what the user types replaces the number shown and Enter takes
// it: the copies field has the focus with its text selected, also after a use that ended on
// a button.
TEST_F(ExportPrintTest, TheCopiesFieldTakesWhatIsTypedWheneverTheDialogOpens) {
    plotBarsAndFit();
    ui.printedPdf = path("typed.pdf");
    const auto typeInto = [](QDialog& dialog, const char* text) {
        auto* copies = dialog.findChild<QComboBox*>("NumPrintComboBox");
        EXPECT_EQ(dialog.focusWidget(), copies);
        EXPECT_EQ(copies->lineEdit()->selectedText(), copies->currentText());
        QTest::keyClicks(dialog.focusWidget(), QLatin1String(text));
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(copies->currentText(), QLatin1String(text));
    };
    ui.answers = {Answer::No};
    ui.dialogScripts.push_back([&](QDialog& dialog) {
        typeInto(dialog, "6");
        dialog.findChild<QPushButton*>("CancelBtn")->click();
        return dialog.result();
    });
    ui.dialogScripts.push_back([&](QDialog& dialog) {
        typeInto(dialog, "2");
        return dialog.result();
    });
    action("FilePrintData")->trigger();
    action("FilePrintData")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u) << "6 copies ask first";
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(copiesDecision("6").message.text));
    EXPECT_EQ(ui.modalDialogTitles.size(), 2u);
    EXPECT_TRUE(QFile::exists(ui.printedPdf)) << "2 copies accepted with Enter";
}

// The names row is printed once; every page carries the title and the date. A graph
// printed before on the same printer leaves the table's scale alone.
TEST_F(ExportPrintTest, ATallTableIsPrintedOnSeveralPagesUnderTheGraphTitle) {
    plotBarsAndFit();
    action("Rows200")->trigger();
    enter(1, 200, "77");
    ui.printedPdf = path("alone.pdf");
    scriptCopies(QStringLiteral("1"));
    action("FilePrintData")->trigger();
    ui.printedPdf = path("graph.pdf");
    scriptCopies(QStringLiteral("1"));
    action("FilePrintChart")->trigger();
    ui.printedPdf = path("table.pdf");
    scriptCopies(QStringLiteral("1"));
    action("FilePrintData")->trigger();
    EXPECT_EQ(wordBoxes(ui.printedPdf).filter(QStringLiteral(">45<")),
              wordBoxes(path("alone.pdf")).filter(QStringLiteral(">45<")));
    EXPECT_EQ(ui.modalDialogTitles.back(), "Print Data Table");
    ASSERT_TRUE(ui.messages.empty());
    const int pages = pdfPages(ui.printedPdf);
    EXPECT_GE(pages, 3);
    const QString first = pdfPageText(ui.printedPdf, 1);
    const QString last = pdfPageText(ui.printedPdf, pages);
    EXPECT_TRUE(first.contains(QLatin1String("Spring constant")));
    EXPECT_TRUE(first.contains(QLatin1String("dY")));
    EXPECT_FALSE(last.contains(QLatin1String("dY"))) << "the names row is printed once";
    EXPECT_TRUE(last.contains(QLatin1String("Spring constant")));
    EXPECT_TRUE(last.contains(QLatin1String("200")));
    EXPECT_TRUE(last.contains(QRegularExpression(QStringLiteral("\\d\\d/\\d\\d/\\d{4}"))));
    EXPECT_EQ(ui.printer().docName(), "Spring constant");
}

TEST_F(ExportPrintTest, APrinterThatCannotPrintIsNamed) {
    ui.printedPdf = path("missing/table.pdf");
    scriptCopies(QStringLiteral("1"));
    action("FilePrintData")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              QString::fromStdString(cannotPrint(ui.printedPdf.toStdString())));
    EXPECT_FALSE(QFile::exists(ui.printedPdf));
}

} // namespace
