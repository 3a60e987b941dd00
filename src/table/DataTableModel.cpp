#include "table/DataTableModel.h"

#include "table/DataTable.h"

DataTableModel::DataTableModel(DataTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int DataTableModel::summaryRow() const {
    return table_.footerRow() - 1;
}

bool DataTableModel::isDataCell(const QModelIndex& index) const {
    return index.isValid() && index.row() < summaryRow();
}

void DataTableModel::cellsChanged() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int DataTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.rowCount() - 1;
}

int DataTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.columnCount() - 1;
}

QVariant DataTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignBottom));
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (isDataCell(index))
        return QString::fromStdString(table_.cellText(tableColumn(index), tableRow(index)));
    if (index.row() == summaryRow() && index.column() == 0)
        return QString::fromStdString(table_.summaryText());
    return {};
}

bool DataTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !isDataCell(index))
        return false;
    const std::string text = value.toString().toStdString();
    const int column = tableColumn(index);
    const int row = tableRow(index);
    if (text == table_.cellText(column, row))
        return true;
    table_.setCellText(column, row, text);
    emit dataChanged(index, index);
    emit cellEdited(column, row);
    return true;
}

QVariant DataTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(table_.columnName(section + 1));
    if (section < summaryRow())
        return QString::fromStdString(table_.cellText(0, section + 1));
    return QString(); // column 0 of the summary block belongs to the block
}

Qt::ItemFlags DataTableModel::flags(const QModelIndex& index) const {
    if (!isDataCell(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
