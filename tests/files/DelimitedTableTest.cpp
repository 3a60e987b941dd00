#include "common/KelvaneError.h"
#include "files/ColumnRoleGuess.h"
#include "files/DelimitedCells.h"
#include "files/DelimitedFile.h"
#include "files/DelimitedMessages.h"
#include "files/RowTake.h"

#include <gtest/gtest.h>

namespace {

using Row = std::vector<std::string>;

DelimitedTable read(const std::string& text, const LayoutChoice& choice = {},
                    char tableSeparator = '.') {
    return readDelimited(decodeText(text), choice, tableSeparator);
}

DelimitedTable fixture(const char* name, char tableSeparator = '.') {
    return readDelimitedFile(std::string(KELVANE_TEST_DATA_DIR) + "/delimited/" + name, {},
                             tableSeparator)
        .table;
}

std::string failure(const std::string& text, const LayoutChoice& choice = {}) {
    try {
        read(text, choice);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no failure";
}

// One rule per line: what the reader makes of a short text.
TEST(DelimitedDetection, SeparatorDecimalMarkAndHeaderRows) {
    struct Case {
        const char* text;
        Separator separator;
        char decimalMark;
        int headerRows;
        Row names;
        Row firstRow;
    };
    const Case cases[] = {
        {"1 2.5\n3 7\n", Separator::Blanks, '.', 0, {"", ""}, {"1", "2.5"}},
        {"  1   2.5\r\n", Separator::Blanks, '.', 0, {"", ""}, {"1", "2.5"}},
        {"a,b\n1.5,2\n", Separator::Comma, '.', 1, {"a", "b"}, {"1.5", "2"}},
        {"1, 2, 3\n4, 5, 6\n", Separator::Comma, '.', 0, {"", "", ""}, {"1", "2", "3"}},
        {"0,050;64,84\n0,100;65,10\n", Separator::Semicolon, ',', 0, {"", ""}, {"0.050", "64.84"}},
        {"t\tU\n0,5\t1\n", Separator::Tab, ',', 1, {"t", "U"}, {"0.5", "1"}},
        {"\"a;b\",c\n1,2\n", Separator::Comma, '.', 1, {"a;b", "c"}, {"1", "2"}},
        {"\"say \"\"hi\"\"\",x\n1,2\n", Separator::Comma, '.', 1, {"say \"hi\"", "x"}, {"1", "2"}},
        {"\"two\nlines\",x\n1,2\n", Separator::Comma, '.', 1, {"two lines", "x"}, {"1", "2"}},
        {"Title\nname,other\n1,2\n", Separator::Comma, '.', 1, {"name", "other"}, {"1", "2"}},
        {"U,I\nV,A\n1,2\n", Separator::Comma, '.', 2, {"U (V)", "I (A)"}, {"1", "2"}},
        {"U,I\n[V],(A)\n1,2\n", Separator::Comma, '.', 2, {"U (V)", "I (A)"}, {"1", "2"}},
        {"#c\n  # c2\n1 2\n", Separator::Blanks, '.', 0, {"", ""}, {"1", "2"}},
        {"x,y\n1,\n,3\n", Separator::Comma, '.', 1, {"x", "y"}, {"1", ""}},
        {"1\n2\n", Separator::Blanks, '.', 0, {""}, {"1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DelimitedTable t = read(c.text);
        EXPECT_EQ(t.layout.separator, c.separator);
        EXPECT_EQ(t.layout.decimalMark, c.decimalMark);
        EXPECT_EQ(t.layout.headerRows, c.headerRows);
        EXPECT_EQ(t.names, c.names);
        ASSERT_FALSE(t.rows.empty());
        EXPECT_EQ(t.rows[0], c.firstRow);
    }
}

TEST(DelimitedDetection, EncodingsAndTheirCharacters) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string utf16 = std::string("\xFF\xFE") + 'a' + '\0';
    EXPECT_EQ(decodeText("a\xC2\xB0").encoding, TextEncodingKind::Utf8);
    EXPECT_EQ(decodeText(bom + "a").text, "a");
    EXPECT_EQ(decodeText(bom + "a").encoding, TextEncodingKind::Utf8WithBom);
    EXPECT_EQ(decodeText("a\xB0").text, "a\xC2\xB0");
    EXPECT_EQ(decodeText("a\xB0").encoding, TextEncodingKind::Windows1252);
    EXPECT_EQ(decodeText(std::string("\xFE\xFF\0a\0\xB0", 6)).text, "a\xC2\xB0");
    EXPECT_EQ(decodeText(utf16).encoding, TextEncodingKind::Utf16LittleEndian);
    EXPECT_EQ(decodeText("1 2\x1Agarbage").text, "1 2");
}

// The traits of the files users bring, one fixture each.
TEST(DelimitedFiles, LoggerWithBomSemicolonsDecimalCommasAndRaggedRuns) {
    const DelimitedTable t = fixture("logger_semicolon_bom.csv");
    EXPECT_EQ(t.layout.encoding, TextEncodingKind::Utf8WithBom);
    EXPECT_EQ(t.layout.separator, Separator::Semicolon);
    EXPECT_EQ(t.layout.decimalMark, ',');
    EXPECT_EQ(t.names, (Row{"Run 1: Time (s)", "Run 1: Temperature (\u00b0C)", "Run 2: Time (s)",
                            "Run 2: Temperature (\u00b0C)"}));
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[1], (Row{"0.5", "21.75", "0.5", "22.30"}));
    EXPECT_EQ(t.rows[3], (Row{"1.5", "22.25", "", ""}));
    EXPECT_EQ(t.rowLines[0], 2u);
    // In a table whose separator is the comma the numbers keep the file's form.
    EXPECT_EQ(fixture("logger_semicolon_bom.csv", ',').rows[1][1], "21,75");
}

TEST(DelimitedFiles, TitleLinesShortNamesAndUnitsOfATextExport) {
    const DelimitedTable t = fixture("logger_text_export.txt");
    EXPECT_EQ(t.layout.separator, Separator::Tab);
    EXPECT_EQ(t.layout.headerRows, 2);
    EXPECT_EQ(t.names, (Row{"Time (s)", "Position (m)"}));
    EXPECT_EQ(t.rows[0], (Row{"0", "1.00E-10"}));
    EXPECT_EQ(t.rowLines[0], 6u);
}

TEST(DelimitedFiles, NamesUnitsEncodingsCommentsAndClocks) {
    EXPECT_EQ(fixture("quoted_separator.csv").names,
              (Row{"Time (s) Run #1", "Temperature, Ch P3 (\u00b0C) Run #1"}));
    const DelimitedTable scope = fixture("oscilloscope.csv");
    EXPECT_EQ(scope.names, (Row{"X (Second)", "CH1 (Volt)"})); // the trailing column goes
    EXPECT_EQ(scope.rows[0], (Row{"-1.000E-03", "0.04"}));
    const DelimitedTable windows = fixture("windows1252.csv");
    EXPECT_EQ(windows.layout.encoding, TextEncodingKind::Windows1252);
    EXPECT_EQ(windows.names[1], "Temperatur (\u00b0C)");
    EXPECT_EQ(windows.rows[1], (Row{"10", "21.0"}));
    const DelimitedTable utf16 = fixture("utf16.txt");
    EXPECT_EQ(utf16.layout.encoding, TextEncodingKind::Utf16LittleEndian);
    EXPECT_EQ(utf16.names, (Row{"t", "U (V)"}));
    EXPECT_EQ(utf16.rows[2], (Row{"2", "3.5"}));
    const DelimitedTable comments = fixture("comment_header.txt");
    EXPECT_EQ(comments.names, (Row{"t", "y", "dy"}));
    EXPECT_EQ(comments.rows.size(), 3u);
    const DelimitedTable clock = fixture("arduino_clock.csv");
    EXPECT_EQ(clock.rows[0], (Row{"0", "21.5", "300"}));
    EXPECT_EQ(clock.rows[1], (Row{"1", "", "301"}));
    EXPECT_EQ(clock.rows[2], (Row{"2.5", "21.7", "302"}));
    const DelimitedTable french = fixture("french_exponent.csv", ',');
    EXPECT_EQ(french.layout.decimalMark, ',');
    EXPECT_EQ(french.rows[0], (Row{"1", "1,81E-02"}));
    EXPECT_EQ(fixture("french_exponent.csv").rows[2], (Row{"3", "5.40E-02"}));
    EXPECT_EQ(fixture("phone_semicolon.csv").rows[0], (Row{"0.01", "0.12", "9.81"}));
}

TEST(DelimitedCells, ClockTimesCountFromTheFirstAcrossMidnight) {
    const auto at = [](const char* text) { return *clockTime(text, '.'); };
    EXPECT_EQ(secondsSince(at("23:59:59.75"), at("0:00:01.5"), '.'), "1.75");
    EXPECT_EQ(secondsSince(at("16:01:52"), at("16:03:00"), ','), "68");
    EXPECT_EQ(clockTime("16:01", '.')->seconds, 57660);
    EXPECT_FALSE(clockTime("24:00:00", '.'));
    EXPECT_FALSE(clockTime("1:2:3", '.'));
    EXPECT_FALSE(clockTime("6/15/2020", '.'));
}

TEST(DelimitedChoices, OverridesReplaceTheDetection) {
    const std::string text = "t;U\nV;mV\n0,5;1\n";
    EXPECT_EQ(read(text).names, (Row{"t (V)", "U (mV)"}));
    EXPECT_EQ(read(text, {std::nullopt, std::nullopt, 1}).names, (Row{"t", "U"}));
    // The units row is no data: it is skipped with one header row.
    EXPECT_EQ(read(text, {std::nullopt, std::nullopt, 1}).rows[0], (Row{"0.5", "1"}));
    EXPECT_EQ(read("1;2\n3;4\n", {std::nullopt, std::nullopt, 1}).names, (Row{"1", "2"}));
    EXPECT_EQ(read("1,5 2\n", {Separator::Blanks, ',', 0}).rows[0], (Row{"1.5", "2"}));
}

TEST(DelimitedBadInput, EachFailureSaysWhatIsWrong) {
    EXPECT_EQ(failure("a,b\n1,2\n3,\"4\n5,6\n"), unclosedQuoteMessage(3));
    EXPECT_EQ(unclosedQuoteMessage(3), "The quote opened on line 3 is never closed.");
    EXPECT_EQ(failure("name,other\nx,y\n"), "The file holds no rows of numbers.");
    EXPECT_EQ(failure(""), noNumericRowsMessage());
    EXPECT_EQ(failure("1,2\n,\n", {std::nullopt, std::nullopt, 1}), noNumericRowsMessage());
    EXPECT_EQ(failure(std::string("PK\x03\x04\0\0\x14\0", 8)),
              "The file is not a text table: it holds binary data.");
    EXPECT_EQ(failure("t,U\n1,2\n3,4\n", {std::nullopt, std::nullopt, 2}),
              "Line 2, taken as the units row, holds numbers: take one header row instead of "
              "two.");
    EXPECT_EQ(failure("1;2\n", {Separator::Comma, ',', std::nullopt}),
              "The comma cannot both separate the values and mark the decimals.");
}

TEST(DelimitedBounds, LongValuesAndManyColumnsAreCut) {
    const DelimitedTable t = read("1," + std::string(100000, '7') + "\n");
    EXPECT_EQ(t.rows[0][1].size(), RecordLimits::MAX_FIELD_LENGTH);
    std::string wide;
    for (int i = 1; i <= 300; ++i)
        wide += std::to_string(i) + ",";
    EXPECT_EQ(read(wide + "\n").columnCount(), DelimitedTable::MAX_COLUMNS);
    std::string lines;
    for (std::size_t i = 0; i <= RecordLimits::MAX_RECORDS; ++i)
        lines += "1\n";
    EXPECT_EQ(failure(lines),
              "The file has more than 1000000 lines; Kelvane reads at most that many.");
}

TEST(ColumnRoleGuess, UncertaintyNamesPointAtTheirColumns) {
    struct Case {
        Row names;
        std::optional<ColumnRoles> roles; // x, dx, y, dy
    };
    const Case cases[] = {
        {{"t (s)", "V (mV)", "dV (mV)"}, ColumnRoles{1, -1, 2, 3}},
        {{"x", "dx", "y", "dy"}, ColumnRoles{1, 2, 3, 4}},
        {{"t [s]", "y", "y_err"}, ColumnRoles{1, -1, 2, 3}},
        {{"Time", "Temperature", "\u03c3"}, ColumnRoles{1, -1, 2, 3}},
        {{"t", "\u03c3V", "V"}, ColumnRoles{1, -1, 3, 2}},
        {{"U / V", "I / A", "I_err / A", "T"}, ColumnRoles{1, -1, 2, 3}},
        {{"t", "dt", "s"}, ColumnRoles{1, 2, 3, -1}},
        {{"Run 1: Time (s)", "Run 1: Temperature (\u00b0C)", "Run 1: dT (\u00b0C)"},
         ColumnRoles{1, -1, 2, 3}},
        {{"t", "V", "dV", "t", "V", "dV"}, ColumnRoles{1, -1, 2, 3}},
        {{"t", "density", "V"}, std::nullopt},
        {{"t", "V"}, std::nullopt},
        {{"err"}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names[0] + " " + c.names.back());
        EXPECT_EQ(guessRoles(c.names), c.roles);
    }
}

TEST(RowTake, RangesStepsAndTheTablesLimit) {
    EXPECT_EQ(takenRows(5, {}, 200), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(takenRows(10, {2, 7, 2}, 200), (std::vector<std::size_t>{1, 3, 5}));
    EXPECT_EQ(takenRows(1000, {}, 200).size(), 200u);
    EXPECT_EQ(takenRows(3, {5, 0, 1}, 200).size(), 0u);
    EXPECT_FALSE(leftOutNotice(5, 5, 200));
    EXPECT_EQ(*leftOutNotice(57000, 200, 200),
              "The file has 57000 data rows; 200 are imported and 56800 left out. The table "
              "holds at most 200: choose which rows to take.");
    EXPECT_EQ(*leftOutNotice(10, 3, 200),
              "The file has 10 data rows; 3 are imported and 7 left out.");
    EXPECT_EQ(importNotice(10, 3, 200), *leftOutNotice(10, 3, 200));
    EXPECT_EQ(importNotice(5, 5, 200), "The file has 5 data rows; all are imported.");
    // A file starts evenly thinned to what the table holds.
    EXPECT_EQ(evenTake(200, 200).every, 1u);
    EXPECT_EQ(evenTake(201, 200).every, 2u);
    EXPECT_EQ(evenTake(57000, 200).every, 285u);
    EXPECT_EQ(takenRows(57000, evenTake(57000, 200), 200).size(), 200u);
}

} // namespace
