#pragma once

// Which typed characters reach a data cell: the digits, backspace, tab, the minus sign,
// the point and the exponent marker. Everything else a key would type (letters, blanks,
// "+", ",") is dropped. The point is admitted whatever the locale's separator, as the
// decimal-point checks count it; so is the locale's own separator, without which a user
// whose numbers are written "1,5" could type no number with decimals that converts.
bool passesTypingFilter(char32_t character, char decimalSeparator = '.');
