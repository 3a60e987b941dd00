#include "fitctl/FitResultTexts.h"

#include "common/FormatGeneral.h"
#include "fitctl/FitTexts.h"
#include "fitctl/ResultExtras.h"

namespace {

constexpr int VALUE_DIGITS = 6;
constexpr int R_DIGITS = 4;

// Which goodness-of-fit figures a model group reports under an error method.
enum class Goodness { None, R, ChiSquareAndR, ChiSquare, ResidualDeviation };

Goodness goodnessOf(FitType type, ErrorMethod method) {
    if (type == FitType::USERMODEL)
        return method == ErrorMethod::ESTDY ? Goodness::ResidualDeviation : Goodness::ChiSquare;
    const bool straightLine = type == FitType::LINEAR || type == FitType::LINEAR_NO_A;
    if (method == ErrorMethod::ESTDY)
        return straightLine ? Goodness::R : Goodness::None;
    if (method == ErrorMethod::DYI && straightLine)
        return Goodness::ChiSquareAndR;
    return Goodness::ChiSquare; // X and Y error bars give no r
}

class Texts {
public:
    Texts(const FitOutcome& outcome, char separator) : outcome_(outcome), separator_(separator) {}

    std::string value(long double v) const { return FormatGeneral(v, VALUE_DIGITS, separator_); }
    std::string r() const { return FormatGeneral(outcome_.r, R_DIGITS, separator_); }
    std::string chi() const { return value(outcome_.reducedChiSquare); }
    std::string deviation() const { return value(outcome_.residualStandardDeviation); }
    // The nonlinear fit says how many steps it took; the built-in fits need none.
    std::string iterations(const char* gap) const {
        if (outcome_.fitType != FitType::USERMODEL)
            return {};
        return gap + std::string("Iterations = ") + std::to_string(outcome_.iterations);
    }

    std::string parameter(const FitParameter& p, const char* plusMinus) const {
        if (p.fixed)
            return p.name + " = " + value(p.value) + FIXED_MARK;
        return p.name + " = " + value(p.value) + plusMinus + value(p.sigma);
    }
    // One reading of the parameter's uncertainty, with its label when it has one.
    std::string parameter(const FitParameter& p, const SigmaReading& reading) const {
        FitParameter shown = p;
        shown.sigma = reading.sigma;
        std::string text = parameter(shown, " +/- ");
        if (!reading.label.empty())
            text += " " + reading.label;
        return text;
    }

private:
    const FitOutcome& outcome_;
    char separator_;
};

std::string summaryGoodness(Goodness g, const Texts& t) {
    switch (g) {
    case Goodness::R:
        return "r = " + t.r();
    case Goodness::ChiSquareAndR:
        return CHI_SQUARE_LABEL + t.chi() + "   r = " + t.r();
    case Goodness::ChiSquare:
        return CHI_SQUARE_LABEL + t.chi() + t.iterations("   ");
    case Goodness::ResidualDeviation:
        return RESIDUAL_DEVIATION_LABEL + t.deviation() + t.iterations("   ");
    case Goodness::None:
        break;
    }
    return {};
}

std::string footerGoodness(Goodness g, const Texts& t) {
    switch (g) {
    case Goodness::R:
        return "r = " + t.r();
    case Goodness::ChiSquareAndR:
        return "r = " + t.r() + "    Reduced Chi^2 = " + t.chi();
    case Goodness::ChiSquare:
        return "Reduced Chi^2 = " + t.chi() + t.iterations("    ");
    case Goodness::ResidualDeviation:
        return RESIDUAL_DEVIATION_LABEL + t.deviation() + t.iterations("    ");
    case Goodness::None:
        break;
    }
    return {};
}

} // namespace

std::string summaryText(const FitOutcome& outcome, char decimalSeparator) {
    const Texts t(outcome, decimalSeparator);
    std::string text = outcome.fitType == FitType::USERMODEL
                           ? footerEquationOf(outcome) + ":"
                           : textsOf(outcome.fitType).summaryHeader;
    for (const FitParameter& p : outcome.parameters)
        text += '\r' + t.parameter(p, "  +/-  ");
    const Goodness g = goodnessOf(outcome.fitType, outcome.errorMethod);
    if (g != Goodness::None)
        text += '\r' + summaryGoodness(g, t);
    return text;
}

std::vector<std::string> resultLines(const FitOutcome& outcome, char decimalSeparator,
                                     const ResultExtras& extras) {
    const Texts t(outcome, decimalSeparator);
    std::vector<std::string> lines{footerEquationOf(outcome)};
    for (std::size_t k = 0; k < outcome.parameters.size(); ++k)
        for (const SigmaReading& reading : parameterReadings(outcome, k, extras))
            lines.push_back(t.parameter(outcome.parameters[k], reading));
    const Goodness g = goodnessOf(outcome.fitType, outcome.errorMethod);
    if (g != Goodness::None)
        lines.push_back(footerGoodness(g, t));
    if (extras.worstFitLines && hasWorstFitLines(outcome.fitType, outcome.errorMethod))
        for (const std::string& line :
             worstFitLineTexts(*extras.worstFitLines, outcome.errorMethod,
                               [&t](long double v) { return t.value(v); }))
            lines.push_back(line);
    return lines;
}

std::string footerEquationOf(const FitOutcome& outcome) {
    if (outcome.fitType == FitType::USERMODEL && outcome.userModel)
        return userModelEquation(outcome.userModel->text());
    return textsOf(outcome.fitType).footerEquation;
}

std::string createdLine(const std::string& date, const std::string& time) {
    return "Created: " + date + " at " + time;
}

std::string timeFormatWithoutZone(const std::string& format) {
    std::string kept;
    bool quoted = false;
    for (char c : format) {
        if (c == '\'')
            quoted = !quoted;
        if (!quoted && c == 't') {
            // The blank that set the zone apart from the time goes with it.
            while (!kept.empty() && kept.back() == ' ')
                kept.pop_back();
            continue;
        }
        kept += c;
    }
    const std::size_t first = kept.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : kept.substr(first);
}

std::vector<std::string> footerLines(const FitOutcome& outcome, char decimalSeparator,
                                     const std::string& date, const std::string& time,
                                     const ResultExtras& extras) {
    std::vector<std::string> lines = resultLines(outcome, decimalSeparator, extras);
    lines.emplace_back();
    lines.push_back(createdLine(date, time));
    return lines;
}
