#include "files/TextTableFile.h"

#include "common/KelvaneError.h"
#include "table/DataTable.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// The file's text, or nullopt when it holds more than MOST_TEXT_BYTES.
std::optional<std::string> boundedText(std::istream& in) {
    std::string text;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MOST_TEXT_BYTES)
            return std::nullopt;
    }
    return text;
}

} // namespace

TextTable readTextTableFile(const std::string& path, std::size_t mostRows) {
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
        throw KelvaneError("The file is larger than " + std::to_string(MOST_TEXT_BYTES >> 20) +
                           " MB; no table Kelvane holds is that large.");
    std::istringstream stream(*content);
    TextTable text = readTextTable(stream, mostRows);
    // The first line fixes the columns; a table without any has nothing to show.
    if (text.columnCount == 0)
        throw KelvaneError("The file holds no table: its first line has no values.");
    return text;
}
