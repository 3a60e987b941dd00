#include "table/TablePrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A page 400 wide and 300 high, 10-pixel rows: 26 rows between the margins.
PrintFrame frameFor(std::vector<int> widths) {
    PrintFrame f;
    f.width = 400;
    f.height = 300;
    f.left = 30;
    f.right = 10;
    f.top = 30;
    f.bottom = 10;
    f.titleSpacing = 5;
    f.lineHeight = 12;
    f.rowHeight = 10;
    f.columnWidths = std::move(widths);
    return f;
}

DataTable tableWithRows(int rows) {
    DataTable t;
    t.setDataRowCount(rows);
    for (int r = 1; r <= rows; ++r) {
        t.setCellText(1, r, std::to_string(r));
        t.setCellText(2, r, std::to_string(2 * r));
    }
    t.setSummaryText("y = a + bx");
    return t;
}

const PrintCell* findCell(const PrintPage& page, int column, int row) {
    const auto it = std::find_if(page.cells.begin(), page.cells.end(), [&](const PrintCell& c) {
        return c.column == column && c.row == row;
    });
    return it == page.cells.end() ? nullptr : &*it;
}

TEST(TablePrintLayoutTest, TallTablesContinueOnPagesWithoutRepeatingTheNamesRow) {
    const DataTable table = tableWithRows(60); // names + 60 rows + a 5-row summary block
    const TablePrintLayout layout = layOutTable(table, {}, frameFor({40, 60, 60}));
    // 26 rows a page: names and rows 1-25, rows 26-51, rows 52-60 and the summary block.
    ASSERT_EQ(layout.pages.size(), 3u);
    EXPECT_EQ(findCell(layout.pages[0], 1, 0)->text, "X");
    EXPECT_EQ(findCell(layout.pages[0], 0, 25)->rect, (PrintRect{130, 280, 40, 10}));
    EXPECT_EQ(findCell(layout.pages[1], 1, 0), nullptr);
    EXPECT_EQ(findCell(layout.pages[1], 2, 26)->rect, (PrintRect{230, 30, 60, 10}));
    const PrintCell* summary = findCell(layout.pages[2], 1, table.footerRow());
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->rect, (PrintRect{170, 120, 120, 50})) << "merged over the data columns";
    EXPECT_EQ(summary->text, "y = a + bx");
    EXPECT_EQ(layout.titleRect, (PrintRect{30, 13, 360, 12}));
    EXPECT_EQ(layout.dateRect, (PrintRect{30, 290, 360, 12}));
}

TEST(TablePrintLayoutTest, WideTablesContinueColumnByColumnAndTheSummaryIsNeverSplit) {
    DataTable table = tableWithRows(30);
    table.addColumn("dY");
    // 360 pixels between the margins: the row numbers and two columns, then the third.
    const TablePrintLayout layout = layOutTable(table, {}, frameFor({60, 150, 150, 150}));
    ASSERT_EQ(layout.pages.size(), 4u); // 36 rows: 26 and 10, in each of two bands
    EXPECT_NE(findCell(layout.pages[0], 0, 1), nullptr);
    EXPECT_EQ(findCell(layout.pages[2], 0, 1), nullptr) << "row numbers print once";
    EXPECT_NE(findCell(layout.pages[2], 3, 0), nullptr) << "the later columns' names head them";
    EXPECT_EQ(findCell(layout.pages[2], 3, 1)->rect.x, 30 + (360 - 150) / 2);
    const PrintCell* summary = findCell(layout.pages[1], 1, table.footerRow());
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->rect.height, 5 * 10);
}

TEST(TablePrintLayoutTest, MarksTheXAndYCellsOfTheFittedSelection) {
    DataTable table = tableWithRows(30);
    table.addColumn("dY");
    PrintMarks marks;
    marks.selectionTop = 3;
    marks.selectionBottom = 5;
    marks.fitShown = true;
    const PrintPage page = layOutTable(table, marks, frameFor({40, 60, 60, 60})).pages[0];
    std::vector<std::pair<int, int>> marked;
    for (const PrintCell& c : page.cells)
        if (c.marked)
            marked.emplace_back(c.column, c.row);
    EXPECT_EQ(marked,
              (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 5}, {2, 5}}));
    EXPECT_TRUE(findCell(page, 0, 3)->fixed);

    marks.fitShown = false;
    const TablePrintLayout unfitted = layOutTable(table, marks, frameFor({40, 60, 60, 60}));
    for (const PrintCell& c : unfitted.pages[0].cells)
        EXPECT_FALSE(c.marked);
}

} // namespace
