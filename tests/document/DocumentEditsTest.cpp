#include "document/DocumentEdits.h"

#include <gtest/gtest.h>

namespace {

const Cascade NOTHING{false, false};
const Cascade REBUILD{false, true};
const Cascade CLEAR_AND_REBUILD{true, true};

TEST(Document, NewDocumentDefaults) {
    const Document d;
    EXPECT_EQ(d.table, DataTable());
    EXPECT_EQ(d.roles, (ColumnRoles{1, -1, 2, -1}));
    EXPECT_EQ(d.selectionTop, 0);
    EXPECT_EQ(d.selectionBottom, 0);
    EXPECT_EQ(d.currentFileName, "Untitled.dat");
    EXPECT_FALSE(d.modified);
    EXPECT_EQ(d.graphTitle, "Graph Title");
    EXPECT_EQ(d.xAxisTitle, "X");
    EXPECT_EQ(d.yAxisTitle, "Y");
    EXPECT_EQ(d.pointStyle, PointStyle::Circle);
    EXPECT_EQ(d.dataPointColor, 255u);
    EXPECT_EQ(d.fitLineColor, 32768u);
    EXPECT_EQ(d.errorBarColor, 0u);
    EXPECT_EQ(d.errorBarWidth, 1);
    for (const AxisSettings* axis : {&d.xAxis, &d.yAxis}) {
        EXPECT_TRUE(axis->automatic);
        EXPECT_EQ(axis->labelFormat, "#,##0.00");
        EXPECT_FALSE(axis->scientific);
        EXPECT_EQ(axis->decimals, 2);
        EXPECT_TRUE(axis->minorGrid);
    }
}

// Every field takes part in equality, so tests can compare whole documents.
TEST(Document, EqualityNoticesEveryField) {
    const std::vector<void (*)(Document&)> changes = {
        [](Document& d) { d.table.setCellText(1, 1, "1"); },
        [](Document& d) { d.roles.dy = 3; },
        [](Document& d) { d.selectionBottom = 4; },
        [](Document& d) { d.currentFileName = "a.dat"; },
        [](Document& d) { d.modified = true; },
        [](Document& d) { d.fitType = FitType::POWERLAW; },
        [](Document& d) { d.errorMethod = ErrorMethod::DYI; },
        [](Document& d) { d.graphType = GraphType::LogLog; },
        [](Document& d) { d.graphTitle = "T"; },
        [](Document& d) { d.yAxisTitle = "V"; },
        [](Document& d) { d.pointStyle = PointStyle::Star; },
        [](Document& d) { d.fitLineColor = 0; },
        [](Document& d) { d.errorBarsShown = true; },
        [](Document& d) { d.errorBarWidth = 3; },
        [](Document& d) { d.xAxis.manualMaximum = "5"; },
        [](Document& d) { d.yAxis.minorGrid = false; },
        [](Document& d) { d.yAxis.decimals = 4; },
        [](Document& d) { d.xFormatFixed = true; },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Document d;
        changes[i](d);
        EXPECT_NE(d, Document()) << "change " << i;
    }
}

TEST(DocumentSelection, MouseUpSetsTheRowsAndClearsAShownFit) {
    Document d;
    EXPECT_EQ(selectionChanged(d, 4, 4, false), REBUILD);
    EXPECT_EQ(d.selectionTop, 4);
    EXPECT_FALSE(d.modified);
    EXPECT_EQ(selectionChanged(d, 2, 6, true), CLEAR_AND_REBUILD);
    EXPECT_EQ(d.selectionTop, 2);
    EXPECT_EQ(d.selectionBottom, 6);
    EXPECT_TRUE(d.modified);

    // Rows of the summary block below the 30 data rows are no data.
    selectionChanged(d, 6, 35, false);
    EXPECT_EQ(d.selectionBottom, 30);
    selectionChanged(d, 32, 34, false);
    EXPECT_FALSE(d.hasRowSelection());
    EXPECT_EQ(d.selectionTop, 30);
}

TEST(DocumentSelection, CurrentCellMoveCollapsesOnlyAMultiRowSelection) {
    Document d;
    EXPECT_EQ(currentCellChanged(d, 7, true), NOTHING);
    EXPECT_EQ(d, Document());
    selectionChanged(d, 2, 6, false);
    EXPECT_EQ(currentCellChanged(d, 9, true), CLEAR_AND_REBUILD);
    EXPECT_EQ(d.selectionTop, 9);
    EXPECT_EQ(d.selectionBottom, 9);
    EXPECT_TRUE(d.modified);
}

// A selection left on rows that the new row count hides would be fitted from them.
TEST(DocumentSelection, ASelectionBelowTheLastRowCollapsesToTheCurrentRow) {
    Document d;
    d.table.setDataRowCount(60);
    selectionChanged(d, 40, 50, false);
    EXPECT_FALSE(keepSelectionInTable(d, 45)) << "still inside 60 rows";
    d.table.setDataRowCount(30);
    EXPECT_TRUE(keepSelectionInTable(d, 30));
    EXPECT_EQ(d.selectionTop, 30);
    EXPECT_EQ(d.selectionBottom, 30);

    selectionChanged(d, 25, 30, false); // reaching exactly the last row is inside
    EXPECT_FALSE(keepSelectionInTable(d, 27));
    d.selectionBottom = 45;
    EXPECT_TRUE(keepSelectionInTable(d, 99)); // a current row outside is brought in
    EXPECT_EQ(d.selectionTop, 30);
}

TEST(DocumentColumns, DeletingAColumnMovesTheRolesBehindIt) {
    Document d;
    d.table.addColumn("C");
    d.table.addColumn("D");
    d.roles = {1, -1, 3, 4};
    deleteColumn(d, 2);
    EXPECT_EQ(d.roles, (ColumnRoles{1, -1, 2, 3}));
    EXPECT_EQ(d.table.columnName(2), "C");
    deleteColumn(d, 9); // no such column: nothing changes
    EXPECT_EQ(d.table.columnCount(), 4);
}

TEST(DocumentColumns, RenamingTakesAMatchingAxisTitleAlong) {
    Document d;
    d.yAxisTitle = "Voltage";
    renameColumn(d, 1, "Time");
    EXPECT_EQ(d.table.columnName(1), "Time");
    EXPECT_EQ(d.xAxisTitle, "Time");
    renameColumn(d, 2, "U");
    EXPECT_EQ(d.yAxisTitle, "Voltage") << "a title the user changed stays";
}

TEST(DocumentColumns, ChoosingColumnsSetsRolesTitlesAndModified) {
    Document d;
    d.table.addColumn("dY");
    d.table.renameColumn(2, "U");
    EXPECT_EQ(chooseColumns(d, {2, -1, 1, 3}), CLEAR_AND_REBUILD);
    EXPECT_EQ(d.roles, (ColumnRoles{2, -1, 1, 3}));
    EXPECT_EQ(d.xAxisTitle, "U");
    EXPECT_EQ(d.yAxisTitle, "X");
    EXPECT_TRUE(d.modified);
}

// An import with fewer columns must leave no role reading past the table.
TEST(DocumentColumns, RolesOutsideTheTableFallBack) {
    struct Case {
        int dataColumns;
        ColumnRoles before, after;
    };
    const Case cases[] = {
        {4, {1, 3, 2, 4}, {1, 3, 2, 4}},   // all inside: nothing changes
        {2, {3, 4, 1, 5}, {1, -1, 1, -1}}, // X falls back to 1, Y stays on 1
        {2, {2, -1, 4, -1}, {2, -1, 2, -1}},
        {1, {1, -1, 2, 3}, {1, -1, 1, -1}}, // one column: X and Y both on it
    };
    for (const Case& c : cases) {
        Document d;
        while (d.table.columnCount() - 1 > c.dataColumns)
            d.table.deleteColumn(d.table.columnCount() - 1);
        while (d.table.columnCount() - 1 < c.dataColumns)
            d.table.addColumn("");
        d.roles = c.before;
        keepRolesInTable(d);
        EXPECT_EQ(d.roles, c.after) << c.dataColumns;
    }
}

} // namespace
