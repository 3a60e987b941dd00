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

int DataTable::countPlottedRows() const {
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
    for (int* role : {&roles.x, &roles.dx, &roles.y, &roles.dy})
        if (*role > column)
            --*role;
}

void DataTable::renameColumn(int column, const std::string& name) {
    if (column >= 1 && column < columnCount())
        columns_[column - 1].name = name;
}

void DataTable::setDataRowCount(int n) {
    if (std::find(ROW_COUNT_CHOICES.begin(), ROW_COUNT_CHOICES.end(), n) == ROW_COUNT_CHOICES.end())
        return; // the row-count commands and the file reader only pass the choices
    dataRowCount_ = n;
    if (host_)
        host_->ClearFit();
    summaryText_.clear(); // ClearFit empties the block; without a host it is emptied here
    if (host_)
        host_->RebuildPlot();
}

void DataTable::resetTable() {
    summaryText_.clear();
    columns_.clear();
    columns_.push_back(Column{"X", {}});
    columns_.push_back(Column{"Y", {}});
    roles = ColumnRoles{};
    // Last, so that the ClearFit and re-plot it runs already see the default table.
    setDataRowCount(DEFAULT_ROW_COUNT);
}

void DataTable::selectionChanged(int top, int bottom) {
    selectionTop = top;
    selectionBottom = bottom;
    afterSelectionMove();
}

void DataTable::currentCellChanged(int row) {
    if (selectionTop == selectionBottom)
        return;
    selectionTop = row;
    selectionBottom = row;
    afterSelectionMove();
}

void DataTable::afterSelectionMove() {
    if (host_ && host_->isFitShown()) {
        host_->ClearFit();
        modified = true;
    }
    if (host_)
        host_->RebuildPlot();
}
