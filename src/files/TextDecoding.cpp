#include "files/TextDecoding.h"

#include "common/KelvaneError.h"
#include "files/DelimitedMessages.h"
#include "files/TextEncoding.h"

#include <algorithm>

namespace {

constexpr char END_OF_TEXT = 26;
// Enough of the start of a file to tell text from binary data.
constexpr std::size_t SNIFFED_CHARACTERS = 65536;

bool startsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

std::string utf8FromUtf16Bytes(std::string_view bytes, bool littleEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units +=
            static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
    }
    return utf8FromUtf16(units);
}

// Text files hold tabs and line ends, binary files NULs and other control characters.
bool looksBinary(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        return true;
    const std::string_view start = text.substr(0, SNIFFED_CHARACTERS);
    const auto controls = std::count_if(start.begin(), start.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < ' ' && b != '\t' && b != '\n' && b != '\r' && b != '\f';
    });
    return static_cast<std::size_t>(controls) * 100 > start.size();
}

} // namespace

DecodedText decodeText(std::string_view bytes) {
    DecodedText decoded;
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        const bool little = bytes[0] == '\xFF';
        decoded.encoding =
            little ? TextEncodingKind::Utf16LittleEndian : TextEncodingKind::Utf16BigEndian;
        decoded.text = utf8FromUtf16Bytes(bytes.substr(2), little);
    } else if (startsWith(bytes, "\xEF\xBB\xBF")) {
        decoded.encoding = TextEncodingKind::Utf8WithBom;
        const std::string_view rest = bytes.substr(3);
        decoded.text = isValidUtf8(rest) ? std::string(rest) : utf8FromUtf16(utf16FromUtf8(rest));
    } else if (isValidUtf8(bytes)) {
        decoded.text = std::string(bytes);
    } else {
        decoded.encoding = TextEncodingKind::Windows1252;
        decoded.text = utf8FromWindows1252(bytes);
    }
    const std::size_t end = decoded.text.find(END_OF_TEXT);
    if (end != std::string::npos)
        decoded.text.resize(end);
    if (looksBinary(decoded.text))
        throw KelvaneError(notTextMessage());
    return decoded;
}

const char* encodingName(TextEncodingKind encoding) {
    switch (encoding) {
    case TextEncodingKind::Utf8:
        return "UTF-8";
    case TextEncodingKind::Utf8WithBom:
        return "UTF-8 with BOM";
    case TextEncodingKind::Utf16LittleEndian:
        return "UTF-16 (little-endian)";
    case TextEncodingKind::Utf16BigEndian:
        return "UTF-16 (big-endian)";
    case TextEncodingKind::Windows1252:
        break;
    }
    return "Windows-1252";
}
