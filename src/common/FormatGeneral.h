#pragma once

#include <string>

// The number format of the fit results: v rounded to `precision` significant
// digits, fixed notation for decimal exponents -3..precision (0.000123456,
// 123457) and scientific notation beyond (1.23457E6, 1.234E-5: no "+" and no
// leading zeros in the exponent). Trailing zeros are dropped; zero is "0".
std::string FormatGeneral(long double v, int precision, char decimalSeparator = '.');
