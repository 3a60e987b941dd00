#include "formula/ComputedColumn.h"

#include "common/FormatGeneral.h"
#include "fitctl/FitMessages.h"

namespace {

constexpr int RESULT_DIGITS = 15;

UserMessage stop(const std::string& text, const std::string& caption) {
    return {text, caption, MessageIcon::Stop, MessageButtons::Ok};
}

// Every occurrence of `reference`, from the left, replaced by `variable`.
std::string replaceReference(const std::string& text, const std::string& reference,
                             const std::string& variable) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(reference); at != std::string::npos;
         at = text.find(reference, from)) {
        out.append(text, from, at - from);
        if (!out.empty() && Equation::isNameCharacter(out.back()))
            out += ' ';
        out += variable;
        from = at + reference.size();
        if (from < text.size() && Equation::isNameCharacter(text[from]))
            out += ' ';
    }
    out.append(text, from, std::string::npos);
    return out;
}

bool isEmptyRow(const DataTable& table, int row) {
    for (int column = 1; column < table.columnCount(); ++column)
        if (table.isFilled(column, row))
            return false;
    return true;
}

double cellValue(const DataTable& table, int column, int row) {
    if (!table.isFilled(column, row))
        return 0.0;
    return static_cast<double>(table.cellNumber(column, row));
}

} // namespace

std::string variableName(int column) {
    return std::string(static_cast<std::size_t>(column + 2), 'A');
}

std::string variableList(const DataTable& table) {
    std::string list;
    for (int column = 1; column < table.columnCount(); ++column)
        list += (column > 1 ? "," : "") + variableName(column);
    return list;
}

std::string trimmedName(const std::string& name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::string columnReference(const std::string& name) {
    return '"' + trimmedName(name) + '"';
}

std::vector<std::string> columnReferences(const DataTable& table) {
    std::vector<std::string> references;
    for (int column = 1; column < table.columnCount(); ++column)
        references.push_back(columnReference(table.columnName(column)));
    return references;
}

std::string translateEquation(const std::string& equation,
                              const std::vector<std::string>& references) {
    std::string text = equation;
    for (std::size_t i = 0; i < references.size(); ++i)
        text = replaceReference(text, references[i], variableName(static_cast<int>(i) + 1));
    return text;
}

std::optional<UserMessage> extraDecimalPointsRefusal(const DataTable& table) {
    if (!table.findCellWithExtraPoints(1, table.footerRow()))
        return std::nullopt;
    return tooManyDecimalPointsRefusal();
}

UserMessage blankResultNameRefusal() {
    return stop("Column Name cannot be blank.", "Error");
}

UserMessage overwriteQuestion() {
    return {"Warning. A column with this name already exists. This action will over-write the "
            "existing column. This is not undo-able! Continue?",
            "Warning", MessageIcon::Warning, MessageButtons::YesNo};
}

std::variant<Equation, UserMessage> checkEquation(const std::string& equation,
                                                  const std::vector<std::string>& references,
                                                  const std::string& variables) {
    if (equation.empty())
        return stop(std::string("The ") + EQUATION_LABEL + " equation box is blank!", "ERROR");
    auto parsed = Equation::parse(translateEquation(equation, references), variables);
    if (auto* failure = std::get_if<Equation::ParseFailure>(&parsed))
        return stop(failure->message + " at character " + std::to_string(failure->position + 1) +
                        " in " + EQUATION_LABEL + " function.",
                    "ERROR");
    return std::move(std::get<Equation>(parsed));
}

ColumnResults computeColumn(const DataTable& table, Equation& equation) {
    ColumnResults results;
    std::vector<double> values(static_cast<std::size_t>(equation.variableCount()));
    for (int row = 1; row < table.footerRow(); ++row) {
        if (isEmptyRow(table, row)) {
            results.cells.emplace_back();
            continue;
        }
        for (int i = 0; i < equation.variableCount(); ++i)
            values[static_cast<std::size_t>(i)] =
                equation.usesVariable(i) ? cellValue(table, i + 1, row) : 0.0;
        const std::optional<double> value = equation.evaluate(values);
        if (value) {
            results.cells.push_back(FormatGeneral(*value, RESULT_DIGITS, table.decimalSeparator()));
            continue;
        }
        results.cells.emplace_back(std::string());
        if (results.unevaluatedRows++ == 0)
            results.firstUnevaluatedRow = row;
    }
    return results;
}

std::vector<CellWrite> cellWrites(const ColumnResults& results, int column) {
    std::vector<CellWrite> writes;
    for (std::size_t i = 0; i < results.cells.size(); ++i)
        if (results.cells[i])
            writes.push_back({column, static_cast<int>(i) + 1, *results.cells[i]});
    return writes;
}

std::optional<UserMessage> unevaluatedRowsWarning(const ColumnResults& results) {
    const int n = results.unevaluatedRows;
    if (n == 0)
        return std::nullopt;
    const std::string first = std::to_string(results.firstUnevaluatedRow);
    const std::string text =
        n == 1 ? "1 row could not be evaluated (row " + first + "); its cell was left empty."
               : std::to_string(n) + " rows could not be evaluated (the first is row " + first +
                     "); their cells were left empty.";
    return UserMessage{text, "Warning", MessageIcon::Warning, MessageButtons::Ok};
}
