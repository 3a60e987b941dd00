#include "FitTestSupport.h"

#include "fit/Dyi.h"
#include "fit/Dyinoa.h"

namespace {

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});

TEST(WeightedLineFits, UnitAndNegativeUnitErrorBarsGiveTheWorkedResults) {
    // A negative dY acts through its square.
    for (const auto& dy : {oneBased({1, 1, 1}), oneBased({-1, -1, -1})}) {
        DyiFit fit(3, X.data(), Y.data(), dy.data());
        ASSERT_EQ(fit.Fit(), FIT_OK);
        // Not scaled by the scatter: sigmaA² = 14/6 and sigmaB² = 1/2 from the error bars.
        expectResults(fit, {-2.0 / 3, 2.5, 1.527525, 0.707107, 1.0 / 6, 0.993399});

        DyiFitNoA noA(3, X.data(), Y.data(), dy.data());
        ASSERT_EQ(noA.Fit(), FIT_OK);
        expectResults(noA, {0, 31.0 / 14, 0, 0.112938, 5.0 / 28, 0.997409});
    }
}

TEST(WeightedLineFits, DoubledErrorBars) {
    const auto dy = oneBased({2, 2, 2});
    DyiFit fit(3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectResults(fit, {-2.0 / 3, 2.5, 2 * 1.527525, 2 * 0.707107, 1.0 / 24, 0.993399},
                  2 * PRINTED);

    // Through the origin the slope's uncertainty is scaled by the scatter and
    // so does not change.
    DyiFitNoA noA(3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(noA.Fit(), FIT_OK);
    expectResults(noA, {0, 31.0 / 14, 0, 0.112938, 5.0 / 28 / 4, 0.997409});
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
// the uncertainties by k and divides the reduced chi-square by k².
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
        expectResults(fit,
                      {reference.GetA(), reference.GetB(), k * reference.GetSigmaA(),
                       k * reference.GetSigmaB(), reference.GetReducedChiSquare() / (k * k),
                       reference.GetR()},
                      1e-12);
    }
}

TEST(WeightedLineFits, AZeroErrorBarLeavesEveryResultZero) {
    // 1e-200 squares to zero in double precision, so it counts as zero too.
    for (const auto& dy : {oneBased({1, 0, 2}), oneBased({1, 1e-200L, 1})}) {
        DyiFit fit(3, X.data(), Y.data(), dy.data());
        EXPECT_EQ(fit.Fit(), FIT_ZERO_ERROR_BAR);
        expectAllZero(fit);

        DyiFitNoA noA(3, X.data(), Y.data(), dy.data());
        EXPECT_EQ(noA.Fit(), FIT_ZERO_ERROR_BAR);
        expectAllZero(noA);
    }
}

TEST(DyiFit, EqualXOrEqualYIsReportedWithZeroResults) {
    const auto dy = oneBased({1, 1, 1});
    // Three times 0.7 leaves spreads of rounding noise instead of zero.
    for (const auto& equal : {oneBased({3, 3, 3}), oneBased({0.7L, 0.7L, 0.7L})}) {
        DyiFit sameX(3, equal.data(), Y.data(), dy.data());
        EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
        expectAllZero(sameX);

        DyiFit sameY(3, X.data(), equal.data(), dy.data());
        EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
        expectAllZero(sameY);
    }
}

TEST(DyiFitNoA, ZeroXOrZeroYIsReportedWithZeroResults) {
    const auto zeros = oneBased({0, 0, 0});
    const auto dy = oneBased({1, 2, 3});
    DyiFitNoA zeroX(3, zeros.data(), Y.data(), dy.data());
    EXPECT_EQ(zeroX.Fit(), FIT_SAME_X);
    expectAllZero(zeroX);

    DyiFitNoA zeroY(3, X.data(), zeros.data(), dy.data());
    EXPECT_EQ(zeroY.Fit(), FIT_SAME_Y);
    expectAllZero(zeroY);
}

} // namespace
