#include "files/SettingTexts.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <limits>

namespace {

struct NamedColor {
    const char* name;
    ColorRef value;
};

// Searched in this order; no two names share a value.
constexpr std::array<NamedColor, 20> COLOR_NAMES = {{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
}};

bool equalIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && b[i] == '\0';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> parseHex(const std::string& digits) {
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > std::numeric_limits<std::uint32_t>::max())
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> parseDecimal(const std::string& text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::string integerText(std::int32_t value) {
    return std::to_string(value);
}

std::optional<std::int32_t> parseIntegerText(const std::string& text) {
    if (!text.empty() && text[0] == '$')
        return parseHex(text.substr(1));
    return parseDecimal(text);
}

std::string colorText(ColorRef color) {
    for (const NamedColor& c : COLOR_NAMES)
        if (c.value == color)
            return c.name;
    char hex[12];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<unsigned>(color));
    return hex;
}

std::optional<ColorRef> parseColorText(const std::string& text) {
    for (const NamedColor& c : COLOR_NAMES)
        if (equalIgnoringCase(text, c.name))
            return c.value;
    if (const std::optional<std::int32_t> value = parseIntegerText(text))
        return static_cast<ColorRef>(static_cast<std::uint32_t>(*value));
    return std::nullopt;
}
