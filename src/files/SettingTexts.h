#pragma once

#include "document/Document.h"

#include <cstdint>
#include <optional>
#include <string>

// The texts in which the settings column of a data file writes numbers and colours.

// Decimal, with a leading "-" for a negative value.
std::string integerText(std::int32_t value);

// An optional sign and decimal digits within the 32-bit range, or "$" and at most 32 bits
// of hexadecimal digits (so "$FFFFFFFF" is -1); nothing else, no blanks.
std::optional<std::int32_t> parseIntegerText(const std::string& text);

// The name of the colour table when the colour has one ("clRed"), else "$" and eight
// upper-case hexadecimal digits of the 0xBBGGRR value.
std::string colorText(ColorRef color);

// A name of the colour table in any letter case, or an integer text.
std::optional<ColorRef> parseColorText(const std::string& text);
