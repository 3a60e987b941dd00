#include "table/TablePrintLayout.h"

#include "table/PrintMarking.h"

#include <algorithm>
#include <cstdio>

namespace {

// A run of rows printed as one piece: a single row, or the summary block, which is merged
// and so never split between pages.
struct RowUnit {
    int firstRow;
    int rows;
};

// Consecutive pieces that fit one after the other into `room`; each group holds at least
// one piece, so a piece larger than the room still prints, alone.
template <class Size> std::vector<std::vector<int>> groupsFitting(int count, int room, Size size) {
    std::vector<std::vector<int>> groups;
    int used = 0;
    for (int i = 0; i < count; ++i) {
        const int s = size(i);
        if (groups.empty() || used + s > room) {
            groups.emplace_back();
            used = 0;
        }
        groups.back().push_back(i);
        used += s;
    }
    return groups;
}

std::vector<RowUnit> rowUnits(const DataTable& table) {
    std::vector<RowUnit> units;
    for (int row = 0; row < table.footerRow(); ++row)
        units.push_back({row, 1});
    units.push_back({table.footerRow(), DataTable::SUMMARY_ROWS});
    return units;
}

PrintCell cellOf(const DataTable& table, const PrintMarks& marks, int column, int row,
                 const PrintRect& rect) {
    PrintCell cell;
    cell.column = column;
    cell.row = row;
    cell.rect = rect;
    cell.fixed = column == 0 || row == 0;
    // The summary's text starts in the first data column, as on screen.
    cell.text = row == table.footerRow() ? (column == 1 ? table.summaryText() : std::string())
                                         : table.cellText(column, row);
    cell.marked = !cell.fixed && isPrintMarked(column, row, marks.roles, marks.selectionTop,
                                               marks.selectionBottom, marks.fitShown);
    return cell;
}

// The cells of one band of columns and one group of rows, the band centred across the
// space between the side margins.
PrintPage pageOf(const DataTable& table, const PrintMarks& marks, const PrintFrame& frame,
                 const std::vector<int>& band, const std::vector<RowUnit>& units) {
    int bandWidth = 0;
    for (const int column : band)
        bandWidth += frame.columnWidths[column];
    const int room = frame.width - frame.left - frame.right;
    const int left = frame.left + (room - bandWidth) / 2;

    PrintPage page;
    int y = frame.top;
    for (const RowUnit& unit : units) {
        const int height = unit.rows * frame.rowHeight;
        int x = left;
        int summaryLeft = -1;
        for (const int column : band) {
            const int width = frame.columnWidths[column];
            if (unit.rows > 1 && column > 0) {
                if (summaryLeft < 0)
                    summaryLeft = x;
            } else {
                page.cells.push_back(
                    cellOf(table, marks, column, unit.firstRow, {x, y, width, height}));
            }
            x += width;
        }
        if (summaryLeft >= 0)
            page.cells.push_back(cellOf(table, marks, band[band.front() == 0 ? 1 : 0],
                                        unit.firstRow, {summaryLeft, y, x - summaryLeft, height}));
        y += height;
    }
    return page;
}

} // namespace

TablePrintLayout layOutTable(const DataTable& table, const PrintMarks& marks,
                             const PrintFrame& frame) {
    TablePrintLayout layout;
    const int room = frame.width - frame.left - frame.right;
    layout.titleRect = {frame.left, std::max(0, frame.top - frame.titleSpacing - frame.lineHeight),
                        room, frame.lineHeight};
    layout.dateRect = {frame.left, frame.height - frame.bottom, room, frame.lineHeight};

    const auto columnCount = static_cast<int>(frame.columnWidths.size());
    const auto bands = groupsFitting(columnCount, room,
                                     [&frame](int column) { return frame.columnWidths[column]; });
    const std::vector<RowUnit> units = rowUnits(table);
    const auto rowGroups =
        groupsFitting(static_cast<int>(units.size()), frame.height - frame.top - frame.bottom,
                      [&](int i) { return units[i].rows * frame.rowHeight; });

    // Down the table first, then across: the fixed row and column print only where the
    // table begins.
    for (const auto& band : bands)
        for (const auto& group : rowGroups) {
            std::vector<RowUnit> pageUnits;
            for (const int i : group)
                pageUnits.push_back(units[i]);
            layout.pages.push_back(pageOf(table, marks, frame, band, pageUnits));
        }
    return layout;
}

std::string printDateLine(int day, int month, int year, int hour, int minute) {
    char line[40];
    std::snprintf(line, sizeof line, "%02d/%02d/%04d %02d:%02d", day, month, year, hour, minute);
    return line;
}
