#include "files/TextExport.h"
#include "files/FileNames.h"
#include "files/ImportNotice.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(TextExport, CompleteRowsOnlyJoinedByBlanksAndCrLf) {
    struct Case {
        std::vector<std::vector<std::string>> rows;
        std::string text;
    };
    const Case cases[] = {
        {{{"1", "2.5"}, {"2", ""}, {"3", "7"}}, "1 2.5\r\n3 7"},
        {{{"", "9"}, {"3", "7"}}, "3 7"},                   // no line end before the first row
        {{{"2", "-2"}, {"0", "0"}}, "2 -2\r\n0 0"},         // rows summing to zero are data too
        {{{"abc", " "}, {"1e3", "+4"}}, "abc  \r\n1e3 +4"}, // texts travel as they stand
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(exportText(tableWith(c.rows)), c.text);
    DataTable three = tableWith({{"1", "2", "3"}, {"4", "5", ""}});
    EXPECT_EQ(exportText(three), "1 2 3") << "every data column must be filled";
}

TEST(FileNames, TheExtensionIsAppendedUnlessTheNameContainsIt) {
    EXPECT_EQ(withExtension("data", ".txt"), "data.txt");
    EXPECT_EQ(withExtension("data.txt.bak", ".txt"), "data.txt.bak");
    EXPECT_EQ(withExtension("DATA.TXT", ".txt"), "DATA.TXT.txt");
    EXPECT_EQ(withExtension("/home/u/run1", ".dat"), "/home/u/run1.dat");
    EXPECT_EQ(withExtension("my.data", ".dat"), "my.data");
}

TEST(ImportNotice, SaysWhatIsOutOfSightAndWhatWasNotImported) {
    EXPECT_FALSE(importNotice(30, 30));
    EXPECT_FALSE(importNotice(0, 30));
    const auto hidden = importNotice(45, 30);
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->text, "The file has 45 rows; the table shows 30. Choose a larger number "
                            "of rows to see the rest.");
    EXPECT_EQ(hidden->caption, "Import");
    EXPECT_EQ(hidden->icon, MessageIcon::Information);
    EXPECT_EQ(importNotice(250, 200)->text,
              "The file has 250 rows; the table shows 200. The last 50 rows were not imported: "
              "the table holds at most 200.");
    EXPECT_NE(importNotice(250, 60)->text.find("Choose a larger number"), std::string::npos);
}

} // namespace
