#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/WorstFitLines.h"

#include <optional>
#include <string>

// A value and its uncertainty rounded the way a lab report gives them: the
// uncertainty to two significant digits, the value to the same decimal place.
// Both are written with a plain "-" and the given decimal separator; when the
// numbers are very large or very small, or the uncertainty reaches the tens,
// they share a power of ten that is taken out of both.
struct RoundedPair {
    std::string value;
    std::string sigma;
    std::optional<int> power; // (value ± sigma) × 10^power
};

RoundedPair roundedPair(long double value, long double sigma, char decimalSeparator = '.');

// The fit's results for a report, one line per figure: the equation, each
// parameter as "a = (value ± sigma)", and the goodness figures the results
// show (r to four digits, the reduced chi-square to two). With error bars every
// parameter has two lines, its sigma from the error bars and from the scatter;
// worst-fit lines, when given, add the slope's third line and the two lines.
struct RoundedResults {
    std::string text; // Unicode, lines ending in '\n'
    std::string html; // a fragment for word processors
};

RoundedResults roundedResults(const FitOutcome& outcome, char decimalSeparator,
                              const std::optional<WorstFitLines>& worstFitLines = std::nullopt);
