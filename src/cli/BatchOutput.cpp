#include "cli/BatchOutput.h"

#include "cli/FitNames.h"
#include "fitctl/ShownFigures.h"
#include "fitctl/FitResultTexts.h"
#include "fitctl/SigmaConventions.h"

namespace {

// Results are long doubles; JSON numbers are doubles, written so that they
// read back to the same double.
double full(long double v) {
    return static_cast<double>(v);
}

nlohmann::ordered_json parameterJson(const FitOutcome& o, const FitParameter& p) {
    nlohmann::ordered_json json{
        {"name", p.name}, {"value", full(p.value)}, {"sigma", full(p.sigma)}};
    if (p.fixed)
        json["fixed"] = true;
    else if (hasBothUncertainties(o.errorMethod)) // scaled by the square root of the reduced chi-square
        json["sigmaScaled"] = full(sigmaScaled(o, p));
    return json;
}

// A user model reports the nonlinear fit's own figures; it has no r and its X range is
// the data's.
void addUserModelFigures(nlohmann::ordered_json& json, const FitOutcome& o) {
    json["residualSumOfSquares"] = full(o.residualSumOfSquares);
    json["degreesOfFreedom"] = o.degreesOfFreedom;
    if (showsReducedChiSquare(o.errorMethod))
        json["reducedChiSquare"] = full(o.reducedChiSquare);
    json["iterations"] = o.iterations;
}

} // namespace

void printResultLines(std::ostream& out, const BatchResult& result) {
    for (const std::string& line : resultLines(result.outcome, '.'))
        out << line << '\n';
}

nlohmann::ordered_json resultJson(const BatchResult& result) {
    const FitOutcome& o = result.outcome;
    nlohmann::ordered_json json;
    const bool userModel = o.fitType == FitType::USERMODEL;
    json["model"] = userModel ? o.userModel->text() : nameOf(o.fitType);
    json["errors"] = nameOf(o.errorMethod);
    json["points"] = result.pointCount;
    json["parameters"] = nlohmann::ordered_json::array();
    for (const FitParameter& p : o.parameters)
        json["parameters"].push_back(parameterJson(o, p));
    if (userModel) {
        addUserModelFigures(json, o);
        json["warnings"] = result.warnings;
        return json;
    }
    if (showsR(o.fitType, o.errorMethod))
        json["r"] = full(o.r);
    if (showsReducedChiSquare(o.errorMethod))
        json["reducedChiSquare"] = full(o.reducedChiSquare);
    json["xMin"] = full(o.xMin);
    json["xMax"] = full(o.xMax);
    json["warnings"] = result.warnings;
    return json;
}
