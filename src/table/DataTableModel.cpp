#include "table/DataTableModel.h"

#include "document/DocumentEdits.h"
#include "table/EntryCheck.h"

#include <QScopedValueRollback>

#include <optional>
#include <utility>

DataTableModel::DataTableModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {}

const DataTable& DataTableModel::table() const {
    return document_.table;
}

int DataTableModel::summaryRow() const {
    return table().footerRow() - 1;
}

bool DataTableModel::isDataCell(const QModelIndex& index) const {
    return index.isValid() && index.row() < summaryRow();
}

CellRect DataTableModel::editableCells() const {
    return {1, 1, table().columnCount() - 1, table().dataRowCount()};
}

void DataTableModel::setSummaryText(const std::string& text) {
    document_.table.setSummaryText(text);
    const QModelIndex block = index(summaryRow(), 0);
    emit dataChanged(block, block);
}

// Model column c shows table column c + 1, so the new table column C is model column C - 1.
void DataTableModel::addColumn(const std::string& name) {
    const int modelColumn = columnCount();
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    beginInsertColumns(QModelIndex(), modelColumn, modelColumn);
    document_.table.addColumn(name);
    endInsertColumns();
}

void DataTableModel::deleteColumn(int column) {
    if (column < 1 || column >= table().columnCount())
        return;
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    beginRemoveColumns(QModelIndex(), column - 1, column - 1);
    ::deleteColumn(document_, column);
    endRemoveColumns();
}

void DataTableModel::renameColumn(int column, const std::string& name) {
    ::renameColumn(document_, column, name);
    emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
}

// The data rows end where the summary block begins, so rows come and go just above it.
// The row count also empties the summary block, so every cell is told of the change.
void DataTableModel::columnNamesChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DataTableModel::setDataRowCount(int n) {
    if (!DataTable::isRowCountChoice(n))
        return;
    const int old = table().dataRowCount();
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    if (n > old) {
        beginInsertRows(QModelIndex(), old, n - 1);
        document_.table.setDataRowCount(n);
        endInsertRows();
    } else if (n < old) {
        beginRemoveRows(QModelIndex(), n, old - 1);
        document_.table.setDataRowCount(n);
        endRemoveRows();
    } else {
        document_.table.setDataRowCount(n);
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void DataTableModel::replaceDocument(Document document) {
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    beginResetModel();
    document_ = std::move(document);
    endResetModel();
}

void DataTableModel::writeCells(const std::vector<CellWrite>& writes) {
    const CellRect editable = editableCells();
    std::optional<CellRect> changed;
    for (const CellWrite& write : writes) {
        if (!editable.contains(write.column, write.row))
            continue;
        document_.table.setCellText(write.column, write.row, write.text);
        const CellRect cell{write.column, write.row, write.column, write.row};
        changed = changed ? changed->united(cell) : cell;
    }
    if (changed)
        emit dataChanged(index(changed->top - 1, changed->left - 1),
                         index(changed->bottom - 1, changed->right - 1));
}

void DataTableModel::clearCells(const CellRect& cells) {
    std::vector<CellWrite> writes;
    for (int row = cells.top; row <= cells.bottom; ++row)
        for (int column = cells.left; column <= cells.right; ++column)
            writes.push_back({column, row, std::string()});
    writeCells(writes);
}

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table().rowCount() - 1;
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table().columnCount() - 1;
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignBottom));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (isDataCell(index))
        return QString::fromStdString(table().cellText(tableColumn(index), tableRow(index)));
    if (index.row() == summaryRow() && index.column() == 0)
        return QString::fromStdString(table().summaryText());
    return {};
}

bool DataTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !isDataCell(index))
        return false;
    const std::string text = value.toString().toStdString();
    const int column = tableColumn(index);
    const int row = tableRow(index);
    if (text == table().cellText(column, row))
        return true;
    if (const auto refusal = entryRefusal(text, column, document_.graphType, document_.roles,
                                          table().decimalSeparator())) {
        emit entryRefused(index, *refusal);
        return false;
    }
    document_.table.setCellText(column, row, text);
    emit dataChanged(index, index);
    emit cellEdited(column, row);
    return true;
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return QStringLiteral("Double-Click to rename column");
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(table().columnName(section + 1));
    if (section < summaryRow())
        return QString::fromStdString(table().cellText(0, section + 1));
    return QString(); // column 0 of the summary block belongs to the block
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& index) const {
    if (!isDataCell(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
