#include "cli/CommandLine.h"

#include "cli/FitNames.h"
#include "cli/UserModelOptions.h"
#include "common/AppInfo.h"
#include "files/FileImage.h"
#include "table/DataTable.h"

#include <CLI/CLI.hpp>

#include <map>

namespace {

constexpr const char* DESCRIPTION =
    "Fits a model to a Kelvane document (.dat) or a text table (CSV, a data logger's export, "
    "values separated by blanks; the layout is detected) the way Kelvane's window does, and "
    "prints the results the window's graph footer shows. A document's columns, error method "
    "and fitting function are the defaults; the options override them.";

constexpr const char* EXIT_STATUSES =
    "Exit status: 0 when the fit succeeded, 1 when it was refused or failed, 2 for a usage "
    "error or an unreadable file; with several files, the highest of theirs.";

constexpr int MOST_COLUMN = FileImage::MOST_COLUMNS - 1;

bool isColumnNumber(const std::string& text) {
    return !text.empty() && text.size() <= 3 &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// A number is a column's number, anything else its name.
const CLI::Validator COLUMN(
    [](std::string& text) -> std::string {
        if (text.empty())
            return "expected a column's number or name, not an empty text";
        if (text.find_first_not_of("0123456789") == std::string::npos &&
            (!isColumnNumber(text) || std::stoi(text) < 1 || std::stoi(text) > MOST_COLUMN))
            return "expected a column number from 1 to " + std::to_string(MOST_COLUMN) +
                   " or a column's name, not " + text;
        return {};
    },
    "");

// A data column option: its value is kept only when the option is given, so
// that an input file's own columns stay in force otherwise.
struct ColumnOption {
    std::string value;
    CLI::Option* option = nullptr;

    std::optional<ColumnChoice> given() const {
        if (option->count() == 0)
            return std::nullopt;
        if (isColumnNumber(value))
            return ColumnChoice(std::stoi(value));
        return ColumnChoice(value);
    }
};

void addColumnOption(CLI::App& app, ColumnOption& column, const char* name, const char* what) {
    column.option = app.add_option(name, column.value, what)->type_name("N|NAME")->check(COLUMN);
}

const std::map<std::string, Separator> SEPARATORS = {{"tab", Separator::Tab},
                                                     {"semicolon", Separator::Semicolon},
                                                     {"comma", Separator::Comma},
                                                     {"space", Separator::Blanks}};
const std::map<std::string, char> DECIMAL_MARKS = {{"point", '.'}, {"comma", ','}};

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

// A:B with 1 <= A <= B, rows of a file that may have many more than the table.
std::optional<std::pair<std::size_t, std::size_t>> parseTake(const std::string& text) {
    const std::size_t colon = text.find(':');
    const auto number = [](const std::string& part) -> std::optional<std::size_t> {
        if (part.empty() || part.size() > 9 ||
            part.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        return static_cast<std::size_t>(std::stoul(part));
    };
    if (colon == std::string::npos)
        return std::nullopt;
    const auto first = number(text.substr(0, colon));
    const auto last = number(text.substr(colon + 1));
    if (!first || !last || *first < 1 || *first > *last)
        return std::nullopt;
    return std::make_pair(*first, *last);
}

const CLI::Validator ROW_TAKE(
    [](std::string& text) -> std::string {
        return parseTake(text) ? std::string() : "expected A:B with 1 <= A <= B, not " + text;
    },
    "");

// Everything the command line holds before it becomes a request.
struct Arguments {
    std::vector<std::string> files;
    std::string model;
    std::string errors;
    std::string rows;
    std::string names;
    std::vector<std::string> formulas;
    std::string starts;
    std::string fixes;
    ColumnOption x, y, dx, dy;
    std::optional<std::string> separator, decimal;
    std::optional<int> headerRows;
    std::string take;
    std::size_t every = 1;
    bool json = false;
    bool rounded = false;
    bool withFilename = false;
    bool modelGiven = false; // an empty --model is a law that is not there, not no option
};

void declare(CLI::App& app, Arguments& a) {
    app.add_option("file", a.files,
                   "The documents or tables to fit, each with the same options; with several, "
                   "the results come under each file's name, or with --json one line each")
        ->required()
        ->type_name("FILE");
    addColumnOption(app, a.x, "--x",
                    "Column of X, its number or name (default 1, or the document's)");
    addColumnOption(app, a.y, "--y",
                    "Column of Y, its number or name (default 2, or the document's)");
    addColumnOption(app, a.dx, "--dx", "Column of dX, for --errors dxdy");
    addColumnOption(app, a.dy, "--dy", "Column of dY, for --errors dy and dxdy");
    app.add_option("--separator", a.separator,
                   "What separates a text table's values (default: detected)")
        ->type_name("S")
        ->check(CLI::IsMember({"tab", "semicolon", "comma", "space"}));
    app.add_option("--decimal", a.decimal, "A text table's decimal mark (default: detected)")
        ->type_name("D")
        ->check(CLI::IsMember({"point", "comma"}));
    app.add_option("--header-rows", a.headerRows,
                   "A text table's header rows: 0, 1 (names) or 2 (names and units)")
        ->type_name("N")
        ->check(CLI::Range(0, 2));
    app.add_option("--take", a.take, "Read only a text table's data rows A to B")
        ->type_name("A:B")
        ->check(ROW_TAKE);
    app.add_option("--every", a.every, "Read one in every K of a text table's data rows")
        ->type_name("K")
        ->check(CLI::Range(std::size_t{1}, std::size_t{1000000}));
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
        app.add_flag("--json", a.json,
                     "Print one JSON object with full-precision numbers; with several files, one "
                     "a line, each starting with \"file\"");
    app.add_flag("--rounded", a.rounded,
                 "Print the results rounded for a lab report: each uncertainty to two "
                 "significant digits, its value to the same decimal place")
        ->excludes(json);
    app.add_flag("--with-filename", a.withFilename,
                 "Name the file in the output even when there is only one, as several files "
                 "are named, for one process per file");
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
    line.withFilename = a.withFilename;
    line.files = a.files;
    BatchRequest& request = line.request;
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
    if (a.separator)
        request.layout.separator = SEPARATORS.at(*a.separator);
    if (a.decimal)
        request.layout.decimalMark = DECIMAL_MARKS.at(*a.decimal);
    request.layout.headerRows = a.headerRows;
    if (const auto take = parseTake(a.take)) {
        request.take.first = take->first;
        request.take.last = take->second;
    }
    request.take.every = a.every;
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
