#pragma once

#include "files/TextTable.h"
#include "table/DataTable.h"

#include <cstddef>
#include <string>

inline constexpr const char* FILE_NOT_FOUND = "File Not Found!";

// More than any table Kelvane holds takes as text, so only a file that cannot
// be a table is refused. Without a limit a device such as /dev/zero, which
// never ends a line nor the text, would be read forever.
inline constexpr std::size_t MOST_TEXT_BYTES = 16 * 1024 * 1024;

// Reads a text table from a file for the import and kelvane-fit: as many rows
// as the largest table holds (`lineCount` says how many lines there were).
// Throws KelvaneError with the text to show when the file cannot be opened
// (FILE_NOT_FOUND, a folder too), is larger than MOST_TEXT_BYTES, or holds no
// table (its first line has no values).
// mostRows raises the rows kept for kelvane-fit's long tables.
TextTable readTextTableFile(const std::string& path,
                            std::size_t mostRows = DataTable::ROW_COUNT_CHOICES.back());
