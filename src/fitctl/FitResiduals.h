#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/FitRequest.h"
#include "graph/AxisRange.h"

#include <vector>

// One fitted point's distance from the curve, in the units of the data.
struct Residual {
    double x;
    double residual; // y − f(x)
    double dy;       // the point's dY; 0 when the error method has none
};

// The residuals of the points that went into the fit. Points of the exponential and the
// power law are taken back out of the logarithms they were fitted as.
std::vector<Residual> fitResiduals(const FitOutcome& outcome, const FitPoints& points);

// The vertical range of the residual strip: symmetric about zero, holding every residual
// with its error bar and a margin; -1 .. 1 when all are zero.
AxisRange residualRange(const std::vector<Residual>& residuals);
