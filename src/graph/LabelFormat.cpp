#include "graph/LabelFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Pattern {
    bool grouped = false;
    int decimals = 0;
    bool scientific = false;
    bool exponentSignAlways = false;
    int exponentDigits = 1;
};

// A value as decimal digits: |value| = 0.d1 d2 d3 ... x 10^exponent. No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

int countZeros(const std::string& text, std::size_t from) {
    int zeros = 0;
    for (std::size_t i = from; i < text.size() && text[i] == '0'; ++i)
        ++zeros;
    return zeros;
}

Pattern parsePattern(const std::string& pattern) {
    Pattern p;
    const std::size_t exponent = pattern.find_first_of("Ee");
    const std::string mantissa = pattern.substr(0, exponent);
    p.grouped = mantissa.find(',') != std::string::npos;
    const std::size_t point = mantissa.find('.');
    if (point != std::string::npos)
        p.decimals = countZeros(mantissa, point + 1);
    if (exponent != std::string::npos) {
        p.scientific = true;
        std::size_t digits = exponent + 1;
        if (digits < pattern.size() && (pattern[digits] == '+' || pattern[digits] == '-')) {
            p.exponentSignAlways = pattern[digits] == '+';
            ++digits;
        }
        p.exponentDigits = std::max(1, countZeros(pattern, digits));
    }
    return p;
}

void dropTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

// The value to 15 significant digits, all a double holds reliably; rounding then starts
// from the decimal digits a person would read, so 0.125 ends as 0.13 and 0.285 as 0.29.
Decimal decimalOf(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value)); // d.dddddddddddddde+XX
    Decimal d;
    d.negative = std::signbit(value);
    d.digits = std::string(1, text[0]) + std::string(text + 2, 14);
    d.exponent = std::atoi(std::strchr(text, 'e') + 1) + 1;
    dropTrailingZeros(d);
    return d;
}

// Keeps the first `count` digits, rounding half away from zero.
void keepDigits(Decimal& d, int count) {
    if (count < 0 || d.digits.empty()) {
        d.digits.clear();
        return;
    }
    if (static_cast<int>(d.digits.size()) <= count)
        return;
    const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
            d.digits[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            d.digits.insert(0, 1, '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    dropTrailingZeros(d);
}

// The digit at a position counted from the first digit; zeros beyond either end.
char digitAt(const Decimal& d, int position) {
    if (position < 0 || position >= static_cast<int>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(position)];
}

std::string groupThousands(const std::string& digits, char separator) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

// A zero carries no sign, however small the negative value that rounded to it.
std::string signOf(const Decimal& d) {
    return d.negative && !d.digits.empty() ? "-" : "";
}

std::string fixed(Decimal d, const Pattern& p, char decimalSeparator) {
    keepDigits(d, d.exponent + p.decimals);
    std::string integer;
    for (int position = 0; position < d.exponent; ++position)
        integer += digitAt(d, position);
    if (integer.empty())
        integer = "0";
    if (p.grouped)
        integer = groupThousands(integer, decimalSeparator == ',' ? '.' : ',');
    std::string text = signOf(d) + integer;
    if (p.decimals > 0) {
        text += decimalSeparator;
        for (int k = 0; k < p.decimals; ++k)
            text += digitAt(d, d.exponent + k);
    }
    return text;
}

std::string scientific(Decimal d, const Pattern& p, char decimalSeparator) {
    keepDigits(d, p.decimals + 1);
    std::string text = signOf(d) + digitAt(d, 0);
    if (p.decimals > 0) {
        text += decimalSeparator;
        for (int k = 1; k <= p.decimals; ++k)
            text += digitAt(d, k);
    }
    const int exponent = d.digits.empty() ? 0 : d.exponent - 1;
    std::string digits = std::to_string(std::abs(exponent));
    if (static_cast<int>(digits.size()) < p.exponentDigits)
        digits.insert(0, static_cast<std::size_t>(p.exponentDigits) - digits.size(), '0');
    const char* sign = exponent < 0 ? "-" : (p.exponentSignAlways ? "+" : "");
    return text + "E" + sign + digits;
}

} // namespace

std::string formatAxisLabel(double value, const std::string& pattern, char decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const Pattern p = parsePattern(pattern);
    const Decimal d = decimalOf(value);
    return p.scientific ? scientific(d, p, decimalSeparator) : fixed(d, p, decimalSeparator);
}
