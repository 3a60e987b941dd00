#pragma once

#include "cli/BatchFit.h"

#include <nlohmann/json.hpp>

#include <ostream>

// The window's footer lines for the fit, without the "Created:" line.
void printResultLines(std::ostream& out, const BatchResult& result);

// The fit as one JSON object. Every number is the full double value, so a
// script gets what the footer rounds to six digits.
nlohmann::ordered_json resultJson(const BatchResult& result);
