#pragma once

#include "table/DataTable.h"

#include <string>

// The export's text: every data row whose cells are all filled, its cell texts
// exactly as they stand joined by one blank, the rows separated by CR LF with
// none before the first or after the last. Rows of any values are written,
// those summing to zero too; only the texts travel.
std::string exportText(const DataTable& table);
