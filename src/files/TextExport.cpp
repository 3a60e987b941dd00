#include "files/TextExport.h"

namespace {

bool isComplete(const DataTable& table, int row) {
    for (int column = 1; column < table.columnCount(); ++column)
        if (!table.isFilled(column, row))
            return false;
    return true;
}

} // namespace

std::string exportText(const DataTable& table) {
    std::string text;
    bool first = true;
    for (int row = 1; row < table.footerRow(); ++row) {
        if (!isComplete(table, row))
            continue;
        if (!first)
            text += "\r\n";
        first = false;
        for (int column = 1; column < table.columnCount(); ++column) {
            if (column > 1)
                text += ' ';
            text += table.cellText(column, row);
        }
    }
    return text;
}
