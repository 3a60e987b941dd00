#pragma once

#include "cli/BatchFit.h"
#include "document/Document.h"

#include <optional>
#include <string>
#include <vector>

// "NAME=VALUE,NAME=VALUE": the values of --start and --fix; nullopt when a piece is not a
// name, "=" and a number.
std::optional<std::vector<ParameterValue>> parseParameterValues(const std::string& text);

// Puts the request's law, start values and fixed values into the document. A document
// whose fitting function is a user model (from the request or from its file) gets its
// parameter list from the equation. The problem that makes it a usage error comes back:
// a law that does not parse, a name that is no parameter of it, or values for a document
// that fits no user model.
std::optional<std::string> applyUserModelOptions(const BatchRequest& request, Document& document);
