#include "cli/FileRuns.h"

#include "cli/BatchOutput.h"
#include "fitctl/RoundedResults.h"

#include <algorithm>

namespace {

void printResults(const CommandLine& line, const BatchResult& result, std::ostream& out) {
    if (line.rounded)
        out << roundedResults(result.outcome, '.').text;
    else
        printResultLines(out, result);
}

// Fits one file and prints what it gives. A file among several is `named`: its
// messages say which file they are about, and its results come under its name,
// or as a JSON line that names it first (with "error" where it has no fit).
ExitStatus runFile(const CommandLine& line, const std::string& path, bool named, bool& blockPrinted,
                   std::ostream& out, std::ostream& err) {
    BatchRequest request = line.request;
    request.path = path;
    const BatchResult result = runBatchFit(request);
    // The window's messages go where a user looks for them, apart from the
    // results a script reads.
    const std::string prefix = named ? path + ": " : "";
    for (const std::string& warning : result.warnings)
        err << prefix << warning << '\n';
    if (!result.succeeded())
        err << prefix << result.error << '\n';
    if (line.json && named) {
        nlohmann::ordered_json json{{"file", path}};
        if (result.succeeded())
            json.update(resultJson(result));
        else
            json["error"] = result.error;
        out << json.dump() << '\n';
    } else if (line.json && result.succeeded()) {
        out << resultJson(result).dump() << '\n';
    } else if (result.succeeded()) {
        // Several files' blocks read like head's: the name, and a blank line between.
        if (named)
            out << (blockPrinted ? "\n" : "") << "==> " << path << " <==\n";
        printResults(line, result, out);
        blockPrinted = true;
    }
    return result.status;
}

} // namespace

ExitStatus runFiles(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const bool named = line.withFilename || line.files.size() > 1;
    bool blockPrinted = false;
    ExitStatus highest = ExitStatus::Success;
    for (const std::string& path : line.files)
        highest = std::max(highest, runFile(line, path, named, blockPrinted, out, err));
    return highest;
}
