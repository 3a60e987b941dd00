#include "files/DelimitedTable.h"

#include "common/KelvaneError.h"
#include "files/DelimitedCells.h"
#include "files/DelimitedLayout.h"
#include "files/DelimitedMessages.h"

#include <algorithm>

namespace {

const std::string& fieldOf(const Record& record, std::size_t column) {
    static const std::string empty;
    return column < record.fields.size() ? record.fields[column] : empty;
}

// Line ends inside a quoted name would break the table's names row.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text)
        line += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

// "(s)" and "[s]" in a units row are the unit s.
std::string unitOf(const std::string& text) {
    std::string unit = oneLine(text);
    if (unit.size() >= 2 && ((unit.front() == '(' && unit.back() == ')') ||
                             (unit.front() == '[' && unit.back() == ']')))
        unit = unit.substr(1, unit.size() - 2);
    return unit;
}

// The header rows as chosen: the names row stays where the detection found it (or the
// first data row becomes it), a units row follows it, and data starts after them.
HeaderPlace chosenHeader(const std::vector<Record>& records, HeaderPlace detected, int headerRows,
                         char decimalMark) {
    HeaderPlace place;
    place.firstData = detected.firstData;
    if (headerRows == 0)
        return place;
    place.names = detected.names.value_or(detected.firstData);
    std::size_t last = *place.names;
    if (headerRows == 2) {
        place.units = detected.units.value_or(*place.names + 1);
        if (*place.units >= records.size())
            throw KelvaneError(noNumericRowsMessage());
        if (isDataRecord(records[*place.units], decimalMark))
            throw KelvaneError(numericUnitsRowMessage(records[*place.units].line));
        last = *place.units;
    }
    place.firstData = std::max(place.firstData, last + 1);
    return place;
}

// The names row fixes the columns, or without one the first data row, as the first line
// does in a plain-text table: values beyond them are left out.
std::size_t columnCountOf(const std::vector<Record>& records, const HeaderPlace& place) {
    const std::size_t fixing = place.names ? *place.names : place.firstData;
    const std::size_t columns = fixing < records.size() ? records[fixing].fields.size() : 0;
    return std::min(columns, static_cast<std::size_t>(DelimitedTable::MAX_COLUMNS));
}

std::vector<std::string> namesOf(const std::vector<Record>& records, const HeaderPlace& place,
                                 std::size_t columns) {
    std::vector<std::string> names(columns);
    if (!place.names)
        return names;
    for (std::size_t c = 0; c < columns; ++c) {
        names[c] = oneLine(fieldOf(records[*place.names], c));
        const std::string unit = place.units ? unitOf(fieldOf(records[*place.units], c)) : "";
        if (!unit.empty())
            names[c] = names[c].empty() ? unit : names[c] + " (" + unit + ")";
    }
    return names;
}

// A column whose data cells are clock times (empty ones apart) holds seconds since its
// first time: small numbers that a fit's intercept and an exponential can live with.
void convertClockColumn(DelimitedTable& table, std::size_t column, char decimalMark,
                        char tableSeparator) {
    std::optional<ClockTime> start;
    for (const auto& row : table.rows) {
        const std::string& cell = row[column];
        if (cell.empty())
            continue;
        const auto time = clockTime(cell, decimalMark);
        if (!time)
            return;
        if (!start)
            start = time;
    }
    if (!start)
        return;
    for (auto& row : table.rows)
        if (!row[column].empty())
            row[column] =
                secondsSince(*start, *clockTime(row[column], decimalMark), tableSeparator);
}

void dropEmptyTrailingColumns(DelimitedTable& table) {
    while (!table.names.empty()) {
        const std::size_t last = table.names.size() - 1;
        const bool empty =
            table.names[last].empty() &&
            std::all_of(table.rows.begin(), table.rows.end(),
                        [last](const std::vector<std::string>& row) { return row[last].empty(); });
        if (!empty)
            return;
        table.names.pop_back();
        for (auto& row : table.rows)
            row.pop_back();
    }
}

} // namespace

DelimitedTable readDelimited(const DecodedText& text, const LayoutChoice& choice,
                             char tableSeparator) {
    DelimitedTable table;
    DelimitedLayout& layout = table.layout;
    layout.encoding = text.encoding;
    layout.separator = choice.separator.value_or(detectSeparator(text.text));
    std::vector<Record> records =
        splitRecords(text.text, layout.separator, RecordLimits::MAX_RECORDS + 1);
    if (records.size() > RecordLimits::MAX_RECORDS)
        throw KelvaneError(tooManyLinesMessage(RecordLimits::MAX_RECORDS));
    layout.decimalMark = choice.decimalMark.value_or(detectDecimalMark(records, layout.separator));
    if (layout.separator == Separator::Comma && layout.decimalMark == ',')
        throw KelvaneError(commaBothWaysMessage());
    const HeaderPlace detected = detectHeader(records, layout.decimalMark);
    layout.headerRows = choice.headerRows.value_or(detected.units ? 2 : detected.names ? 1 : 0);
    const HeaderPlace place =
        chosenHeader(records, detected, layout.headerRows, layout.decimalMark);

    const std::size_t columns = columnCountOf(records, place);
    table.names = namesOf(records, place, columns);
    // Blank lines and padding at the end are no rows.
    const auto blank = [](const Record& record) {
        return std::all_of(record.fields.begin(), record.fields.end(),
                           [](const std::string& field) { return field.empty(); });
    };
    std::size_t end = records.size();
    while (end > place.firstData && blank(records[end - 1]))
        --end;
    if (end <= place.firstData)
        throw KelvaneError(noNumericRowsMessage());
    for (std::size_t r = place.firstData; r < end; ++r) {
        std::vector<std::string>& row = records[r].fields;
        row.resize(columns);
        for (std::string& cell : row)
            if (isFileNumber(cell, layout.decimalMark))
                cell = tableNumber(cell, layout.decimalMark, tableSeparator);
        table.rows.push_back(std::move(row));
        table.rowLines.push_back(records[r].line);
    }
    for (std::size_t c = 0; c < columns; ++c)
        convertClockColumn(table, c, layout.decimalMark, tableSeparator);
    dropEmptyTrailingColumns(table);
    return table;
}
