#include "table/DataTable.h"
#include "common/KelvaneError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
    EXPECT_EQ(t.countPlottedRows(ColumnRoles{}), 2);
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

TEST(DataTable, DeleteColumnMovesTheColumnsBehindIt) {
    DataTable t;
    t.addColumn("C");
    t.addColumn("D");
    t.setCellText(3, 1, "three");
    t.setCellText(4, 1, "four");
    t.deleteColumn(2);
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
    for (int row = 1; row <= 30; ++row)
        t.setCellText(1, row, std::to_string(row * 10));
    t.setDataRowCount(60);
    EXPECT_EQ(t.footerRow(), 61);
    EXPECT_EQ(t.rowCount(), 66);
    EXPECT_EQ(t.cellText(1, 30), "300");
    EXPECT_EQ(t.cellText(1, 31), "");
    EXPECT_EQ(t.cellText(0, 60), "60");
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
    EXPECT_EQ(t.countPlottedRows(ColumnRoles{}), 0);
    EXPECT_FALSE(t.findCellWithExtraPoints(1, 200).has_value());
    t.setDataRowCount(60);
    EXPECT_EQ(t.cellText(1, 45), "1");
    EXPECT_EQ(t.countPlottedRows(ColumnRoles{}), 1);
}

TEST(DataTable, ResetTableDiscardsEverythingIncludingHiddenRows) {
    DataTable t;
    t.setDataRowCount(200);
    t.setCellText(2, 150, "5");
    t.addColumn("dY");
    t.setCellText(3, 1, "0.1");
    t.renameColumn(1, "T");
    t.setSummaryText("fit");
    t.setDataRowCount(30);
    t.resetTable();
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.columnName(1), "X");
    EXPECT_EQ(t.columnName(2), "Y");
    EXPECT_EQ(t.summaryText(), "");
    EXPECT_EQ(t, DataTable());
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

// Equality is what a user could see or save: cells never written equal empty ones.
TEST(DataTable, EqualityComparesWhatTheTableHolds) {
    DataTable a, b;
    EXPECT_EQ(a, b);
    a.setCellText(1, 5, "2");
    EXPECT_NE(a, b);
    a.setCellText(1, 5, "");
    EXPECT_EQ(a, b) << "an emptied cell is an empty cell";
    b.setDataRowCount(60);
    EXPECT_NE(a, b);
    b.setDataRowCount(30);
    b.setSummaryText("fit");
    EXPECT_NE(a, b);
    EXPECT_NE(DataTable('.'), DataTable(','));
}

} // namespace
