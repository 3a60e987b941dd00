#include "fitctl/FitResiduals.h"

#include "fitctl/FitCurve.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double RANGE_MARGIN = 1.1;

struct DataPoint {
    long double x, y, dy;
};

// A fitted point back in the units of the data.
DataPoint dataPoint(const FitOutcome& outcome, const FitPoints& p, int i) {
    const bool withDy = outcome.errorMethod != ErrorMethod::ESTDY;
    long double x = p.x[i], y = p.y[i], dy = withDy ? p.dy[i] : 0;
    if (outcome.fitType == FitType::EXPONENTIAL) { // fitted as ln y, dY as dy / y
        y = std::exp(static_cast<double>(y));
        dy *= y;
    } else if (outcome.fitType == FitType::POWERLAW) { // log10 x and log10 y
        x = std::pow(10.0, static_cast<double>(x));
        y = std::pow(10.0, static_cast<double>(y));
        dy *= y / LOG10_E;
    }
    return {x, y, dy};
}

} // namespace

std::vector<Residual> fitResiduals(const FitOutcome& outcome, const FitPoints& points) {
    std::vector<Residual> residuals;
    if (!outcome.succeeded())
        return residuals;
    for (int i = 1; i <= points.n; ++i) {
        const DataPoint p = dataPoint(outcome, points, i);
        residuals.push_back(
            {double(p.x), double(p.y - evaluateFit(outcome, p.x)), double(p.dy)});
    }
    return residuals;
}

AxisRange residualRange(const std::vector<Residual>& residuals) {
    double largest = 0;
    for (const Residual& r : residuals)
        if (std::isfinite(r.residual) && std::isfinite(r.dy))
            largest = std::max(largest, std::fabs(r.residual) + std::fabs(r.dy));
    if (largest == 0)
        return {-1, 1};
    return {-largest * RANGE_MARGIN, largest * RANGE_MARGIN};
}
