#include "cli/ColumnOptions.h"

#include "common/KelvaneError.h"
#include "document/DocumentEdits.h"
#include "formula/ComputedColumn.h"

#include <algorithm>

namespace {

// References match names without their blanks, so an unnamed column or two columns of one
// name could not be told apart in an equation.
void nameColumns(Document& document, const std::vector<std::string>& names) {
    const int columns = document.table.columnCount() - 1;
    if (static_cast<int>(names.size()) > columns)
        throw KelvaneError("--names gives " + std::to_string(names.size()) +
                           " names, but the table has " + std::to_string(columns) +
                           (columns == 1 ? " column." : " columns."));
    std::vector<std::string> given;
    for (const std::string& entry : names) {
        const std::string name = trimmedName(entry);
        if (name.empty())
            throw KelvaneError("--names leaves column " + std::to_string(given.size() + 1) +
                               " without a name.");
        if (std::find(given.begin(), given.end(), name) != given.end())
            throw KelvaneError("--names gives two columns the name " + name + ".");
        given.push_back(name);
    }
    for (std::size_t i = 0; i < given.size(); ++i)
        renameColumn(document, static_cast<int>(i) + 1, given[i]);
}

// The blanks around NAME are the command line's, as in "P = "U"*"I"".
void applyFormula(DataTable& table, const std::string& option, std::vector<std::string>& warnings) {
    const std::size_t equals = option.find('=');
    if (equals == std::string::npos)
        throw KelvaneError("--column takes NAME=EQUATION, not " + option);
    const std::string name = trimmedName(option.substr(0, equals));
    if (name.empty())
        throw KelvaneError(blankResultNameRefusal().text);
    auto checked =
        checkEquation(option.substr(equals + 1), columnReferences(table), variableList(table));
    if (const auto* refusal = std::get_if<UserMessage>(&checked))
        throw KelvaneError(refusal->text);
    const ColumnResults results = computeColumn(table, std::get<Equation>(checked));
    int column = table.findColumn(name);
    if (column == -1) {
        table.addColumn(name);
        column = table.columnCount() - 1;
    }
    for (const CellWrite& write : cellWrites(results, column))
        table.setCellText(write.column, write.row, write.text);
    if (const auto warning = unevaluatedRowsWarning(results))
        warnings.push_back(warning->text);
}

} // namespace

std::optional<std::string> applyColumnOptions(Document& document,
                                              const std::vector<std::string>& names,
                                              const std::vector<std::string>& formulas,
                                              std::vector<std::string>& warnings) {
    try {
        nameColumns(document, names);
        if (formulas.empty())
            return std::nullopt;
        if (const auto refusal = extraDecimalPointsRefusal(document.table))
            return refusal->text;
        for (const std::string& formula : formulas)
            applyFormula(document.table, formula, warnings);
    } catch (const KelvaneError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}
