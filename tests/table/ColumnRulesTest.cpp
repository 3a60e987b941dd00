#include "table/ColumnRules.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> texts(const std::vector<UserMessage>& messages) {
    std::vector<std::string> out;
    for (const auto& m : messages)
        out.push_back(m.text);
    return out;
}

TEST(ColumnNames, NewNameMustBeNonBlankAndUnusedExactly) {
    DataTable t;
    EXPECT_TRUE(newColumnNameProblems(t, "x").empty()); // comparison is case-sensitive
    EXPECT_EQ(texts(newColumnNameProblems(t, "X")),
              std::vector<std::string>{"This column name has already been used."});
    EXPECT_EQ(texts(newColumnNameProblems(t, "")),
              std::vector<std::string>{"Column Name cannot be blank."});
    auto problems = newColumnNameProblems(t, "Y");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].caption, "Error");
    EXPECT_EQ(problems[0].icon, MessageIcon::Stop);
}

TEST(ColumnNames, BlankNameAlsoClashesWithAnUnnamedColumn) {
    DataTable t;
    t.addColumn(""); // an import leaves added columns unnamed
    EXPECT_EQ(texts(newColumnNameProblems(t, "")),
              (std::vector<std::string>{"Column Name cannot be blank.",
                                        "This column name has already been used."}));
    EXPECT_EQ(texts(renameColumnProblems(t, "")),
              (std::vector<std::string>{"Column name cannot be blank.",
                                        "This column name has already been used."}));
}

TEST(ColumnNames, RenamingToTheSameNameIsRefused) {
    DataTable t;
    EXPECT_EQ(texts(renameColumnProblems(t, "X")),
              std::vector<std::string>{"This column name has already been used."});
    EXPECT_TRUE(renameColumnProblems(t, "Time").empty());
}

TEST(ColumnDeletionRules, MinimumSizePerErrorMethod) {
    DataTable t;
    auto refusal = deleteColumnSizeRefusal(t, ErrorMethod::ESTDY);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Cannot delete columns.  A minimum of 2 columns is required for the "
                             "'Estimate dY' error method.");
    EXPECT_EQ(refusal->caption, "Cannot Delete!");
    t.addColumn("dY");
    EXPECT_FALSE(deleteColumnSizeRefusal(t, ErrorMethod::ESTDY));
    EXPECT_EQ(deleteColumnSizeRefusal(t, ErrorMethod::DYI)->text,
              "Cannot delete columns.  A minimum of 3 columns is required for the 'Y Error Bars' "
              "error method.");
    t.addColumn("dX");
    EXPECT_FALSE(deleteColumnSizeRefusal(t, ErrorMethod::DYI));
    EXPECT_EQ(deleteColumnSizeRefusal(t, ErrorMethod::DXIDYI)->text,
              "Cannot delete columns.  A minimum of 4 columns is required for the 'X & Y Error "
              "Bars' error method.");
}

TEST(ColumnDeletionRules, RolesAreTestedInOrderXYDxDy) {
    ColumnRoles roles{1, 3, 2, 4};
    const std::string inUse = "Cannot delete this column. This column is currently being used for ";
    EXPECT_EQ(decideColumnDeletion(roles, ErrorMethod::ESTDY, 1).refusal->text,
              inUse + "the X Axis.");
    EXPECT_EQ(decideColumnDeletion(roles, ErrorMethod::ESTDY, 2).refusal->text,
              inUse + "the Y Axis.");
    // X and Y in one column: the X message wins.
    EXPECT_EQ(decideColumnDeletion({2, -1, 2, -1}, ErrorMethod::ESTDY, 2).refusal->text,
              inUse + "the X Axis.");

    EXPECT_EQ(decideColumnDeletion(roles, ErrorMethod::DXIDYI, 3).refusal->text,
              inUse + "the X error bars.");
    auto dxFree = decideColumnDeletion(roles, ErrorMethod::DYI, 3);
    EXPECT_FALSE(dxFree.refusal);
    EXPECT_TRUE(dxFree.clearsDx);
    EXPECT_FALSE(dxFree.clearsDy);

    EXPECT_EQ(decideColumnDeletion(roles, ErrorMethod::DYI, 4).refusal->text,
              inUse + "the Y error bars.");
    EXPECT_EQ(decideColumnDeletion(roles, ErrorMethod::DXIDYI, 4).refusal->text,
              inUse + "the Y error bars.");
    auto dyFree = decideColumnDeletion(roles, ErrorMethod::ESTDY, 4);
    EXPECT_FALSE(dyFree.refusal);
    EXPECT_TRUE(dyFree.clearsDy);

    auto plain = decideColumnDeletion(roles, ErrorMethod::DXIDYI, 5);
    EXPECT_FALSE(plain.refusal || plain.clearsDx || plain.clearsDy);
}

// One column chosen for both dX and dY must not survive as a role once it is deleted.
TEST(ColumnDeletionRules, AColumnThatIsBothDxAndDyKeepsBothRules) {
    const ColumnRoles shared{1, 3, 2, 3};
    EXPECT_EQ(decideColumnDeletion(shared, ErrorMethod::DYI, 3).refusal->text,
              "Cannot delete this column. This column is currently being used for the Y error "
              "bars.");
    EXPECT_EQ(decideColumnDeletion(shared, ErrorMethod::DXIDYI, 3).refusal->text,
              "Cannot delete this column. This column is currently being used for the X error "
              "bars.");
    const ColumnDeletion free = decideColumnDeletion(shared, ErrorMethod::ESTDY, 3);
    EXPECT_FALSE(free.refusal);
    EXPECT_TRUE(free.clearsDx);
    EXPECT_TRUE(free.clearsDy);
}

TEST(SelectColumnsRules, UncertaintyColumnsNeededByTheMethod) {
    EXPECT_FALSE(selectColumnsRefusal(ErrorMethod::ESTDY, -1, -1));
    EXPECT_EQ(selectColumnsRefusal(ErrorMethod::DYI, -1, -1)->text, "Please select column for dY");
    EXPECT_EQ(selectColumnsRefusal(ErrorMethod::DYI, -1, -1)->caption, "ERROR");
    EXPECT_FALSE(selectColumnsRefusal(ErrorMethod::DYI, -1, 3));
    EXPECT_EQ(selectColumnsRefusal(ErrorMethod::DXIDYI, 3, -1)->text,
              "Please select column for dX and/or dY");
    EXPECT_EQ(selectColumnsRefusal(ErrorMethod::DXIDYI, -1, 4)->text,
              "Please select column for dX and/or dY");
    EXPECT_FALSE(selectColumnsRefusal(ErrorMethod::DXIDYI, 3, 4));
}

} // namespace
