#include "fitctl/FitRun.h"
#include "fitctl/FitMessages.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// X = 1, 2, 3 and Y = 2, 4, 7, with dX (column 3) and dY (column 4).
Document threePoints(const std::string& dx = "0.1", const std::string& dy = "1") {
    Document t = documentWith({{"1", "2", dx, dy}, {"2", "4", dx, dy}, {"3", "7", dx, dy}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    return t;
}

void expectParameter(const FitParameter& p, char letter, double value, double sigma) {
    EXPECT_EQ(p.name, std::string(1, letter));
    EXPECT_NEAR(double(p.value), value, 1e-6) << letter;
    EXPECT_NEAR(double(p.sigma), sigma, 1e-6) << letter;
}

TEST(FitRun, EachPairGetsItsFitClass) {
    const FitOutcome line = fitDocument(threePoints(), FitType::LINEAR, ErrorMethod::ESTDY);
    EXPECT_EQ(line.parameters.size(), 2u);
    EXPECT_EQ(line.xMin, 1);
    EXPECT_EQ(line.xMax, 3);
    const FitOutcome noA = fitDocument(threePoints(), FitType::LINEAR_NO_A, ErrorMethod::ESTDY);
    ASSERT_EQ(noA.parameters.size(), 1u);
    expectParameter(noA.parameters[0], 'b', 31.0 / 14, 0.112938);
    const FitOutcome noADyi = fitDocument(threePoints(), FitType::LINEAR_NO_A, ErrorMethod::DYI);
    EXPECT_NEAR(double(noADyi.reducedChiSquare), 5.0 / 28, 1e-9);
    const FitOutcome dyi = fitDocument(threePoints(), FitType::LINEAR, ErrorMethod::DYI);
    expectParameter(dyi.parameters[0], 'a', -2.0 / 3, 1.527525);
    EXPECT_NEAR(double(dyi.reducedChiSquare), 1.0 / 6, 1e-9);
    const FitOutcome xy = fitDocument(threePoints("0.1"), FitType::LINEAR, ErrorMethod::DXIDYI);
    expectParameter(xy.parameters[1], 'b', 2.501962, 0.729727);
    EXPECT_EQ(xy.r, 0);
}

TEST(FitRun, PolynomialCoefficientsInOrder) {
    Document t = documentWith({{"0", "1", "0.1"},
                               {"1", "2.2", "0.1"},
                               {"2", "4.8", "0.1"},
                               {"3", "10.1", "0.1"},
                               {"4", "17.2", "0.1"}});
    t.roles.dy = 3;
    const FitOutcome est = fitDocument(t, FitType::SECONDPOLY, ErrorMethod::ESTDY);
    ASSERT_EQ(est.parameters.size(), 3u);
    expectParameter(est.parameters[0], 'a', 1.071429, 0.194181);
    expectParameter(est.parameters[2], 'c', 1.035714, 0.055144);
    EXPECT_EQ(est.xMax, 4);
    const FitOutcome dyi = fitDocument(t, FitType::SECONDPOLY, ErrorMethod::DYI);
    EXPECT_NEAR(double(dyi.reducedChiSquare), 4.257143, 1e-6);
    EXPECT_EQ(fitDocument(t, FitType::THIRDPOLY, ErrorMethod::ESTDY).parameters.size(), 4u);
}

TEST(FitRun, InterceptsOfTheLogarithmicLinesBecomeFactors) {
    const FitParameter e = factorFromIntercept(FitType::EXPONENTIAL, 1, 0.1L);
    expectParameter(e, 'a', 2.718282, 0.271828);
    const FitParameter p = factorFromIntercept(FitType::POWERLAW, 0.5L, 0.01L);
    expectParameter(p, 'a', 3.162278, 0.0728141);
}

TEST(FitRun, ExponentialAndPowerLawInDataUnits) {
    Document e;
    Document p;
    for (int i = 1; i <= 4; ++i) {
        e.table.setCellText(1, i, std::to_string(i));
        e.table.setCellText(2, i, std::to_string(2 * std::exp(0.5 * i)));
        p.table.setCellText(1, i, std::to_string(2 * i));
        p.table.setCellText(2, i, std::to_string(3 * 4 * i * i));
    }
    const FitOutcome exp = fitDocument(e, FitType::EXPONENTIAL, ErrorMethod::ESTDY);
    EXPECT_NEAR(double(exp.parameters[0].value), 2, 1e-5);
    EXPECT_NEAR(double(exp.parameters[1].value), 0.5, 1e-6);
    EXPECT_EQ(exp.xMax, 4);
    const FitOutcome pow = fitDocument(p, FitType::POWERLAW, ErrorMethod::ESTDY);
    EXPECT_NEAR(double(pow.parameters[0].value), 3, 1e-9);
    EXPECT_NEAR(double(pow.parameters[1].value), 2, 1e-9);
    EXPECT_NEAR(double(pow.xMin), 2, 1e-12); // back from log10 x
    EXPECT_NEAR(double(pow.xMax), 8, 1e-12);
}

TEST(FitRun, FailedFitsKeepNoResultsAndNameTheirMessage) {
    const FitOutcome zero = fitDocument(threePoints("0.1", "0"), FitType::LINEAR, ErrorMethod::DYI);
    EXPECT_EQ(zero.status, FIT_ZERO_ERROR_BAR);
    EXPECT_FALSE(zero.succeeded());
    EXPECT_TRUE(zero.parameters.empty());
    const auto message = fitStatusMessage(zero.status);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Error bars must be Non-Zero.");
    EXPECT_EQ(message->caption, "Error");

    const FitOutcome few = fitDocument(threePoints(), FitType::SECONDPOLY, ErrorMethod::ESTDY);
    EXPECT_EQ(few.status, FIT_TOO_FEW_POINTS);
    EXPECT_EQ(fitStatusMessage(few.status)->caption, "Opps!");
}

TEST(FitRun, ResultsThatOverflowAreNoFit) {
    FitPoints p;
    for (int i = 1; i <= 3; ++i)
        p.add(i, i * 1e200L, 0, 1); // fits, but the uncertainties overflow a double
    const FitOutcome outcome = performFit(FitType::LINEAR, ErrorMethod::DYI, p);
    EXPECT_EQ(outcome.status, FIT_NOT_FINITE);
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_TRUE(outcome.parameters.empty());
    const auto message = fitStatusMessage(outcome.status);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "Error");
    EXPECT_EQ(message->icon, MessageIcon::Stop);
}

TEST(FitRun, UnsupportedPairsAreACallersError) {
    FitPoints p;
    for (int i = 1; i <= 3; ++i)
        p.add(i, i, 0, 1);
    EXPECT_THROW(performFit(FitType::LINEAR_NO_A, ErrorMethod::DXIDYI, p),
                 std::invalid_argument);
    EXPECT_THROW(performFit(FitType::FIFTHPOLY, ErrorMethod::DXIDYI, p),
                 std::invalid_argument);
}

} // namespace
