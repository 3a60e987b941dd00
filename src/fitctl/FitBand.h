#pragma once

#include "fitctl/FitCurve.h"
#include "fitctl/FitOutcome.h"

#include <vector>

// The standard deviation of the fitted model at x that the parameters' covariance gives
// (the straight line's sqrt(σa² + 2x·cov(a, b) + x²σb²), its like for polynomials, and
// for a user's law sqrt(gᵀCg) with g the law's derivatives in its parameters),
// on the scale the model was fitted on: for the exponential that of ln y, for the power law
// that of log10 y. NaN where the model has no value.
long double fittedSigma(const FitOutcome& outcome, long double x);

struct BandPoint {
    double x;
    double low;
    double high;
};

// The ±1σ band around every point of the curve. For the exponential and the power law the
// band is taken on the logarithm and carried back, so it stays positive and widens with y.
// Points where the band has no finite value are left out.
std::vector<BandPoint> confidenceBand(const FitOutcome& outcome, const FitCurve& curve);
