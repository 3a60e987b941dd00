#include "fitctl/FitBand.h"
#include "fitctl/FitResiduals.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// X = 1, 2, 3, Y = 2, 4, 7: a = -2/3, b = 5/2, residual variance 1/6, so by hand
// σa² = 7/18, σb² = 1/12 and cov(a, b) = −x̄·σb² = −1/6.
FitOutcome threePointLine(ErrorMethod method = ErrorMethod::ESTDY) {
    Document d = documentWith({{"1", "2", "0.5"}, {"2", "4", "0.5"}, {"3", "7", "1"}});
    d.roles.dy = 3;
    return fitDocument(d, FitType::LINEAR, method);
}

TEST(FitBand, LineHalfWidthIsTheHandComputedOne) {
    const FitOutcome o = threePointLine();
    ASSERT_EQ(o.covariance.size(), 2u);
    EXPECT_NEAR(double(o.covariance[0][1]), -1.0 / 6, 1e-15);
    const struct {
        double x, halfWidth; // sqrt(σa² + 2x·cov(a, b) + x²σb²)
    } cases[] = {{0, std::sqrt(7.0 / 18)}, {2, std::sqrt(1.0 / 18)}, {5, std::sqrt(29.0 / 36)}};
    for (const auto& c : cases)
        EXPECT_NEAR(double(fittedSigma(o, c.x)), c.halfWidth, 1e-15) << c.x;

    const FitCurve curve{{}, {{2, 4.333}}, {}};
    const std::vector<BandPoint> band = confidenceBand(o, curve);
    ASSERT_EQ(band.size(), 1u);
    EXPECT_NEAR(band[0].high - band[0].low, 2 * std::sqrt(1.0 / 18), 1e-12);
}

// X = -2..2 and Y = x² plus (1, -4, 6, -4, 1)/10, which no quadratic can follow: the fit is
// y = x² with residual variance 0.7 / 2, and the inverse normal matrix gives by hand
// var f(x) = 0.35·(34 − 20x² + 5x⁴ + 7x²)/70.
TEST(FitBand, QuadraticHalfWidthIsTheHandComputedOne) {
    const Document d = documentWith(
        {{"-2", "4.1"}, {"-1", "0.6"}, {"0", "0.6"}, {"1", "0.6"}, {"2", "4.1"}});
    const FitOutcome o = fitDocument(d, FitType::SECONDPOLY, ErrorMethod::ESTDY);
    for (double x : {0.0, 1.0, 2.0, -3.0}) {
        const double hand = std::sqrt(0.35 * (34 - 13 * x * x + 5 * x * x * x * x) / 70);
        EXPECT_NEAR(double(fittedSigma(o, x)), hand, 1e-14) << x;
    }
}

// Fitted on the logarithm, the band is a factor e^(±σ) around the curve.
TEST(FitBand, ExponentialBandIsAFactorAroundTheCurve) {
    Document d = documentWith({{"0", "1.1"}, {"1", "2.6"}, {"2", "7.7"}, {"3", "19"}});
    const FitOutcome o = fitDocument(d, FitType::EXPONENTIAL, ErrorMethod::ESTDY);
    const double y = double(evaluateFit(o, 1.5));
    const std::vector<BandPoint> band = confidenceBand(o, FitCurve{{}, {{1.5, y}}, {}});
    ASSERT_EQ(band.size(), 1u);
    const double factor = std::exp(double(fittedSigma(o, 1.5)));
    EXPECT_NEAR(band[0].low, y / factor, 1e-12);
    EXPECT_NEAR(band[0].high, y * factor, 1e-12);
}

TEST(FitResiduals, AreYMinusTheFittedCurveInTheUnitsOfTheData) {
    Document d = documentWith({{"1", "2", "0.5"}, {"2", "4", "0.5"}, {"3", "7", "1"}});
    d.roles.dy = 3;
    d.fitType = FitType::LINEAR;
    d.errorMethod = ErrorMethod::DYI;
    FitRequestResult r = runFitRequest(d, true);
    std::vector<Residual> residuals = fitResiduals(r.outcome, r.points);
    ASSERT_EQ(residuals.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(residuals[i].x, i + 1);
        const long double y = d.table.cellNumber(2, i + 1);
        EXPECT_NEAR(residuals[i].residual, double(y - evaluateFit(r.outcome, i + 1)), 1e-15);
    }
    EXPECT_EQ(residuals[2].dy, 1);

    // A power law was fitted on log10 x and log10 y: the residuals are back in x and y.
    d.fitType = FitType::POWERLAW;
    r = runFitRequest(d, true);
    residuals = fitResiduals(r.outcome, r.points);
    EXPECT_NEAR(residuals[1].x, 2, 1e-14);
    EXPECT_NEAR(residuals[1].residual, 4 - double(evaluateFit(r.outcome, 2)), 1e-13);
    EXPECT_NEAR(residuals[1].dy, 0.5, 1e-7); // through log10 e to eight places

    d.errorMethod = ErrorMethod::ESTDY; // no error bars without uncertainties
    r = runFitRequest(d, true);
    EXPECT_EQ(fitResiduals(r.outcome, r.points)[2].dy, 0);
    EXPECT_EQ(residualRange({}).max, 1);
    const AxisRange range = residualRange({{1, -0.5, 0.25}, {2, 0.2, 0}});
    EXPECT_NEAR(range.min, -0.825, 1e-15);
    EXPECT_NEAR(range.max, 0.825, 1e-15);
}

} // namespace
