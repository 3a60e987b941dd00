#include "OneBased.h"

#include "fit/Dyi.h"
#include "fit/Dyinoa.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});
const auto UNIT_DY = oneBased({1, 1, 1});

template <class Fit> void expectAllResultsZero(const Fit& fit) {
    EXPECT_EQ(fit.GetA(), 0);
    EXPECT_EQ(fit.GetB(), 0);
    EXPECT_EQ(fit.GetSigmaA(), 0);
    EXPECT_EQ(fit.GetSigmaB(), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
    EXPECT_EQ(fit.GetR(), 0);
}

TEST(DyiFit, UnitErrorBarsGiveTheWorkedResults) {
    DyiFit fit(3, X.data(), Y.data(), UNIT_DY.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), -2.0 / 3, 1e-15);
    EXPECT_NEAR(fit.GetB(), 2.5, 1e-15);
    EXPECT_NEAR(fit.GetR(), 0.993399, PRINTED);
    // Not scaled by the scatter: the error bars alone decide.
    EXPECT_NEAR(fit.GetSigmaA(), std::sqrt(14.0 / 6), 1e-15);
    EXPECT_NEAR(fit.GetSigmaA(), 1.527525, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.707107, PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 1.0 / 6, 1e-15);
}

TEST(DyiFit, UnequalErrorBarsWeightThePoints) {
    const auto dy = oneBased({0.5, 1, 2});
    DyiFit fit(3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), -10.0 / 33, 1e-15);
    EXPECT_NEAR(fit.GetB(), 25.0 / 11, 1e-15);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 4.0 / 33, 1e-15);
}

// Multiplying every error bar by k leaves the line and r alone, multiplies
// the uncertainties by k and divides the chi-square by k².
TEST(DyiFit, ScalingTheErrorBarsScalesUncertaintiesAndChiSquare) {
    const auto x = oneBased({0.5, 1.7, 2.2, 4.1, 5.3});
    const auto y = oneBased({1.1, 2.9, 4.2, 7.7, 10.6});
    const auto dy = oneBased({0.3, 0.2, 0.5, 0.4, 0.6});
    DyiFit reference(5, x.data(), y.data(), dy.data());
    ASSERT_EQ(reference.Fit(), FIT_OK);
    for (const long double k : {2.0L, 0.1L, 7.5L}) {
        const auto scaled = oneBased({k * dy[1], k * dy[2], k * dy[3], k * dy[4], k * dy[5]});
        DyiFit fit(5, x.data(), y.data(), scaled.data());
        ASSERT_EQ(fit.Fit(), FIT_OK);
        EXPECT_NEAR(fit.GetA(), reference.GetA(), 1e-14);
        EXPECT_NEAR(fit.GetB(), reference.GetB(), 1e-14);
        EXPECT_NEAR(fit.GetR(), reference.GetR(), 1e-14);
        EXPECT_NEAR(fit.GetSigmaA(), k * reference.GetSigmaA(), 1e-13);
        EXPECT_NEAR(fit.GetSigmaB(), k * reference.GetSigmaB(), 1e-13);
        EXPECT_NEAR(fit.GetReducedChiSquare(), reference.GetReducedChiSquare() / (k * k), 1e-12);
    }
}

TEST(DyiFitNoA, UnitErrorBarsGiveTheWorkedResults) {
    DyiFitNoA fit(3, X.data(), Y.data(), UNIT_DY.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), 31.0 / 14, 1e-15);
    EXPECT_NEAR(fit.GetR(), 0.997409, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.112938, PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 5.0 / 28, 1e-15);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 0.178571, PRINTED);
    EXPECT_EQ(fit.GetA(), 0);
    EXPECT_EQ(fit.GetSigmaA(), 0);
}

TEST(WeightedLineFits, DoubledErrorBars) {
    const auto dy = oneBased({2, 2, 2});
    DyiFit fit(3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), -2.0 / 3, 1e-15);
    EXPECT_NEAR(fit.GetB(), 2.5, 1e-15);
    EXPECT_NEAR(fit.GetR(), 0.993399, PRINTED);
    EXPECT_NEAR(fit.GetSigmaA(), 2 * 1.527525, 2 * PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 2 * 0.707107, 2 * PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 1.0 / 24, 1e-15);

    // Through the origin the slope's uncertainty is scaled by the scatter, so
    // it does not change at all.
    DyiFitNoA noA(3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(noA.Fit(), FIT_OK);
    EXPECT_NEAR(noA.GetB(), 31.0 / 14, 1e-15);
    EXPECT_NEAR(noA.GetR(), 0.997409, PRINTED);
    EXPECT_NEAR(noA.GetSigmaB(), 0.112938, PRINTED);
    EXPECT_NEAR(noA.GetReducedChiSquare(), 5.0 / 28 / 4, 1e-15);
}

TEST(WeightedLineFits, NegativeErrorBarsActThroughTheirSquare) {
    const auto minusOne = oneBased({-1, -1, -1});
    DyiFit positive(3, X.data(), Y.data(), UNIT_DY.data());
    DyiFit negative(3, X.data(), Y.data(), minusOne.data());
    ASSERT_EQ(positive.Fit(), FIT_OK);
    ASSERT_EQ(negative.Fit(), FIT_OK);
    EXPECT_EQ(negative.GetA(), positive.GetA());
    EXPECT_EQ(negative.GetSigmaB(), positive.GetSigmaB());
    EXPECT_EQ(negative.GetReducedChiSquare(), positive.GetReducedChiSquare());

    DyiFitNoA noA(3, X.data(), Y.data(), minusOne.data());
    ASSERT_EQ(noA.Fit(), FIT_OK);
    EXPECT_NEAR(noA.GetB(), 31.0 / 14, 1e-15);
}

TEST(WeightedLineFits, AZeroErrorBarLeavesEveryResultZero) {
    const auto dy = oneBased({1, 0, 2});
    DyiFit fit(3, X.data(), Y.data(), dy.data());
    EXPECT_EQ(fit.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllResultsZero(fit);

    DyiFitNoA noA(3, X.data(), Y.data(), dy.data());
    EXPECT_EQ(noA.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllResultsZero(noA);

    // Its square is zero in double precision, so it counts as zero.
    const auto tiny = oneBased({1, 1e-200L, 1});
    DyiFit tinyFit(3, X.data(), Y.data(), tiny.data());
    EXPECT_EQ(tinyFit.Fit(), FIT_ZERO_ERROR_BAR);
}

TEST(DyiFit, EqualXOrEqualYIsReportedWithZeroResults) {
    const auto equal = oneBased({3, 3, 3});
    DyiFit sameX(3, equal.data(), Y.data(), UNIT_DY.data());
    EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
    expectAllResultsZero(sameX);

    DyiFit sameY(3, X.data(), equal.data(), UNIT_DY.data());
    EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(sameY);

    // The weighted spreads of values without an exact binary form miss zero
    // by a rounding.
    const auto rounded = oneBased({0.3L, 0.3L, 0.3L, 0.3L, 0.3L, 0.3L, 0.3L});
    const auto other = oneBased({1, 2, 3, 4, 5, 6, 7});
    const auto dy = oneBased({1, 1, 1, 1, 1, 1, 1});
    DyiFit roundedX(7, rounded.data(), other.data(), dy.data());
    EXPECT_EQ(roundedX.Fit(), FIT_SAME_X);
    expectAllResultsZero(roundedX);
    DyiFit roundedY(7, other.data(), rounded.data(), dy.data());
    EXPECT_EQ(roundedY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(roundedY);
}

TEST(DyiFitNoA, ZeroXOrZeroYIsReportedWithZeroResults) {
    const auto zeros = oneBased({0, 0, 0});
    DyiFitNoA zeroX(3, zeros.data(), Y.data(), UNIT_DY.data());
    EXPECT_EQ(zeroX.Fit(), FIT_SAME_X);
    expectAllResultsZero(zeroX);

    DyiFitNoA zeroY(3, X.data(), zeros.data(), UNIT_DY.data());
    EXPECT_EQ(zeroY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(zeroY);
}

} // namespace
