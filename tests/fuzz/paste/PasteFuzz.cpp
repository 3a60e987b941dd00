// The paste of clipboard text on arbitrary input. The first four bytes place the selection
// in a table of up to 12 columns and 200 rows (left, top, width, height) and the fifth cuts
// the text into pieces of that many bytes, as a large clipboard is read. Besides crashes and
// undefined behaviour it stops when reading in pieces reads other cells than reading the
// whole text, when more lines or cells are read than the table can place, or when a write
// lands outside the data cells or outside both the selection and the reach of the paste.

#include "table/ClipboardText.h"
#include "table/PastePlan.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr int COLUMNS = 12;
constexpr int ROWS = 200;
constexpr std::size_t SETTINGS = 5;

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < SETTINGS)
        return 0;
    const CellRect editable{1, 1, COLUMNS, ROWS};
    CellRect selection;
    selection.left = 1 + data[0] % COLUMNS;
    selection.top = 1 + data[1] % ROWS;
    selection.right = std::min(COLUMNS, selection.left + data[2] % COLUMNS);
    selection.bottom = std::min(ROWS, selection.top + data[3] % ROWS);
    const std::size_t piece = 1 + data[4] % 16;
    const std::string_view text(reinterpret_cast<const char*>(data) + SETTINGS, size - SETTINGS);

    const CellRect reach = pasteReach(selection, editable);
    const PasteTextReader::Rows whole = PasteTextReader::split(text, reach.height(), reach.width());
    PasteTextReader reader(reach.height(), reach.width());
    for (std::size_t at = 0; at < text.size() && reader.read(text.substr(at, piece)); at += piece) {
    }
    check(reader.finish() == whole);
    check(whole.size() <= static_cast<std::size_t>(reach.height()));
    for (const auto& line : whole)
        check(line.size() <= static_cast<std::size_t>(reach.width()));

    SeriesFormats formats;
    formats.shortDatePattern = "M/d/yy";
    for (const CellWrite& write : planPaste(whole, selection, editable, formats)) {
        check(editable.contains(write.column, write.row));
        check(selection.contains(write.column, write.row) ||
              reach.contains(write.column, write.row));
    }
    return 0;
}
