// New, Open, Save and Save As in the window: the dialogs and questions, the replay of a
// file's settings, and that no failure loses or mixes a document.

#include "MainFormFixture.h"

#include "files/AtomicWrite.h"
#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "graph/AxisOptionsRules.h"
#include "graph/Chart.h"
#include "graph/Chartoptions.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include <fstream>

using Answer = UiServices::Answer;

namespace {

class FileCommandsTest : public MainFormTest {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    void writeDocument(const char* name, const Document& d) const {
        std::ofstream(path(name), std::ios::binary) << encodeDocument(d, 1);
    }

    void open(const std::string& file) {
        ui.fileNames.push_back(QString::fromStdString(file));
        action("FileOpen1")->trigger();
    }

    // A document the user has worked on: three columns with data, Y error bars.
    void typeADocument() {
        changeDocument([](Document& d) {
            d.table.addColumn("dY");
            for (int row = 1; row <= 4; ++row) {
                d.table.setCellText(1, row, std::to_string(row));
                d.table.setCellText(2, row, std::to_string(row * row));
                d.table.setCellText(3, row, "0.5");
            }
            d.roles.dy = 3;
            d.graphTitle = "Springs";
            d.modified = true;
        });
        form->SelectErrorMethod(ErrorMethod::DYI);
        form->RebuildPlot();
    }

    QString status(int panel) const { return form->statusText(panel); }

    QTemporaryDir dir;
};

TEST_F(FileCommandsTest, SavedDocumentsReopenEqual) {
    typeADocument();
    ui.fileNames = {QString::fromStdString(path("run1"))};
    action("FileSaveAs1")->trigger();
    EXPECT_EQ(ui.fileDialogFilters, std::vector<QString>{"Data Files|*.dat"});
    EXPECT_TRUE(QFile::exists(QString::fromStdString(path("run1.dat"))));
    EXPECT_EQ(form->document().currentFileName, path("run1.dat"));
    EXPECT_EQ(status(0).toStdString(), path("run1.dat"));
    EXPECT_FALSE(form->document().modified);
    const Document saved = form->document();

    action("FileNew")->trigger();
    EXPECT_EQ(form->document().table, Document().table);
    open(path("run1.dat"));
    EXPECT_EQ(ui.fileDialogFilters.back(), "Data Files|*.dat|All Files|*.*");
    EXPECT_EQ(form->document(), saved);
    EXPECT_EQ(status(1), "Error Method: dYi");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(form->close()) << "nothing to save after Open";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandsTest, OpenReplaysTheSettingsOfTheFile) {
    Document file;
    file.table.addColumn("dY");
    file.table.setDataRowCount(60);
    file.table.setCellText(1, 1, "1");
    file.table.setCellText(2, 1, "2");
    file.roles.dy = 3;
    file.errorMethod = ErrorMethod::DYI;
    file.fitType = FitType::POWERLAW;
    file.errorBarsShown = true;
    file.errorBarWidth = 7;
    file.pointStyle = PointStyle::Triangle;
    file.dataPointColor = 0x800000; // navy
    file.xAxis.automatic = false;
    file.xAxis.manualMinimum = "0";
    file.xAxis.manualMaximum = "10";
    file.yAxis.automatic = false;
    file.yAxis.manualMinimum = "-5";
    file.yAxis.manualMaximum = "5";
    writeDocument("dyi.dat", file);

    open(path("dyi.dat"));
    EXPECT_TRUE(ui.messages.empty());
    const Document& d = form->document();
    EXPECT_EQ(d.errorMethod, ErrorMethod::DYI);
    EXPECT_EQ(d.fitType, FitType::POWERLAW);
    EXPECT_TRUE(d.errorBarsShown) << "shown after the error-method command hid them";
    EXPECT_EQ(status(0).toStdString(), path("dyi.dat"));
    EXPECT_EQ(status(1), "Error Method: dYi");
    EXPECT_EQ(status(2), "Fit Type: Power Law");
    EXPECT_EQ(status(3), "Error Bars: ON");
    EXPECT_TRUE(action("ShowErrorBars")->isEnabled());
    EXPECT_TRUE(action("dYi")->isChecked());
    EXPECT_TRUE(action("PowerLawFit")->isChecked());
    EXPECT_TRUE(action("Triangle1")->isChecked());
    EXPECT_EQ(d.errorBarWidth, 7);
    EXPECT_TRUE(action("ErrorBarWidth1")->isChecked()) << "7 is no item of the menu";
    EXPECT_EQ(form->chart().seriesColor(ChartSeries::DataPointSeries), QColor(0, 0, 128));
    EXPECT_EQ(form->grid().tableModel().summaryRow(), 60);
    EXPECT_EQ(form->chart().minimum(ChartAxis::BottomAxis), 0);
    EXPECT_EQ(form->chart().maximum(ChartAxis::BottomAxis), 10);
    EXPECT_EQ(form->chart().minimum(ChartAxis::LeftAxis), -5);
    EXPECT_EQ(form->chart().maximum(ChartAxis::LeftAxis), 5);
    EXPECT_FALSE(d.modified);
}

// The file's function is chosen after its method: the polynomial of the document being
// replaced does not refuse the file's X and Y error bars, and a polynomial the file names
// beside X and Y error bars is refused without leaving that pair in the document.
TEST_F(FileCommandsTest, TheFilesMethodAndFunctionAreJudgedTogether) {
    const struct {
        ErrorMethod currentMethod;
        FitType currentType;
        const char* fileMethod; // settings row 0
        FitType fileType;
        ErrorMethod method;
        FitType type;
        std::size_t refusals;
    } cases[] = {
        {ErrorMethod::ESTDY, FitType::SECONDPOLY, "DXIDYI", FitType::LINEAR, ErrorMethod::DXIDYI,
         FitType::LINEAR, 0},
        {ErrorMethod::DXIDYI, FitType::LINEAR, "unknown", FitType::SECONDPOLY, ErrorMethod::DXIDYI,
         FitType::LINEAR, 1},
    };
    for (const auto& c : cases) {
        Document file;
        file.table.addColumn("dX");
        file.table.addColumn("dY");
        file.roles = {1, 3, 2, 4};
        file.fitType = c.fileType;
        FileImage image = imageOf(file);
        image.setCell(0, 0, c.fileMethod);
        std::ofstream(path("pair.dat"), std::ios::binary) << encodeFileImage(image, 1);
        changeDocument([&](Document& d) {
            d = file;
            d.errorMethod = c.currentMethod;
            d.fitType = c.currentType;
        });
        ui.messages.clear();

        open(path("pair.dat"));
        EXPECT_EQ(ui.messages.size(), c.refusals) << c.fileMethod;
        EXPECT_EQ(form->document().errorMethod, c.method) << c.fileMethod;
        EXPECT_EQ(form->document().fitType, c.type) << c.fileMethod;
    }
}

TEST_F(FileCommandsTest, AFileThatCannotBeReadChangesNothing) {
    typeADocument();
    const Document before = form->document();
    const QString panel0 = status(0);
    std::string bytes = encodeDocument(Document(), 1);
    std::ofstream(path("cut.dat"), std::ios::binary) << bytes.substr(0, bytes.size() - 3);

    ui.answers = {Answer::No};
    open(path("cut.dat"));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, STREAM_READ_ERROR);
    EXPECT_EQ(form->document(), before);
    EXPECT_EQ(status(0), panel0);
}

// A document named on the command line opens as through the Open dialog.
TEST_F(FileCommandsTest, ADocumentNamedOnTheCommandLineOpens) {
    Document file;
    file.graphTitle = "From the desktop";
    writeDocument("desk.dat", file);
    form->openFile(QString::fromStdString(path("desk.dat")));
    EXPECT_EQ(form->document().graphTitle, "From the desktop");
    EXPECT_EQ(status(0).toStdString(), path("desk.dat"));

    form->openFile(QString::fromStdString(path("absent.dat")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), cannotOpenFile(path("absent.dat")));
}

// Opening goes on after a cell that does not convert: the document is the file's, under
// the file's name, and the message comes once.
TEST_F(FileCommandsTest, ACellThatDoesNotConvertStopsThePlotNotTheOpen) {
    Document file;
    file.table.setCellText(1, 1, "1");
    file.table.setCellText(2, 1, "2");
    file.table.setCellText(1, 2, "abc");
    file.table.setCellText(2, 2, "3");
    writeDocument("abc.dat", file);

    open(path("abc.dat"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(form->document().table.cellText(1, 2), "abc");
    EXPECT_EQ(form->document().currentFileName, path("abc.dat"));
    EXPECT_FALSE(form->document().modified);
}

// Limits the axis cannot take leave it waiting for new ones, with Apply's refusal, rather
// than marked manual with limits that are not on it.
TEST_F(FileCommandsTest, ARefusedManualLimitLeavesItsAxisPending) {
    Document file;
    file.table.setCellText(1, 1, "1");
    file.table.setCellText(1, 2, "2");
    for (const auto& [axis, min, max] : {std::tuple(&file.xAxis, "5", "1"),
                                         std::tuple(&file.yAxis, "0", "4")}) {
        axis->automatic = false;
        axis->manualMinimum = min;
        axis->manualMaximum = max;
    }
    writeDocument("reversed.dat", file);

    open(path("reversed.dat"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), openedAxisLimits(form->document()).refusal->text);
    const auto* options = form->findChild<TChartOptionsForm*>("ChartOptionsForm");
    EXPECT_EQ(options->state().pending, PlotAxis::X);
    EXPECT_EQ(form->chart().maximum(ChartAxis::LeftAxis), 4);
}

// What the save question's answers do to New.
TEST_F(FileCommandsTest, NewKeepsTheWorkUnlessItIsSavedOrGivenUp) {
    const struct {
        const char* what;
        std::deque<Answer> answers;
        std::deque<QString> fileNames;
        bool replaced;
    } cases[] = {
        {"Cancel", {Answer::Cancel}, {}, false},
        {"Yes, then Save As cancelled", {Answer::Yes}, {}, false},
        {"Yes, then Save As cannot write", {Answer::Yes}, {"/nonexistent/x.dat"}, false},
        {"No", {Answer::No}, {}, true},
        {"Yes, then saved", {Answer::Yes}, {dir.filePath("kept.dat")}, true},
    };
    for (const auto& c : cases) {
        typeADocument();
        const Document before = form->document();
        ui.messages.clear();
        ui.answers = c.answers;
        ui.fileNames = c.fileNames;
        action("FileNew")->trigger();
        EXPECT_EQ(ui.messages[0].text, "Do you want to save changes before creating a new file?");
        EXPECT_EQ(ui.messages[0].caption, "Save Changes ?");
        EXPECT_EQ(ui.messages[0].buttons, UiServices::Buttons::YesNoCancel);
        if (c.replaced) {
            EXPECT_EQ(form->document().table, Document().table) << c.what;
            EXPECT_EQ(form->document().currentFileName, "Untitled.dat") << c.what;
            EXPECT_EQ(status(0), "Untitled.dat") << c.what;
            EXPECT_EQ(status(1), "Error Method: Estimated dY") << c.what;
            EXPECT_FALSE(form->document().modified) << c.what;
            EXPECT_EQ(form->chart().labelFormat(ChartAxis::BottomAxis), "0.00") << c.what;
        } else {
            EXPECT_EQ(form->document(), before) << c.what;
        }
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("kept.dat")));
}

TEST_F(FileCommandsTest, OpenAsksBeforeItsDialogAndStopsWhenTheWorkIsNotSaved) {
    typeADocument();
    ui.answers = {Answer::Yes};
    action("FileOpen1")->trigger(); // Save As is cancelled
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to save changes before opening a file?");
    EXPECT_EQ(ui.messages[0].buttons, UiServices::Buttons::YesNo);
    EXPECT_EQ(ui.fileDialogFilters, std::vector<QString>{"Data Files|*.dat"}) << "no open dialog";
    EXPECT_TRUE(form->document().modified);

    ui.answers = {Answer::No};
    action("FileOpen1")->trigger(); // the open dialog is cancelled
    EXPECT_EQ(ui.fileDialogFilters.back(), "Data Files|*.dat|All Files|*.*");
    EXPECT_TRUE(form->document().modified);
}

TEST_F(FileCommandsTest, SaveWritesToTheCurrentNameAndAsksOnlyForUntitled) {
    typeADocument();
    action("FileSave")->trigger(); // "Untitled.dat": Save As, cancelled
    EXPECT_EQ(ui.fileDialogFilters.size(), 1u);
    EXPECT_TRUE(form->document().modified);

    const std::string inFolder = path("Untitled.dat");
    changeDocument([&](Document& d) { d.currentFileName = inFolder; });
    action("FileSave")->trigger();
    EXPECT_EQ(ui.fileDialogFilters.size(), 1u) << "a path is no new document";
    EXPECT_FALSE(form->document().modified);
    EXPECT_EQ(documentFrom(readDocumentFile(inFolder), Document()).table, form->document().table);
}

// A failed write leaves the window naming the file the document came from, and the
// changes unsaved.
TEST_F(FileCommandsTest, AFailedSaveAsKeepsTheNameAndTheChanges) {
    typeADocument();
    const std::string target = path("folder.dat");
    QDir(dir.path()).mkdir("folder.dat");
    ui.fileNames = {QString::fromStdString(target)};
    action("FileSaveAs1")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), cannotCreateFile(target));
    EXPECT_EQ(form->document().currentFileName, "Untitled.dat");
    EXPECT_EQ(status(0), "Untitled.dat");
    EXPECT_TRUE(form->document().modified);
}

// The old file survives every failure whole, and nothing of the new one stays behind.
TEST(AtomicWrite, TheOldFileSurvivesEveryFailedWrite) {
    QTemporaryDir dir;
    const QString target = dir.filePath("old.dat");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    QDir(dir.path()).mkdir("folder.dat");
    const DeviceWrite diskFullAfter10 = [](QIODevice& device, const std::string& bytes) {
        device.write(bytes.data(), 10);
        return false;
    };
    const std::string bytes(4096, 'n');

    EXPECT_FALSE(writeFileAtomically(target, bytes, diskFullAfter10));
    EXPECT_FALSE(writeFileAtomically(dir.filePath("folder.dat"), bytes));
    EXPECT_FALSE(writeFileAtomically(dir.filePath("absent/new.dat"), bytes));
    // Permissions do not stop root; a folder of the kernel's takes no file from anyone.
    EXPECT_FALSE(writeFileAtomically("/proc/kelvane-test.dat", bytes));

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old contents");
    old.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.dat"});

    EXPECT_TRUE(writeFileAtomically(target, bytes));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll().size(), 4096);
}

} // namespace
