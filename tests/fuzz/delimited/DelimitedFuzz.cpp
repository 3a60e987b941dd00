// The delimited-text reader on arbitrary bytes: decoding, detection and the table, with
// the first byte choosing overrides as the import preview could. Besides crashes and
// undefined behaviour it stops when a failure is not the reader's own error, or the table
// breaks its promises: every row as wide as the names, at most MAX_COLUMNS columns, cells
// of bounded length and valid UTF-8, the rows' lines rising, and the layout the one chosen.

#include "common/KelvaneError.h"
#include "files/DelimitedTable.h"
#include "files/RowTake.h"
#include "files/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

LayoutChoice choiceFrom(std::uint8_t byte) {
    LayoutChoice choice;
    if (byte & 0x04)
        choice.separator = static_cast<Separator>(byte & 0x03);
    if (byte & 0x08)
        choice.decimalMark = (byte & 0x10) ? ',' : '.';
    if (byte & 0x20)
        choice.headerRows = (byte >> 6) % 3;
    return choice;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const LayoutChoice choice = choiceFrom(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    DelimitedTable table;
    try {
        table = readDelimited(decodeText(bytes), choice, (data[0] & 1) ? ',' : '.');
    } catch (const KelvaneError&) {
        return 0;
    }
    check(table.columnCount() <= DelimitedTable::MAX_COLUMNS);
    check(table.rows.size() == table.rowLines.size());
    if (choice.separator)
        check(table.layout.separator == *choice.separator);
    if (choice.headerRows)
        check(table.layout.headerRows == *choice.headerRows);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        check(table.rows[r].size() == table.names.size());
        check(r == 0 || table.rowLines[r] > table.rowLines[r - 1]);
        for (const std::string& cell : table.rows[r])
            check(cell.size() <= RecordLimits::MAX_FIELD_LENGTH && isValidUtf8(cell));
    }
    for (const std::string& name : table.names)
        check(isValidUtf8(name) && name.find('\n') == std::string::npos);
    const std::vector<std::size_t> taken = takenRows(table.rows.size(), {2, 0, 3}, 200);
    check(taken.size() <= 200 && (taken.empty() || taken.back() < table.rows.size()));
    return 0;
}
