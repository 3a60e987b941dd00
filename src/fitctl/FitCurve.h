#pragma once

#include "fitctl/FitOutcome.h"
#include "graph/AxisRange.h"

#include <vector>

struct CurvePoint {
    double x;
    double y;
};

// The fitted curve as three line series: solid over the X range of the
// fitted points, dotted below and above it.
struct FitCurve {
    std::vector<CurvePoint> belowRange;
    std::vector<CurvePoint> withinRange;
    std::vector<CurvePoint> aboveRange;
};

inline constexpr int CURVE_STEPS = 1000; // 1001 points from end to end

// The fitted model at x; NaN where it has no value (a power law at x <= 0, a user's
// law where it cannot be evaluated).
long double evaluateFit(const FitOutcome& outcome, long double x);

// The parameters' values in their order, as a user model evaluates them.
std::vector<double> parameterValues(const FitOutcome& outcome);

// The curve sampled at 1001 evenly spaced x across the bottom axis. Points
// whose y is not finite (a power law at x <= 0, overflow of exp or pow) are
// left out: the chart cannot draw them.
FitCurve fitCurve(const FitOutcome& outcome, const AxisRange& bottomAxis);

// The left axis's range after a polynomial curve is drawn: widened so that the
// whole curve over the bottom axis shows. Other models leave the range alone
// and the chart clips their curve. On a logarithmic axis values <= 0 cannot be
// shown and are ignored.
AxisRange leftRangeForCurve(const FitOutcome& outcome, const FitCurve& curve,
                            const AxisRange& leftAxis, bool leftLogarithmic);
