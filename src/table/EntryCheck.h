#pragma once

#include "common/GraphType.h"
#include "common/UserMessage.h"
#include "table/DataTable.h"

#include <optional>
#include <string>

// The check of a typed entry, run when an edited cell of `column` is left with a text that
// differs from the one it had: the refusal to show, or nothing when the entry is accepted.
// A logarithmic graph needs the values of its logarithmic axes above 0; the positivity
// checks come first and hide the decimal-point check. A text that is no number at all
// cannot pass a positivity check and is refused with the conversion message.
std::optional<UserMessage> entryRefusal(const std::string& text, int column, GraphType graphType,
                                        const ColumnRoles& roles, char decimalSeparator);
