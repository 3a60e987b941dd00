#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What separates the values of a line: one character, or any run of blanks.
enum class Separator { Tab, Semicolon, Comma, Blanks };

// One line of a delimited file, or several when a quoted value holds line ends.
struct Record {
    std::vector<std::string> fields; // the first MAX_FIELDS values, trimmed, unquoted
    std::size_t fieldCount = 0;      // every value of the line, the ones not kept too
    std::size_t line = 0;            // where the record starts, from 1
};

struct RecordLimits {
    // Values beyond these lengths and counts are counted but not kept, so a file without
    // separators or line ends cannot make the reader hold unbounded text.
    static constexpr std::size_t MAX_FIELDS = 256;
    static constexpr std::size_t MAX_FIELD_LENGTH = 65536;
    // Twenty times the longest logger run seen, and few enough that a file of short
    // lines, each a record of its own, stays within bounded memory.
    static constexpr std::size_t MAX_RECORDS = 1000000;
};

// Splits a text (UTF-8, line ends LF, CR LF or CR) into records, RFC 4180 style: a value
// that starts with a double quote runs to the matching quote, a doubled quote inside
// stands for one, and separators and line ends inside belong to the value. Values are
// trimmed of blanks outside quotes. A line whose first character other than a blank is
// '#' is a comment and left out; an empty line is a record without values. At most
// maxRecords records are read. Throws KelvaneError (unclosedQuoteMessage) for a quote
// that is never closed.
std::vector<Record> splitRecords(std::string_view text, Separator separator,
                                 std::size_t maxRecords);

// As splitRecords, for a look at the start of a text: an unclosed quote ends the sample.
std::vector<Record> sampleRecords(std::string_view text, Separator separator,
                                  std::size_t maxRecords);

// "Tab", "Semicolon", "Comma", "Blanks": the names the import preview shows.
const char* separatorName(Separator separator);
