#include "fitctl/RoundedResults.h"

#include "common/FormatGeneral.h"
#include "fitctl/FitResultTexts.h"
#include "fitctl/FitTexts.h"
#include "fitctl/ResultExtras.h"
#include "fitctl/ShownFigures.h"

#include <cmath>
#include <algorithm>
#include <cstdio>

namespace {

// Plain notation reads best while the leading digit lies between 10^-3 and 10^5;
// beyond that the zeros outnumber the digits that mean something.
constexpr int SMALLEST_PLAIN_POWER = -3;
constexpr int LARGEST_PLAIN_POWER = 5;
constexpr int SIGMA_DIGITS = 2;
constexpr int R_DIGITS = 4;
constexpr int CHI_DIGITS = 2;
constexpr int WORST_FIT_DIGITS = 4;

int powerOf(long double v) {
    return static_cast<int>(std::floor(std::log10(static_cast<double>(v))));
}

long double tenTo(int power) {
    return std::pow(10.0L, static_cast<long double>(power));
}

// v / 10^scale written with `decimals` digits after the point. A value that
// rounds to zero loses its sign: "-0.00" would claim a direction it has not.
std::string fixed(long double v, int scale, int decimals, char separator) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, v / tenTo(scale));
    std::string text(buffer);
    if (text.find_first_of("123456789") == std::string::npos && text[0] == '-')
        text.erase(0, 1);
    for (char& c : text)
        if (c == '.' || c == ',')
            c = separator;
    return text;
}

// The decimal place (a power of ten) of the uncertainty's second significant
// digit, after rounding: 0.0996 rounds to 0.10, whose second digit is 10^-2.
int lastPlaceOf(long double sigma) {
    int place = powerOf(sigma) - (SIGMA_DIGITS - 1);
    if (std::round(sigma / tenTo(place)) >= 100)
        ++place;
    return place;
}

class Writer {
public:
    virtual ~Writer() = default;
    virtual std::string escape(const std::string& text) const = 0;
    virtual std::string minusSign() const = 0;
    virtual std::string plusMinus() const = 0;
    virtual std::string powerOfTen(int power) const = 0;
    virtual std::string chiLabel() const = 0;
    virtual std::string lineBreak() const = 0;

    std::string number(const std::string& text) const {
        return text[0] == '-' ? minusSign() + text.substr(1) : text;
    }
    std::string pair(const RoundedPair& p) const {
        std::string text = "(" + number(p.value) + plusMinus() + number(p.sigma) + ")";
        if (p.power)
            text += powerOfTen(*p.power);
        return text;
    }
};

class PlainWriter : public Writer {
public:
    std::string escape(const std::string& text) const override { return text; }
    std::string minusSign() const override { return "\u2212"; }
    std::string plusMinus() const override { return " \u00b1 "; }
    std::string powerOfTen(int power) const override {
        static const char* const superscripts[] = {"\u2070", "\u00b9", "\u00b2", "\u00b3",
                                                   "\u2074", "\u2075", "\u2076", "\u2077",
                                                   "\u2078", "\u2079"};
        std::string text = "\u00d710";
        if (power < 0)
            text += "\u207b";
        for (char digit : std::to_string(std::abs(power)))
            text += superscripts[digit - '0'];
        return text;
    }
    std::string chiLabel() const override { return "\u03c7\u00b2\u1d65"; }
    std::string lineBreak() const override { return "\n"; }
};

class HtmlWriter : public Writer {
public:
    std::string escape(const std::string& text) const override {
        std::string escaped;
        for (char c : text) {
            if (c == '&')
                escaped += "&amp;";
            else if (c == '<')
                escaped += "&lt;";
            else if (c == '>')
                escaped += "&gt;";
            else
                escaped += c;
        }
        return escaped;
    }
    std::string minusSign() const override { return "&minus;"; }
    std::string plusMinus() const override { return " &plusmn; "; }
    std::string powerOfTen(int power) const override {
        return "&times;10<sup>" + number(std::to_string(power)) + "</sup>";
    }
    std::string chiLabel() const override { return "&chi;<sup>2</sup><sub>&nu;</sub>"; }
    std::string lineBreak() const override { return "<br>\n"; }
};

std::string write(const Writer& w, const FitOutcome& o, char separator,
                  const ResultExtras& extras) {
    std::string text = w.escape(footerEquationOf(o)) + w.lineBreak();
    for (std::size_t k = 0; k < o.parameters.size(); ++k) {
        const FitParameter& p = o.parameters[k];
        if (p.fixed) {
            text += w.escape(p.name) + " = " + w.number(FormatGeneral(p.value, 6, separator)) +
                    FIXED_MARK + w.lineBreak();
            continue;
        }
        for (const SigmaReading& reading : parameterReadings(o, k, extras))
            text += w.escape(p.name) + " = " +
                    w.pair(roundedPair(p.value, reading.sigma, separator)) +
                    (reading.label.empty() ? "" : " " + reading.label) + w.lineBreak();
    }
    if (showsR(o.fitType, o.errorMethod))
        text += "r = " + w.number(FormatGeneral(o.r, R_DIGITS, separator)) + w.lineBreak();
    if (o.fitType == FitType::USERMODEL && o.errorMethod == ErrorMethod::ESTDY)
        text += RESIDUAL_DEVIATION_LABEL +
                w.number(FormatGeneral(o.residualStandardDeviation, CHI_DIGITS, separator)) +
                w.lineBreak();
    if (showsReducedChiSquare(o.errorMethod))
        text += w.chiLabel() + " = " +
                w.number(FormatGeneral(o.reducedChiSquare, CHI_DIGITS, separator)) +
                w.lineBreak();
    if (extras.worstFitLines && hasWorstFitLines(o.fitType, o.errorMethod))
        for (const std::string& line : worstFitLineTexts(
                 *extras.worstFitLines, o.errorMethod, [&w, separator](long double v) {
                     return w.number(FormatGeneral(v, WORST_FIT_DIGITS, separator));
                 }))
            text += line + w.lineBreak(); // its numbers are written already
    return text;
}

} // namespace

RoundedPair roundedPair(long double value, long double sigma, char decimalSeparator) {
    const bool usable = std::isfinite(static_cast<double>(value)) &&
                        std::isfinite(static_cast<double>(sigma)) && sigma > 0;
    if (!usable) // an exact fit has no uncertainty to round to
        return {FormatGeneral(value, 6, decimalSeparator),
                FormatGeneral(sigma, 6, decimalSeparator), std::nullopt};
    const int place = lastPlaceOf(sigma);
    const auto rounded = [place](long double v) { return std::round(v / tenTo(place)) * tenTo(place); };
    const long double largest = std::max(std::fabs(rounded(value)), rounded(sigma));
    const int power = powerOf(largest);
    const bool plain =
        place <= 0 && power >= SMALLEST_PLAIN_POWER && power <= LARGEST_PLAIN_POWER;
    const int scale = plain ? 0 : power;
    const int decimals = std::max(0, scale - place);
    RoundedPair pair{fixed(value, scale, decimals, decimalSeparator),
                     fixed(sigma, scale, decimals, decimalSeparator), std::nullopt};
    if (!plain)
        pair.power = power;
    return pair;
}

RoundedResults roundedResults(const FitOutcome& outcome, char decimalSeparator,
                              const std::optional<WorstFitLines>& worstFitLines) {
    // A report gives both readings of every uncertainty of a weighted fit.
    const ResultExtras extras{true, worstFitLines};
    return {write(PlainWriter(), outcome, decimalSeparator, extras),
            "<p>\n" + write(HtmlWriter(), outcome, decimalSeparator, extras) + "</p>\n"};
}
