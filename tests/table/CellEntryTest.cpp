#include "table/EntryCheck.h"
#include "table/PrintMarking.h"
#include "table/TypingFilter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What reaches the cell when the keys of `keys` are typed one by one.
std::string typed(const std::string& keys) {
    std::string cell;
    for (const char key : keys)
        if (passesTypingFilter(char32_t(static_cast<unsigned char>(key))))
            cell += key;
    return cell;
}

TEST(TypingFilter, DropsEveryCharacterButDigitsSignPointAndExponent) {
    const std::pair<const char*, const char*> cases[] = {
        {"1,5", "15"}, {"+3", "3"},      {"-2.5E-3", "-2.5E-3"}, {"1e5", "1e5"}, {"12 34", "1234"},
        {"x1y", "1"},  {"\b\t", "\b\t"}, {"1.2.3", "1.2.3"},     {"<sub>", ""},
    };
    for (const auto& [keys, cell] : cases)
        EXPECT_EQ(typed(keys), cell) << keys;
    EXPECT_FALSE(passesTypingFilter(U'\u00e9'));
    EXPECT_FALSE(passesTypingFilter(U'\u0661')) << "a digit of another script";
}

TEST(EntryCheck, RefusesInTheOrderOfItsChecks) {
    const ColumnRoles roles{1, -1, 2, 3}; // X 1, Y 2, dY 3
    const std::string semiLog = "Y values must be > 0 on a Semi-Log graph.";
    const std::string logLog = "X and Y values must be > 0 on a Log-Log graph.";
    const std::string points = "You have too many decimal points in this cell!";
    struct Case {
        GraphType type;
        int column;
        const char* text;
        std::string message; // empty: accepted
        const char* caption;
    };
    const Case cases[] = {
        {GraphType::Linear, 1, "1.5", "", ""},
        {GraphType::Linear, 2, "-", "", ""}, // a lone minus is stored; the re-plot reports it
        {GraphType::Linear, 2, "", "", ""},
        {GraphType::Linear, 1, "1.2.3", points, "ERROR"},
        {GraphType::Linear, 1, "1..", points, "ERROR"},
        {GraphType::SemiLog, 2, "0", semiLog, "Doh!"},
        {GraphType::SemiLog, 2, "-1", semiLog, "Doh!"},
        {GraphType::SemiLog, 2, "1e-3", "", ""},
        {GraphType::SemiLog, 1, "-1", "", ""}, // X is linear on a semi-log graph
        {GraphType::SemiLog, 3, "0", "", ""},
        {GraphType::SemiLog, 1, "1.2.3", points, "ERROR"},
        {GraphType::LogLog, 1, "-2", logLog, "Doh!"},
        {GraphType::LogLog, 2, "0", logLog, "Doh!"},
        {GraphType::LogLog, 3, "-2", "", ""},
        {GraphType::LogLog, 1, "2", "", ""},
        // A text that is no number cannot be above 0; the conversion says why, and hides
        // the decimal-point check.
        {GraphType::SemiLog, 2, "", "'' is not a valid floating point value", "Kelvane"},
        {GraphType::SemiLog, 2, "1.2.3", "'1.2.3' is not a valid floating point value", "Kelvane"},
        {GraphType::LogLog, 1, "-", "'-' is not a valid floating point value", "Kelvane"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in column " + std::to_string(c.column));
        const auto refusal = entryRefusal(c.text, c.column, c.type, roles, '.');
        if (c.message.empty()) {
            EXPECT_FALSE(refusal) << refusal->text;
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(*refusal,
                  (UserMessage{c.message, c.caption, MessageIcon::Stop, MessageButtons::Ok}));
    }
}

// The Y column's check follows the roles of the moment: X and Y may be the same column.
TEST(EntryCheck, UsesTheRolesAndSeparatorItIsGiven) {
    EXPECT_TRUE(entryRefusal("-1", 1, GraphType::SemiLog, ColumnRoles{1, -1, 1, -1}, '.'));
    EXPECT_FALSE(entryRefusal("0,5", 2, GraphType::SemiLog, ColumnRoles{}, ','));
}

TEST(PrintMarking, MarksTheXAndYCellsOfTheFittedSelection) {
    const ColumnRoles roles{1, 3, 2, -1}; // X 1, dX 3, Y 2
    struct Case {
        int column, row, top, bottom;
        bool fitShown;
        bool marked;
    };
    const Case cases[] = {
        {1, 4, 3, 6, true, true},   {2, 3, 3, 6, true, true},  {2, 6, 3, 6, true, true},
        {3, 4, 3, 6, true, false},  {1, 2, 3, 6, true, false}, {1, 7, 3, 6, true, false},
        {1, 4, 3, 6, false, false}, {1, 4, 4, 4, true, false}, // one row: all rows were fitted
        {0, 4, 3, 6, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isPrintMarked(c.column, c.row, roles, c.top, c.bottom, c.fitShown), c.marked)
            << "cell " << c.column << "," << c.row << " rows " << c.top << ".." << c.bottom
            << (c.fitShown ? " fit" : "");
    EXPECT_EQ(PRINT_MARK_COLOR, 12639424u);
}

} // namespace
