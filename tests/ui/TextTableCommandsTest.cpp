#include "ColumnFormFixture.h"

#include "files/DelimitedMessages.h"
#include "files/FileMessages.h"
#include "files/ImportNotice.h"
#include "files/RowTake.h"

#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

class TextTableCommandsTest : public ColumnFormTest {
protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string contents(const std::string& file) const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    QTemporaryDir dir;
};

// An exported table imports back to the same cells; the import keeps names, roles, row
// count and file name, and leaves the document unmodified, so closing asks nothing.
TEST_F(TextTableCommandsTest, ExportThenImportGivesTheSameCells) {
    changeDocument([](Document& d) {
        d.table.renameColumn(1, "T");
        const char* cells[][2] = {{"1", "2.5"}, {"2", ""}, {"3", "7"}};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column)
                d.table.setCellText(column + 1, row + 1, cells[row][column]);
        d.currentFileName = "lab.dat";
    });
    ui.fileNames = {QString::fromStdString(path("out"))};
    action("FileASCIIExport")->trigger();
    EXPECT_EQ(contents(path("out.txt")), "1 2.5\r\n3 7");

    showFakeFit();
    changeDocument([](Document& d) { d.modified = true; });
    ui.answers = {UiServices::Answer::No};
    ui.fileNames = {QString::fromStdString(path("out.txt"))};
    action("FileASCIIImport")->trigger();
    EXPECT_EQ(ui.messages.front().text,
              "Do you want to save changes before importing an ASCII file?");
    expectFitCleared();
    EXPECT_EQ(table().cellText(1, 1), "1");
    EXPECT_EQ(table().cellText(2, 2), "7");
    EXPECT_FALSE(table().isFilled(1, 3));
    EXPECT_EQ(table().columnName(1), "T");
    EXPECT_EQ(doc().currentFileName, "lab.dat");
    EXPECT_FALSE(doc().modified);
    EXPECT_EQ(form->chart().pointCount(ChartSeries::DataPointSeries), 2);
}

TEST_F(TextTableCommandsTest, ImportSaysWhatIsOutOfSightAndRefusesWhatIsNoTable) {
    std::ofstream(path("long.txt")) << [] {
        std::string text;
        for (int i = 1; i <= 45; ++i)
            text += std::to_string(i) + " " + std::to_string(2 * i) + "\n";
        return text;
    }();
    ui.fileNames = {QString::fromStdString(path("long.txt"))};
    action("FileASCIIImport")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(importNotice(45, 30)->text));
    EXPECT_EQ(table().dataRowCount(), 30);

    ui.messages.clear();
    const Document before = form->document();
    ui.fileNames = {QString::fromStdString(path("absent.txt"))};
    action("FileASCIIImport")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "File Not Found!");
    EXPECT_EQ(ui.messages[0].caption, "File Error");
    EXPECT_TRUE(form->document() == before);
}

TEST_F(TextTableCommandsTest, AnExportThatCannotBeWrittenIsSaidSo) {
    const std::string folder = path("sub");
    QDir().mkpath(QString::fromStdString(folder + ".txt")); // the target is a folder
    ui.fileNames = {QString::fromStdString(folder)};
    action("FileASCIIExport")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(cannotCreateFile(folder + ".txt")));
}

// "Import Data File...": the preview shows what was understood and follows a changed
// setting at once; OK puts the file in the table with its names and the roles its header
// makes plain, unmodified, with a fresh undo history.
QString delimited(const char* name) {
    return QStringLiteral(KELVANE_DELIMITED_DIR "/") + QLatin1String(name);
}

template <class T> T* inDialog(QDialog& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString label(QDialog& dialog, const char* name) {
    return inDialog<QLabel>(dialog, name)->text();
}

QString cell(QDialog& dialog, int row, int column) {
    const QTableWidgetItem* item =
        inDialog<QTableWidget>(dialog, "PreviewTable")->item(row, column);
    return item ? item->text() : QStringLiteral("(none)");
}

void choose(QDialog& dialog, const char* list, int entry) {
    auto* box = inDialog<QComboBox>(dialog, list);
    box->setCurrentIndex(entry);
    emit box->activated(entry);
}

TEST_F(TextTableCommandsTest, ThePreviewShowsTheLayoutAndFollowsAChangedSetting) {
    changeDocument([](Document& d) { d.modified = true; });
    ui.answers = {UiServices::Answer::No};
    ui.fileNames = {delimited("logger_semicolon_bom.csv")};
    ui.dialogScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(label(dialog, "EncodingLabel"), "UTF-8 with BOM");
        EXPECT_EQ(inDialog<QComboBox>(dialog, "SeparatorComboBox")->currentText(), "Semicolon ;");
        EXPECT_EQ(inDialog<QComboBox>(dialog, "DecimalMarkComboBox")->currentText(), "Comma ,");
        EXPECT_EQ(inDialog<QComboBox>(dialog, "HeaderRowsComboBox")->currentText(), "Names");
        auto* preview = inDialog<QTableWidget>(dialog, "PreviewTable");
        EXPECT_EQ(preview->columnCount(), 4);
        EXPECT_EQ(preview->horizontalHeaderItem(1)->text(), "Run 1: Temperature (\u00b0C)");
        EXPECT_EQ(cell(dialog, 1, 1), "21.75");
        EXPECT_EQ(cell(dialog, 3, 3), "");
        // Read with a decimal point the numbers stay as the file writes them.
        choose(dialog, "DecimalMarkComboBox", 0);
        EXPECT_EQ(cell(dialog, 1, 1), "21,75");
        // A comma both ways cannot be read: the preview says why, and OK refuses.
        choose(dialog, "SeparatorComboBox", 2);
        choose(dialog, "DecimalMarkComboBox", 1);
        EXPECT_EQ(label(dialog, "ProblemLabel").toStdString(), commaBothWaysMessage());
        EXPECT_EQ(inDialog<QTableWidget>(dialog, "PreviewTable")->columnCount(), 0);
        press(dialog, "OKBtn");
        EXPECT_TRUE(dialog.isVisible());
        choose(dialog, "SeparatorComboBox", 1);
        return okOrCancel(dialog);
    });
    action("FileDataImport")->trigger();
    EXPECT_EQ(ui.messages.front().text,
              "Do you want to save changes before importing an ASCII file?");
    EXPECT_EQ(ui.fileDialogFilters.back(),
              "Data files|*.csv;*.txt;*.tsv|CSV files|*.csv|Text files|*.txt;*.tsv|All Files|*.*");
    EXPECT_EQ(ui.messages.back().text.toStdString(), commaBothWaysMessage());
    EXPECT_EQ(table().columnCount(), 5);
    EXPECT_EQ(table().columnName(3), "Run 2: Time (s)");
    EXPECT_EQ(table().cellText(2, 4), "22.25");
    EXPECT_FALSE(doc().modified);
    EXPECT_FALSE(action("editUndo")->isEnabled());
    EXPECT_EQ(form->chart().pointCount(ChartSeries::DataPointSeries), 4);
}

TEST_F(TextTableCommandsTest, ImportTakesTheRolesTheHeaderMakesPlain) {
    ui.fileNames = {delimited("uncertainty.csv")};
    ui.dialogScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(label(dialog, "RolesLabel"), "Roles: X = t [s], Y = U / V, dY = dU (V).");
        return okOrCancel(dialog);
    });
    action("FileDataImport")->trigger();
    EXPECT_EQ(doc().roles, (ColumnRoles{1, -1, 2, 3}));
    EXPECT_EQ(doc().yAxisTitle, "U / V");
    EXPECT_EQ(table().cellText(3, 4), "0.05");
}

TEST_F(TextTableCommandsTest, CancelAndUnreadableFilesChangeNothing) {
    std::ofstream(path("open.csv")) << "a,b\n1,\"2\n";
    std::ofstream(path("binary.csv"), std::ios::binary) << std::string("\x89PNG\0\0\0", 7);
    const Document before = form->document();
    ui.fileNames = {delimited("uncertainty.csv"), QString::fromStdString(path("open.csv")),
                    QString::fromStdString(path("binary.csv"))};
    ui.dialogScripts.push_back(cancel());
    for (int i = 0; i < 3; ++i)
        action("FileDataImport")->trigger();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), unclosedQuoteMessage(2));
    EXPECT_EQ(ui.messages[0].caption, "File Error");
    EXPECT_EQ(ui.messages[1].text.toStdString(), notTextMessage());
    EXPECT_TRUE(form->document() == before);
}

// A logger's run is longer than the table: by default every k-th row covers all of it,
// and the rows left out are said.
TEST_F(TextTableCommandsTest, ALongFileIsThinnedToTheTableAndTheRestIsSaid) {
    std::ofstream(path("long.csv")) << [] {
        std::string text = "t,U\n";
        for (int i = 0; i < 450; ++i)
            text += std::to_string(i) + "," + std::to_string(2 * i) + "\n";
        return text;
    }();
    ui.fileNames = {QString::fromStdString(path("long.csv")),
                    QString::fromStdString(path("long.csv"))};
    ui.dialogScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(inDialog<QSpinBox>(dialog, "EveryRowSpinBox")->value(), 3);
        EXPECT_EQ(label(dialog, "NoticeLabel").toStdString(), *leftOutNotice(450, 150, 200));
        EXPECT_EQ(cell(dialog, 1, 0), "3");
        return okOrCancel(dialog);
    });
    ui.dialogScripts.push_back([](QDialog& dialog) {
        inDialog<QSpinBox>(dialog, "EveryRowSpinBox")->setValue(1);
        inDialog<QSpinBox>(dialog, "FirstRowSpinBox")->setValue(101);
        EXPECT_EQ(cell(dialog, 0, 0), "100");
        return okOrCancel(dialog);
    });
    action("FileDataImport")->trigger();
    EXPECT_EQ(table().dataRowCount(), 160);
    EXPECT_EQ(table().cellText(2, 150), "894");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), *leftOutNotice(450, 150, 200));
    action("FileDataImport")->trigger();
    EXPECT_EQ(table().dataRowCount(), 200);
    EXPECT_EQ(table().cellText(1, 1), "100");
    EXPECT_EQ(table().cellText(1, 200), "299");
}

} // namespace
