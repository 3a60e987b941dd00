#pragma once

#include "files/DelimitedTable.h"
#include "table/DataTable.h"

#include <cstddef>
#include <vector>

// The smallest of the table's row counts that holds `rows` rows (the largest when none
// does).
int rowCountHolding(std::size_t rows);

// Puts the chosen rows of a delimited table into the data table as the text import puts
// a text table there (every data cell emptied, the columns as many as the file's), names
// the columns from the header where there is one, and raises the row count to hold the
// rows. Roles are the caller's.
void fillTableFromDelimited(DataTable& table, const DelimitedTable& text,
                            const std::vector<std::size_t>& rows);
