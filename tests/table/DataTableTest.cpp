#include "common/KelvaneError.h"
#include "table/DataTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the table asks of its owner, in order.
class RecordingHost : public TableHost {
public:
    bool fitShown = false;
    std::vector<std::string> calls;
    bool isFitShown() const override { return fitShown; }
    void ClearFit() override {
        calls.push_back("ClearFit");
        fitShown = false;
    }
    void RebuildPlot() override { calls.push_back("RebuildPlot"); }
};

TEST(DataTable, DefaultTable) {
    DataTable t;
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.columnName(1), "X");
    EXPECT_EQ(t.columnName(2), "Y");
    EXPECT_EQ(t.dataRowCount(), 30);
    EXPECT_EQ(t.rowCount(), 36);
    EXPECT_EQ(t.footerRow(), 31);
    EXPECT_EQ(t.cellText(0, 1), "1");
    EXPECT_EQ(t.cellText(0, 30), "30");
    EXPECT_EQ(t.cellText(0, 0), "");
    EXPECT_EQ(t.cellText(1, 5), "");
    EXPECT_EQ(t.summaryText(), "");
    EXPECT_EQ(t.roles.x, 1);
    EXPECT_EQ(t.roles.dx, -1);
    EXPECT_EQ(t.roles.y, 2);
    EXPECT_EQ(t.roles.dy, -1);
    EXPECT_EQ(t.currentFileName, "Untitled.dat");
    EXPECT_FALSE(t.modified);
    EXPECT_EQ(t.selectionTop, 0);
    EXPECT_EQ(t.selectionBottom, 0);
}

TEST(DataTable, FindColumnIsExactAndCaseSensitive) {
    DataTable t;
    EXPECT_EQ(t.findColumn("x"), -1);
    EXPECT_EQ(t.findColumn("X"), 1);
    t.addColumn("dY");
    t.addColumn("dY"); // duplicates are refused by the dialogs, not here: the first wins
    EXPECT_EQ(t.findColumn("dY"), 3);
    EXPECT_EQ(t.columnCount(), 5);
}

TEST(DataTable, SummaryTextLivesInCellZeroOfTheFooterRow) {
    DataTable t;
    t.setSummaryText("a = 1\rb = 2");
    EXPECT_EQ(t.cellText(0, t.footerRow()), "a = 1\rb = 2");
    t.setCellText(0, t.footerRow(), "other");
    EXPECT_EQ(t.summaryText(), "other");
    EXPECT_EQ(t.cellText(1, t.footerRow()), "");
}

TEST(DataTable, FilledCellsAndPlottedRows) {
    DataTable t;
    t.setCellText(1, 1, "1");
    t.setCellText(2, 1, "2");
    t.setCellText(1, 2, " "); // a single blank counts as filled
    t.setCellText(2, 2, "3");
    t.setCellText(1, 3, "4"); // no Y: not plotted
    EXPECT_TRUE(t.isFilled(1, 2));
    EXPECT_FALSE(t.isFilled(2, 3));
    EXPECT_EQ(t.countPlottedRows(), 2);
    EXPECT_EQ(t.cellNumber(2, 2), 3.0L);
    try {
        t.cellNumber(1, 2);
        FAIL() << "a blank cell converted";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "' ' is not a valid floating point value");
    }
}

TEST(DataTable, FindCellWithExtraPointsScansColumnsThenRowsWithinTheRange) {
    DataTable t;
    t.setCellText(2, 2, "1.2.3");
    t.setCellText(1, 5, "1..2");
    t.setCellText(1, 1, "1.5");
    EXPECT_EQ(t.findCellWithExtraPoints(1, t.footerRow()), std::make_pair(1, 5));
    EXPECT_EQ(t.findCellWithExtraPoints(1, 5), std::make_pair(2, 2));
    EXPECT_FALSE(t.findCellWithExtraPoints(3, 5).has_value());
}

TEST(DataTable, DeleteColumnShiftsTheRolesBehindIt) {
    DataTable t;
    t.addColumn("C");
    t.addColumn("D");
    t.setCellText(3, 1, "three");
    t.setCellText(4, 1, "four");
    t.roles = {1, -1, 3, 4};
    t.deleteColumn(2);
    EXPECT_EQ(t.roles.x, 1);
    EXPECT_EQ(t.roles.dx, -1);
    EXPECT_EQ(t.roles.y, 2);
    EXPECT_EQ(t.roles.dy, 3);
    EXPECT_EQ(t.columnCount(), 4);
    EXPECT_EQ(t.columnName(2), "C");
    EXPECT_EQ(t.cellText(2, 1), "three");
    EXPECT_EQ(t.cellText(3, 1), "four");
}

TEST(DataTable, RenameColumnChangesOnlyTheName) {
    DataTable t;
    t.setCellText(1, 1, "7");
    t.renameColumn(1, "Time");
    EXPECT_EQ(t.columnName(1), "Time");
    EXPECT_EQ(t.cellText(1, 1), "7");
}

TEST(DataTable, RaisingTheRowCountKeepsTextAndAddsEmptyRows) {
    DataTable t;
    RecordingHost host;
    t.setHost(&host);
    for (int row = 1; row <= 30; ++row)
        t.setCellText(1, row, std::to_string(row * 10));
    t.modified = false;
    t.setDataRowCount(60);
    EXPECT_EQ(t.footerRow(), 61);
    EXPECT_EQ(t.rowCount(), 66);
    EXPECT_EQ(t.cellText(1, 30), "300");
    EXPECT_EQ(t.cellText(1, 31), "");
    EXPECT_EQ(t.cellText(0, 60), "60");
    EXPECT_FALSE(t.modified);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ClearFit", "RebuildPlot"}));
}

TEST(DataTable, LoweringTheRowCountHidesRowsUntilTheCountIsRaisedAgain) {
    DataTable t;
    t.setDataRowCount(60);
    t.setCellText(1, 45, "1");
    t.setCellText(2, 45, "2");
    t.setSummaryText("fit");
    t.setDataRowCount(30);
    EXPECT_EQ(t.summaryText(), "");
    EXPECT_EQ(t.cellText(1, 45), "");
    EXPECT_EQ(t.countPlottedRows(), 0);
    EXPECT_FALSE(t.findCellWithExtraPoints(1, 200).has_value());
    t.setDataRowCount(60);
    EXPECT_EQ(t.cellText(1, 45), "1");
    EXPECT_EQ(t.countPlottedRows(), 1);
}

TEST(DataTable, ResetTableDiscardsEverythingIncludingHiddenRows) {
    DataTable t;
    t.setDataRowCount(200);
    t.setCellText(2, 150, "5");
    t.addColumn("dY");
    t.setCellText(3, 1, "0.1");
    t.roles = {2, -1, 3, -1};
    t.renameColumn(1, "T");
    t.setSummaryText("fit");
    t.setDataRowCount(30);
    t.resetTable();
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.columnName(1), "X");
    EXPECT_EQ(t.columnName(2), "Y");
    EXPECT_EQ(t.roles.x, 1);
    EXPECT_EQ(t.roles.y, 2);
    EXPECT_EQ(t.summaryText(), "");
    t.setDataRowCount(200);
    EXPECT_EQ(t.cellText(2, 150), "");
}

TEST(DataTable, RowCountOutsideTheChoicesIsIgnored) {
    DataTable t;
    t.setDataRowCount(40);
    EXPECT_EQ(t.dataRowCount(), 30);
    t.setDataRowCount(100000);
    EXPECT_EQ(t.dataRowCount(), 30);
}

TEST(DataTable, WritesOutsideTheDataCellsAreIgnored) {
    DataTable t;
    t.setCellText(0, 3, "99"); // row numbers are derived
    t.setCellText(1, 31, "in the summary block");
    t.setCellText(9, 1, "no such column");
    EXPECT_EQ(t.cellText(0, 3), "3");
    EXPECT_EQ(t.cellText(1, 31), "");
    EXPECT_EQ(t.cellText(9, 1), "");
}

TEST(DataTableSelection, MouseUpWithoutAFitOnlyRebuilds) {
    DataTable t;
    RecordingHost host;
    t.setHost(&host);
    t.selectionChanged(4, 4);
    EXPECT_EQ(t.selectionTop, 4);
    EXPECT_EQ(t.selectionBottom, 4);
    EXPECT_FALSE(t.modified);
    EXPECT_EQ(host.calls, std::vector<std::string>{"RebuildPlot"});
}

TEST(DataTableSelection, MouseUpWithAFitShownClearsItAndMarksModified) {
    DataTable t;
    RecordingHost host;
    t.setHost(&host);
    host.fitShown = true;
    t.selectionChanged(2, 6);
    EXPECT_EQ(t.selectionTop, 2);
    EXPECT_EQ(t.selectionBottom, 6);
    EXPECT_TRUE(t.modified);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ClearFit", "RebuildPlot"}));
}

TEST(DataTableSelection, CurrentCellMoveCollapsesOnlyAMultiRowSelection) {
    DataTable t;
    RecordingHost host;
    t.setHost(&host);
    t.currentCellChanged(7); // no multi-row selection: nothing happens
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(t.selectionTop, 0);

    t.selectionChanged(2, 6);
    host.calls.clear();
    host.fitShown = true;
    t.currentCellChanged(9);
    EXPECT_EQ(t.selectionTop, 9);
    EXPECT_EQ(t.selectionBottom, 9);
    EXPECT_TRUE(t.modified);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"ClearFit", "RebuildPlot"}));
}

} // namespace
