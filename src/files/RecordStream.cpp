#include "files/RecordStream.h"

#include "common/KelvaneError.h"
#include "files/FileMessages.h"
#include "files/TextEncoding.h"

#include <limits>

namespace {

constexpr std::string_view SIGNATURE = "TPF0";

enum Tag : std::uint8_t {
    INT8 = 2,
    INT16 = 3,
    INT32 = 4,
    SHORT_TEXT = 6,
    FALSE_VALUE = 8,
    TRUE_VALUE = 9,
    LONG_TEXT = 12,
    UTF16_TEXT = 18,
    UTF8_TEXT = 20,
};

constexpr std::size_t SHORT_TEXT_MOST = 255;

} // namespace

void RecordWriter::shortString(std::string_view text) {
    bytes_ += static_cast<char>(text.size());
    bytes_ += text;
}

void RecordWriter::int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_ += static_cast<char>((bits >> shift) & 0xFF);
}

void RecordWriter::beginRecord(std::string_view className) {
    bytes_ += SIGNATURE;
    shortString(className);
    shortString({}); // the record name, always empty
}

void RecordWriter::integer(std::string_view name, std::int32_t value) {
    shortString(name);
    if (value >= std::numeric_limits<std::int8_t>::min() &&
        value <= std::numeric_limits<std::int8_t>::max()) {
        bytes_ += static_cast<char>(INT8);
        bytes_ += static_cast<char>(static_cast<std::uint8_t>(value & 0xFF));
    } else if (value >= std::numeric_limits<std::int16_t>::min() &&
               value <= std::numeric_limits<std::int16_t>::max()) {
        bytes_ += static_cast<char>(INT16);
        const auto bits = static_cast<std::uint16_t>(value);
        bytes_ += static_cast<char>(bits & 0xFF);
        bytes_ += static_cast<char>(bits >> 8);
    } else {
        bytes_ += static_cast<char>(INT32);
        int32(value);
    }
}

void RecordWriter::boolean(std::string_view name, bool value) {
    shortString(name);
    bytes_ += static_cast<char>(value ? TRUE_VALUE : FALSE_VALUE);
}

void RecordWriter::text(std::string_view name, std::string_view utf8) {
    if (utf8.empty())
        return;
    shortString(name);
    if (isSevenBit(utf8)) {
        if (utf8.size() <= SHORT_TEXT_MOST) {
            bytes_ += static_cast<char>(SHORT_TEXT);
            shortString(utf8);
        } else {
            bytes_ += static_cast<char>(LONG_TEXT);
            int32(static_cast<std::int32_t>(utf8.size()));
            bytes_ += utf8;
        }
        return;
    }
    // The text as the window shows it: bytes that are no UTF-8 are replacement characters.
    const std::u16string characters = utf16FromUtf8(utf8);
    const std::string clean = utf8FromUtf16(characters);
    if (clean.size() < 2 * characters.size()) {
        bytes_ += static_cast<char>(UTF8_TEXT);
        int32(static_cast<std::int32_t>(clean.size()));
        bytes_ += clean;
    } else {
        bytes_ += static_cast<char>(UTF16_TEXT);
        int32(static_cast<std::int32_t>(characters.size()));
        for (const char16_t unit : characters) {
            bytes_ += static_cast<char>(unit & 0xFF);
            bytes_ += static_cast<char>(unit >> 8);
        }
    }
}

void RecordWriter::endRecord() {
    bytes_ += '\0'; // end of the properties
    bytes_ += '\0'; // end of the sub-records: there are none
}

std::string_view RecordReader::take(std::size_t count) {
    if (count > bytes_.size() - position_)
        throw KelvaneError(STREAM_READ_ERROR);
    const std::string_view part = bytes_.substr(position_, count);
    position_ += count;
    return part;
}

std::uint8_t RecordReader::byte() {
    return static_cast<std::uint8_t>(take(1)[0]);
}

std::int32_t RecordReader::littleEndian(std::size_t count) {
    const std::string_view part = take(count);
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < count; ++i)
        bits |= std::uint32_t(static_cast<std::uint8_t>(part[i])) << (8 * i);
    // Sign-extend the narrower integers.
    const std::uint32_t signBit = std::uint32_t(1) << (8 * count - 1);
    if (count < 4 && (bits & signBit))
        bits |= ~((signBit << 1) - 1);
    return static_cast<std::int32_t>(bits);
}

std::string RecordReader::shortString() {
    const std::uint8_t length = byte();
    return std::string(take(length));
}

PropertyValue RecordReader::value() {
    switch (byte()) {
    case INT8:
        return littleEndian(1);
    case INT16:
        return littleEndian(2);
    case INT32:
        return littleEndian(4);
    case FALSE_VALUE:
        return false;
    case TRUE_VALUE:
        return true;
    case SHORT_TEXT:
        return utf8FromWindows1252(take(byte()));
    case LONG_TEXT: {
        const auto length = static_cast<std::uint32_t>(littleEndian(4));
        return utf8FromWindows1252(take(length));
    }
    case UTF8_TEXT: {
        const auto length = static_cast<std::uint32_t>(littleEndian(4));
        return utf8FromUtf16(utf16FromUtf8(take(length)));
    }
    case UTF16_TEXT: {
        const auto characters = static_cast<std::uint32_t>(littleEndian(4));
        const std::string_view part = take(2 * std::size_t(characters));
        std::u16string units(characters, u'\0');
        for (std::size_t i = 0; i < characters; ++i)
            units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(part[2 * i]) |
                                             (static_cast<std::uint8_t>(part[2 * i + 1]) << 8));
        return utf8FromUtf16(units);
    }
    default:
        throw KelvaneError(INVALID_PROPERTY_VALUE);
    }
}

std::optional<std::string> RecordReader::nextRecord() {
    if (inRecord_)
        while (nextProperty()) {
        }
    if (!first_ && bytes_.size() - position_ < 2)
        return std::nullopt;
    first_ = false;
    if (take(SIGNATURE.size()) != SIGNATURE)
        throw KelvaneError(INVALID_STREAM_FORMAT);
    std::string className = shortString();
    shortString(); // the record name carries nothing
    inRecord_ = true;
    return className;
}

std::optional<Property> RecordReader::nextProperty() {
    if (!inRecord_)
        return std::nullopt;
    std::string name = shortString();
    if (name.empty()) {
        inRecord_ = false;
        if (byte() != 0) // a sub-record: no record of a data file has one
            throw KelvaneError(INVALID_STREAM_FORMAT);
        return std::nullopt;
    }
    PropertyValue v = value();
    return Property{std::move(name), std::move(v)};
}
