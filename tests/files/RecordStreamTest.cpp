// The record stream at the level of bytes: the tags the writer chooses, what the reader
// makes of every tag, and the reader's errors on damaged streams.

#include "../support/ErrorText.h"

#include "common/KelvaneError.h"
#include "files/FileMessages.h"
#include "files/RecordStream.h"
#include "files/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// One property written alone, so its bytes can be compared.
template <class Write> std::string propertyBytes(Write write) {
    RecordWriter w;
    write(w);
    return w.bytes();
}

Property readBack(const std::string& propertyBytes) {
    RecordWriter w;
    w.beginRecord("T");
    std::string bytes = w.bytes() + propertyBytes;
    bytes += "\0\0"s;
    RecordReader r(bytes);
    r.nextRecord();
    std::optional<Property> p = r.nextProperty();
    EXPECT_TRUE(p.has_value());
    EXPECT_FALSE(r.nextProperty().has_value());
    return p.value_or(Property{});
}

std::string le32(std::uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}

TEST(RecordWriter, TheCellXAtColumnOneRowZeroIsTheseFortyEightBytes) {
    RecordWriter w;
    w.beginRecord("TGridCellIO");
    w.integer("Col", 1);
    w.integer("Row", 0);
    w.text("Cell", "X");
    w.boolean("HasProp", false);
    w.endRecord();
    const std::string expected = "TPF0\x0bTGridCellIO\x00"
                                 "\x03"
                                 "Col\x02\x01"
                                 "\x03"
                                 "Row\x02\x00"
                                 "\x04"
                                 "Cell\x06\x01X"
                                 "\x07"
                                 "HasProp\x08\x00\x00"s;
    EXPECT_EQ(expected.size(), 48u);
    EXPECT_EQ(w.bytes(), expected);
}

TEST(RecordWriter, IntegersTakeTheSmallestTagThatHoldsThem) {
    const struct {
        std::int32_t value;
        std::string payload; // tag and value
    } cases[] = {
        {0, "\x02\x00"s},
        {127, "\x02\x7f"s},
        {-128, "\x02\x80"s},
        {128, "\x03\x80\x00"s},
        {200, "\x03\xc8\x00"s},
        {-129, "\x03\x7f\xff"s},
        {32767, "\x03\xff\x7f"s},
        {-32768, "\x03\x00\x80"s},
        {32768, "\x04" + le32(32768)},
        {-32769, "\x04" + le32(0xFFFF7FFF)},
        {INT32_MIN, "\x04" + le32(0x80000000)},
    };
    for (const auto& c : cases) {
        const std::string bytes = propertyBytes([&](RecordWriter& w) { w.integer("N", c.value); });
        EXPECT_EQ(bytes, "\x01N" + c.payload) << c.value;
        EXPECT_EQ(std::get<std::int32_t>(readBack(bytes).value), c.value) << c.value;
    }
}

TEST(RecordWriter, TextsTakeTheTagOfTheirCharactersAndLength) {
    const std::string degree = "Temperature (\u00b0C)"; // 16 characters, 17 UTF-8 bytes
    const std::string cjk = "\u6e29\u5ea6";             // 2 characters, 6 UTF-8 bytes
    const struct {
        std::string text;
        int tag; // 0: nothing written
    } cases[] = {
        {"T", 6},  {std::string(255, 'a'), 6}, {std::string(300, 'a'), 12}, {degree, 20},
        {cjk, 18}, {"\xc3\xa9", 18}, // one character, two bytes: UTF-8 is not shorter
        {"", 0},
    };
    for (const auto& c : cases) {
        const std::string bytes = propertyBytes([&](RecordWriter& w) { w.text("S", c.text); });
        if (c.tag == 0) {
            EXPECT_EQ(bytes, "");
            continue;
        }
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(int(static_cast<unsigned char>(bytes[2])), c.tag) << c.text;
        EXPECT_EQ(std::get<std::string>(readBack(bytes).value), c.text) << c.text;
    }
    // The lengths: bytes for tag 20, characters for tag 18.
    EXPECT_EQ(propertyBytes([&](RecordWriter& w) { w.text("S", degree); }),
              "\x01S\x14" + le32(17) + degree);
    EXPECT_EQ(propertyBytes([&](RecordWriter& w) { w.text("S", cjk); }),
              "\x01S\x12" + le32(2) + "\x29\x6e\xa6\x5e");
}

TEST(RecordReader, ReadsEveryTagTheFilesUse) {
    const struct {
        std::string payload;
        PropertyValue value;
    } cases[] = {
        {"\x08"s, false},
        {"\x09"s, true},
        {"\x06\x03"s + "a\x80\xb0", "a\u20ac\u00b0"s}, // 8-bit texts are Windows-1252
        {"\x0c" + le32(2) + "\x9f\xe9", "\u0178\u00e9"s},
        {"\x14" + le32(2) + "\xff" + "a", "\ufffd" + "a"s},      // no UTF-8: replaced
        {"\x12" + le32(2) + "\x3d\xd8\x00\xde"s, "\U0001F600"s}, // a surrogate pair
        {"\x12" + le32(1) + "\x00\xd8"s, "\ufffd"s},             // half of one
    };
    for (const auto& c : cases)
        EXPECT_EQ(readBack("\x01P" + c.payload).value, c.value) << c.payload;
}

std::string readError(const std::string& bytes) {
    return errorText(
        [&] {
            RecordReader r(bytes);
            while (r.nextRecord())
                while (r.nextProperty()) {
                }
        },
        "(read)");
}

TEST(RecordReader, DamagedStreamsStopWithTheReadersMessages) {
    const std::string record = "TPF0\x01T\x00\x01P\x02\x05\x00\x00"s;
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"empty", "", "Stream read error"},
        {"cut in the signature", "TPF", "Stream read error"},
        {"no signature", "XPF0\x01T\x00\x00\x00"s, "Invalid stream format"},
        {"no signature after a record", record + "abcd", "Invalid stream format"},
        {"cut in a record", record.substr(0, 10), "Stream read error"},
        {"a tag no property has", "TPF0\x01T\x00\x01P\x05\x00\x00"s, "Invalid property value"},
        {"a sub-record", "TPF0\x01T\x00\x00\x01"s, "Invalid stream format"},
        {"a length beyond the end", "TPF0\x01T\x00\x01P\x0c"s + le32(0x7FFFFFFF) + "ab",
         "Stream read error"},
        {"UTF-16 beyond the end", "TPF0\x01T\x00\x01P\x12"s + le32(0xFFFFFFFF) + "ab",
         "Stream read error"},
        {"one byte after a record", record + "x", "(read)"},
        {"two records", record + record, "(read)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readError(c.bytes), c.message) << c.what;
}

TEST(TextEncoding, Utf8ThatIsNoTextBecomesReplacementCharacters) {
    const struct {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"a\xc3\xa9", u"a\u00e9"},
        {"\xc0\xaf", u"\ufffd\ufffd"},           // an overlong "/"
        {"\xed\xa0\x80", u"\ufffd\ufffd\ufffd"}, // a surrogate
        {"\xe6\xb8", u"\ufffd\ufffd"},           // cut short
        {"\xf0\x9f\x98\x80", u"\U0001F600"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf16FromUtf8(c.in), c.out) << c.in;
}

} // namespace
