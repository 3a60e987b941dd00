#include "table/PastePlan.h"

CellRect pasteReach(const CellRect& selection, const CellRect& editable) {
    return {selection.left, selection.top, editable.right, editable.bottom};
}

namespace {

// The selection's cells that can be written, row by row.
std::vector<CellWrite> everyCell(const CellRect& selection, const CellRect& editable,
                                 const std::string& text) {
    std::vector<CellWrite> writes;
    for (int row = selection.top; row <= selection.bottom; ++row)
        for (int column = selection.left; column <= selection.right; ++column)
            if (editable.contains(column, row))
                writes.push_back({column, row, text});
    return writes;
}

} // namespace

std::vector<CellWrite> planPaste(const PasteTextReader::Rows& pasted, const CellRect& selection,
                                 const CellRect& editable, const SeriesFormats& formats) {
    const CellRect reach = pasteReach(selection, editable);
    std::vector<CellWrite> writes;
    for (std::size_t line = 0; line < pasted.size(); ++line)
        for (std::size_t cell = 0; cell < pasted[line].size(); ++cell) {
            const int column = reach.left + int(cell);
            const int row = reach.top + int(line);
            if (reach.contains(column, row))
                writes.push_back({column, row, pasted[line][cell]});
        }
    if (writes.empty() || selection.cellCount() <= int(writes.size()))
        return writes;
    if (writes.size() == 1)
        return everyCell(selection, editable, writes.front().text);
    if (selection.width() != 1 && selection.height() != 1)
        return writes;
    const auto series =
        continueSeries(writes[0].text, writes[1].text, selection.cellCount(), formats);
    if (!series)
        return writes;
    const bool down = selection.width() == 1;
    for (int i = 0; i < selection.cellCount(); ++i) {
        const int column = down ? selection.left : selection.left + i;
        const int row = down ? selection.top + i : selection.top;
        if (editable.contains(column, row))
            writes.push_back({column, row, (*series)[std::size_t(i)]});
    }
    return writes;
}
