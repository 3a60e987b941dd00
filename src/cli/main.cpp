// kelvane-fit: runs the window's fit on a plain-text table and prints the
// results, for lab courses that fit many tables with one model and for
// scripts that need the full-precision numbers.

#include "cli/BatchOutput.h"
#include "cli/CommandLine.h"
#include "fitctl/RoundedResults.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const auto parsed = parseCommandLine(argc, argv);
    if (const ExitStatus* status = std::get_if<ExitStatus>(&parsed))
        return static_cast<int>(*status);
    const CommandLine& line = std::get<CommandLine>(parsed);

    const BatchResult result = runBatchFit(line.request);
    // The window's messages go where a user looks for them, apart from the
    // results a script reads.
    for (const std::string& warning : result.warnings)
        std::cerr << warning << '\n';
    if (!result.succeeded()) {
        std::cerr << result.error << '\n';
        return static_cast<int>(result.status);
    }
    if (line.json)
        std::cout << resultJson(result).dump() << '\n';
    else if (line.rounded)
        std::cout << roundedResults(result.outcome, '.').text;
    else
        printResultLines(std::cout, result);
    return static_cast<int>(ExitStatus::Success);
}
