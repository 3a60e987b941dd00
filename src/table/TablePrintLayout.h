#pragma once

#include "table/DataTable.h"

#include <string>
#include <vector>

// The data table laid out on printed pages, for a painter to draw: every cell in page
// pixels with its text and whether it is marked. The table prints as the grid shows it:
// the names row, the row numbers, the data rows and the merged summary block under them.
// Each page carries the title line at the top centre and the date line at the bottom
// left; pages hold as many whole rows as fit, the summary block is never split, and a
// table wider than the page continues on further pages, column by column. The names row
// and the row-number column are printed once, not repeated on later pages.

struct PrintRect {
    int x = 0, y = 0, width = 0, height = 0;

    bool operator==(const PrintRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct PrintCell {
    int column = 0, row = 0; // in the table: row 0 the names, column 0 the row numbers
    PrintRect rect;
    std::string text;
    bool fixed = false;  // a name or a row number
    bool marked = false; // the X or Y cell of a row a shown fit used (bold on light green)
};

struct PrintPage {
    std::vector<PrintCell> cells;
};

// The page in printer pixels: the printable area and the margins inside it. The title
// line sits `titleSpacing` above the table's top, the date line in the bottom margin.
struct PrintFrame {
    int width = 0, height = 0;
    int left = 0, right = 0, top = 0, bottom = 0;
    int titleSpacing = 0;
    int lineHeight = 0;
    int rowHeight = 0;
    std::vector<int> columnWidths; // one per table column, the row numbers' first
};

struct TablePrintLayout {
    PrintRect titleRect; // the title is centred in it
    PrintRect dateRect;  // the date line is left-aligned in it
    std::vector<PrintPage> pages;
};

// What is marked follows the print marking rule: the selection selectionTop..
// selectionBottom, a fit shown, the X and Y columns of `roles`.
struct PrintMarks {
    ColumnRoles roles;
    int selectionTop = 0;
    int selectionBottom = 0;
    bool fitShown = false;
};

TablePrintLayout layOutTable(const DataTable& table, const PrintMarks& marks,
                             const PrintFrame& frame);

// "dd/mm/yyyy hh:mm", the date and time at the bottom of every printed page.
std::string printDateLine(int day, int month, int year, int hour, int minute);
