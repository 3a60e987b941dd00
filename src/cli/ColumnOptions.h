#pragma once

#include "document/Document.h"

#include <optional>
#include <string>
#include <vector>

// --names and --column: the document's columns named and computed before the fit, so that
// a batch can convert units or form products as the window's "Define a Function" does.

// Names the table's columns from column 1 on, then runs each NAME=EQUATION in order with
// the window's rules and messages: a new NAME appends a column, an existing one is
// overwritten without a question. Each equation sees the columns the ones before it made.
// Warnings (rows an equation could not evaluate) are added to `warnings`. Returns the
// message that stops the run, with nothing of the failing option applied.
std::optional<std::string> applyColumnOptions(Document& document,
                                              const std::vector<std::string>& names,
                                              const std::vector<std::string>& formulas,
                                              std::vector<std::string>& warnings);
