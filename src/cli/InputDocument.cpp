#include "cli/InputDocument.h"

#include "common/KelvaneError.h"
#include "files/DelimitedFile.h"
#include "files/DelimitedImport.h"
#include "files/DocumentFile.h"

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

bool choosesLayout(const LayoutChoice& choice) {
    return choice.separator || choice.decimalMark || choice.headerRows;
}

} // namespace

Document loadInputDocument(const std::string& path, const LayoutChoice& layout,
                           const RowTake& take, int mostTextRows) {
    // The window's document, with the settings it was saved with.
    if (startsAsDocument(path)) {
        if (choosesLayout(layout))
            throw KelvaneError("--separator, --decimal and --header-rows are for text tables; " +
                               path + " is a Kelvane document.");
        return documentFrom(readDocumentFile(path), Document());
    }
    Document document;
    const DelimitedTable text = readDelimitedFile(path, layout, '.').table;
    // Rows beyond the window's table would be fitted here and nowhere else, but for a
    // user's law, which kelvane-fit fits to long tables too.
    const auto most = static_cast<std::size_t>(mostTextRows);
    const std::vector<std::size_t> rows = takenRows(text.rows.size(), take, most + 1);
    if (rows.size() > most)
        throw KelvaneError("The table has more than " + std::to_string(mostTextRows) +
                           " rows; Kelvane's table holds at most " + std::to_string(mostTextRows) +
                           ".");
    if (rows.size() > static_cast<std::size_t>(MOST_ROWS))
        document.table.setLongRowCount(static_cast<int>(rows.size()));
    fillTableFromDelimited(document.table, text, rows);
    return document;
}
