#include "cli/InputDocument.h"

#include "common/KelvaneError.h"
#include "files/TextTable.h"
#include "files/TextTableFill.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// Every record of a Kelvane document starts with this signature, the first
// one at the very beginning of the file.
constexpr const char* DOCUMENT_SIGNATURE = "TPF0";

constexpr int MOST_ROWS = DataTable::ROW_COUNT_CHOICES.back();

// More than the import keeps of the longest table (every row cut at the
// longest line it reads), so only a file that cannot be a table is cut off.
// Without a limit a device such as /dev/zero, which never ends a line nor the
// text, would be read forever.
constexpr std::size_t MOST_BYTES = 16 * 1024 * 1024;

// The file's text, or nullopt when it holds more than MOST_BYTES.
std::optional<std::string> boundedText(std::istream& in) {
    std::string text;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MOST_BYTES)
            return std::nullopt;
    }
    return text;
}

bool isDocument(const TextTable& text) {
    return !text.rows.empty() && !text.rows.front().empty() &&
           text.rows.front().front().rfind(DOCUMENT_SIGNATURE, 0) == 0;
}

// The smallest row count of the window's choices that holds every line.
int rowCountFor(std::size_t lines) {
    for (int choice : DataTable::ROW_COUNT_CHOICES)
        if (static_cast<std::size_t>(choice) >= lines)
            return choice;
    return MOST_ROWS;
}

} // namespace

Document loadInputDocument(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        throw KelvaneError(FILE_NOT_FOUND);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw KelvaneError(FILE_NOT_FOUND);

    const std::optional<std::string> content = boundedText(in);
    if (in.bad())
        throw KelvaneError(FILE_NOT_FOUND);
    if (!content)
        throw KelvaneError("The file is larger than " + std::to_string(MOST_BYTES >> 20) +
                           " MB; no table Kelvane holds is that large.");
    std::istringstream stream(*content);
    const TextTable text = readTextTable(stream, MOST_ROWS);
    // Read as text, a document would give columns of binary noise.
    if (isDocument(text))
        throw KelvaneError("This is a Kelvane document (.dat); kelvane-fit reads plain-text "
                           "tables only. Export the table as text and fit that file.");
    // The first line fixes the columns; without any, every role would be
    // reported missing as if an option had named a wrong column.
    if (text.columnCount == 0)
        throw KelvaneError("The file holds no table: its first line has no values.");
    // Rows beyond the window's table would be fitted here and nowhere else.
    if (text.truncated)
        throw KelvaneError("The table has more than " + std::to_string(MOST_ROWS) +
                           " rows; Kelvane's table holds at most " + std::to_string(MOST_ROWS) +
                           ".");
    Document document;
    document.table.setDataRowCount(rowCountFor(text.rows.size()));
    fillTableFromText(document.table, text);
    return document;
}
