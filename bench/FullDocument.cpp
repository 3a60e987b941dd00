#include "FullDocument.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string numberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// Columns 1 to 4 hold X, dX, Y and dY; a slow exponential with a little scatter keeps every
// fit's uncertainties away from zero. The other columns hold numbers that nothing plots.
double cellValue(int column, int row) {
    const double x = 0.5 * row;
    switch (column) {
    case 1:
        return x;
    case 2:
        return 0.05 + 0.001 * (row % 7);
    case 3:
        return 2 * std::exp(0.01 * x) * (1 + 0.01 * std::sin(row));
    case 4:
        return 0.02 + 0.001 * (row % 5);
    default:
        return 0.37 * column + 1.3 * row;
    }
}

} // namespace

Document fullDocument() {
    Document d;
    DataTable& table = d.table;
    table.setDataRowCount(FULL_ROWS);
    table.renameColumn(1, "X");
    table.renameColumn(2, "dX");
    table.addColumn("Y");
    table.addColumn("dY");
    for (int column = 5; column <= FULL_COLUMNS; ++column)
        table.addColumn("C" + std::to_string(column));
    for (int column = 1; column <= FULL_COLUMNS; ++column)
        for (int row = 1; row <= FULL_ROWS; ++row)
            table.setCellText(column, row, numberText(cellValue(column, row)));
    d.roles = ColumnRoles{1, 2, 3, 4};
    d.errorMethod = ErrorMethod::DXIDYI;
    d.errorBarsShown = true;
    return d;
}
