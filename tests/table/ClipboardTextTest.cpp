#include "table/ClipboardText.h"
#include "table/PastePlan.h"
#include "table/SeriesFill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = PasteTextReader::Rows;

TEST(CopyText, JoinsCellsByTabAndRowsByCrLf) {
    DataTable table;
    table.addColumn("Z");
    const char* texts[2][3] = {{"a", "b", "c"}, {"d", "e", "f"}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            table.setCellText(column + 1, row + 4, texts[row][column]);
    EXPECT_EQ(copyText(table, {1, 4, 3, 5}), "a\tb\tc\r\nd\te\tf");
    EXPECT_EQ(copyText(table, {2, 5, 2, 5}), "e");
    EXPECT_EQ(copyText(table, {2, 6, 3, 6}), "\t") << "empty cells keep their places";
}

TEST(PasteTextReader, SplitsAtEveryLineEndAndTab) {
    struct Case {
        const char* text;
        Rows rows;
    };
    const Case cases[] = {
        {"1\r\n2", {{"1"}, {"2"}}},
        {"1\n2", {{"1"}, {"2"}}},
        {"1\r2", {{"1"}, {"2"}}},
        {"1\n\r2\r\r\n3", {{"1"}, {""}, {"2"}, {""}, {"3"}}},
        {"a\tb\r\nc", {{"a", "b"}, {"c"}}},
        {"1\r\n2\r\n", {{"1"}, {"2"}}}, // a spreadsheet's final line end
        {"1\n\n", {{"1"}, {""}}},
        {"a\t", {{"a", ""}}},
        {"", {}},
        {"\n", {{""}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PasteTextReader::split(c.text, 10, 10), c.rows) << testing::PrintToString(c.text);
}

// Pieces may split a CR LF pair; cells and lines past the table are not read.
TEST(PasteTextReader, ReadsPieceByPieceOnlyAsFarAsTheTableReaches) {
    PasteTextReader reader(2, 2);
    EXPECT_TRUE(reader.read("a\tb\tc\r"));
    EXPECT_FALSE(reader.read("\nd\r\ne\r\nf"));
    EXPECT_EQ(reader.finish(), (Rows{{"a", "b"}, {"d"}}));

    // Fed line by line, it asks for no more once the table's last row is read.
    PasteTextReader lines(3, 1);
    EXPECT_TRUE(lines.read("1\n"));
    EXPECT_TRUE(lines.read("2\n"));
    EXPECT_FALSE(lines.read("3\n"));
    EXPECT_EQ(lines.finish(), (Rows{{"1"}, {"2"}, {"3"}}));
}

// Cells of columns 1..3, rows 1..30, all holding "o" before the paste.
class PastePlanTest : public ::testing::Test {
protected:
    static constexpr CellRect EDITABLE{1, 1, 3, 30};

    std::string pasteAndShow(const char* text, const CellRect& selection, const CellRect& view,
                             const SeriesFormats& formats = {}) {
        DataTable table;
        table.addColumn("Z");
        for (int row = 1; row <= 30; ++row)
            for (int column = 1; column <= 3; ++column)
                table.setCellText(column, row, "o");
        const CellRect reach = pasteReach(selection, EDITABLE);
        const Rows rows = PasteTextReader::split(text, reach.height(), reach.width());
        for (const CellWrite& write : planPaste(rows, selection, EDITABLE, formats)) {
            EXPECT_TRUE(EDITABLE.contains(write.column, write.row))
                << write.column << "," << write.row;
            table.setCellText(write.column, write.row, write.text);
        }
        std::string shown;
        for (int row = view.top; row <= view.bottom; ++row)
            for (int column = view.left; column <= view.right; ++column)
                shown += table.cellText(column, row) + (column < view.right ? "," : "/");
        return shown;
    }
};

TEST_F(PastePlanTest, WritesFromTheTopLeftClipsAndFillsALargerSelection) {
    struct Case {
        const char* what;
        const char* text;
        CellRect selection;
        CellRect view;
        const char* shown;
    };
    const Case cases[] = {
        {"one cell into five", "1", {1, 1, 1, 5}, {1, 1, 1, 6}, "1/1/1/1/1/o/"},
        {"CR LF series", "1\r\n2", {1, 1, 1, 10}, {1, 1, 1, 11}, "1/2/3/4/5/6/7/8/9/10/o/"},
        {"LF series", "1\n2", {2, 3, 2, 6}, {2, 3, 2, 7}, "1/2/3/4/o/"},
        {"decimal series", "1.5\n2", {1, 1, 1, 4}, {1, 1, 1, 4}, "1.50/2.00/2.50/3.00/"},
        {"falling series", "5\n3", {1, 1, 1, 4}, {1, 1, 1, 4}, "5/3/1/-1/"},
        {"series along a row", "1\t2", {1, 2, 3, 2}, {1, 2, 3, 2}, "1,2,3/"},
        {"series from the first two of three", "1\n2\n9", {1, 1, 1, 4}, {1, 1, 1, 4}, "1/2/3/4/"},
        {"words are written once", "a\nb", {1, 1, 1, 4}, {1, 1, 1, 4}, "a/b/o/o/"},
        {"no series in a block", "1\t2\n3\t4", {1, 1, 3, 3}, {1, 1, 3, 3}, "1,2,o/3,4,o/o,o,o/"},
        {"one cell into a block", "x", {2, 1, 3, 2}, {1, 1, 3, 2}, "o,x,x/o,x,x/"},
        {"a block into one cell", "a\tb\nc\td", {2, 2, 2, 2}, {1, 1, 3, 3}, "o,o,o/o,a,b/o,c,d/"},
        {"final line end", "1\n2\n", {1, 1, 1, 1}, {1, 1, 1, 3}, "1/2/o/"},
        {"an empty line empties its cell", "1\n\n3", {1, 1, 1, 1}, {1, 1, 1, 3}, "1//3/"},
        {"clipped at the last column and row",
         "1\t2\t3\n4\t5\t6\n7",
         {2, 29, 2, 29},
         {1, 28, 3, 30},
         "o,o,o/o,1,2/o,4,5/"},
        {"no fill when the selection holds no more", "1\n2", {1, 1, 1, 2}, {1, 1, 1, 3}, "1/2/o/"},
        {"a date series",
         "2026-12-30\n2026-12-31",
         {1, 1, 1, 3},
         {1, 1, 1, 3},
         "2026-12-30/2026-12-31/2027-01-01/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pasteAndShow(c.text, c.selection, c.view), c.shown) << c.what;
}

TEST(SeriesFill, ContinuesNumbersDatesAndTimesInTheFormOfTheFirst) {
    const SeriesFormats us{'.', "M/d/yy"};
    struct Case {
        const char* first;
        const char* second;
        SeriesFormats formats;
        std::vector<std::string> series; // empty: no series
    };
    const Case cases[] = {
        {"1", "2", {}, {"1", "2", "3", "4"}},
        {"-3", "+1", {}, {"-3", "1", "5", "9"}},
        {"7", "7", {}, {"7", "7", "7", "7"}},
        {"1", "2.5", {}, {"1.00", "2.50", "4.00", "5.50"}},
        {"1e-1", "0.35", {}, {"0.10", "0.35", "0.60", "0.85"}},
        {"-0.004", "0", {}, {"0.00", "0.00", "0.00", "0.01"}},
        {"0,5", "1", {',', ""}, {"0,50", "1,00", "1,50", "2,00"}},
        {"9223372036854775806", "9223372036854775807", {}, {}}, // beyond the integer range
        {"2024-02-27", "2024-02-28", {}, {"2024-02-27", "2024-02-28", "2024-02-29", "2024-03-01"}},
        {"2026-12-09", "2026-12-02", {}, {"2026-12-09", "2026-12-02", "2026-11-25", "2026-11-18"}},
        {"12/30/26", "12/31/26", us, {"12/30/26", "12/31/26", "1/1/27", "1/2/27"}},
        {"1/30/26", "2026-02-06", us, {"1/30/26", "2/6/26", "2/13/26", "2/20/26"}},
        {"2026-01-30", "2/6/26", us, {"2026-01-30", "2026-02-06", "2026-02-13", "2026-02-20"}},
        {"31.01.2026",
         "01.02.2026",
         {',', "dd.MM.yyyy"},
         {"31.01.2026", "01.02.2026", "02.02.2026", "03.02.2026"}},
        {"12/30/26", "12/31/26", {'.', "d MMM yyyy"}, {}}, // a form of month names
        {"2026-02-30", "2026-03-01", {}, {}},
        {"9999-12-30", "9999-12-31", {}, {}},
        {"9:00", "9:30", {}, {"9:00", "9:30", "10:00", "10:30"}},
        {"23:00", "23:30", {}, {"23:00", "23:30", "00:00", "00:30"}},
        {"00:30", "00:00", {}, {"00:30", "00:00", "23:30", "23:00"}},
        {"10:00:00", "10:00:45", {}, {"10:00:00", "10:00:45", "10:01:30", "10:02:15"}},
        {"10:00", "10:00:30", {}, {"10:00:00", "10:00:30", "10:01:00", "10:01:30"}},
        {"1", "a", {}, {}},
        {"1", "2026-12-09", {}, {}},
        {"24:00", "1:00", {}, {}},
        {"1:5", "1:6", {}, {}},
    };
    for (const Case& c : cases) {
        const auto series = continueSeries(c.first, c.second, 4, c.formats);
        EXPECT_EQ(series.value_or(std::vector<std::string>{}), c.series)
            << c.first << " " << c.second;
    }
}

} // namespace
