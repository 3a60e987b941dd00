#include "fitctl/FitCurve.h"

#include <cmath>
#include <limits>

namespace {

// The model's exponentials and powers go through double precision, as the
// fit's own logarithms did.
long double expD(long double v) {
    return std::exp(static_cast<double>(v));
}
long double powD(long double base, long double exponent) {
    return std::pow(static_cast<double>(base), static_cast<double>(exponent));
}

// Whole powers in extended precision (Horner's rule): over data far from zero, such as
// years, the terms are huge and cancel, and double powers would move the drawn curve
// off its own fit by pixels.
long double polynomial(const std::vector<FitParameter>& coefficients, long double x) {
    long double sum = 0;
    for (auto k = coefficients.rbegin(); k != coefficients.rend(); ++k)
        sum = sum * x + k->value;
    return sum;
}

void addToCurve(FitCurve& curve, const FitOutcome& outcome, long double x, long double y) {
    const CurvePoint p{static_cast<double>(x), static_cast<double>(y)};
    if (x < outcome.xMin)
        curve.belowRange.push_back(p);
    else if (x > outcome.xMax)
        curve.aboveRange.push_back(p);
    else
        curve.withinRange.push_back(p);
}

void widenFor(const std::vector<CurvePoint>& points, AxisRange& range, bool logarithmic) {
    for (const CurvePoint& p : points) {
        if (logarithmic && p.y <= 0)
            continue;
        if (p.y < range.min)
            range.min = p.y;
        if (p.y > range.max)
            range.max = p.y;
    }
}

} // namespace

std::vector<double> parameterValues(const FitOutcome& outcome) {
    std::vector<double> values;
    for (const FitParameter& p : outcome.parameters)
        values.push_back(static_cast<double>(p.value));
    return values;
}

long double evaluateFit(const FitOutcome& outcome, long double x) {
    const std::vector<FitParameter>& p = outcome.parameters;
    switch (outcome.fitType) {
    case FitType::LINEAR:
        return p[0].value + p[1].value * x;
    case FitType::LINEAR_NO_A:
        return p[0].value * x;
    case FitType::EXPONENTIAL:
        return p[0].value * expD(p[1].value * x);
    case FitType::POWERLAW:
        // The model was fitted to log10 x: it says nothing where x has no logarithm.
        if (x <= 0)
            return std::numeric_limits<long double>::quiet_NaN();
        return p[0].value * powD(x, p[1].value);
    case FitType::USERMODEL: // NaN where the law cannot be evaluated
        return outcome.userModel->value(static_cast<double>(x), parameterValues(outcome).data());
    default:
        return polynomial(p, x);
    }
}

FitCurve fitCurve(const FitOutcome& outcome, const AxisRange& bottomAxis) {
    FitCurve curve;
    if (!outcome.succeeded() || outcome.parameters.empty())
        return curve; // a failed fit has nothing to draw
    const long double left = bottomAxis.min;
    const long double step = (static_cast<long double>(bottomAxis.max) - left) * 0.001L;
    for (int i = 0; i <= CURVE_STEPS; ++i) {
        const long double x = left + i * step;
        const long double y = evaluateFit(outcome, x);
        // The chart takes doubles: a long double beyond their range is lost too.
        if (std::isfinite(y) && std::isfinite(static_cast<double>(y)))
            addToCurve(curve, outcome, x, y);
    }
    return curve;
}

AxisRange leftRangeForCurve(const FitOutcome& outcome, const FitCurve& curve,
                            const AxisRange& leftAxis, bool leftLogarithmic) {
    AxisRange range = leftAxis;
    if (!isPolynomial(outcome.fitType))
        return range;
    widenFor(curve.belowRange, range, leftLogarithmic);
    widenFor(curve.withinRange, range, leftLogarithmic);
    widenFor(curve.aboveRange, range, leftLogarithmic);
    return range;
}
