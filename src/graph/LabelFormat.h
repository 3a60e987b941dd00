#pragma once

#include <string>

// Writes an axis value the way a number-format pattern asks:
//   "0", "0.0" ... "0.00000"  fixed notation with as many decimals as the pattern has zeros
//   "#,##0.00"                the same with thousands separators
//   "0.00E+00", "0.000E+00"   scientific notation; the mantissa keeps the pattern's decimals,
//                             the exponent at least as many digits as the pattern shows, its
//                             sign always after "E+" and only when negative after "E-"
// The decimal separator replaces the point; the thousands separator is "," unless the
// decimal separator is "," itself, then ".". A value that rounds to zero carries no sign.
std::string formatAxisLabel(double value, const std::string& pattern, char decimalSeparator);
