#include "fitctl/FitBand.h"

#include "fitctl/FitRequest.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The delta method's g = df/dp of the user's law at the fitted values; empty where it
// cannot be evaluated.
std::vector<long double> userModelGradient(const FitOutcome& outcome, long double x) {
    const std::vector<double> values = parameterValues(outcome);
    std::vector<double> g(values.size());
    if (!outcome.userModel->parameterGradient(static_cast<double>(x), values.data(), g.data()))
        return {};
    return {g.begin(), g.end()};
}

// The derivatives of the fitted scale's model in its parameters, in their order: 1, x, x²
// ... for lines and polynomials, x alone through the origin; the power law was fitted
// against log10 x.
std::vector<long double> gradient(const FitOutcome& outcome, long double x) {
    switch (outcome.fitType) {
    case FitType::LINEAR_NO_A:
        return {x};
    case FitType::POWERLAW:
        if (x <= 0)
            return {};
        return {1, std::log10(static_cast<long double>(x))};
    case FitType::USERMODEL:
        return userModelGradient(outcome, x);
    default:
        break;
    }
    std::vector<long double> g(outcome.covariance.size());
    long double power = 1;
    for (long double& term : g) {
        term = power;
        power *= x;
    }
    return g;
}

// Per unit of the fitted scale, the factor of the natural logarithm.
long double lnPerUnit(FitType type) {
    if (type == FitType::POWERLAW)
        return 1 / LOG10_E;
    return 1;
}

void addBandPoints(std::vector<BandPoint>& band, const FitOutcome& outcome,
                   const std::vector<CurvePoint>& points) {
    const bool logarithmic =
        outcome.fitType == FitType::EXPONENTIAL || outcome.fitType == FitType::POWERLAW;
    for (const CurvePoint& p : points) {
        const long double sigma = fittedSigma(outcome, p.x);
        BandPoint b{p.x, p.y - double(sigma), p.y + double(sigma)};
        if (logarithmic) {
            const double factor = std::exp(double(sigma * lnPerUnit(outcome.fitType)));
            b = {p.x, p.y / factor, p.y * factor};
        }
        if (std::isfinite(b.low) && std::isfinite(b.high))
            band.push_back(b);
    }
}

} // namespace

long double fittedSigma(const FitOutcome& outcome, long double x) {
    const std::vector<long double> g = gradient(outcome, x);
    if (g.empty() || g.size() != outcome.covariance.size())
        return std::numeric_limits<long double>::quiet_NaN();
    long double variance = 0;
    for (std::size_t j = 0; j < g.size(); ++j)
        for (std::size_t l = 0; l < g.size(); ++l)
            variance += g[j] * outcome.covariance[j][l] * g[l];
    // Rounding can leave a variance of zero a hair below it.
    return std::sqrt(static_cast<double>(std::max(variance, 0.0L)));
}

std::vector<BandPoint> confidenceBand(const FitOutcome& outcome, const FitCurve& curve) {
    std::vector<BandPoint> band;
    addBandPoints(band, outcome, curve.belowRange);
    addBandPoints(band, outcome, curve.withinRange);
    addBandPoints(band, outcome, curve.aboveRange);
    return band;
}
