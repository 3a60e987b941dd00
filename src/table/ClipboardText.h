#pragma once

#include "table/CellRange.h"
#include "table/DataTable.h"

#include <string>
#include <string_view>
#include <vector>

// The plain text of a block of cells on the clipboard: the cells of a row joined by tabs,
// the rows by carriage return and line feed, nothing after the last cell.
std::string copyText(const DataTable& table, const CellRect& block);

// Reads clipboard text into rows of cells, piece by piece, and only as far as the table
// reaches: cells right of `columns` are passed over and reading stops after `rows` lines,
// so a clipboard far larger than the table is neither held nor read to its end. Lines end
// at CR LF, CR or LF (other programs end lines with LF alone); a single line end after the
// last line starts no further row.
class PasteTextReader {
public:
    using Rows = std::vector<std::vector<std::string>>;

    PasteTextReader(int rows, int columns);

    // Takes the next piece of the text; false once the table can take no more lines.
    bool read(std::string_view piece);
    // The rows read; the reader is spent afterwards.
    Rows finish();

    // The whole text at once.
    static Rows split(std::string_view text, int rows, int columns);

private:
    void endCell();
    void endLine();

    int maxRows_;
    int maxColumns_;
    Rows rows_;
    std::vector<std::string> line_;
    std::string cell_;
    int column_ = 0;           // index of the cell being read within its line
    bool lineStarted_ = false; // something other than a line end came since the last one
    bool afterCarriageReturn_ = false;
};
