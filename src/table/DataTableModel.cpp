#include "table/DataTableModel.h"

#include "table/DataTable.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <utility>

namespace {

// Runs its action when the scope ends, however it ends.
template <class Action> class AtScopeEnd {
public:
    explicit AtScopeEnd(Action action) : action_(std::move(action)) {}
    ~AtScopeEnd() { action_(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

private:
    Action action_;
};

bool isRowCountChoice(int n) {
    const auto& choices = DataTable::ROW_COUNT_CHOICES;
    return std::find(choices.begin(), choices.end(), n) != choices.end();
}

} // namespace

DataTableModel::DataTableModel(DataTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int DataTableModel::summaryRow() const {
    return table_.footerRow() - 1;
}

bool DataTableModel::isDataCell(const QModelIndex& index) const {
    return index.isValid() && index.row() < summaryRow();
}

void DataTableModel::cellsChanged() {
    if (!changingStructure_)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// Model column c shows table column c + 1, so the new table column C is model column C - 1.
void DataTableModel::addColumn(const std::string& name) {
    const int modelColumn = columnCount();
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    beginInsertColumns(QModelIndex(), modelColumn, modelColumn);
    table_.addColumn(name);
    endInsertColumns();
}

void DataTableModel::deleteColumn(int column) {
    if (column < 1 || column >= table_.columnCount())
        return;
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    beginRemoveColumns(QModelIndex(), column - 1, column - 1);
    table_.deleteColumn(column);
    endRemoveColumns();
}

void DataTableModel::renameColumn(int column, const std::string& name) {
    table_.renameColumn(column, name);
    emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
}

// The data rows end where the summary block begins, so rows come and go just above it.
// The table's own ClearFit and re-plot run inside the change and may stop with an error
// (a cell that does not convert); the views are told the change is over either way.
void DataTableModel::setDataRowCount(int n) {
    const int old = table_.dataRowCount();
    if (n == old || !isRowCountChoice(n)) {
        table_.setDataRowCount(n);
        return;
    }
    const QScopedValueRollback<bool> changing(changingStructure_, true);
    const bool grows = n > old;
    if (grows)
        beginInsertRows(QModelIndex(), old, n - 1);
    else
        beginRemoveRows(QModelIndex(), n, old - 1);
    const AtScopeEnd end([this, grows] {
        if (grows)
            endInsertRows();
        else
            endRemoveRows();
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    });
    table_.setDataRowCount(n);
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
