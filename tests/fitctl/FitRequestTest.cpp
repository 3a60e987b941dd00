#include "fitctl/FitRequest.h"
#include "common/KelvaneError.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const FitPoints& pointsOf(const PointCollection& c) {
    if (const FitRefusal* r = std::get_if<FitRefusal>(&c))
        ADD_FAILURE() << "refused: " << r->message.text;
    return std::get<FitPoints>(c);
}

std::string refusalText(const PointCollection& c) {
    const FitRefusal* r = std::get_if<FitRefusal>(&c);
    if (!r)
        return "(no refusal)";
    EXPECT_EQ(r->message.icon, MessageIcon::Stop);
    EXPECT_EQ(r->message.buttons, MessageButtons::Ok);
    return r->message.text;
}

PointCollection collect(Document d, FitType type, ErrorMethod method) {
    d.fitType = type;
    d.errorMethod = method;
    return collectFitPoints(d, fitRowsOf(d));
}

bool incomplete(Document d, ErrorMethod method) {
    d.errorMethod = method;
    return hasIncompleteRows(d, fitRowsOf(d));
}

const char* const TOO_FEW = "At least 3 data points are required to perform this fit.";

TEST(FitRequest, RowsInUseAreTheWholeTableOrASelectionOfTwoOrMoreRows) {
    Document t;
    t.selectionTop = t.selectionBottom = 4; // one row is no selection
    EXPECT_EQ(fitRowsOf(t).fitFirstRow, 1);
    EXPECT_EQ(fitRowsOf(t).fitEndRow, 31);
    t.selectionBottom = 7;
    EXPECT_EQ(fitRowsOf(t).fitFirstRow, 4);
    EXPECT_EQ(fitRowsOf(t).fitEndRow, 8);
    EXPECT_TRUE(fitRowsOf(t).selectionInUse);
}

TEST(FitRequest, MissingErrorColumnsAreAskedFor) {
    ColumnRoles roles; // no dX, no dY
    EXPECT_FALSE(missingColumnQuestionFor(ErrorMethod::ESTDY, roles));
    const auto dy = missingColumnQuestionFor(ErrorMethod::DYI, roles);
    ASSERT_TRUE(dy);
    EXPECT_EQ(dy->text, "Cannot perform fit. The dY column has not been undefined. Do you want to "
                        "select a column for dY?");
    EXPECT_EQ(dy->buttons, MessageButtons::YesNo);
    roles.dy = 3;
    EXPECT_FALSE(missingColumnQuestionFor(ErrorMethod::DYI, roles));
    EXPECT_TRUE(missingColumnQuestionFor(ErrorMethod::DXIDYI, roles)); // dX still missing
}

TEST(FitRequest, ExtraDecimalPointsAnywhereInTheRowsInUseAreRefused) {
    Document t = documentWith({{"1", "2", ""}, {"2", "4", ""}, {"3", "7", "1.2.3"}});
    const auto refusal = decimalPointRefusal(t.table, fitRowsOf(t)); // a column without a role
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message.text,
              "You have a data point with too many decimal points! Please Fix it.");
    EXPECT_EQ(refusal->message.caption, "ERROR");
    t.selectionTop = 1;
    t.selectionBottom = 2; // row 3 is outside the selection
    EXPECT_FALSE(decimalPointRefusal(t.table, fitRowsOf(t)));
}

TEST(FitRequest, IncompleteRowsInTheColumnsTheMethodUses) {
    Document t = documentWith({{"1", "2", "", ""}, {"", "", "", ""}, {"3", "7", "", ""}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    EXPECT_FALSE(incomplete(t, ErrorMethod::ESTDY)); // both empty: no warning
    t.table.setCellText(1, 2, "5");
    EXPECT_TRUE(incomplete(t, ErrorMethod::ESTDY));

    Document d = documentWith({{"1", "2", "", "0.1"}, {"2", "4", "", "0.1"}, {"3", "7", "", ""}});
    d.roles = ColumnRoles{1, 3, 2, 4};
    EXPECT_TRUE(incomplete(d, ErrorMethod::DYI)); // dY missing in row 3
    d.table.setCellText(4, 3, "0.1");
    EXPECT_FALSE(incomplete(d, ErrorMethod::DYI)); // dX is not looked at
    EXPECT_TRUE(incomplete(d, ErrorMethod::DXIDYI));
}

TEST(FitRequest, CollectsTheCompleteRowsOfTheSelectionInTableOrder) {
    Document t = documentWith({{"1", "2"}, {"4", ""}, {"2", "4"}, {" 3 ", "7"}, {"9", "9"}});
    t.selectionTop = 1;
    t.selectionBottom = 4;
    const FitPoints p = pointsOf(collect(t, FitType::LINEAR, ErrorMethod::ESTDY));
    ASSERT_EQ(p.n, 3);
    EXPECT_EQ(p.x[2], 2);
    EXPECT_EQ(p.y[3], 7);
}

TEST(FitRequest, LogarithmicModelsBecomeStraightLines) {
    Document t =
        documentWith({{"10", "100", "2", "5"}, {"1", "10", "1", "1"}, {"2", "3", "1", "1"}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    const FitPoints pow = pointsOf(collect(t, FitType::POWERLAW, ErrorMethod::DYI));
    EXPECT_DOUBLE_EQ(double(pow.x[1]), 1);
    EXPECT_DOUBLE_EQ(double(pow.y[1]), 2);
    EXPECT_NEAR(double(pow.dy[1]), 0.0217147, 5e-8);

    const FitPoints powXY = pointsOf(collect(t, FitType::POWERLAW, ErrorMethod::DXIDYI));
    EXPECT_NEAR(double(powXY.dx[1]), 0.43429448 * 2 / 10, 1e-15); // divided by the untransformed x

    const FitPoints exp = pointsOf(collect(t, FitType::EXPONENTIAL, ErrorMethod::DXIDYI));
    EXPECT_EQ(exp.x[1], 10);
    EXPECT_EQ(exp.dx[1], 2); // unchanged
    EXPECT_NEAR(double(exp.y[1]), std::log(100.0), 1e-15);
    EXPECT_NEAR(double(exp.dy[1]), 0.05, 1e-15);
}

TEST(FitRequest, LogarithmOfZeroOrANegativeIsRefused) {
    Document t = documentWith({{"1", "2"}, {"2", "0"}, {"3", "7"}, {"", "-1"}});
    EXPECT_EQ(refusalText(collect(t, FitType::EXPONENTIAL, ErrorMethod::ESTDY)),
              "The Log of a negative is undefined!");
    t.table.setCellText(2, 2, "4");
    // Row 4 is incomplete and skipped before any test of its value.
    EXPECT_EQ(pointsOf(collect(t, FitType::EXPONENTIAL, ErrorMethod::ESTDY)).n, 3);
    t.table.setCellText(1, 1, "0"); // the power law needs x > 0 as well
    EXPECT_EQ(
        std::get<FitRefusal>(collect(t, FitType::POWERLAW, ErrorMethod::ESTDY)).message.caption,
        "Error");
    EXPECT_EQ(pointsOf(collect(t, FitType::EXPONENTIAL, ErrorMethod::ESTDY)).n, 3);
}

TEST(FitRequest, TooFewPointsNamesTheSelectionWhenThereIsOne) {
    Document t = documentWith({{"1", "2"}, {"2", "4"}, {"3", ""}, {"4", "8"}});
    EXPECT_EQ(pointsOf(collect(t, FitType::LINEAR, ErrorMethod::ESTDY)).n, 3);
    t.selectionTop = 2;
    t.selectionBottom = 4;
    EXPECT_EQ(refusalText(collect(t, FitType::LINEAR, ErrorMethod::ESTDY)),
              "At least 3 data points are required to perform this fit. You're data selection is "
              "too small.  Either (i) select more data from the grid or (ii) remove selection in "
              "order to fit the entire data set.");
    EXPECT_EQ(refusalText(collect(documentWith({{"1", "2"}, {"2", "4"}}), FitType::LINEAR,
                                  ErrorMethod::ESTDY)),
              TOO_FEW);
}

TEST(FitRequest, XYErrorBarsRefuseOriginAndPolynomialAfterThePointCount) {
    Document t = documentWith({{"1", "2", "0.1", "0.1"}, {"2", "4", "0.1", "0.1"}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    EXPECT_EQ(refusalText(collect(t, FitType::LINEAR_NO_A, ErrorMethod::DXIDYI)), TOO_FEW);
    t.table.setCellText(1, 3, "3");
    t.table.setCellText(2, 3, "7");
    t.table.setCellText(3, 3, "0.1");
    t.table.setCellText(4, 3, "0.1");
    EXPECT_EQ(refusalText(collect(t, FitType::LINEAR_NO_A, ErrorMethod::DXIDYI)),
              "Sorry. I cannot perform a linear fit through the origin using X & Y Error Bars.  "
              "This method has not yet been implemented.");
    EXPECT_EQ(refusalText(collect(t, FitType::THIRDPOLY, ErrorMethod::DXIDYI)),
              "Sorry. I cannot perform a polynomial fit using X & Y Error Bars.  This method has "
              "not yet been implemented.");
    EXPECT_EQ(pointsOf(collect(t, FitType::LINEAR, ErrorMethod::DXIDYI)).n, 3);
    EXPECT_EQ(pointsOf(collect(t, FitType::THIRDPOLY, ErrorMethod::DYI)).n, 3);
}

TEST(FitRequest, ACellThatDoesNotConvertThrowsItsMessage) {
    Document t = documentWith({{"1", "2"}, {"2", "-"}, {"3", "7"}});
    try {
        collect(t, FitType::LINEAR, ErrorMethod::ESTDY);
        FAIL() << "no conversion failure";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "'-' is not a valid floating point value");
    }
}

} // namespace
