#include "files/TextEncoding.h"

#include <array>
#include <cstdint>

namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// Bytes 0x80..0x9F of Windows-1252; the rest of the upper half is Latin-1.
constexpr std::array<char16_t, 32> WINDOWS_1252_HIGH = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

// The character that starts at text[i], and how many bytes it takes. Overlong forms,
// surrogates and values beyond U+10FFFF are not characters: their first byte becomes
// U+FFFD and decoding goes on with the next one.
char32_t decodeUtf8At(std::string_view text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    length = 1;
    if (lead < 0x80)
        return lead;
    int continuation = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuation = 1;
        c = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuation = 2;
        c = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuation = 3;
        c = lead & 0x07;
        smallest = 0x10000;
    } else {
        return REPLACEMENT;
    }
    if (text.size() - i <= static_cast<std::size_t>(continuation))
        return REPLACEMENT;
    for (int k = 1; k <= continuation; ++k) {
        const std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80)
            return REPLACEMENT;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return REPLACEMENT;
    length = static_cast<std::size_t>(continuation) + 1;
    return c;
}

} // namespace

std::u16string utf16FromUtf8(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        appendUtf16(out, decodeUtf8At(utf8, i, length));
        i += length;
    }
    return out;
}

std::string utf8FromUtf16(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            const char32_t c =
                0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(utf16[i + 1]) - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else {
            appendUtf8(out, high || low ? REPLACEMENT : char32_t(unit));
        }
    }
    return out;
}

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        if (b >= 0x80 && b <= 0x9F)
            appendUtf8(out, WINDOWS_1252_HIGH[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<std::uint8_t>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 1;
        if (decodeUtf8At(text, i, length) == REPLACEMENT && length == 1)
            return false;
        i += length;
    }
    return true;
}

bool isSevenBit(std::string_view text) {
    for (const char ch : text)
        if (static_cast<std::uint8_t>(ch) >= 0x80)
            return false;
    return true;
}
