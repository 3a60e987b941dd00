#include "table/DataTable.h"

#include "table/NumberText.h"

#include <algorithm>

DataTable::DataTable(char decimalSeparator) : decimalSeparator_(decimalSeparator) {
    resetTable();
}

std::string DataTable::cellText(int column, int row) const {
    if (column == 0) {
        if (row >= 1 && row <= dataRowCount_)
            return std::to_string(row);
        if (row == footerRow())
            return summaryText_;
        return {};
    }
    if (column < 1 || column >= columnCount())
        return {};
    const Column& col = columns_[column - 1];
    if (row == 0)
        return col.name;
    if (row < 1 || row > dataRowCount_ || row > static_cast<int>(col.cells.size()))
        return {};
    return col.cells[row - 1];
}

std::string DataTable::keptCellText(int column, int row) const {
    if (column < 1 || column >= columnCount() || row < 1)
        return {};
    const Column& col = columns_[column - 1];
    if (row > static_cast<int>(col.cells.size()))
        return {};
    return col.cells[row - 1];
}

void DataTable::setCellText(int column, int row, const std::string& text) {
    if (column == 0) {
        if (row == footerRow())
            summaryText_ = text;
        return; // the row numbers are derived
    }
    if (column < 1 || column >= columnCount())
        return;
    Column& col = columns_[column - 1];
    if (row == 0) {
        col.name = text;
        return;
    }
    if (row < 1 || row > dataRowCount_)
        return;
    if (static_cast<int>(col.cells.size()) < row)
        col.cells.resize(row);
    col.cells[row - 1] = text;
}

int DataTable::findColumn(const std::string& name) const {
    for (int c = 1; c < columnCount(); ++c)
        if (columnName(c) == name)
            return c;
    return -1;
}

int DataTable::countPlottedRows(const ColumnRoles& roles) const {
    int count = 0;
    for (int row = 1; row < footerRow(); ++row)
        if (isFilled(roles.x, row) && isFilled(roles.y, row))
            ++count;
    return count;
}

long double DataTable::parseNumber(const std::string& text) const {
    return ::parseNumber(text, decimalSeparator_);
}

long double DataTable::cellNumber(int column, int row) const {
    return parseNumber(cellText(column, row));
}

int DataTable::decimalPointCount(const std::string& text) {
    return ::decimalPointCount(text);
}

std::optional<std::pair<int, int>> DataTable::findCellWithExtraPoints(int firstRow,
                                                                      int endRow) const {
    for (int column = 1; column < columnCount(); ++column)
        for (int row = firstRow; row < endRow; ++row)
            if (decimalPointCount(cellText(column, row)) >= 2)
                return std::make_pair(column, row);
    return std::nullopt;
}

void DataTable::addColumn(const std::string& name) {
    columns_.push_back(Column{name, {}});
}

void DataTable::deleteColumn(int column) {
    if (column < 1 || column >= columnCount())
        return;
    columns_.erase(columns_.begin() + (column - 1));
}

void DataTable::renameColumn(int column, const std::string& name) {
    if (column >= 1 && column < columnCount())
        columns_[column - 1].name = name;
}

bool DataTable::isRowCountChoice(int n) {
    return std::find(ROW_COUNT_CHOICES.begin(), ROW_COUNT_CHOICES.end(), n) !=
           ROW_COUNT_CHOICES.end();
}

void DataTable::setDataRowCount(int n) {
    if (!isRowCountChoice(n))
        return; // the row-count commands and the file reader only pass the choices
    dataRowCount_ = n;
    summaryText_.clear();
}

void DataTable::setLongRowCount(int n) {
    if (n < 1 || n > MOST_LONG_ROWS)
        return;
    dataRowCount_ = n;
    summaryText_.clear();
}

void DataTable::clearCells() {
    for (Column& column : columns_)
        column.cells.clear();
}

void DataTable::resetTable() {
    summaryText_.clear();
    columns_.clear();
    columns_.push_back(Column{"X", {}});
    columns_.push_back(Column{"Y", {}});
    dataRowCount_ = DEFAULT_ROW_COUNT;
}

// Cells past the last text of a column are empty whether or not they were
// ever stored.
bool DataTable::Column::operator==(const Column& o) const {
    if (name != o.name)
        return false;
    const std::size_t common = std::min(cells.size(), o.cells.size());
    const auto emptyFrom = [](const std::vector<std::string>& v, std::size_t from) {
        return std::all_of(v.begin() + static_cast<std::ptrdiff_t>(from), v.end(),
                           [](const std::string& t) { return t.empty(); });
    };
    return std::equal(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(common),
                      o.cells.begin()) &&
           emptyFrom(cells, common) && emptyFrom(o.cells, common);
}

bool DataTable::operator==(const DataTable& o) const {
    return decimalSeparator_ == o.decimalSeparator_ && dataRowCount_ == o.dataRowCount_ &&
           columns_ == o.columns_ && summaryText_ == o.summaryText_;
}
