#include "OneBased.h"

#include "fit/Stdfit.h"
#include "fit/Stdfitnoa.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});
const auto NEGATIVE_Y = oneBased({-2, -4, -7});

template <class Fit> void expectAllResultsZero(const Fit& fit) {
    EXPECT_EQ(fit.GetA(), 0);
    EXPECT_EQ(fit.GetB(), 0);
    EXPECT_EQ(fit.GetSigmaA(), 0);
    EXPECT_EQ(fit.GetSigmaB(), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
    EXPECT_EQ(fit.GetR(), 0);
}

TEST(StdFit, ThreePointsGiveTheWorkedResults) {
    StdFit fit(3, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), -2.0 / 3, 1e-15);
    EXPECT_NEAR(fit.GetB(), 2.5, 1e-15);
    EXPECT_NEAR(fit.GetR(), 0.993399, PRINTED);
    // s² = 1/6 (the residual sum divided by n - 2 = 1) and Δ = 6.
    EXPECT_NEAR(fit.GetSigmaA(), 0.623610, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.288675, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), std::sqrt(3 * (1.0 / 6) / 6), 1e-15);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
}

TEST(StdFit, CorrelationTakesTheSignOfTheSlope) {
    StdFit fit(3, X.data(), NEGATIVE_Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), -2.5, 1e-15);
    EXPECT_NEAR(fit.GetR(), -0.993399, PRINTED);
}

TEST(StdFit, PointsOnALineFitExactly) {
    const auto y = oneBased({3, 5, 7, 9});
    const auto x = oneBased({1, 2, 3, 4});
    StdFit fit(4, x.data(), y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), 1, 1e-15);
    EXPECT_NEAR(fit.GetB(), 2, 1e-15);
    EXPECT_NEAR(fit.GetR(), 1, 1e-15);
    EXPECT_NEAR(fit.GetSigmaA(), 0, 1e-9);
    EXPECT_NEAR(fit.GetSigmaB(), 0, 1e-9);
}

TEST(StdFitNoA, ThreePointsGiveTheWorkedResults) {
    StdFitNoA fit(3, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), 31.0 / 14, 1e-15);
    EXPECT_NEAR(fit.GetB(), 2.214286, PRINTED);
    EXPECT_NEAR(fit.GetR(), 0.997409, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.112938, PRINTED);
    EXPECT_EQ(fit.GetA(), 0);
    EXPECT_EQ(fit.GetSigmaA(), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
}

TEST(StdFitNoA, CorrelationIsNeverNegative) {
    StdFitNoA fit(3, X.data(), NEGATIVE_Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), -2.214286, PRINTED);
    EXPECT_NEAR(fit.GetR(), 0.997409, PRINTED);
}

TEST(LineFit, ExtremesOfUnsortedX) {
    const auto x = oneBased({3, -1.5, 7, 2, 7, -1.5});
    const auto y = oneBased({1, 2, 3, 4, 5, 6});
    StdFit fit(6, x.data(), y.data());
    EXPECT_EQ(fit.GetXMin(), -1.5L);
    EXPECT_EQ(fit.GetXMax(), 7.0L);

    const auto same = oneBased({4, 4, 4});
    StdFitNoA sameFit(3, same.data(), y.data());
    EXPECT_EQ(sameFit.GetXMin(), 4.0L);
    EXPECT_EQ(sameFit.GetXMax(), 4.0L);
}

TEST(StdFit, EqualXOrEqualYIsReportedWithZeroResults) {
    const auto equalX = oneBased({2, 2, 2});
    StdFit sameX(3, equalX.data(), Y.data());
    EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
    expectAllResultsZero(sameX);

    const auto equalY = oneBased({5, 5, 5});
    StdFit sameY(3, X.data(), equalY.data());
    EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(sameY);
}

TEST(StdFit, EqualValuesThatSumWithRoundingAreStillReported) {
    // 0.3 has no exact binary form: the spreads of such values miss zero by
    // a rounding (here above it, where the fit would divide by the noise).
    const auto equal = oneBased({0.3L, 0.3L, 0.3L, 0.3L, 0.3L, 0.3L, 0.3L});
    const auto other = oneBased({1, 2, 3, 4, 5, 6, 7});
    StdFit sameX(7, equal.data(), other.data());
    EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
    expectAllResultsZero(sameX);

    StdFit sameY(7, other.data(), equal.data());
    EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(sameY);
}

TEST(StdFitNoA, ZeroXOrZeroYIsReportedWithZeroResults) {
    const auto zeros = oneBased({0, 0, 0});
    StdFitNoA zeroX(3, zeros.data(), Y.data());
    EXPECT_EQ(zeroX.Fit(), FIT_SAME_X);
    expectAllResultsZero(zeroX);

    StdFitNoA zeroY(3, X.data(), zeros.data());
    EXPECT_EQ(zeroY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(zeroY);
}

} // namespace
