#include "cli/ColumnSelection.h"

#include "common/KelvaneError.h"

int columnNumber(const DataTable& table, const ColumnChoice& choice) {
    if (const int* number = std::get_if<int>(&choice))
        return *number;
    const std::string& name = std::get<std::string>(choice);
    int found = -1;
    for (int column = 1; column < table.columnCount(); ++column) {
        if (table.columnName(column) != name)
            continue;
        if (found != -1)
            throw KelvaneError(ambiguousColumnMessage(name));
        found = column;
    }
    if (found == -1)
        throw KelvaneError(unknownColumnMessage(name, table));
    return found;
}

std::string unknownColumnMessage(const std::string& name, const DataTable& table) {
    std::string text = "No column is named \"" + name + "\"; the columns are";
    const char* separator = " ";
    for (int column = 1; column < table.columnCount(); ++column) {
        text += separator + ("\"" + table.columnName(column) + "\"");
        separator = ", ";
    }
    return text + ".";
}

std::string ambiguousColumnMessage(const std::string& name) {
    return "Several columns are named \"" + name + "\": give the column's number.";
}
