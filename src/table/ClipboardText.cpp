#include "table/ClipboardText.h"

std::string copyText(const DataTable& table, const CellRect& block) {
    std::string text;
    for (int row = block.top; row <= block.bottom; ++row) {
        if (row > block.top)
            text += "\r\n";
        for (int column = block.left; column <= block.right; ++column) {
            if (column > block.left)
                text += '\t';
            text += table.cellText(column, row);
        }
    }
    return text;
}

PasteTextReader::PasteTextReader(int rows, int columns) : maxRows_(rows), maxColumns_(columns) {}

bool PasteTextReader::read(std::string_view piece) {
    for (const char c : piece) {
        if (int(rows_.size()) >= maxRows_)
            return false;
        if (afterCarriageReturn_) {
            afterCarriageReturn_ = false;
            if (c == '\n')
                continue; // the LF of a CR LF pair
        }
        if (c == '\r' || c == '\n') {
            endLine();
            afterCarriageReturn_ = c == '\r';
            continue;
        }
        lineStarted_ = true;
        if (c == '\t')
            endCell();
        else if (column_ < maxColumns_)
            cell_ += c;
    }
    return int(rows_.size()) < maxRows_;
}

PasteTextReader::Rows PasteTextReader::finish() {
    if (lineStarted_ && int(rows_.size()) < maxRows_)
        endLine();
    return std::move(rows_);
}

PasteTextReader::Rows PasteTextReader::split(std::string_view text, int rows, int columns) {
    PasteTextReader reader(rows, columns);
    reader.read(text);
    return reader.finish();
}

void PasteTextReader::endCell() {
    if (column_ < maxColumns_)
        line_.push_back(std::move(cell_));
    cell_.clear();
    ++column_;
}

void PasteTextReader::endLine() {
    endCell();
    rows_.push_back(std::move(line_));
    line_.clear();
    column_ = 0;
    lineStarted_ = false;
}
