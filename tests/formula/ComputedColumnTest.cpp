#include "formula/ComputedColumn.h"

#include "../support/TableFixture.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Cells = std::vector<std::optional<std::string>>;
constexpr std::nullopt_t KEPT = std::nullopt;

// The messages of the checks, or "" for an accepted equation.
std::string checkMessage(const std::string& equation, const DataTable& table) {
    auto checked = checkEquation(equation, columnReferences(table), variableList(table));
    const auto* refusal = std::get_if<UserMessage>(&checked);
    return refusal ? refusal->text : "";
}

// The first `rows` result cells of the equation over the table.
ColumnResults compute(const DataTable& table, const std::string& equation) {
    auto checked = checkEquation(equation, columnReferences(table), variableList(table));
    if (auto* refusal = std::get_if<UserMessage>(&checked))
        ADD_FAILURE() << equation << ": " << refusal->text;
    return computeColumn(table, std::get<Equation>(checked));
}

Cells firstCells(const ColumnResults& results, std::size_t rows) {
    return Cells(results.cells.begin(), results.cells.begin() + static_cast<long>(rows));
}

TEST(ComputedColumnNames, VariablesAndReferencesFollowTheColumns) {
    DataTable t = tableWith({{"1", "2", "3"}});
    t.renameColumn(3, "  Time s ");
    EXPECT_EQ(variableName(1), "AAA");
    EXPECT_EQ(variableName(4), "AAAAAA");
    EXPECT_EQ(variableList(t), "AAA,AAAA,AAAAA");
    EXPECT_EQ(columnReferences(t), (std::vector<std::string>{"\"X\"", "\"Y\"", "\"Time s\""}));
    t.addColumn(""); // an import leaves added columns unnamed
    EXPECT_EQ(columnReferences(t).back(), "\"\"");
    EXPECT_EQ(variableList(DataTable()), "AAA,AAAA");
}

TEST(ComputedColumnTranslation, ReferencesBecomeVariablesInListOrder) {
    const std::vector<std::string> refs = {"\"X\"", "\"Y\"", "\"dX\""};
    const std::pair<const char*, const char*> cases[] = {
        {"\"X\"*\"Y\"", "AAA*AAAA"},
        {"\"dX\"/\"X\"", "AAAAA/AAA"}, // "X" does not occur inside "dX"
        {"sqrt(\"X\"^2+\"X\")", "sqrt(AAA^2+AAA)"},
        {"X*\"Y\"", "X*AAAA"}, // a name without quotes stays as typed
        {"\"x\"", "\"x\""},    // references are case-sensitive
        {"2*3", "2*3"},        // no references: the equation as typed
        // A variable never runs into a name or a number beside it.
        {"\"X\"\"Y\"", "AAA AAAA"},
        {"2\"X\"", "2 AAA"},
        {"\"X\"e", "AAA e"},
    };
    for (const auto& [equation, translated] : cases)
        EXPECT_EQ(translateEquation(equation, refs), translated) << equation;
}

TEST(ComputedColumnChecks, BlankOrUnparsableEquationsAreRefusedWithThePosition) {
    const DataTable t;
    const std::pair<std::string, std::string> cases[] = {
        {"\"X\"*\"Y\"", ""},
        {"2*3", ""}, // a constant is evaluated as typed
        {"", "The = equation box is blank!"},
        {"\"X\"+", "Syntax error at character 5 in = function."}, // within AAA+
        {"X*2", "Syntax error: Unknown identifier at character 1 in = function."},
        {"1,5*\"X\"", "Syntax error: Operator expected at character 2 in = function."},
        {"\"X\"\"Y\"", "Syntax error: Operator expected at character 5 in = function."},
        // Beyond what the parser can take without running out of stack.
        {std::string(Equation::MAX_LENGTH + 1, '1'),
         "Equation longer than 10000 characters at character 10001 in = function."},
        {std::string(Equation::MAX_BRACKET_DEPTH + 1, '(') + "1" +
             std::string(Equation::MAX_BRACKET_DEPTH + 1, ')'),
         "Brackets nested more than 200 deep at character 201 in = function."},
    };
    for (const auto& [equation, message] : cases)
        EXPECT_EQ(checkMessage(equation, t), message) << equation.substr(0, 20);

    auto blank = checkEquation("", {}, "");
    EXPECT_EQ(std::get<UserMessage>(blank).caption, "ERROR");
    EXPECT_EQ(std::get<UserMessage>(blank).icon, MessageIcon::Stop);
}

TEST(ComputedColumnChecks, ResultColumnMessages) {
    const UserMessage blank = blankResultNameRefusal();
    EXPECT_EQ(blank, (UserMessage{"Column Name cannot be blank.", "Error", MessageIcon::Stop,
                                  MessageButtons::Ok}));
    EXPECT_EQ(overwriteQuestion(),
              (UserMessage{"Warning. A column with this name already exists. This action will "
                           "over-write the existing column. This is not undo-able! Continue?",
                           "Warning", MessageIcon::Warning, MessageButtons::YesNo}));
    EXPECT_FALSE(extraDecimalPointsRefusal(tableWith({{"1.5", "2"}})));
    // Anywhere in the data rows, in a column without a role too.
    DataTable t = tableWith({{"1", "2", ""}});
    t.setCellText(3, t.dataRowCount(), "1.2.3");
    EXPECT_EQ(extraDecimalPointsRefusal(t), tooManyDecimalPointsRefusal());
}

TEST(ComputedColumnRows, EachRowWithDataGetsItsValue) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows;
        const char* equation;
        Cells expected;
    };
    const std::vector<Case> cases = {
        {"product", {{"1", "2"}, {"3", "4"}}, "\"X\"*\"Y\"", {"2", "12", KEPT}},
        {"cells summing to zero", {{"2", "-2"}}, "\"X\"*\"Y\"", {"-4", KEPT}},
        {"an empty row keeps its cell",
         {{"1", "2"}, {"", ""}, {"3", "4"}},
         "\"X\"+\"Y\"",
         {"3", KEPT, "7"}},
        {"an empty cell of a filled row is 0", {{"", "5"}}, "\"X\"+\"Y\"", {"5"}},
        {"a row filled in an unnamed column only", {{"", "", "7"}}, "\"X\"+1", {"1"}},
        {"a constant in every row with data",
         {{"1", ""}, {"", ""}, {"", "4"}},
         "2*3",
         {"6", KEPT, "6"}},
        {"15 significant digits",
         {{"1", "3"}, {"1e20", "3"}},
         "\"X\"/\"Y\"",
         {"0.333333333333333", "3.33333333333333E19"}},
        {"text in a column the equation does not name", {{"2", "abc"}}, "\"X\"*2", {"4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ColumnResults results = compute(tableWith(c.rows), c.equation);
        ASSERT_EQ(results.cells.size(), 30u);
        EXPECT_EQ(firstCells(results, c.expected.size()), c.expected);
        EXPECT_EQ(results.unevaluatedRows, 0);
    }
}

TEST(ComputedColumnRows, RowsThatCannotBeEvaluatedAreLeftEmptyAndCounted) {
    struct Case {
        const char* equation;
        Cells expected;
        int first;
    };
    // Rows 1..4: X = 2, 0, (empty row), -1.
    const DataTable t = tableWith({{"2", "1"}, {"0", "1"}, {"", ""}, {"-1", "1"}});
    const std::vector<Case> cases = {
        {"\"X\"/0", {"", "", KEPT, ""}, 1},
        {"1/\"X\"", {"0.5", "", KEPT, "-1"}, 2},
        {"log(\"X\")", {"0.693147180559945", "", KEPT, ""}, 2},
        {"sqrt(\"X\")", {"1.4142135623731", "0", KEPT, ""}, 4},
        {"acos(\"X\")", {"", "1.5707963267949", KEPT, "3.14159265358979"}, 1},
        {"exp(1000*\"X\")", {"", "1", KEPT, "0"}, 1}, // overflow is no number either
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.equation);
        const ColumnResults results = compute(t, c.equation);
        EXPECT_EQ(firstCells(results, 4), c.expected);
        EXPECT_EQ(results.firstUnevaluatedRow, c.first);
        int empty = 0;
        for (const auto& cell : c.expected)
            empty += cell && cell->empty();
        EXPECT_EQ(results.unevaluatedRows, empty);
    }

    // One message after the loop counts the rows and names the first.
    EXPECT_EQ(unevaluatedRowsWarning(compute(t, "\"X\"/0")),
              (UserMessage{"3 rows could not be evaluated (the first is row 1); their cells were "
                           "left empty.",
                           "Warning", MessageIcon::Warning, MessageButtons::Ok}));
    EXPECT_EQ(unevaluatedRowsWarning(compute(t, "1/\"X\""))->text,
              "1 row could not be evaluated (row 2); its cell was left empty.");
    EXPECT_FALSE(unevaluatedRowsWarning(compute(t, "\"X\"+1")));
}

TEST(ComputedColumnRows, ACellThatIsNoNumberStopsBeforeAnyResult) {
    struct Case {
        std::vector<std::vector<std::string>> rows;
        const char* message;
    };
    const Case cases[] = {
        {{{"1", "2"}, {"1.2.3", "4"}}, "'1.2.3' is not a valid floating point value"},
        {{{"1", "2"}, {" ", "4"}}, "' ' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        try {
            compute(tableWith(c.rows), "\"X\"+\"Y\"");
            ADD_FAILURE() << c.message << ": computed";
        } catch (const KelvaneError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(ComputedColumnRows, NumbersFollowTheDecimalSeparator) {
    DataTable t(',');
    t.setCellText(1, 1, "1,5");
    t.setCellText(2, 1, "3");
    t.setCellText(1, 2, "1");
    t.setCellText(2, 2, "4");
    const ColumnResults results = compute(t, "\"X\"/\"Y\"+0.25"); // the parser's own point
    EXPECT_EQ(firstCells(results, 2), (Cells{"0,75", "0,5"}));
    const ColumnResults third = compute(t, "1/3");
    EXPECT_EQ(third.cells[0], "0,333333333333333");
}

} // namespace
