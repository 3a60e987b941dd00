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
};

// What the table asks of its owner when a selection change or a new row count
// must remove a shown fit and re-plot. The main window implements it.
class TableHost {
public:
    virtual ~TableHost() = default;
    virtual bool isFitShown() const = 0;
    virtual void ClearFit() = 0;
    virtual void RebuildPlot() = 0;
};

// The document's table of text cells. Row 0 holds the column names, column 0
// the row numbers, rows 1..dataRowCount() the data, and the SUMMARY_ROWS rows
// from footerRow() down form the merged summary block. Cells hold text only;
// values are converted when they are used.
class DataTable {
public:
    static constexpr int SUMMARY_ROWS = 5;
    static constexpr int DEFAULT_ROW_COUNT = 30;
    static constexpr std::array<int, 9> ROW_COUNT_CHOICES = {30, 60, 80, 100, 120,
                                                              140, 160, 180, 200};
    static constexpr const char* DEFAULT_FILE_NAME = "Untitled.dat";

    explicit DataTable(char decimalSeparator = '.');

    void setHost(TableHost* host) { host_ = host; }
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
    int findColumn(const std::string& name) const;
    bool isFilled(int column, int row) const { return !cellText(column, row).empty(); }
    int countPlottedRows() const;
    long double parseNumber(const std::string& text) const;
    long double cellNumber(int column, int row) const;
    static int decimalPointCount(const std::string& text);
    // The first cell (column, row) of the data columns, rows firstRow..endRow-1,
    // with two or more decimal points.
    std::optional<std::pair<int, int>> findCellWithExtraPoints(int firstRow, int endRow) const;

    // Structure changes.
    void addColumn(const std::string& name);
    void deleteColumn(int column);
    void renameColumn(int column, const std::string& name);
    void setDataRowCount(int n);
    void resetTable();
    void setSummaryText(const std::string& text) { summaryText_ = text; }
    const std::string& summaryText() const { return summaryText_; }

    // Selection tracking, called by the grid view.
    void selectionChanged(int top, int bottom);
    void currentCellChanged(int row);

    // Document fields kept with the table.
    ColumnRoles roles;
    int selectionTop = 0;
    int selectionBottom = 0;
    std::string currentFileName = DEFAULT_FILE_NAME;
    bool modified = false;

private:
    struct Column {
        std::string name;
        // Data rows 1..n are stored at index 0..n-1. Rows beyond the current
        // row count are kept out of sight, so lowering the count by mistake
        // loses nothing; resetTable() discards them.
        std::vector<std::string> cells;
    };

    void afterSelectionMove();

    char decimalSeparator_;
    int dataRowCount_ = DEFAULT_ROW_COUNT;
    std::vector<Column> columns_; // data columns 1..C-1
    std::string summaryText_;
    TableHost* host_ = nullptr;
};
