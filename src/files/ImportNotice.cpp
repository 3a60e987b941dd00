#include "files/ImportNotice.h"

#include "table/DataTable.h"

#include <string>

std::optional<UserMessage> importNotice(std::size_t fileLines, int shownRows) {
    const auto shown = static_cast<std::size_t>(shownRows);
    if (fileLines <= shown)
        return std::nullopt;
    const auto largest = static_cast<std::size_t>(DataTable::ROW_COUNT_CHOICES.back());
    std::string text = "The file has " + std::to_string(fileLines) + " rows; the table shows " +
                       std::to_string(shownRows) + ".";
    if (shown < largest)
        text += " Choose a larger number of rows to see the rest.";
    if (fileLines > largest)
        text += " The last " + std::to_string(fileLines - largest) +
                " rows were not imported: the table holds at most " + std::to_string(largest) + ".";
    return UserMessage{text, "Import", MessageIcon::Information, MessageButtons::Ok};
}
