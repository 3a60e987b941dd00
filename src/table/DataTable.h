#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Which columns of the table are X, dX, Y and dY for the graph and the fit.
// dx and dy are -1 when the document has no such column.
struct ColumnRoles {
    int x = 1;
    int dx = -1;
    int y = 2;
    int dy = -1;

    bool operator==(const ColumnRoles& o) const {
        return x == o.x && dx == o.dx && y == o.y && dy == o.dy;
    }
    bool operator!=(const ColumnRoles& o) const { return !(*this == o); }
};

// The document's table of text cells. Row 0 holds the column names, column 0
// the row numbers, rows 1..dataRowCount() the data, and the SUMMARY_ROWS rows
// from footerRow() down form the merged summary block. Cells hold text only;
// values are converted when they are used. The roles, the selection and the
// rest of the document live beside the table in Document; nothing here calls
// out of the table.
class DataTable {
public:
    static constexpr int SUMMARY_ROWS = 5;
    static constexpr int DEFAULT_ROW_COUNT = 30;
    static constexpr std::array<int, 9> ROW_COUNT_CHOICES = {30,  60,  80,  100, 120,
                                                             140, 160, 180, 200};

    explicit DataTable(char decimalSeparator = '.');

    static bool isRowCountChoice(int n);

    char decimalSeparator() const { return decimalSeparator_; }

    // Geometry.
    int dataRowCount() const { return dataRowCount_; }
    int footerRow() const { return dataRowCount_ + 1; }
    int rowCount() const { return dataRowCount_ + 1 + SUMMARY_ROWS; }
    int columnCount() const { return static_cast<int>(columns_.size()) + 1; }

    // Cell access; columns and rows are 0-based as shown in the grid.
    std::string cellText(int column, int row) const;
    void setCellText(int column, int row, const std::string& text);
    std::string columnName(int column) const { return cellText(column, 0); }
    // A data cell's text whether or not its row is within the row count: the rows out of
    // sight are part of the document, which Save keeps. Rows 1..ROW_COUNT_CHOICES.back().
    std::string keptCellText(int column, int row) const;
    int findColumn(const std::string& name) const;
    bool isFilled(int column, int row) const { return !cellText(column, row).empty(); }
    // Rows whose X and Y cells are both filled.
    int countPlottedRows(const ColumnRoles& roles) const;
    long double parseNumber(const std::string& text) const;
    long double cellNumber(int column, int row) const;
    static int decimalPointCount(const std::string& text);
    // The first cell (column, row) of the data columns, rows firstRow..endRow-1,
    // with two or more decimal points.
    std::optional<std::pair<int, int>> findCellWithExtraPoints(int firstRow, int endRow) const;

    // Structure changes. Deleting a column leaves the roles to the document,
    // which moves those behind it.
    void addColumn(const std::string& name);
    void deleteColumn(int column);
    void renameColumn(int column, const std::string& name);
    // Ignores a count that is not one of ROW_COUNT_CHOICES. Empties the
    // summary block, which belongs to a fit of the rows before.
    void setDataRowCount(int n);
    // kelvane-fit fits a user's law to a table as long as its file, up to MOST_LONG_ROWS
    // rows (1..MOST_LONG_ROWS; others are ignored); the window never shows such a table.
    static constexpr int MOST_LONG_ROWS = 100000;
    void setLongRowCount(int n);
    void resetTable();
    // Empties every data cell, the rows kept out of sight too; the names stay.
    void clearCells();
    void setSummaryText(const std::string& text) { summaryText_ = text; }
    const std::string& summaryText() const { return summaryText_; }

    // Same cells (the rows kept out of sight too), names, row count and summary.
    bool operator==(const DataTable& o) const;
    bool operator!=(const DataTable& o) const { return !(*this == o); }

private:
    struct Column {
        std::string name;
        // Data rows 1..n are stored at index 0..n-1. Rows beyond the current
        // row count are kept out of sight, so lowering the count by mistake
        // loses nothing; resetTable() discards them.
        std::vector<std::string> cells;

        bool operator==(const Column& o) const;
    };

    char decimalSeparator_;
    int dataRowCount_ = DEFAULT_ROW_COUNT;
    std::vector<Column> columns_; // data columns 1..C-1
    std::string summaryText_;
};
