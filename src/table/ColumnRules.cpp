#include "table/ColumnRules.h"

namespace {

UserMessage error(const std::string& text, const std::string& caption = "Error") {
    return {text, caption, MessageIcon::Stop, MessageButtons::Ok};
}

std::vector<UserMessage> nameProblems(const DataTable& table, const std::string& name,
                                      const char* blankText) {
    std::vector<UserMessage> problems;
    if (name.empty())
        problems.push_back(error(blankText));
    if (table.findColumn(name) != -1)
        problems.push_back(error("This column name has already been used."));
    return problems;
}

} // namespace

std::vector<UserMessage> newColumnNameProblems(const DataTable& table, const std::string& name) {
    return nameProblems(table, name, "Column Name cannot be blank.");
}

std::vector<UserMessage> renameColumnProblems(const DataTable& table, const std::string& name) {
    return nameProblems(table, name, "Column name cannot be blank.");
}

std::optional<UserMessage> deleteColumnSizeRefusal(const DataTable& table, ErrorMethod method) {
    const int c = table.columnCount();
    const char* text = nullptr;
    switch (method) {
    case ErrorMethod::ESTDY:
        if (c <= 3)
            text = "Cannot delete columns.  A minimum of 2 columns is required for the 'Estimate "
                   "dY' error method.";
        break;
    case ErrorMethod::DYI:
        if (c <= 4)
            text = "Cannot delete columns.  A minimum of 3 columns is required for the 'Y Error "
                   "Bars' error method.";
        break;
    case ErrorMethod::DXIDYI:
        if (c <= 5)
            text = "Cannot delete columns.  A minimum of 4 columns is required for the 'X & Y "
                   "Error Bars' error method.";
        break;
    }
    if (!text)
        return std::nullopt;
    return error(text, "Cannot Delete!");
}

ColumnDeletion decideColumnDeletion(const ColumnRoles& roles, ErrorMethod method, int column) {
    const std::string inUse = "Cannot delete this column. This column is currently being used for ";
    ColumnDeletion d;
    if (column == roles.x) {
        d.refusal = error(inUse + "the X Axis.");
    } else if (column == roles.y) {
        d.refusal = error(inUse + "the Y Axis.");
    } else if (column == roles.dx && method == ErrorMethod::DXIDYI) {
        d.refusal = error(inUse + "the X error bars.");
    } else if (column == roles.dy &&
               (method == ErrorMethod::DYI || method == ErrorMethod::DXIDYI)) {
        // Also when the column is the dX column too: deleting it would leave the Y error
        // bars on whatever column moves into its place.
        d.refusal = error(inUse + "the Y error bars.");
    } else {
        // A column that is both dX and dY loses both roles, so neither points past it.
        d.clearsDx = column == roles.dx;
        d.clearsDy = column == roles.dy;
    }
    return d;
}

UserMessage noColumnChosenRefusal() {
    return error("Select a column to delete or click 'Cancel'.");
}

std::optional<UserMessage> selectColumnsRefusal(ErrorMethod method, int chosenDx, int chosenDy) {
    if (method == ErrorMethod::DYI && chosenDy == -1)
        return error("Please select column for dY", "ERROR");
    if (method == ErrorMethod::DXIDYI && (chosenDy == -1 || chosenDx == -1))
        return error("Please select column for dX and/or dY", "ERROR");
    return std::nullopt;
}
