#include "fitctl/SigmaConventions.h"

#include <cmath>

namespace {

// The fit through the origin with Y error bars scales its slope's sigma by the scatter
// itself.
bool reportsScaledSigma(const FitOutcome& outcome) {
    return outcome.fitType == FitType::LINEAR_NO_A && outcome.errorMethod == ErrorMethod::DYI;
}

long double scale(const FitOutcome& outcome) {
    return std::sqrt(static_cast<double>(outcome.reducedChiSquare));
}

} // namespace

bool hasBothUncertainties(ErrorMethod method) {
    return method != ErrorMethod::ESTDY;
}

long double sigmaScaled(const FitOutcome& outcome, const FitParameter& parameter) {
    if (reportsScaledSigma(outcome))
        return parameter.sigma;
    return parameter.sigma * scale(outcome);
}

std::vector<SigmaReading> sigmaReadings(const FitOutcome& outcome, const FitParameter& parameter) {
    const std::string fromErrorBars = "from the error bars", fromScatter = "from the scatter";
    if (!reportsScaledSigma(outcome))
        return {{parameter.sigma, fromErrorBars}, {sigmaScaled(outcome, parameter), fromScatter}};
    std::vector<SigmaReading> readings{{parameter.sigma, fromScatter}};
    if (scale(outcome) > 0)
        readings.push_back({parameter.sigma / scale(outcome), fromErrorBars});
    return readings;
}
