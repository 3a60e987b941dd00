#include "graph/GraphTypeChecks.h"

#include "table/NumberText.h"

#include <string>

namespace {

UserMessage doh(std::string text) {
    return {std::move(text), "Doh!", MessageIcon::Stop, MessageButtons::Ok};
}

// The refusal for a cell of `axis` a logarithmic axis cannot show.
UserMessage refusalFor(GraphType type, PlotAxis axis) {
    if (type == GraphType::SemiLog)
        return doh("Y values must be > 0 on a Semi-Log graph.");
    return doh(axis == PlotAxis::X ? "X values must be > 0 on a Log-Log graph."
                                   : "Y values must be > 0 on a Log-Log graph.");
}

} // namespace

std::optional<UserMessage> graphTypeRefusal(const DataTable& table, const ColumnRoles& roles,
                                            GraphType type) {
    const char separator = table.decimalSeparator();
    for (int row = 1; row < table.footerRow(); ++row) {
        for (PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
            const int column = axis == PlotAxis::X ? roles.x : roles.y;
            if (!isLogarithmic(type, axis) || !table.isFilled(column, row))
                continue;
            if (!isPositiveNumber(table.cellText(column, row), separator))
                return refusalFor(type, axis);
        }
    }
    return std::nullopt;
}
