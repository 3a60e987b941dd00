#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/FitRequest.h"

// Builds the fit object that matches the fitting function and error method,
// runs it once on the collected points and reads its results. The object
// lives only inside this call.
// The pairs that collectFitPoints refuses (through the origin or polynomial
// with X and Y error bars) are a caller's error: std::invalid_argument, as are more than
// MAX_FIT_POINTS points.
FitOutcome performFit(FitType type, ErrorMethod method, const FitPoints& points);

// The factor a of y = a e^(bx) or y = a x^b, with its uncertainty, from the
// intercept A (and sigma A) of the straight line fitted to the logarithms.
FitParameter factorFromIntercept(FitType type, long double intercept, long double sigma);
