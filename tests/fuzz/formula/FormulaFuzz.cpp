// libFuzzer target: arbitrary equation text over a small table, through the translation of
// column references, the parser and the row loop. Besides crashes and undefined behaviour
// it stops on results the table could not take back: every text written into a cell must
// convert with the table's own number rule, and exactly the rows without data are skipped.
//
// Input: a text of lines. The last line is the equation; the first line, when there are
// more, names the columns (separated by tabs; a leading ',' makes ',' the table's decimal
// separator) and each line between holds one row's cells, separated by tabs.

#include "common/KelvaneError.h"
#include "formula/ComputedColumn.h"
#include "table/NumberText.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int MOST_COLUMNS = 5;
constexpr int MOST_ROWS = 8;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

DataTable tableFrom(const std::vector<std::string>& lines) {
    const bool comma = lines.size() > 1 && !lines[0].empty() && lines[0][0] == ',';
    DataTable table(comma ? ',' : '.');
    if (lines.size() < 2)
        return table;
    const std::vector<std::string> names = split(lines[0].substr(comma ? 1 : 0), '\t');
    for (std::size_t c = 0; c < names.size() && c < MOST_COLUMNS; ++c) {
        if (table.columnCount() - 1 <= static_cast<int>(c))
            table.addColumn(names[c]);
        else
            table.renameColumn(static_cast<int>(c) + 1, names[c]);
    }
    for (std::size_t r = 1; r + 1 < lines.size() && r <= MOST_ROWS; ++r) {
        const std::vector<std::string> cells = split(lines[r], '\t');
        for (std::size_t c = 0; c < cells.size() && c + 1 < std::size_t(table.columnCount()); ++c)
            table.setCellText(static_cast<int>(c) + 1, static_cast<int>(r), cells[c]);
    }
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = split(text, '\n');
    if (lines.empty())
        lines.emplace_back();
    const std::string equation = lines.back();
    const DataTable table = tableFrom(lines);

    auto checked = checkEquation(equation, columnReferences(table), variableList(table));
    if (const auto* refusal = std::get_if<UserMessage>(&checked)) {
        check(!refusal->text.empty());
        return 0;
    }
    ColumnResults results;
    try {
        results = computeColumn(table, std::get<Equation>(checked));
    } catch (const KelvaneError&) {
        return 0; // a cell that is no number: nothing is written
    }
    check(static_cast<int>(results.cells.size()) == table.dataRowCount());
    int empty = 0;
    for (int row = 1; row <= table.dataRowCount(); ++row) {
        const auto& cell = results.cells[static_cast<std::size_t>(row - 1)];
        bool hasData = false;
        for (int c = 1; c < table.columnCount(); ++c)
            hasData = hasData || table.isFilled(c, row);
        check(cell.has_value() == hasData);
        if (!cell)
            continue;
        if (cell->empty()) {
            ++empty;
            continue;
        }
        try {
            parseNumber(*cell, table.decimalSeparator());
        } catch (const KelvaneError&) {
            check(false);
        }
    }
    check(empty == results.unevaluatedRows);
    check((empty == 0) == (results.firstUnevaluatedRow == 0));
    return 0;
}
