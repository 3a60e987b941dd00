#include "table/EntryCheck.h"

#include "common/AppInfo.h"
#include "common/KelvaneError.h"
#include "table/NumberText.h"

namespace {

UserMessage stop(std::string text, std::string caption) {
    return {std::move(text), std::move(caption), MessageIcon::Stop, MessageButtons::Ok};
}

// Nothing when the text is a number above 0; otherwise the refusal.
std::optional<UserMessage> positivityRefusal(const std::string& text, char decimalSeparator,
                                             const char* message) {
    try {
        if (parseNumber(text, decimalSeparator) > 0)
            return std::nullopt;
    } catch (const KelvaneError& error) {
        return stop(error.what(), APPLICATION_TITLE);
    }
    return stop(message, "Doh!");
}

} // namespace

std::optional<UserMessage> entryRefusal(const std::string& text, int column, GraphType graphType,
                                        const ColumnRoles& roles, char decimalSeparator) {
    if (graphType == GraphType::SemiLog && column == roles.y)
        if (auto refusal = positivityRefusal(text, decimalSeparator,
                                             "Y values must be > 0 on a Semi-Log graph."))
            return refusal;
    if (graphType == GraphType::LogLog && (column == roles.y || column == roles.x))
        if (auto refusal = positivityRefusal(text, decimalSeparator,
                                             "X and Y values must be > 0 on a Log-Log graph."))
            return refusal;
    if (decimalPointCount(text) >= 2)
        return stop("You have too many decimal points in this cell!", "ERROR");
    return std::nullopt;
}
