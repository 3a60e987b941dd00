#pragma once

#include "common/UserMessage.h"

#include <cstddef>
#include <optional>

// What the import tells when not every line of the file is in sight: lines
// beyond the row count are kept out of sight, lines beyond the largest table
// are not imported at all. Nothing when the table shows every line.
std::optional<UserMessage> importNotice(std::size_t fileLines, int shownRows);
