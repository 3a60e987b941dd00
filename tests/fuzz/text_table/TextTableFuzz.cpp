// The import's text-table reader and the fill of the data table on arbitrary bytes. Besides
// crashes and undefined behaviour it stops when what lands in the table differs from what
// was read: the first line's value count is the column count, each line is a row holding
// no more values than that, no value holds a blank or a line end or is no UTF-8, and every
// row up to the largest table is in the table, out of sight or not, in place of what was
// there, with the row count untouched.

#include "files/TextEncoding.h"
#include "files/TextTable.h"
#include "files/TextTableFill.h"
#include "table/DataTable.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t largest = DataTable::ROW_COUNT_CHOICES.back();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const TextTable text = readTextTable(in, largest);

    check(text.columnCount >= 0 && text.columnCount <= TextTable::MAX_COLUMNS);
    check(text.rows.size() == std::min(text.lineCount, largest));
    check(text.truncated == (text.lineCount > largest));
    for (const auto& row : text.rows) {
        check(row.size() <= static_cast<std::size_t>(text.columnCount));
        for (const std::string& value : row)
            check(!value.empty() && value.find_first_of(" \n\x1a") == std::string::npos &&
                  value.size() <= 3 * TextTable::MAX_LINE_LENGTH &&
                  utf8FromUtf16(utf16FromUtf8(value)) == value);
    }

    // A table with cells of its own, some out of sight, which the fill must empty.
    DataTable table;
    table.addColumn("dY");
    table.setDataRowCount(static_cast<int>(largest));
    table.setCellText(3, 1, "old");
    table.setCellText(1, static_cast<int>(largest), "old");
    table.setDataRowCount(60);
    fillTableFromText(table, text);
    check(table.columnCount() - 1 == text.columnCount);
    check(table.dataRowCount() == 60);
    for (std::size_t row = 1; row <= text.rows.size(); ++row) {
        const std::vector<std::string>& values = text.rows[row - 1];
        for (int column = 1; column <= text.columnCount; ++column) {
            const std::size_t c = static_cast<std::size_t>(column - 1);
            check(table.keptCellText(column, static_cast<int>(row)) ==
                  (c < values.size() ? values[c] : std::string()));
        }
    }
    if (text.columnCount > 0 && text.rows.size() < largest)
        check(table.keptCellText(1, static_cast<int>(largest)).empty());
    return 0;
}
