#include "cli/RowRange.h"

#include "table/DataTable.h"

#include <cctype>

namespace {

// A row number: one to three digits and nothing else, so that neither a sign
// nor a huge number slips through.
std::optional<int> rowNumber(const std::string& text) {
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    return std::stoi(text);
}

} // namespace

std::optional<RowRange> parseRowRange(const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::optional<int> first = rowNumber(text.substr(0, colon));
    const std::optional<int> last = rowNumber(text.substr(colon + 1));
    const int mostRows = DataTable::ROW_COUNT_CHOICES.back();
    if (!first || !last || *first < 1 || *first > *last || *last > mostRows)
        return std::nullopt;
    return RowRange{*first, *last};
}
