#pragma once

#include "table/TablePrintLayout.h"

#include <QString>

#include <vector>

class QPrinter;

// How the grid shows the table: its columns' widths (the row numbers' first) and its
// rows' height, in the screen pixels of a screen of `dpi` dots an inch.
struct GridGeometry {
    std::vector<int> columnWidths;
    int rowHeight = 0;
    int dpi = 96;
};

// Prints the data table as one print job named after the title, on portrait pages, at the
// size the grid shows it: the title line at the top of each page, the date and time at
// the bottom left, Times New Roman 8 pt, single borders, the marked cells bold on light
// green. The printer's orientation is as before afterwards. False when the printer could
// not be started or reported an error.
bool printTable(QPrinter& printer, const DataTable& table, const PrintMarks& marks,
                const GridGeometry& grid, const QString& title);
