#include "cli/CommandLine.h"

#include "cli/FitNames.h"
#include "cli/UserModelOptions.h"
#include "common/AppInfo.h"
#include "files/FileImage.h"
#include "table/DataTable.h"

#include <CLI/CLI.hpp>

namespace {

constexpr const char* DESCRIPTION =
    "Fits a model to a Kelvane document (.dat) or a plain-text table (values separated by "
    "blanks, one row per line) the way Kelvane's window does, and prints the results the "
    "window's graph footer shows. A document's columns, error method and fitting function are "
    "the defaults; the options override them.";

constexpr const char* EXIT_STATUSES =
    "Exit status: 0 when the fit succeeded, 1 when it was refused or failed, 2 for a usage "
    "error or an unreadable file.";

// A data column option: its value is kept only when the option is given, so
// that an input file's own columns stay in force otherwise.
struct ColumnOption {
    int value = 0;
    CLI::Option* option = nullptr;

    std::optional<int> given() const {
        return option->count() > 0 ? std::optional<int>(value) : std::nullopt;
    }
};

void addColumnOption(CLI::App& app, ColumnOption& column, const char* name, const char* what) {
    column.option = app.add_option(name, column.value, what)
                        ->type_name("N")
                        ->check(CLI::Range(1, FileImage::MOST_COLUMNS - 1));
}

const CLI::Validator ROW_RANGE(
    [](std::string& text) -> std::string {
        if (parseRowRange(text))
            return {};
        return "expected A:B with 1 <= A <= B <= " +
               std::to_string(DataTable::ROW_COUNT_CHOICES.back()) + ", not " + text;
    },
    ""); // the option's type name already says A:B

const CLI::Validator PARAMETER_VALUES(
    [](std::string& text) -> std::string {
        if (parseParameterValues(text))
            return {};
        return "expected NAME=VALUE,... with a number for each name, not " + text;
    },
    "");

std::string modelHelp() {
    std::string names;
    for (const std::string& name : fitTypeNames())
        names += name + " ";
    return "Fitting function: " + names +
           "(default linear, or the document's), or a law y = f(x) to fit, such as "
           "'V0*(1-exp(-x/tau))', whose names other than x are its parameters";
}

// Everything the command line holds before it becomes a request.
struct Arguments {
    std::string path;
    std::string model;
    std::string errors;
    std::string rows;
    std::string names;
    std::vector<std::string> formulas;
    std::string starts;
    std::string fixes;
    ColumnOption x, y, dx, dy;
    bool json = false;
    bool rounded = false;
    bool modelGiven = false; // an empty --model is a law that is not there, not no option
};

void declare(CLI::App& app, Arguments& a) {
    app.add_option("file", a.path, "The document or table to fit")->required()->type_name("FILE");
    addColumnOption(app, a.x, "--x", "Column of X (default 1, or the document's)");
    addColumnOption(app, a.y, "--y", "Column of Y (default 2, or the document's)");
    addColumnOption(app, a.dx, "--dx", "Column of dX, for --errors dxdy");
    addColumnOption(app, a.dy, "--dy", "Column of dY, for --errors dy and dxdy");
    app.add_option("--model", a.model, modelHelp())->type_name("NAME|EQUATION");
    app.add_option("--start", a.starts,
                   "Start values of the law's parameters; a parameter not named starts at 1")
        ->type_name("NAME=VALUE,...")
        ->check(PARAMETER_VALUES);
    app.add_option("--fix", a.fixes, "Hold these parameters of the law at the values given")
        ->type_name("NAME=VALUE,...")
        ->check(PARAMETER_VALUES);
    app.add_option("--errors", a.errors, "Error method (default estimate, or the document's)")
        ->check(CLI::IsMember(errorMethodNames()));
    app.add_option("--rows", a.rows, "Fit only rows A to B, like a selection in the window")
        ->type_name("A:B")
        ->check(ROW_RANGE);
    app.add_option("--names", a.names,
                   "Name the table's columns, from column 1 on, for the equations of --column")
        ->type_name("A,B,...");
    // One value per --column, so that the file after it is not taken for another; commas
    // belong to the equation (min("X","Y")).
    app.add_option("--column", a.formulas,
                   "Fill column NAME (new, or overwritten) from an equation over the columns, "
                   "referred to as \"NAME\", before the fit; repeatable, applied in order")
        ->type_name("NAME=EQUATION")
        ->allow_extra_args(false);
    CLI::Option* json =
        app.add_flag("--json", a.json, "Print one JSON object with full-precision numbers");
    app.add_flag("--rounded", a.rounded,
                 "Print the results rounded for a lab report: each uncertainty to two "
                 "significant digits, its value to the same decimal place")
        ->excludes(json);
    app.set_version_flag("--version", std::string("kelvane-fit ") + APPLICATION_VERSION);
    app.footer(EXIT_STATUSES);
}

std::vector<std::string> splitNames(const std::string& list) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t comma = list.find(','); comma != std::string::npos;
         comma = list.find(',', start)) {
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    names.push_back(list.substr(start));
    return names;
}

CommandLine toCommandLine(const Arguments& a) {
    CommandLine line;
    line.json = a.json;
    line.rounded = a.rounded;
    BatchRequest& request = line.request;
    request.path = a.path;
    if (const std::optional<FitType> named = fitTypeNamed(a.model))
        request.fitType = named;
    else if (a.modelGiven)
        request.userEquation = a.model;
    if (!a.starts.empty())
        request.starts = *parseParameterValues(a.starts);
    if (!a.fixes.empty())
        request.fixes = *parseParameterValues(a.fixes);
    if (!a.errors.empty())
        request.errorMethod = errorMethodNamed(a.errors);
    request.x = a.x.given();
    request.y = a.y.given();
    request.dx = a.dx.given();
    request.dy = a.dy.given();
    if (!a.rows.empty())
        request.rows = parseRowRange(a.rows);
    if (!a.names.empty())
        request.columnNames = splitNames(a.names);
    request.columnFormulas = a.formulas;
    return line;
}

} // namespace

std::variant<CommandLine, ExitStatus> parseCommandLine(int argc, const char* const argv[]) {
    CLI::App app(DESCRIPTION, "kelvane-fit");
    Arguments arguments;
    declare(app, arguments);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help and version end with status 0; every other parse error is a
        // usage error, whatever number the library would give it.
        return app.exit(e) == 0 ? ExitStatus::Success : ExitStatus::BadInput;
    }
    arguments.modelGiven = app.get_option("--model")->count() > 0;
    return toCommandLine(arguments);
}
