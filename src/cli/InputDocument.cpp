#include "cli/InputDocument.h"

#include "common/KelvaneError.h"
#include "files/DocumentFile.h"
#include "files/TextTableFile.h"
#include "files/TextTableFill.h"

#include <fstream>

namespace {

// Every record of a Kelvane document starts with this signature, the first
// one at the very beginning of the file.
constexpr const char* DOCUMENT_SIGNATURE = "TPF0";

constexpr int MOST_ROWS = DataTable::ROW_COUNT_CHOICES.back();

bool startsAsDocument(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char start[4] = {};
    in.read(start, sizeof start);
    return in.gcount() == sizeof start && std::string(start, sizeof start) == DOCUMENT_SIGNATURE;
}

// The smallest row count of the window's choices that holds every line.
int rowCountFor(std::size_t lines) {
    for (int choice : DataTable::ROW_COUNT_CHOICES)
        if (static_cast<std::size_t>(choice) >= lines)
            return choice;
    return MOST_ROWS;
}

} // namespace

Document loadInputDocument(const std::string& path, int mostTextRows) {
    // The window's document, with the settings it was saved with.
    if (startsAsDocument(path))
        return documentFrom(readDocumentFile(path), Document());
    const TextTable text = readTextTableFile(path, static_cast<std::size_t>(mostTextRows));
    // Rows beyond the window's table would be fitted here and nowhere else, but for a
    // user's law, which kelvane-fit fits to long tables too.
    if (text.truncated)
        throw KelvaneError("The table has more than " + std::to_string(mostTextRows) +
                           " rows; Kelvane's table holds at most " + std::to_string(mostTextRows) +
                           ".");
    Document document;
    if (text.rows.size() > static_cast<std::size_t>(MOST_ROWS))
        document.table.setLongRowCount(static_cast<int>(text.rows.size()));
    else
        document.table.setDataRowCount(rowCountFor(text.rows.size()));
    fillTableFromText(document.table, text);
    return document;
}
