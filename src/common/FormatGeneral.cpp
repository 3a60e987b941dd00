#include "common/FormatGeneral.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// v as 0.d1d2...dk x 10^exponent with d1 != 0, rounded to `precision` digits
// and without trailing zeros.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

// All the digits a long double holds (and two more), so that the rounding
// below sees an exact half as such.
constexpr int ALL_DIGITS = 21;

Decimal exactDecimal(long double magnitude) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", ALL_DIGITS - 1, magnitude);
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9') // whatever point the C locale prints
            d.digits += text[i];
    d.exponent = std::atoi(text.c_str() + e + 1) + 1;
    return d;
}

// Adds one unit in the last place of the digits; returns whether the carry
// ran out of the first digit (9.99 became 10.0).
bool incrementDigits(std::string& digits) {
    for (auto i = digits.rbegin(); i != digits.rend(); ++i) {
        if (*i != '9') {
            ++*i;
            return false;
        }
        *i = '0';
    }
    digits.insert(digits.begin(), '1');
    digits.pop_back();
    return true;
}

// Halves round away from zero (12345 to four digits is 1.235E4), as people
// round by hand; printf would round them to even.
Decimal roundedDecimal(long double magnitude, int precision) {
    Decimal d = exactDecimal(magnitude);
    const bool up = d.digits[precision] >= '5';
    d.digits.resize(precision);
    if (up && incrementDigits(d.digits))
        ++d.exponent;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

std::string fixed(const Decimal& d, char separator) {
    const int k = static_cast<int>(d.digits.size());
    if (d.exponent <= 0)
        return std::string("0") + separator + std::string(-d.exponent, '0') + d.digits;
    if (k <= d.exponent)
        return d.digits + std::string(d.exponent - k, '0');
    return d.digits.substr(0, d.exponent) + separator + d.digits.substr(d.exponent);
}

std::string scientific(const Decimal& d, char separator) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += separator + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
}

// A successful fit gives finite results; should one slip through, it is named
// rather than printed as digits it does not have.
std::string nonFinite(long double v) {
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormatGeneral(long double v, int precision, char decimalSeparator) {
    if (!std::isfinite(v))
        return nonFinite(v);
    if (v == 0)
        return "0";
    precision = std::clamp(precision, 1, ALL_DIGITS - 1);
    const Decimal d = roundedDecimal(std::fabs(v), precision);
    const std::string sign = v < 0 ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= precision)
        return sign + fixed(d, decimalSeparator);
    return sign + scientific(d, decimalSeparator);
}
