#include "ColumnFormFixture.h"

#include "files/FileMessages.h"
#include "files/ImportNotice.h"

#include <QDir>
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

} // namespace
