#include "files/TextTableFill.h"

#include <algorithm>

namespace {

void setDataColumnCount(DataTable& table, int dataColumns) {
    while (table.columnCount() - 1 > dataColumns)
        table.deleteColumn(table.columnCount() - 1);
    while (table.columnCount() - 1 < dataColumns)
        table.addColumn("");
}

} // namespace

void fillTableFromText(DataTable& table, const TextTable& text) {
    table.clearCells();
    setDataColumnCount(table, text.columnCount);
    const int shown = table.dataRowCount();
    // A long table (kelvane-fit's) holds every row in sight.
    const int largest = std::max(DataTable::ROW_COUNT_CHOICES.back(), shown);
    table.setDataRowCount(largest); // the rows beyond the count are written out of sight
    const int rows = std::min(static_cast<int>(text.rows.size()), largest);
    for (int row = 1; row <= rows; ++row) {
        const std::vector<std::string>& values = text.rows[static_cast<std::size_t>(row - 1)];
        for (std::size_t column = 0; column < values.size(); ++column)
            table.setCellText(static_cast<int>(column) + 1, row, values[column]);
    }
    table.setDataRowCount(shown);
}
