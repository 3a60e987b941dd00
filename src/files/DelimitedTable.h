#pragma once

#include "files/DelimitedRecords.h"
#include "files/TextDecoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a delimited file was read: detected, or as the user overrode it.
struct DelimitedLayout {
    TextEncodingKind encoding = TextEncodingKind::Utf8;
    Separator separator = Separator::Blanks;
    char decimalMark = '.';
    int headerRows = 0; // 0: none; 1: the names; 2: the names and their units
};

// What the user chose instead of the detection; unset fields are detected.
struct LayoutChoice {
    std::optional<Separator> separator;
    std::optional<char> decimalMark;
    std::optional<int> headerRows; // 0, 1 or 2
};

struct DelimitedTable {
    static constexpr int MAX_COLUMNS = 50;

    DelimitedLayout layout;
    // One name per column: the header's text, "NAME (UNIT)" with a units row; empty
    // without a header.
    std::vector<std::string> names;
    // Every data row, its cells as the table holds them: numbers with the table's decimal
    // separator, clock times as seconds since the column's first time, other texts as
    // they stand, empty cells empty. Empty lines between data lines are empty rows.
    std::vector<std::vector<std::string>> rows;
    // The line of the file each row starts on.
    std::vector<std::size_t> rowLines;

    int columnCount() const { return static_cast<int>(names.size()); }
};

// Reads a decoded text. The columns are as many as the names row has, without one the
// first data row (at most MAX_COLUMNS), less those at the end that are empty throughout.
// Lines after the last data line that hold no value are no rows. Throws KelvaneError with
// the message to show: more than RecordLimits::MAX_RECORDS lines, an unclosed quote, no
// rows of numbers (none left after the header either), a units row of numbers, the comma
// chosen both to separate and to mark decimals.
DelimitedTable readDelimited(const DecodedText& text, const LayoutChoice& choice,
                             char tableSeparator);
