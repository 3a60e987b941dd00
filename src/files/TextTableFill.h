#pragma once

#include "files/TextTable.h"
#include "table/DataTable.h"

// Puts a text table into the data table the way the import does: every data
// cell is emptied, the first line's value count becomes the number of data
// columns (columns added for it have no name, surplus ones go from the end),
// and line i fills row i. Rows beyond the table's row count are left out, so
// a caller that wants them all sets the row count first. Roles are not the
// table's business: they stay as the caller has them.
void fillTableFromText(DataTable& table, const TextTable& text);
