#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The record stream of a data file: records that each begin with "TPF0", a class name
// and an empty record name, hold named values behind one-byte tags and end with two zero
// bytes. Integers are little-endian. This layer knows the tags, not which properties a
// record may have.

// A property's value as its tag gives it; texts are held as UTF-8 whatever their tag.
using PropertyValue = std::variant<std::int32_t, bool, std::string>;

struct Property {
    std::string name;
    PropertyValue value;
};

class RecordWriter {
public:
    void beginRecord(std::string_view className);
    // The smallest of the three integer tags that holds the value.
    void integer(std::string_view name, std::int32_t value);
    void boolean(std::string_view name, bool value);
    // An empty text is left out, name and all. 7-bit texts take the 8-bit tags; others
    // UTF-8, or UTF-16 where that is not longer.
    void text(std::string_view name, std::string_view utf8);
    void endRecord();

    const std::string& bytes() const { return bytes_; }

private:
    void shortString(std::string_view text);
    void int32(std::int32_t value);

    std::string bytes_;
};

// Reads records one at a time, checking every length against the bytes that remain
// before it takes anything. Errors throw KelvaneError with the reader's messages: a
// record without its signature "Invalid stream format", an unknown tag "Invalid property
// value", and bytes that end inside a record "Stream read error".
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    // Starts the next record and gives its class name; nullopt at the end of the stream,
    // which is where fewer than two bytes follow the last record. The first record must
    // be there.
    std::optional<std::string> nextRecord();
    // The next property of the current record; nullopt once its end has been read.
    std::optional<Property> nextProperty();

private:
    std::string_view take(std::size_t count);
    std::uint8_t byte();
    std::int32_t littleEndian(std::size_t count);
    std::string shortString();
    PropertyValue value();

    std::string_view bytes_;
    std::size_t position_ = 0;
    bool first_ = true;
    bool inRecord_ = false;
};
