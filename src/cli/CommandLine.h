#pragma once

#include "cli/BatchFit.h"

#include <string>
#include <variant>
#include <vector>

struct CommandLine {
    std::vector<std::string> files; // each fitted with the request, in order
    BatchRequest request;           // its path is set for each file
    bool json = false;
    bool rounded = false;      // the results as Copy Results words them
    bool withFilename = false; // one file's results named, as several files' are
};

// Reads the arguments. For --help, --version or a usage error it prints what
// the option library prints and returns the status to exit with: 0 after
// help and version, 2 after any usage error.
std::variant<CommandLine, ExitStatus> parseCommandLine(int argc, const char* const argv[]);
