// kelvane-fit's command line on arbitrary arguments: the input is split into arguments at
// each line end. Besides crashes and undefined behaviour it stops when a command line is
// accepted with a column or a row range the table cannot hold. Help
// and usage texts are printed; run with -close_fd_mask=3 to keep them off the screen.

#include "cli/CommandLine.h"
#include "files/FileImage.h"
#include "table/DataTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// A number within the table's columns, or a name that is not one.
void checkColumn(const std::optional<ColumnChoice>& column) {
    if (!column)
        return;
    if (const int* number = std::get_if<int>(&*column))
        check(*number >= 1 && *number < FileImage::MOST_COLUMNS);
    else
        check(std::get<std::string>(*column).find_first_not_of("0123456789") != std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments{"kelvane-fit"};
    std::string argument;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            arguments.push_back(argument);
            argument.clear();
        } else {
            argument += static_cast<char>(data[i]);
        }
    }
    arguments.push_back(argument);
    std::vector<const char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(a.c_str());

    const auto parsed = parseCommandLine(static_cast<int>(argv.size()), argv.data());
    const CommandLine* line = std::get_if<CommandLine>(&parsed);
    if (!line)
        return 0;
    const BatchRequest& request = line->request;
    for (const auto* column : {&request.x, &request.y, &request.dx, &request.dy})
        checkColumn(*column);
    if (request.rows)
        check(1 <= request.rows->first && request.rows->first <= request.rows->last &&
              request.rows->last <= DataTable::ROW_COUNT_CHOICES.back());
    return 0;
}
