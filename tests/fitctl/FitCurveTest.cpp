#include "fitctl/FitCurve.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

FitOutcome outcome(FitType type, std::vector<FitParameter> parameters, long double xMin,
                   long double xMax) {
    FitOutcome o;
    o.fitType = type;
    o.parameters = std::move(parameters);
    o.xMin = xMin;
    o.xMax = xMax;
    return o;
}

std::size_t total(const FitCurve& c) {
    return c.belowRange.size() + c.withinRange.size() + c.aboveRange.size();
}

TEST(FitCurve, ThousandAndOnePointsSplitAtTheFittedXRange) {
    const FitOutcome line = outcome(FitType::LINEAR, {{"a", 1, 0}, {"b", 2, 0}}, 1.005L, 2.995L);
    const FitCurve c = fitCurve(line, {0, 10});
    EXPECT_EQ(total(c), 1001u);
    EXPECT_EQ(c.belowRange.size(), 101u);  // x = 0 .. 1.00
    EXPECT_EQ(c.withinRange.size(), 199u); // x = 1.01 .. 2.99
    EXPECT_EQ(c.aboveRange.size(), 701u);  // x = 3.00 .. 10
    EXPECT_DOUBLE_EQ(c.belowRange.front().x, 0);
    EXPECT_DOUBLE_EQ(c.belowRange.front().y, 1);
    EXPECT_NEAR(c.withinRange.front().x, 1.01, 1e-12);
    EXPECT_NEAR(c.aboveRange.back().x, 10, 1e-12);
    EXPECT_NEAR(c.aboveRange.back().y, 21, 1e-12);
}

TEST(FitCurve, ModelsEvaluateAsFitted) {
    EXPECT_DOUBLE_EQ(double(evaluateFit(outcome(FitType::LINEAR_NO_A, {{"b", 3, 0}}, 0, 1), 2)), 6);
    const FitOutcome exp = outcome(FitType::EXPONENTIAL, {{"a", 2, 0}, {"b", 0.5L, 0}}, 0, 1);
    EXPECT_NEAR(double(evaluateFit(exp, 2)), 2 * std::exp(1.0), 1e-12);
    const FitOutcome pow = outcome(FitType::POWERLAW, {{"a", 3, 0}, {"b", 2, 0}}, 1, 5);
    EXPECT_NEAR(double(evaluateFit(pow, 4)), 48, 1e-12);
    const FitOutcome poly =
        outcome(FitType::THIRDPOLY, {{"a", 1, 0}, {"b", 2, 0}, {"c", 3, 0}, {"d", 4, 0}}, 0, 1);
    EXPECT_DOUBLE_EQ(double(evaluateFit(poly, 0)), 1); // 0^0 is 1
    EXPECT_DOUBLE_EQ(double(evaluateFit(poly, -2)), 1 - 4 + 12 - 32);
}

TEST(FitCurve, PointsWithoutAFiniteValueAreLeftOut) {
    const FitOutcome pow = outcome(FitType::POWERLAW, {{"a", 3, 0}, {"b", 2, 0}}, 1, 5);
    const FitCurve c = fitCurve(pow, {-1, 1});
    EXPECT_LT(total(c), 501u); // nothing at x <= 0
    EXPECT_GE(total(c), 499u);
    EXPECT_GT(c.belowRange.front().x, 0);

    const FitOutcome exp = outcome(FitType::EXPONENTIAL, {{"a", 1, 0}, {"b", 1000, 0}}, 0, 1);
    const FitCurve e = fitCurve(exp, {0, 10});
    EXPECT_GT(total(e), 0u);
    EXPECT_LT(total(e), 100u); // exp(1000 x) overflows beyond x = 0.709
    for (const CurvePoint& p : e.withinRange)
        EXPECT_TRUE(std::isfinite(p.y));
}

TEST(FitCurve, AFailedFitDrawsNothing) {
    FitOutcome failed = outcome(FitType::LINEAR, {}, 0, 1);
    failed.status = FIT_ZERO_ERROR_BAR;
    EXPECT_EQ(total(fitCurve(failed, {0, 10})), 0u);
}

TEST(FitCurve, OnlyPolynomialsWidenTheLeftAxis) {
    // y = x^2 - 50: -50 at x = 0, 50 at both ends of -10 .. 10.
    const FitOutcome poly =
        outcome(FitType::SECONDPOLY, {{"a", -50, 0}, {"b", 0, 0}, {"c", 1, 0}}, -1, 1);
    const FitCurve c = fitCurve(poly, {-10, 10});
    const AxisRange widened = leftRangeForCurve(poly, c, {0, 5}, false);
    EXPECT_DOUBLE_EQ(widened.min, -50);
    EXPECT_DOUBLE_EQ(widened.max, 50);
    EXPECT_EQ(leftRangeForCurve(poly, c, {-60, 200}, false), (AxisRange{-60, 200}));
    // A logarithmic axis cannot show y <= 0: the smallest positive value on
    // the grid of x (at x = 7.08) is the lowest it goes.
    const AxisRange log = leftRangeForCurve(poly, c, {0.5, 5}, true);
    EXPECT_NEAR(log.min, 7.08 * 7.08 - 50, 1e-9);
    EXPECT_DOUBLE_EQ(log.max, 50);

    const FitOutcome line = outcome(FitType::LINEAR, {{"a", 0, 0}, {"b", 100, 0}}, 0, 1);
    EXPECT_EQ(leftRangeForCurve(line, fitCurve(line, {-10, 10}), {0, 5}, false), (AxisRange{0, 5}));
}

// Over the years the monomial terms of (x - 2020)^5 reach 1e17 and cancel to at most
// 3125; the drawn curve must still follow the polynomial, not the rounding of its terms.
TEST(FitCurve, APolynomialFarFromZeroIsDrawnWhereItLies) {
    const long double a = 2020;
    const FitOutcome quintic = outcome(FitType::FIFTHPOLY,
                                       {{"a", -a * a * a * a * a, 0},
                                        {"b", 5 * a * a * a * a, 0},
                                        {"c", -10 * a * a * a, 0},
                                        {"d", 10 * a * a, 0},
                                        {"e", -5 * a, 0},
                                        {"f", 1, 0}},
                                       2015, 2025);
    const FitCurve c = fitCurve(quintic, {2015, 2025});
    ASSERT_EQ(c.withinRange.size(), 1001u);
    for (const CurvePoint& p : c.withinRange)
        EXPECT_NEAR(p.y, std::pow(p.x - 2020, 5), 0.05) << p.x;
}

} // namespace
