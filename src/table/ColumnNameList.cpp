#include "table/ColumnNameList.h"

#include "table/DataTable.h"

#include <QComboBox>

void fillWithColumnNames(QComboBox& list, const DataTable& table) {
    list.clear();
    for (int column = 1; column < table.columnCount(); ++column)
        list.addItem(QString::fromStdString(table.columnName(column)));
    list.setCurrentIndex(-1);
}
