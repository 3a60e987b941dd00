#pragma once

#include "cli/CommandLine.h"

#include <ostream>

// Fits each of the command line's files with the same options and prints the
// results: for one file exactly what a single fit prints; for several (or one
// with --with-filename), each file's results under its name, or with --json
// one JSON object a line (JSON Lines) that starts with "file". A file that
// cannot be fitted is named with its message on `err`, and the rest are still
// fitted. Returns the highest of the files' exit statuses.
ExitStatus runFiles(const CommandLine& line, std::ostream& out, std::ostream& err);
