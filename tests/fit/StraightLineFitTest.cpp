#include "FitTestSupport.h"

#include "fit/Stdfit.h"
#include "fit/Stdfitnoa.h"

namespace {

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});
const auto NEGATIVE_Y = oneBased({-2, -4, -7});

TEST(StdFit, ThreePointsGiveTheWorkedResultsAndRTakesTheSlopesSign) {
    StdFit fit(3, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    // s² = 1/6 (the residual sum over n - 2 = 1) and Δ = 6.
    expectResults(fit, {-2.0 / 3, 2.5, 0.623610, 0.288675, 0, 0.993399});

    StdFit negative(3, X.data(), NEGATIVE_Y.data());
    ASSERT_EQ(negative.Fit(), FIT_OK);
    expectResults(negative, {2.0 / 3, -2.5, 0.623610, 0.288675, 0, -0.993399});
}

TEST(StdFit, PointsOnALineFitExactly) {
    const auto x = oneBased({1, 2, 3, 4});
    const auto y = oneBased({3, 5, 7, 9});
    StdFit fit(4, x.data(), y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectResults(fit, {1, 2, 0, 0, 0, 1}, 1e-9);
}

TEST(StdFitNoA, ThreePointsGiveTheWorkedResultsAndRIsNeverNegative) {
    StdFitNoA fit(3, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectResults(fit, {0, 31.0 / 14, 0, 0.112938, 0, 0.997409});

    StdFitNoA negative(3, X.data(), NEGATIVE_Y.data());
    ASSERT_EQ(negative.Fit(), FIT_OK);
    expectResults(negative, {0, -31.0 / 14, 0, 0.112938, 0, 0.997409});
}

TEST(LineFit, ExtremesOfUnsortedX) {
    const auto x = oneBased({3, -1.5, 7, 2, 7, -1.5});
    StdFit fit(6, x.data(), x.data());
    EXPECT_EQ(fit.GetXMin(), -1.5L);
    EXPECT_EQ(fit.GetXMax(), 7.0L);

    const auto same = oneBased({4, 4, 4});
    StdFitNoA sameFit(3, same.data(), Y.data());
    EXPECT_EQ(sameFit.GetXMin(), 4.0L);
    EXPECT_EQ(sameFit.GetXMax(), 4.0L);
}

TEST(StdFit, EqualXOrEqualYIsReportedWithZeroResults) {
    // 0.7 has no exact binary form: the spread of three of them misses zero
    // by a rounding, and the fit must not divide by that noise.
    for (const auto& equal : {oneBased({5, 5, 5}), oneBased({0.7L, 0.7L, 0.7L})}) {
        StdFit sameX(3, equal.data(), Y.data());
        EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
        expectAllZero(sameX);

        StdFit sameY(3, X.data(), equal.data());
        EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
        expectAllZero(sameY);
    }
}

TEST(StdFitNoA, ZeroXOrZeroYIsReportedWithZeroResults) {
    const auto zeros = oneBased({0, 0, 0});
    StdFitNoA zeroX(3, zeros.data(), Y.data());
    EXPECT_EQ(zeroX.Fit(), FIT_SAME_X);
    expectAllZero(zeroX);

    StdFitNoA zeroY(3, X.data(), zeros.data());
    EXPECT_EQ(zeroY.Fit(), FIT_SAME_Y);
    expectAllZero(zeroY);
}

} // namespace
