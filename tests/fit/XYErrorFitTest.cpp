#include "FitTestSupport.h"

#include "fit/Dxidyi.h"

namespace {

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});
const auto UNIT = oneBased({1, 1, 1});

TEST(DxiDyiFit, FourPointsGiveTheWorkedResults) {
    const auto x = oneBased({1, 2, 3, 4});
    const auto y = oneBased({2.1, 3.9, 6.2, 7.8});
    const auto dx = oneBased({0.1, 0.1, 0.1, 0.1});
    const auto dy = oneBased({0.2, 0.2, 0.2, 0.2});
    DxiDyiFit fit(4, x.data(), y.data(), dx.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectResults(fit, {0.139744, 1.944103, 0.342213, 0.125003, 0.527565, 0});
    EXPECT_EQ(fit.GetIterations(), 3); // slopes 1.94, 1.944098, 1.944103
}

TEST(DxiDyiFit, VanishingXErrorsGiveTheFitWeightedInYAlone) {
    const auto dx = oneBased({1e-9, 1e-9, 1e-9});
    DxiDyiFit fit(3, X.data(), Y.data(), dx.data(), UNIT.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectResults(fit, {-2.0 / 3, 2.5, 1.527525, 0.707107, 1.0 / 6, 0});
}

TEST(DxiDyiFit, XErrorsMoveTheSlopeAndNegativeErrorsActThroughTheirSquare) {
    const auto dx = oneBased({0.1, 0.1, 0.1});
    DxiDyiFit fit(3, X.data(), Y.data(), dx.data(), UNIT.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), 2.501962, PRINTED);
    EXPECT_NEAR(fit.GetA(), -0.670591, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.729727, PRINTED);

    const auto minusDx = oneBased({-0.1, -0.1, -0.1});
    const auto minusDy = oneBased({-1, -1, -1});
    DxiDyiFit negative(3, X.data(), Y.data(), minusDx.data(), minusDy.data());
    ASSERT_EQ(negative.Fit(), FIT_OK);
    expectResults(
        negative,
        {fit.GetA(), fit.GetB(), fit.GetSigmaA(), fit.GetSigmaB(), fit.GetReducedChiSquare(), 0},
        0);
}

TEST(DxiDyiFit, AZeroInEitherErrorColumnLeavesEveryResultZero) {
    const auto withZero = oneBased({0.1, 0, 0.1});
    DxiDyiFit zeroDx(3, X.data(), Y.data(), withZero.data(), UNIT.data());
    EXPECT_EQ(zeroDx.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllZero(zeroDx);

    DxiDyiFit zeroDy(3, X.data(), Y.data(), UNIT.data(), withZero.data());
    EXPECT_EQ(zeroDy.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllZero(zeroDy);
}

TEST(DxiDyiFit, ASeriesThatDoesNotSettleIsReportedWithItsCountAndLastSlope) {
    // These points drive the slope into a lasting swing between about 0.3 and 2.7.
    const auto x = oneBased({-4, 1, 0});
    const auto y = oneBased({-3, -6, 6});
    const auto dx = oneBased({1, 3, 9});
    const auto dy = oneBased({9, 8, 5});
    DxiDyiFit fit(3, x.data(), y.data(), dx.data(), dy.data());
    EXPECT_EQ(fit.Fit(), FIT_DIVERGED);
    expectAllZero(fit);
    // The slope of the 501st iteration, which the user is told about.
    EXPECT_EQ(fit.GetIterations(), 501);
    EXPECT_NEAR(fit.GetLastSlope(), 0.298073, 1e-6);
}

TEST(DxiDyiFit, EqualXEqualYOrAZeroSlopeIsReportedWithZeroResults) {
    // Unequal weights make the weighted means of 0.7 (and 0.3) miss them by
    // a rounding, which would leave a slope of noise.
    const auto dy = oneBased({0.4, 0.5, 0.9});
    for (const auto& equal : {oneBased({2, 2, 2}), oneBased({0.7L, 0.7L, 0.7L})}) {
        DxiDyiFit sameX(3, equal.data(), Y.data(), UNIT.data(), dy.data());
        EXPECT_EQ(sameX.Fit(), FIT_SAME_X);
        expectAllZero(sameX);
    }
    const auto spread = oneBased({1, 2, 3});
    for (const auto& equal : {oneBased({5, 5, 5}), oneBased({0.3L, 0.3L, 0.3L})}) {
        DxiDyiFit sameY(3, X.data(), equal.data(), UNIT.data(), spread.data());
        EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
        expectAllZero(sameY);
    }
    // Symmetric about the middle point: the slope is exactly 0 with unequal Y.
    const auto tent = oneBased({1, 2, 1});
    DxiDyiFit flat(3, X.data(), tent.data(), UNIT.data(), UNIT.data());
    EXPECT_EQ(flat.Fit(), FIT_SAME_Y);
    expectAllZero(flat);
}

} // namespace
