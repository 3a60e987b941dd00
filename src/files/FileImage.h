#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// The file image: a document laid out as a table of text cells the way a data file
// stores it. Columns 1 and up hold the data table's names (row 0) and cells, column 0
// the settings. Encoded, it is one header record and one record for each cell that is
// not empty, column by column. Only those cells are held, so a wide image with little in
// it costs little.
class FileImage {
public:
    // The names row and the 200 data rows of the largest table.
    static constexpr int ROW_COUNT = 201;
    // Far more than a lab table has. The bound keeps a damaged header from sizing an image
    // of millions of cells.
    static constexpr int MOST_COLUMNS = 1024;

    // Every cell empty. columnCount is 1..MOST_COLUMNS, rowCount 1..ROW_COUNT.
    explicit FileImage(int columnCount, int rowCount = ROW_COUNT);

    int columnCount() const { return columnCount_; }
    int rowCount() const { return rowCount_; }
    // Cells outside the image are empty and cannot be set.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // The cells that are not empty, keyed by (column, row): column by column.
    const std::map<std::pair<int, int>, std::string>& filledCells() const { return cells_; }

    bool operator==(const FileImage& o) const;
    bool operator!=(const FileImage& o) const { return !(*this == o); }

private:
    bool contains(int column, int row) const;

    int columnCount_;
    int rowCount_;
    std::map<std::pair<int, int>, std::string> cells_;
};

// The bytes of a data file. `id` names the writing window; it means nothing to a reader.
std::string encodeFileImage(const FileImage& image, std::int32_t id);

// The image a data file holds, checked throughout: the records, their properties and
// the tags of their values, the header's size against the bounds, and every cell inside
// it. Throws KelvaneError with the reader's message; a header that says the grid is not
// complete or a cell with properties of its own are refused, as the program never writes
// them.
FileImage decodeFileImage(std::string_view bytes);
