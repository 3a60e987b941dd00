#include "document/DocumentEdits.h"

#include <algorithm>

namespace {

Cascade afterSelectionMove(Document& document, bool fitShown) {
    if (fitShown)
        document.modified = true;
    return {fitShown, true};
}

} // namespace

Cascade selectionChanged(Document& document, int top, int bottom, bool fitShown) {
    // The summary block below the data can be selected too, but its rows hold the fit's
    // results, not data: the selection ends at the last data row.
    const int last = document.table.dataRowCount();
    document.selectionTop = std::min(top, last);
    document.selectionBottom = std::min(bottom, last);
    return afterSelectionMove(document, fitShown);
}

Cascade currentCellChanged(Document& document, int row, bool fitShown) {
    if (!document.hasRowSelection())
        return {};
    document.selectionTop = row;
    document.selectionBottom = row;
    return afterSelectionMove(document, fitShown);
}

bool keepSelectionInTable(Document& document, int currentRow) {
    const int last = document.table.dataRowCount();
    if (document.selectionBottom <= last)
        return false;
    document.selectionTop = document.selectionBottom = std::clamp(currentRow, 1, last);
    return true;
}

void deleteColumn(Document& document, int column) {
    if (column < 1 || column >= document.table.columnCount())
        return;
    document.table.deleteColumn(column);
    ColumnRoles& roles = document.roles;
    for (int* role : {&roles.x, &roles.dx, &roles.y, &roles.dy})
        if (*role > column)
            --*role;
}

void renameColumn(Document& document, int column, const std::string& name) {
    const std::string oldName = document.table.columnName(column);
    for (std::string* title : {&document.xAxisTitle, &document.yAxisTitle})
        if (*title == oldName)
            *title = name;
    document.table.renameColumn(column, name);
}

void keepRolesInTable(Document& document) {
    const int dataColumns = document.table.columnCount() - 1;
    const auto outside = [dataColumns](int column) { return column < 1 || column > dataColumns; };
    ColumnRoles& roles = document.roles;
    for (int* uncertainty : {&roles.dx, &roles.dy})
        if (*uncertainty != -1 && outside(*uncertainty))
            *uncertainty = -1;
    if (outside(roles.x))
        roles.x = 1;
    if (outside(roles.y))
        roles.y = std::min(2, dataColumns);
}

Cascade chooseColumns(Document& document, const ColumnRoles& roles) {
    document.roles = roles;
    document.xAxisTitle = document.table.columnName(roles.x);
    document.yAxisTitle = document.table.columnName(roles.y);
    document.modified = true;
    return {true, true};
}
