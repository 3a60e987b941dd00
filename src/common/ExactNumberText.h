#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers the user gives a user model (start values, bounds) and the file keeps: the
// shortest text that reads back as the same double, always with "." as its point.
std::string exactNumberText(double v);

// The finite number the whole text spells ("1.5", "-2e-3", "+4"); nullopt otherwise.
std::optional<double> exactNumberIn(std::string_view text);
