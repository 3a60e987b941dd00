#include "cli/InputDocument.h"

#include "common/KelvaneError.h"
#include "files/TextTableFile.h"
#include "files/TextTableFill.h"

namespace {

// Every record of a Kelvane document starts with this signature, the first
// one at the very beginning of the file.
constexpr const char* DOCUMENT_SIGNATURE = "TPF0";

constexpr int MOST_ROWS = DataTable::ROW_COUNT_CHOICES.back();

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
    const TextTable text = readTextTableFile(path);
    // Read as text, a document would give columns of binary noise.
    if (isDocument(text))
        throw KelvaneError("This is a Kelvane document (.dat); kelvane-fit reads plain-text "
                           "tables only. Export the table as text and fit that file.");
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
