#pragma once

#include <istream>
#include <string>
#include <vector>

// A plain-text table as the import reads it: one row per line, values
// separated by runs of blanks, no header. The first line fixes the number of
// columns (at most MAX_COLUMNS); every line, empty ones included, is a row.
struct TextTable {
    static constexpr int MAX_COLUMNS = 50;
    // Longer lines are cut here and their rest skipped, so a file without
    // line ends cannot make the reader hold unbounded text.
    static constexpr std::size_t MAX_LINE_LENGTH = 65536;

    int columnCount = 0;
    // rows[i] holds the values of line i + 1, at most columnCount of them.
    std::vector<std::vector<std::string>> rows;
    // True when the file held more lines than the reader was allowed to keep.
    bool truncated = false;
    // Every line of the text, those not kept included.
    std::size_t lineCount = 0;
};

// Splits one line the way the import does: leading blanks and control
// characters are dropped, then values are taken up to each blank, and runs of
// blanks between values count as one. A tab is not a separator.
std::vector<std::string> splitImportLine(const std::string& line, std::size_t maxValues);

// Reads a whole table. A character 26 ends the text; line ends are LF or
// CR LF. Byte sequences that are no UTF-8 character become U+FFFD. At most maxRows rows are kept; later lines set `truncated` and are
// only counted.
TextTable readTextTable(std::istream& in, std::size_t maxRows);
