#pragma once

#include "common/GraphType.h"
#include "common/UserMessage.h"
#include "table/DataTable.h"

#include <optional>

// The check a graph type makes of the table before it is chosen: a logarithmic
// axis cannot show a value of 0 or less. Rows are checked in order, and in a
// row the X cell before the Y cell; empty cells are not looked at. The refusal
// names the first value that fails, or nothing when the type may be chosen
// (always for Linear). A filled cell that is no number throws the conversion
// error, and the graph type stays as it was.
std::optional<UserMessage> graphTypeRefusal(const DataTable& table, const ColumnRoles& roles,
                                            GraphType type);
