#pragma once

#include "fitctl/FitOutcome.h"

#include <optional>
#include <string>
#include <vector>

// Two readings of a weighted fit's parameter uncertainties: from the error bars alone (what
// the fits report) and scaled by the square root of the reduced chi-square, from the
// scatter of the points about the fit. Labs and programs differ on which to quote, so the
// results give both, each saying which it is.

// The error methods that weight the points by given error bars.
bool hasBothUncertainties(ErrorMethod method);

// The uncertainty from the scatter: sigma times the square root of the reduced chi-square.
// The line through the origin with Y error bars reports its slope's sigma scaled so
// already; it is taken as it is.
long double sigmaScaled(const FitOutcome& outcome, const FitParameter& parameter);

struct SigmaReading {
    long double sigma;
    std::string label; // "from the error bars" or "from the scatter"
};

// Both readings, the one the results show first. A reading that cannot be had (the
// unscaled sigma of an exact fit through the origin, whose scale is zero) is left out.
std::vector<SigmaReading> sigmaReadings(const FitOutcome& outcome, const FitParameter& parameter);
