#include "files/DelimitedImport.h"

#include "files/TextTableFill.h"

#include <algorithm>

int rowCountHolding(std::size_t rows) {
    for (int choice : DataTable::ROW_COUNT_CHOICES)
        if (static_cast<std::size_t>(choice) >= rows)
            return choice;
    return DataTable::ROW_COUNT_CHOICES.back();
}

void fillTableFromDelimited(DataTable& table, const DelimitedTable& text,
                            const std::vector<std::size_t>& rows) {
    TextTable taken;
    taken.columnCount = text.columnCount();
    for (std::size_t row : rows)
        taken.rows.push_back(text.rows[row]);
    taken.lineCount = taken.rows.size();
    table.setDataRowCount(std::max(table.dataRowCount(), rowCountHolding(rows.size())));
    fillTableFromText(table, taken);
    if (text.layout.headerRows > 0)
        for (int column = 1; column <= text.columnCount(); ++column)
            table.renameColumn(column, text.names[static_cast<std::size_t>(column - 1)]);
}
