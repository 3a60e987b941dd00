#pragma once

#include <optional>
#include <string>

// The rows a batch fit reads, as a selection of rows first..last would in
// the window's table (a single row selects nothing, so the whole table is
// fitted). Rows are numbered as the import numbers the lines of the file.
struct RowRange {
    int first = 1;
    int last = 1;
};

// "A:B" with 1 <= A <= B <= 200, the rows the window's table can hold;
// nullopt for anything else.
std::optional<RowRange> parseRowRange(const std::string& text);
