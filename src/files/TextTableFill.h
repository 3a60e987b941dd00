#pragma once

#include "files/TextTable.h"
#include "table/DataTable.h"

// Puts a text table into the data table the way the import does: every data
// cell is emptied, the first line's value count becomes the number of data
// columns (columns added for it have no name, surplus ones go from the end),
// and line i fills row i. Lines beyond the row count are kept out of sight,
// as rows are when the count is lowered, up to the largest table. The row
// count stays; roles are not the table's business.
void fillTableFromText(DataTable& table, const TextTable& text);
