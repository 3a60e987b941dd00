#pragma once

#include "cli/BatchFit.h"

#include <variant>

struct CommandLine {
    BatchRequest request;
    bool json = false;
    bool rounded = false; // the results as Copy Results words them
};

// Reads the arguments. For --help, --version or a usage error it prints what
// the option library prints and returns the status to exit with: 0 after
// help and version, 2 after any usage error.
std::variant<CommandLine, ExitStatus> parseCommandLine(int argc, const char* const argv[]);
