#pragma once

// Which typed characters reach a data cell: the digits, backspace, tab, the minus sign,
// the point and the exponent marker. Everything else a key would type (letters, blanks,
// "+", ",") is dropped. The point is admitted whatever the locale's separator, as the
// decimal-point checks count it.
bool passesTypingFilter(char32_t character);
