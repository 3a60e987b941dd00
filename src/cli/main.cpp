// kelvane-fit: runs the window's fit on plain-text tables or documents and
// prints the results, for lab courses that fit many tables with one model and
// for scripts that need the full-precision numbers.

#include "cli/CommandLine.h"
#include "cli/FileRuns.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const auto parsed = parseCommandLine(argc, argv);
    if (const ExitStatus* status = std::get_if<ExitStatus>(&parsed))
        return static_cast<int>(*status);
    return static_cast<int>(runFiles(std::get<CommandLine>(parsed), std::cout, std::cerr));
}
