#include "ColumnFormFixture.h"

#include <QCheckBox>
#include <QTemporaryDir>

#include <functional>

namespace {

// Whatever a command changes that Save writes, closing asks about; what it does not write
// (the selection, a fit) needs no question, and neither does coming back to what was saved.
class UnsavedChangesTest : public ColumnFormTest {
protected:
    // A saved document with something in every place a command can change: four columns,
    // 60 rows with a cell below row 30, Y error bars, a manual X axis. Then opened again,
    // so that the window shows what the file holds.
    void openSavedDocument() {
        changeDocument([](Document& d) {
            d = Document();
            d.table.addColumn("dY");
            d.table.addColumn("Z");
            d.table.setDataRowCount(60);
            for (int row = 1; row <= 3; ++row) {
                d.table.setCellText(1, row, std::to_string(row));
                d.table.setCellText(2, row, std::to_string(2 * row + 1));
                d.table.setCellText(3, row, "0.5");
            }
            d.table.setCellText(4, 40, "far down");
            d.roles.dy = 3;
            d.errorMethod = ErrorMethod::DYI;
            d.xAxis.automatic = false;
            d.xAxis.manualMinimum = "0";
            d.xAxis.manualMaximum = "10";
        });
        const QString path = dir.filePath("saved.dat");
        ui.fileNames = {path};
        action("FileSaveAs1")->trigger();
        form->openFile(path);
        ui.messages.clear();
    }

    // File > Exit, answered Cancel: true when it asked to save first and stayed open. A
    // window that closed is shown again for what follows.
    bool exitAsks() {
        ui.messages.clear();
        ui.answers = {Answer::Cancel};
        action("FileExit1")->trigger();
        const bool asked = !ui.messages.empty() && ui.messages.back().caption == "Save Changes ?";
        EXPECT_EQ(asked, form->isVisible());
        form->show();
        return asked;
    }

    QTemporaryDir dir;
};

TEST_F(UnsavedChangesTest, EveryChangeThatSaveWritesAsksBeforeClosing) {
    const auto axisOptions = [this](const char* control) {
        action("ChartOptionsAction")->trigger();
        auto* window = form->findChild<QDialog*>("ChartOptionsForm");
        return window->findChild<QWidget*>(QLatin1String(control));
    };
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"lower the row count", [&] { action("Rows30")->trigger(); }},
        {"raise the row count", [&] { action("Rows80")->trigger(); }},
        {"delete a column",
         [&] {
             ui.dialogScripts = {deleteEntry(3)};
             action("DeleteColumnAction")->trigger();
         }},
        {"computed column", [&] { defineColumn("P", "2*\"X\""); }},
        {"show error bars", [&] { action("ShowErrorBars")->trigger(); }},
        {"Axis Options: minor grid",
         [&] { static_cast<QCheckBox*>(axisOptions("YMinorGridCheckBox"))->click(); }},
        {"Axis Options: a limit typed, not applied",
         [&] { QTest::keyClicks(axisOptions("XMaxEdit"), "0"); }},
        {"data point colour",
         [&] {
             ui.colors = {QColor(0, 0, 255)};
             action("DataPointColor1")->trigger();
         }},
        {"fit line colour",
         [&] {
             ui.colors = {QColor(0, 0, 255)};
             action("FitLineColor1")->trigger();
         }},
        {"error bar colour",
         [&] {
             ui.colors = {QColor(0, 0, 255)};
             action("ErrorBarColor1")->trigger();
         }},
        {"point style", [&] { action("Star1")->trigger(); }},
        {"error bar width", [&] { action("ErrorBarWidth4")->trigger(); }},
        {"an entry still being typed",
         [&] {
             form->grid().setCurrentIndex(model().index(5, 0));
             QTest::keyClicks(&form->grid(), "4"); // opens the cell's editor, which stays open
             ASSERT_NE(form->grid().viewport()->findChild<QLineEdit*>(), nullptr);
             EXPECT_EQ(table().cellText(1, 6), "");
         }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        openSavedDocument();
        ASSERT_FALSE(exitAsks()) << "just opened";
        ASSERT_TRUE(ui.messages.empty());
        run();
        EXPECT_TRUE(exitAsks());
        EXPECT_TRUE(doc().modified);
    }
}

// The file name, the selection and a fit are not what a document holds: after them,
// closing still asks nothing. Undoing back to the saved state needs no question either.
TEST_F(UnsavedChangesTest, WhatSaveDoesNotWriteAndUndoingBackNeedNoQuestion) {
    openSavedDocument();
    QTest::mouseClick(form->grid().viewport(), Qt::LeftButton, {},
                      form->grid().visualRect(model().index(1, 1)).center());
    EXPECT_FALSE(exitAsks()) << "a selection";
    child<QToolButton>("FitToolButton")->click();
    ASSERT_TRUE(form->isFitShown());
    EXPECT_FALSE(exitAsks()) << "a fit shown";
    child<QToolButton>("FitToolButton")->click();
    EXPECT_TRUE(exitAsks()) << "releasing the fit toggle marks the document, as it always has";

    openSavedDocument();
    action("Star1")->trigger();
    action("Rows30")->trigger();
    action("editUndo")->trigger();
    ASSERT_TRUE(exitAsks());
    action("editUndo")->trigger();
    EXPECT_FALSE(exitAsks());
}

// New, Open and import ask the same question as closing, for the same changes.
TEST_F(UnsavedChangesTest, NewOpenAndImportAskAfterAChangeOfStyle) {
    for (const char* command : {"FileNew", "FileOpen1", "FileASCIIImport"}) {
        SCOPED_TRACE(command);
        openSavedDocument();
        action("Star1")->trigger();
        // Open and import ask Yes or No; their file dialogs are then cancelled.
        ui.answers = {std::string(command) == "FileNew" ? Answer::Cancel : Answer::No};
        action(command)->trigger();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].caption, "Save Changes ?");
        EXPECT_EQ(doc().pointStyle, PointStyle::Star) << "nothing replaced";
    }
}

} // namespace
