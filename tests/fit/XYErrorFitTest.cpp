#include "OneBased.h"

#include "fit/Dxidyi.h"
#include "fit/Dyi.h"
#include "fit/FitHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Records the messages the fit shows, as a test stand-in for the shell.
struct RecordingHost : FitHost {
    struct Message {
        std::string text;
        std::string caption;
    };
    std::vector<Message> messages;
    void showModalError(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
};

const auto X = oneBased({1, 2, 3});
const auto Y = oneBased({2, 4, 7});
const auto UNIT = oneBased({1, 1, 1});

void expectAllResultsZero(const DxiDyiFit& fit) {
    EXPECT_EQ(fit.GetA(), 0);
    EXPECT_EQ(fit.GetB(), 0);
    EXPECT_EQ(fit.GetSigmaA(), 0);
    EXPECT_EQ(fit.GetSigmaB(), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
    EXPECT_EQ(fit.GetR(), 0);
}

TEST(DxiDyiFit, FourPointsGiveTheWorkedResults) {
    const auto x = oneBased({1, 2, 3, 4});
    const auto y = oneBased({2.1, 3.9, 6.2, 7.8});
    const auto dx = oneBased({0.1, 0.1, 0.1, 0.1});
    const auto dy = oneBased({0.2, 0.2, 0.2, 0.2});
    DxiDyiFit fit(4, x.data(), y.data(), dx.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), 0.139744, PRINTED);
    EXPECT_NEAR(fit.GetB(), 1.944103, PRINTED);
    EXPECT_NEAR(fit.GetSigmaA(), 0.342213, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.125003, PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 0.527565, PRINTED);
    EXPECT_EQ(fit.GetR(), 0);
}

TEST(DxiDyiFit, VanishingXErrorsGiveTheWeightedFitInY) {
    const auto dx = oneBased({1e-9, 1e-9, 1e-9});
    DxiDyiFit fit(3, X.data(), Y.data(), dx.data(), UNIT.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetA(), -2.0 / 3, 1e-12);
    EXPECT_NEAR(fit.GetB(), 2.5, 1e-12);
    EXPECT_NEAR(fit.GetSigmaA(), 1.527525, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.707107, PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 1.0 / 6, 1e-12);

    DyiFit weighted(3, X.data(), Y.data(), UNIT.data());
    ASSERT_EQ(weighted.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetSigmaA(), weighted.GetSigmaA(), 1e-12);
    EXPECT_NEAR(fit.GetSigmaB(), weighted.GetSigmaB(), 1e-12);
}

TEST(DxiDyiFit, XErrorsMoveTheSlope) {
    const auto dx = oneBased({0.1, 0.1, 0.1});
    DxiDyiFit fit(3, X.data(), Y.data(), dx.data(), UNIT.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_NEAR(fit.GetB(), 2.501962, PRINTED);
    EXPECT_NEAR(fit.GetA(), -0.670591, PRINTED);
    EXPECT_NEAR(fit.GetSigmaB(), 0.729727, PRINTED);
}

TEST(DxiDyiFit, NegativeErrorsActThroughTheirSquare) {
    const auto dx = oneBased({0.1, 0.1, 0.1});
    const auto minusDx = oneBased({-0.1, -0.1, -0.1});
    const auto minusDy = oneBased({-1, -1, -1});
    DxiDyiFit positive(3, X.data(), Y.data(), dx.data(), UNIT.data());
    DxiDyiFit negative(3, X.data(), Y.data(), minusDx.data(), minusDy.data());
    ASSERT_EQ(positive.Fit(), FIT_OK);
    ASSERT_EQ(negative.Fit(), FIT_OK);
    EXPECT_EQ(negative.GetB(), positive.GetB());
    EXPECT_EQ(negative.GetSigmaA(), positive.GetSigmaA());
    EXPECT_EQ(negative.GetReducedChiSquare(), positive.GetReducedChiSquare());
}

TEST(DxiDyiFit, AZeroInEitherErrorColumnLeavesEveryResultZero) {
    const auto withZero = oneBased({0.1, 0, 0.1});
    DxiDyiFit zeroDx(3, X.data(), Y.data(), withZero.data(), UNIT.data());
    EXPECT_EQ(zeroDx.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllResultsZero(zeroDx);

    DxiDyiFit zeroDy(3, X.data(), Y.data(), UNIT.data(), withZero.data());
    EXPECT_EQ(zeroDy.Fit(), FIT_ZERO_ERROR_BAR);
    expectAllResultsZero(zeroDy);
}

// These points drive the slope into a lasting swing between about 0.3 and 2.7.
struct Swinging {
    std::vector<long double> x = oneBased({-4, 1, 0});
    std::vector<long double> y = oneBased({-3, -6, 6});
    std::vector<long double> dx = oneBased({1, 3, 9});
    std::vector<long double> dy = oneBased({9, 8, 5});
};

TEST(DxiDyiFit, ASeriesThatDoesNotSettleIsToldToTheHostAndReportedAsDiverged) {
    const Swinging points;
    DxiDyiFit fit(3, points.x.data(), points.y.data(), points.dx.data(), points.dy.data());
    RecordingHost host;
    fit.setHost(&host);
    EXPECT_EQ(fit.Fit(), FIT_DIVERGED);
    expectAllResultsZero(fit);

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Divergent Series");
    const std::string prefix = "Series may be diverging! After501 iterations, Slope = ";
    const std::string& text = host.messages[0].text;
    ASSERT_EQ(text.substr(0, prefix.size()), prefix);
    // The slope of the 501st iteration, in general format with 15 digits.
    const std::string slope = text.substr(prefix.size());
    EXPECT_EQ(slope.size(), 17u) << slope; // "0." and 15 significant digits
    EXPECT_NEAR(std::stod(slope), 0.298073, 1e-6);
}

TEST(DxiDyiFit, WithoutAHostDivergenceIsStillReported) {
    const Swinging points;
    DxiDyiFit fit(3, points.x.data(), points.y.data(), points.dx.data(), points.dy.data());
    EXPECT_EQ(fit.Fit(), FIT_DIVERGED);
    expectAllResultsZero(fit);
}

TEST(DxiDyiFit, EqualXIsReportedWithZeroResults) {
    const auto equal = oneBased({2, 2, 2});
    DxiDyiFit fit(3, equal.data(), Y.data(), UNIT.data(), UNIT.data());
    EXPECT_EQ(fit.Fit(), FIT_SAME_X);
    expectAllResultsZero(fit);

    // Weighted means of equal values may miss them by a rounding.
    const auto sevenTenths = oneBased({0.7L, 0.7L, 0.7L});
    const auto dy = oneBased({0.4, 0.5, 0.9});
    DxiDyiFit rounded(3, sevenTenths.data(), Y.data(), UNIT.data(), dy.data());
    EXPECT_EQ(rounded.Fit(), FIT_SAME_X);
    expectAllResultsZero(rounded);
}

TEST(DxiDyiFit, AZeroFinalSlopeIsReportedWithZeroResults) {
    const auto equal = oneBased({5, 5, 5});
    DxiDyiFit sameY(3, X.data(), equal.data(), UNIT.data(), UNIT.data());
    EXPECT_EQ(sameY.Fit(), FIT_SAME_Y);
    expectAllResultsZero(sameY);

    // Left to the iteration, these would end in a slope of 1e-39.
    const auto threeTenths = oneBased({0.3L, 0.3L, 0.3L});
    const auto dy = oneBased({1, 2, 3});
    DxiDyiFit rounded(3, X.data(), threeTenths.data(), UNIT.data(), dy.data());
    EXPECT_EQ(rounded.Fit(), FIT_SAME_Y);
    expectAllResultsZero(rounded);

    // Symmetric about the middle point: the slope is exactly 0, not all Y equal.
    const auto tent = oneBased({1, 2, 1});
    DxiDyiFit flat(3, X.data(), tent.data(), UNIT.data(), UNIT.data());
    EXPECT_EQ(flat.Fit(), FIT_SAME_Y);
    expectAllResultsZero(flat);
}

} // namespace
