#pragma once

#include "files/DelimitedRecords.h"

#include <optional>
#include <string_view>
#include <vector>

// Detecting how a delimited file is laid out: its separator, its decimal mark and where
// its header rows are, from the data alone (never from the user's locale).

// The candidate whose values per line agree over the most of the first lines, quotes
// respected; only candidates that give two or more values count. Ties go to tab, then
// semicolon, then comma, then blanks: a semicolon file with decimal commas splits just as
// evenly at its commas. A text with one value per line is blank-separated.
Separator detectSeparator(std::string_view text);

// A comma when the separator is not one and more of the first lines' numbers are written
// with a decimal comma than with a point; else a point.
char detectDecimalMark(const std::vector<Record>& records, Separator separator);

// A record of data: at least one number or clock time, and every value one of them or a
// mistyped number ("1.2.3").
bool isDataRecord(const Record& record, char decimalMark);

// Where the header rows are, as indexes into the records.
struct HeaderPlace {
    std::optional<std::size_t> names;
    std::optional<std::size_t> units;
    std::size_t firstData = 0;
};

// The records before the first data record that have its number of values form the
// header; the ones before it (a logger's format and title lines) are skipped. Of two or
// more, the last is a units row when every value is short and without blanks; the names
// are then the first of them, else the last. Throws KelvaneError
// (noNumericRowsMessage) when no record is data.
HeaderPlace detectHeader(const std::vector<Record>& records, char decimalMark);
