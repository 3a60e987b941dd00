#include "files/TextTableFill.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TextTable textOf(const std::string& text) {
    std::istringstream in(text);
    return readTextTable(in, 200);
}

// The table an import leaves: old cells gone, names of the remaining columns kept, added
// columns unnamed, line i in row i as far as the row count reaches.
TEST(TextTableFill, ReplacesEveryCellAndTakesTheFirstLinesColumnCount) {
    DataTable t;
    t.renameColumn(1, "Time");
    t.setDataRowCount(60);
    t.setCellText(2, 45, "old");
    t.setDataRowCount(30);
    fillTableFromText(t, textOf("1 2 3\n4 5\n"));
    EXPECT_EQ(t.columnCount(), 4);
    EXPECT_EQ(t.columnName(1), "Time");
    EXPECT_EQ(t.columnName(3), "");
    EXPECT_EQ(t.cellText(3, 1), "3");
    EXPECT_FALSE(t.isFilled(3, 2));
    t.setDataRowCount(60);
    EXPECT_FALSE(t.isFilled(2, 45)) << "rows kept out of sight are emptied too";

    fillTableFromText(t, textOf("7\n"));
    EXPECT_EQ(t.columnCount(), 2) << "surplus columns go from the end";
    EXPECT_EQ(t.columnName(1), "Time");
}

TEST(TextTableFill, LinesBeyondTheRowCountAreKeptOutOfSight) {
    std::string text;
    for (int i = 1; i <= 40; ++i)
        text += std::to_string(i) + " 1\n";
    DataTable t;
    fillTableFromText(t, textOf(text));
    EXPECT_EQ(t.dataRowCount(), 30);
    EXPECT_EQ(t.cellText(1, 30), "30");
    EXPECT_FALSE(t.isFilled(1, 31)) << "out of sight";
    t.setDataRowCount(60);
    EXPECT_EQ(t.cellText(1, 40), "40");
    EXPECT_FALSE(t.isFilled(1, 41));
}

} // namespace
