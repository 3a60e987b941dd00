#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/SigmaConventions.h"
#include "fitctl/WorstFitLines.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the window adds to a fit's results when the user asks for it; views of the fit,
// not settings of the document.
struct ResultExtras {
    bool bothUncertainties = false; // every sigma read from the error bars and the scatter
    std::optional<WorstFitLines> worstFitLines;
};

// The uncertainties to give for parameter `index` of the outcome, in order: the fit's own
// alone and unlabelled when nothing is added; both readings, labelled, when asked for and
// the error method has them; and for the slope of a straight line with worst-fit lines the
// half-difference of their slopes, "from the worst-fit lines".
std::vector<SigmaReading> parameterReadings(const FitOutcome& outcome, std::size_t index,
                                            const ResultExtras& extras);

// The lines about the worst-fit lines that follow the goodness figures: the steepest and
// the shallowest line, or why there are none. `number` writes each value.
std::vector<std::string> worstFitLineTexts(const WorstFitLines& lines, ErrorMethod method,
                                           const std::function<std::string(long double)>& number);
