#include "fitctl/ResultExtras.h"

namespace {

constexpr std::size_t SLOPE_OF_LINE = 1; // a, then b

// "rows 4 and 7", "rows 2, 5 and 9"
std::string rowList(const std::vector<int>& rows) {
    std::string text = "rows ";
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (k > 0)
            text += k + 1 == rows.size() ? " and " : ", ";
        text += std::to_string(rows[k]);
    }
    return text;
}

} // namespace

std::vector<SigmaReading> parameterReadings(const FitOutcome& outcome, std::size_t index,
                                            const ResultExtras& extras) {
    const FitParameter& p = outcome.parameters[index];
    std::vector<SigmaReading> readings;
    if (!p.fixed && extras.bothUncertainties && hasBothUncertainties(outcome.errorMethod))
        readings = sigmaReadings(outcome, p);
    else
        readings.push_back({p.sigma, std::string()});
    const std::optional<WorstFitLines>& worst = extras.worstFitLines;
    if (worst && worst->kind == WorstFitLines::Kind::Lines && index == SLOPE_OF_LINE &&
        hasWorstFitLines(outcome.fitType, outcome.errorMethod))
        readings.push_back({worst->halfSlopeDifference(), "from the worst-fit lines"});
    return readings;
}

std::vector<std::string> worstFitLineTexts(const WorstFitLines& lines, ErrorMethod method,
                                           const std::function<std::string(long double)>& number) {
    const std::string bars = method == ErrorMethod::DXIDYI ? "error box" : "error bar";
    switch (lines.kind) {
    case WorstFitLines::Kind::Unbounded:
        return {"Lines as steep as you like pass through every " + bars + "."};
    case WorstFitLines::Kind::NoLine:
        return {"No line passes through every " + bars + ": none meets " +
                rowList(lines.unreachableRows) + " together."};
    case WorstFitLines::Kind::Lines:
        break;
    }
    const auto line = [&number](const char* name, const StraightLine& l) {
        return std::string(name) + ": a = " + number(l.intercept) + ", b = " + number(l.slope);
    };
    return {line("Steepest line", lines.steepest), line("Shallowest line", lines.shallowest)};
}
