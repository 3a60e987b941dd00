#include "files/TextTable.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using Row = std::vector<std::string>;

TextTable read(const std::string& text, std::size_t maxRows = 200) {
    std::istringstream in(text);
    return readTextTable(in, maxRows);
}

TEST(TextTableRead, LeadingBlanksRunsOfBlanksAndCrLf) {
    TextTable t = read("  1   2.5\r\n3 7\r\n");
    EXPECT_EQ(t.columnCount, 2);
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0], (Row{"1", "2.5"}));
    EXPECT_EQ(t.rows[1], (Row{"3", "7"}));
    EXPECT_FALSE(t.truncated);
}

TEST(TextTableRead, TheFirstLineFixesTheColumnCount) {
    TextTable t = read("1 2 3\n4 5\n6 7 8 9\n");
    EXPECT_EQ(t.columnCount, 3);
    EXPECT_EQ(t.rows[1], (Row{"4", "5"}));      // the third cell stays empty
    EXPECT_EQ(t.rows[2], (Row{"6", "7", "8"})); // values after the third are ignored
}

TEST(TextTableRead, AtMostFiftyColumns) {
    std::string line;
    for (int i = 1; i <= 60; ++i)
        line += std::to_string(i) + " ";
    TextTable t = read(line);
    EXPECT_EQ(t.columnCount, 50);
    EXPECT_EQ(t.rows[0].back(), "50");
}

TEST(TextTableRead, TabsAreNotSeparators) {
    TextTable t = read("1\t2\n3\t4\n");
    EXPECT_EQ(t.columnCount, 1);
    EXPECT_EQ(t.rows[0], Row{"1\t2"});
}

TEST(TextTableRead, EmptyLinesAreRowsAndTheLastLineNeedsNoLineEnd) {
    TextTable t = read("1 2\n\n5 6");
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_TRUE(t.rows[1].empty());
    EXPECT_EQ(t.rows[2], (Row{"5", "6"}));
}

// The cells hold UTF-8: what is not UTF-8 becomes U+FFFD, so that Save writes what the
// window showed and Open gives it back.
TEST(TextTableRead, BytesThatAreNoUtf8BecomeTheReplacementCharacter) {
    TextTable t = read("20\xb0 \xc2\xb5m x\xc9\n");
    EXPECT_EQ(t.rows[0], (Row{"20\xef\xbf\xbd", "\xc2\xb5m", "x\xef\xbf\xbd"}));
}

TEST(TextTableRead, CharacterTwentySixEndsTheText) {
    TextTable t = read(std::string("1 2\n3 4\n") + char(26) + "5 6\n");
    EXPECT_EQ(t.rows.size(), 2u);
}

TEST(TextTableRead, EmptyFileAndLeadingControlCharacters) {
    EXPECT_EQ(read("").rows.size(), 0u);
    EXPECT_EQ(read("").columnCount, 0);
    TextTable t = read("\t 1 2\n");
    EXPECT_EQ(t.rows[0], (Row{"1", "2"}));
}

TEST(TextTableRead, KeepsAtMostTheRowsAskedForAndSaysSo) {
    TextTable t = read("1\n2\n3\n4\n", 3);
    EXPECT_EQ(t.rows.size(), 3u);
    EXPECT_TRUE(t.truncated);
    EXPECT_EQ(t.lineCount, 4u) << "the lines not kept are counted";
    EXPECT_FALSE(read("1\n2\n3\n", 3).truncated);
}

TEST(TextTableRead, OverlongLinesAreCutWithoutSwallowingTheNextLine) {
    std::string longLine(TextTable::MAX_LINE_LENGTH + 100, '7');
    TextTable t = read("1 " + longLine + "\n3 4\n");
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][1].size(), TextTable::MAX_LINE_LENGTH - 2);
    EXPECT_EQ(t.rows[1], (Row{"3", "4"}));
}

} // namespace
