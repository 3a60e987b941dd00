#pragma once

#include "cli/BatchFit.h"
#include "table/DataTable.h"

// The table column a --x, --y, --dx or --dy option means: a number as it is, a name the
// column whose name it is exactly. Throws KelvaneError when no column or more than one
// has the name.
int columnNumber(const DataTable& table, const ColumnChoice& choice);

std::string unknownColumnMessage(const std::string& name, const DataTable& table);
std::string ambiguousColumnMessage(const std::string& name);
