#pragma once

#include <string>

// Turns a cell's text into an extended-precision value, the one conversion
// rule every part of the program shares: blanks (spaces only) around an
// optional sign, a mantissa of digits with at most one decimal separator
// (a lone separator is 0), and an optional exponent whose bare marker means 0.
// Throws KelvaneError("'<text>' is not a valid floating point value") when the
// text does not convert or the value overflows a long double.
long double parseNumber(const std::string& text, char decimalSeparator = '.');

// The number of '.' characters in the text. The decimal-point checks count the
// point itself, whatever the locale's separator.
int decimalPointCount(const std::string& text);

// A value a logarithmic axis can show: a number above 0. The graph-type
// commands check the table with it and the cell entry checks a typed value.
// A text that is no number throws the conversion error of parseNumber.
bool isPositiveNumber(const std::string& text, char decimalSeparator = '.');
