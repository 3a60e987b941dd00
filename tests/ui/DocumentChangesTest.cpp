#include "ColumnFormFixture.h"

#include "document/DocumentEdits.h"
#include "document/UndoHistory.h"
#include "fitctl/FitTexts.h"
#include "graph/Chart.h"
#include "table/DataStringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>

#include <functional>

namespace {

// One command of each family that changes the document, with the change the core makes.
class DocumentChangesTest : public ColumnFormTest {
protected:
    struct Case {
        const char* name;
        std::function<void()> run;
        std::function<void(Document&)> expect;
    };
    std::vector<Case> commandFamilies();
    // Four columns and no unsaved changes: where each case starts.
    void startCase() {
        changeDocument([](Document& d) {
            if (d.table.columnCount() < 4)
                d.table.addColumn("Z");
            d.modified = false;
        });
    }
};

std::vector<DocumentChangesTest::Case> DocumentChangesTest::commandFamilies() {
    return {
        {"add a column",
         [&] {
             ui.dialogScripts = {newColumn("dY")};
             action("AddColumnAction")->trigger();
         },
         [](Document& d) {
             d.table.addColumn("dY");
             d.modified = true;
         }},
        {"rename a column",
         [&] {
             ui.dialogScripts = {rename("Time")};
             action("RenameColumn")->trigger();
         },
         [](Document& d) {
             renameColumn(d, 1, "Time");
             d.modified = true;
         }},
        {"choose columns",
         [&] {
             ui.dialogScripts = {chooseColumns(2, -1, 0, -1)};
             action("SelectColumnsAction")->trigger();
         },
         [](Document& d) {
             ::chooseColumns(d, {3, -1, 1, -1});
         }},
        {"row count", [&] { action("Rows80")->trigger(); },
         [](Document& d) {
             d.table.setDataRowCount(80);
             d.modified = true;
         }},
        {"fitting function", [&] { action("PowerLawFit")->trigger(); },
         [](Document& d) {
             d.fitType = FitType::POWERLAW;
             d.modified = true;
         }},
        {"error method", [&] { action("dYi")->trigger(); },
         [](Document& d) {
             d.errorMethod = ErrorMethod::DYI;
             d.modified = true;
         }},
        {"computed column", [&] { defineColumn("P", "1/3"); },
         [](Document& d) {
             d.table.addColumn("P"); // every row is empty, so no cell is written
             d.modified = true;
         }},
        {"delete a column",
         [&] {
             ui.dialogScripts = {deleteEntry(3)};
             action("DeleteColumnAction")->trigger();
         },
         [](Document& d) {
             deleteColumn(d, 4);
             d.modified = true;
         }},
        {"paste",
         [&] {
             QApplication::clipboard()->setText("5\t6");
             action("editPaste")->trigger();
         },
         [](Document& d) {
             d.table.setCellText(1, 1, "5");
             d.table.setCellText(2, 1, "6");
             d.modified = true;
         }},
    };
}

// Each command family changes the document exactly as the core says, and nothing else:
// the document after the command equals the one before with the expected change made.
TEST_F(DocumentChangesTest, CommandsChangeTheDocumentAndNothingElse) {
    for (const Case& c : commandFamilies()) {
        SCOPED_TRACE(c.name);
        startCase();
        Document expected = form->document();
        c.run();
        c.expect(expected);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(form->document() == expected);
    }
}

// Undo takes each command back to the whole document before it, Redo brings the whole
// document after it again, and the window shows the document it holds.
TEST_F(DocumentChangesTest, UndoAndRedoTakeEveryCommandBackAndForth) {
    std::vector<std::pair<const char*, std::function<void()>>> runs;
    for (const Case& c : commandFamilies())
        runs.emplace_back(c.name, c.run);
    const auto enter = [this](const char* text) {
        ASSERT_TRUE(model().setData(model().index(0, 0), QString::fromLatin1(text)));
    };
    runs.insert(runs.end(),
                {{"type into a cell", [&] { enter("4.5"); }},
                 {"cut",
                  [&] {
                      form->grid().setCurrentIndex(model().index(0, 0));
                      action("editCut")->trigger();
                  }},
                 {"graph labels",
                  [&] {
                      ui.dialogScripts = {[](QDialog& dialog) {
                          dialog.findChild<QLineEdit*>("GraphTitleEdit")->setText("Fall");
                          return okOrCancel(dialog);
                      }};
                      action("LabelChart")->trigger();
                  }},
                 {"point style", [&] { action("Star1")->trigger(); }},
                 {"error bar width", [&] { action("ErrorBarWidth4")->trigger(); }},
                 {"graph type", [&] { action("LogLogAction")->trigger(); }}});
    for (const auto& [name, run] : runs) {
        SCOPED_TRACE(name);
        startCase();
        if (std::string(name) == "cut")
            changeDocument([](Document& d) { d.table.setCellText(1, 1, "7"); });
        action("editCopy")->trigger(); // a command lets the history see the direct change
        const Document before = form->document();
        run();
        const Document after = form->document();
        ASSERT_FALSE(sameContent(before, after));
        ASSERT_TRUE(action("editUndo")->isEnabled());
        action("editUndo")->trigger();
        EXPECT_TRUE(sameContent(form->document(), before));
        EXPECT_EQ(form->statusText(2).toStdString(), textsOf(form->document().fitType).statusText);
        action("editRedo")->trigger();
        EXPECT_TRUE(sameContent(form->document(), after));
        EXPECT_FALSE(action("editRedo")->isEnabled());
    }
}

// A fit is no step of its own; Undo takes the fit away with the entry before it, and the
// entry can be brought back.
TEST_F(DocumentChangesTest, FittingIsNoStepAndUndoKeepsRedo) {
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            ASSERT_TRUE(
                model().setData(model().index(row, column), QString::number(row * row + column)));
    auto* fitButton = child<QToolButton>("FitToolButton");
    fitButton->click();
    ASSERT_TRUE(fitButton->isChecked());
    action("editUndo")->trigger();
    EXPECT_FALSE(fitButton->isChecked());
    EXPECT_EQ(table().cellText(2, 3), "");
    ASSERT_TRUE(action("editRedo")->isEnabled());
    action("editRedo")->trigger();
    EXPECT_EQ(table().cellText(2, 3), "5");
}

TEST_F(DocumentChangesTest, UndoShowsTheRestoredSettingsAndNewStartsAFreshHistory) {
    const QString linear = form->statusText(2);
    const QString startUpMethod = form->statusText(1);
    action("PowerLawFit")->trigger();
    action("LogLogAction")->trigger();
    ASSERT_TRUE(form->chart().isLogarithmic(ChartAxis::BottomAxis));
    EXPECT_TRUE(form->document().modified);
    action("editUndo")->trigger();
    action("editUndo")->trigger();
    EXPECT_FALSE(form->document().modified) << "back at the document as it started";
    EXPECT_EQ(form->statusText(2), linear);
    EXPECT_EQ(form->statusText(1), startUpMethod) << "a setting the steps left alone";
    EXPECT_FALSE(form->chart().isLogarithmic(ChartAxis::BottomAxis));
    EXPECT_TRUE(action("editRedo")->isEnabled());
    ui.answers = {Answer::No};
    action("FileNew")->trigger();
    EXPECT_FALSE(action("editUndo")->isEnabled());
    EXPECT_FALSE(action("editRedo")->isEnabled());
}

} // namespace
