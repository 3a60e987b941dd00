// Runs the built kelvane-fit the way a script does and checks what it
// prints, where, and with which exit status.

#include "../support/FitCases.h"
#include "../support/FitFixture.h"
#include "../support/TableFixture.h"
#include "../support/TempFiles.h"

#include "cli/FitNames.h"
#include "files/DelimitedMessages.h"
#include "files/DocumentFile.h"
#include "fitctl/RoundedResults.h"
#include "formula/ComputedColumn.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace {

const std::string FITS = KELVANE_FITS_DIR;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

ProgramRun runKelvaneFit(const std::string& arguments) {
    const std::string out = tempFolder() + "/stdout";
    const std::string err = tempFolder() + "/stderr";
    const std::string command = std::string("'") + KELVANE_FIT_PROGRAM + "' " + arguments + " >'" +
                                out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWholeFile(out), readWholeFile(err)};
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}
std::string fixture(const std::string& name) {
    return quoted(FITS + "/" + name);
}
std::string table(const std::string& name, const std::string& content) {
    return quoted(writeTempFile(name, content));
}

std::string argumentsFor(const FitCase& c) {
    std::string args =
        std::string("--model ") + nameOf(c.fitType) + " --errors " + nameOf(c.errorMethod);
    const std::pair<const char*, std::string> columns[] = {
        {"--x", c.x}, {"--y", c.y}, {"--dx", c.dx}, {"--dy", c.dy}, {"--rows", c.rows}};
    for (const auto& [option, value] : columns)
        if (value != "-")
            args += std::string(" ") + option + " " + value;
    return args + " " + fixture(c.table);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

const std::string INCOMPLETE_ROWS = "Warning: You have incomplete row(s) of data. Fit results "
                                    "will NOT include data from incomplete rows.\n";

TEST(KelvaneFit, PrintsTheFooterLinesOfEveryKnownFit) {
    const std::vector<FitCase> cases = readFitCases(FITS);
    ASSERT_GE(cases.size(), 12u);
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = runKelvaneFit(argumentsFor(c));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, joined(expectedLines(FITS, c)));
        // The one case with a partly filled row warns and fits the rest.
        EXPECT_EQ(run.err, c.name == "incomplete_row" ? INCOMPLETE_ROWS : "");
    }
}

TEST(KelvaneFit, DefaultsAreAStraightLineWithEstimatedDYOverColumnsOneAndTwo) {
    const ProgramRun run = runKelvaneFit(fixture("three_points.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, readWholeFile(FITS + "/line_estimate.expected"));
}

// A saved document brings its columns, error method and fitting function; the options
// override them.
TEST(KelvaneFit, FitsASavedDocumentWithItsOwnSettings) {
    const std::string document = quoted(KELVANE_DOCUMENTS_DIR "/power_law.dat");
    const ProgramRun own = runKelvaneFit(document);
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(own.out, readWholeFile(FITS + "/power_dy.expected"));
    const ProgramRun estimated = runKelvaneFit("--errors estimate " + document);
    EXPECT_EQ(estimated.out, readWholeFile(FITS + "/power_estimate.expected"));
}

nlohmann::json jsonOf(const ProgramRun& run) {
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

TEST(KelvaneFit, JsonCarriesTheFullPrecisionValues) {
    const ProgramRun run = runKelvaneFit("--json " + fixture("three_points.txt"));
    // One object on one line, nothing else.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    const nlohmann::json j = jsonOf(run);
    EXPECT_EQ(j["model"], "linear");
    EXPECT_EQ(j["errors"], "estimate");
    EXPECT_EQ(j["points"], 3);
    ASSERT_EQ(j["parameters"].size(), 2u);
    EXPECT_EQ(j["parameters"][0]["name"], "a");
    EXPECT_NEAR(j["parameters"][0]["value"].get<double>(), -2.0 / 3, 1e-15);
    EXPECT_NEAR(j["parameters"][0]["sigma"].get<double>(), std::sqrt(14.0 / 36), 1e-15);
    EXPECT_EQ(j["parameters"][1]["value"].get<double>(), 2.5);
    EXPECT_NEAR(j["parameters"][1]["sigma"].get<double>(), std::sqrt(1.0 / 12), 1e-15);
    EXPECT_NEAR(j["r"].get<double>(), 15 / std::sqrt(228.0), 1e-15);
    EXPECT_FALSE(j.contains("reducedChiSquare")); // the window shows none with estimated dY
    EXPECT_FALSE(j["parameters"][0].contains("sigmaScaled"))
        << "no second reading without error bars";
    EXPECT_EQ(j["xMin"], 1.0);
    EXPECT_EQ(j["xMax"], 3.0);
    EXPECT_EQ(j["warnings"], nlohmann::json::array());
}

TEST(KelvaneFit, JsonOfAPowerLawGivesTheFactorAndTheRangeInDataUnits) {
    const nlohmann::json j = jsonOf(runKelvaneFit("--model power --errors dy --x 2 --y 3 --dy 1 "
                                                  "--json " +
                                                  fixture("power_law.txt")));
    // Independently computed from the logarithms of the table.
    EXPECT_NEAR(j["parameters"][0]["value"].get<double>(), 3.0327129525804954, 1e-12);
    EXPECT_NEAR(j["parameters"][0]["sigma"].get<double>(), 0.13929591307953598, 1e-12);
    EXPECT_NEAR(j["parameters"][1]["value"].get<double>(), 1.4921504377634407, 1e-12);
    EXPECT_NEAR(j["reducedChiSquare"].get<double>(), 0.21497024484746186, 1e-12);
    EXPECT_FALSE(j.contains("r"));
    // Beside each sigma the one scaled by the square root of the reduced chi-square.
    for (const nlohmann::json& p : j["parameters"])
        EXPECT_NEAR(p["sigmaScaled"].get<double>(),
                    p["sigma"].get<double>() * std::sqrt(j["reducedChiSquare"].get<double>()),
                    1e-15);
    EXPECT_NEAR(j["xMin"].get<double>(), 1, 1e-12);
    EXPECT_NEAR(j["xMax"].get<double>(), 6, 1e-12);
}

TEST(KelvaneFit, JsonListsTheWarningsShownOnTheWay) {
    const ProgramRun run = runKelvaneFit("--json " + fixture("incomplete_row.txt"));
    const nlohmann::json j = jsonOf(run);
    EXPECT_EQ(j["points"], 3);
    EXPECT_EQ(j["warnings"],
              nlohmann::json::array({INCOMPLETE_ROWS.substr(0, INCOMPLETE_ROWS.size() - 1)}));
    EXPECT_EQ(run.err, INCOMPLETE_ROWS);
}

// A refusal prints the window's message on standard error, nothing on
// standard output, and exits with 1.
void expectRefusal(const std::string& arguments, const std::string& message) {
    SCOPED_TRACE(arguments);
    const ProgramRun run = runKelvaneFit(arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, message + "\n");
}

TEST(KelvaneFit, RefusalsAndFailedFitsUseTheWindowsTexts) {
    expectRefusal(table("two.txt", "1 2\n2 4\n"),
                  "At least 3 data points are required to perform this fit.");
    expectRefusal("--rows 3:4 " + fixture("selection.txt"),
                  "At least 3 data points are required to perform this fit. You're data selection "
                  "is too small.  Either (i) select more data from the grid or (ii) remove "
                  "selection in order to fit the entire data set.");
    expectRefusal("--model exp " + table("negative.txt", "1 2\n2 -4\n3 7\n"),
                  "The Log of a negative is undefined!");
    expectRefusal(table("points.txt", "1 2 1.2.3\n2 4\n3 7\n"),
                  "You have a data point with too many decimal points! Please Fix it.");
    expectRefusal(table("word.txt", "1 2\n2 abc\n3 7\n"),
                  "'abc' is not a valid floating point value");
    expectRefusal("--model origin --errors dxdy --dx 3 --dy 4 " + fixture("xy_errors.txt"),
                  "Sorry. I cannot perform a linear fit through the origin using X & Y Error "
                  "Bars.  This method has not yet been implemented.");
    expectRefusal("--errors dy --dy 3 " + table("zero_dy.txt", "1 2 1\n2 4 0\n3 7 1\n"),
                  "Error bars must be Non-Zero.");
    // JSON would hold null where the overflowing uncertainties belong.
    expectRefusal("--json " + table("overflow.txt", "1 2\n2 1e200\n3 7\n"),
                  "The fit gave results that are not finite numbers: the values are too large "
                  "for it. Rescale the data (for example, change the units) and fit again.");
}

TEST(KelvaneFit, ADivergingXAndYFitPrintsTheDivergenceMessageAndExitsWithOne) {
    const ProgramRun run = runKelvaneFit("--errors dxdy --dx 3 --dy 4 " +
                                         table("diverging.txt", "-4 -3 1 9\n1 -6 3 8\n0 6 9 5\n"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    const std::string prefix = "Series may be diverging! After501 iterations, Slope = 0.298";
    EXPECT_EQ(run.err.substr(0, prefix.size()), prefix) << run.err;
}

// A usage problem names itself on standard error and exits with 2.
ProgramRun expectUsageError(const std::string& arguments) {
    SCOPED_TRACE(arguments);
    const ProgramRun run = runKelvaneFit(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err, "");
    return run;
}

TEST(KelvaneFit, MalformedOptionsAreUsageErrors) {
    const std::string file = " " + fixture("three_points.txt");
    for (const char* options : {"--model cubic", "--errors both", "--x 0", "--y two", "--dy 51",
                                "--rows 7:3", "--x 1.5", "--x 1 --x 2", "--bogus"})
        expectUsageError(options + file);
    expectUsageError(""); // no file
    EXPECT_NE(expectUsageError("--model cubic" + file).err.find("--model"), std::string::npos);
}

TEST(KelvaneFit, InputsThatCannotBeFittedAsAskedAreUsageErrors) {
    EXPECT_EQ(expectUsageError(quoted(tempFolder() + "/absent.txt")).err, "File Not Found!\n");
    EXPECT_EQ(expectUsageError("--errors dy " + fixture("three_points.txt")).err,
              "--errors dy needs the column of dY: give --dy N.\n");
    EXPECT_EQ(expectUsageError("--errors dxdy --dy 3 " + fixture("three_points.txt")).err,
              "--errors dxdy needs the columns of dX and dY: give --dx N and --dy N.\n");
}

// Repeated --column options each take one equation; the file after them is the file.
TEST(KelvaneFit, ColumnEquationsConvertUnitsBeforeTheFit) {
    const ProgramRun typed = runKelvaneFit(table("seconds.txt", "1 4\n2 9\n3 12.8\n"));
    const ProgramRun converted =
        runKelvaneFit("--names ms,Y --column 'T=\"ms\"/1000' --column 'Y=2*\"Y\"' --x 3 " +
                      table("milliseconds.txt", "1000 2\n2000 4.5\n3000 6.4\n"));
    EXPECT_EQ(converted.status, 0) << converted.err;
    EXPECT_EQ(converted.out, typed.out);
    EXPECT_EQ(converted.err, "");

    const DataTable plain;
    auto checked = checkEquation("1/", columnReferences(plain), variableList(plain));
    const ProgramRun refused = runKelvaneFit("--column 'R=1/' " + fixture("three_points.txt"));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, std::get<UserMessage>(checked).text + "\n");
}

// The report wording is the window's Copy Results text; --json and --rounded exclude each other.
TEST(KelvaneFit, RoundedPrintsTheReportText) {
    const ProgramRun run = runKelvaneFit("--rounded " + fixture("three_points.txt"));
    EXPECT_EQ(run.status, 0) << run.err;
    Document d = documentWith({{"1", "2"}, {"2", "4"}, {"3", "7"}});
    EXPECT_EQ(run.out,
              roundedResults(fitDocument(d, FitType::LINEAR, ErrorMethod::ESTDY), '.').text);
    EXPECT_EQ(runKelvaneFit("--rounded --json " + fixture("three_points.txt")).status, 2);
}

TEST(KelvaneFit, HelpAndVersionExitWithZero) {
    const ProgramRun help = runKelvaneFit("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--model", "--errors", "--rows", "--json", "--rounded", "--dx",
                               "--dy", "--names", "--column"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_NE(help.out.find("--rows A:B "), std::string::npos) << "the form once, not twice";
    const ProgramRun version = runKelvaneFit("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("kelvane-fit ", 0), 0u) << version.out;
}

// A law typed on the command line: V = V0 (1 - e^(-t/tau)) through a capacitor's
// charging curve, t in column 1, V in 2, dV in 3.
const std::string CHARGING = "--model 'V0*(1-exp(-x/tau))' ";

TEST(KelvaneFitUserModel, PrintsTheLawsParametersAndFigures) {
    const ProgramRun run =
        runKelvaneFit(CHARGING + "--start V0=4,tau=1 " + fixture("charging.txt"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("y = V0*(1-exp(-x/tau))\nV0 = 5.0", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\ntau = 2.0"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Residual Std Dev = "), std::string::npos) << run.out;
}

TEST(KelvaneFitUserModel, JsonHasExactlyTheNonlinearFitsFields) {
    const ProgramRun run = runKelvaneFit(CHARGING + "--errors dy --dy 3 --fix tau=2 --json " +
                                         fixture("charging.txt"));
    const nlohmann::json dy = jsonOf(run);
    // In the order printed.
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (auto it = ordered.begin(); it != ordered.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"model", "errors", "points", "parameters",
                                              "residualSumOfSquares", "degreesOfFreedom",
                                              "reducedChiSquare", "iterations", "warnings"}));
    EXPECT_EQ(dy["model"], "V0*(1-exp(-x/tau))");
    EXPECT_EQ(dy["errors"], "dy");
    EXPECT_EQ(dy["points"], 12);
    EXPECT_EQ(dy["degreesOfFreedom"], 11); // tau is held
    EXPECT_EQ(dy["parameters"][1],
              nlohmann::json({{"name", "tau"}, {"value", 2.0}, {"sigma", 0.0}, {"fixed", true}}));
    EXPECT_FALSE(dy["parameters"][0].contains("fixed"));
    EXPECT_NEAR(dy["reducedChiSquare"].get<double>(), dy["residualSumOfSquares"].get<double>() / 11,
                1e-12);
    // Estimated dY reports no reduced chi-square.
    const nlohmann::json estimate =
        jsonOf(runKelvaneFit(CHARGING + "--json " + fixture("charging.txt")));
    EXPECT_FALSE(estimate.contains("reducedChiSquare"));
    EXPECT_GT(estimate["iterations"].get<int>(), 0);
}

TEST(KelvaneFitUserModel, UsageErrorsAndFailuresExitWithTheirStatus) {
    const std::string file = " " + fixture("charging.txt");
    // A law that does not parse, names that are no parameters, values that are no numbers.
    for (const std::string& options : std::vector<std::string>{
             "--model 'V0*(1-exp(-x/'", "--model ''", CHARGING + "--start T=1",
             CHARGING + "--fix tau", CHARGING + "--start tau=fast", "--start V0=1"})
        expectUsageError(options + file);
    EXPECT_EQ(expectUsageError(CHARGING + "--start V0=1,T=1" + file).err,
              "--start: T is not a parameter of the model; its parameters are V0, tau.\n");
    // Too few points for the free parameters: refused, with no numbers.
    const ProgramRun failed = runKelvaneFit("--model 'a+b*x+c*x^2+d*x^3' --rows 1:3 --json" + file);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_NE(failed.err, "");
}

// Saved with its law, a document fits with it; the options still override.
TEST(KelvaneFitUserModel, ADocumentSavedWithALawFitsWithIt) {
    Document d = documentWith({{"1", "2.1"}, {"2", "3.9"}, {"3", "6.2"}, {"4", "7.8"}});
    d.fitType = FitType::USERMODEL;
    d.userModel.equation = "m*x + q";
    d.userModel.parameters = {{"m", 1, false, {}, {}}, {"q", 0.5, true, {}, {}}};
    const std::string path = tempFolder() + "/law.dat";
    std::ofstream(path, std::ios::binary) << encodeDocument(d, 0);
    const nlohmann::json j = jsonOf(runKelvaneFit("--json " + quoted(path)));
    EXPECT_EQ(j["model"], "m*x + q");
    EXPECT_EQ(j["parameters"][1]["fixed"], true);
    EXPECT_EQ(j["parameters"][1]["value"], 0.5);
    EXPECT_EQ(jsonOf(runKelvaneFit("--json --model linear " + quoted(path)))["model"], "linear");
}

// A law on the command line fits a long text table whole; the built-in models keep the
// window's rows.
TEST(KelvaneFitUserModel, ALawFitsALongTableWhole) {
    std::string rows;
    for (int i = 0; i < DataTable::MOST_LONG_ROWS; ++i)
        rows += std::to_string(i % 1000) + " " + std::to_string(2 * (i % 1000) + 1 + i % 3) + "\n";
    const std::string longTable = table("long.txt", rows);
    const nlohmann::json j = jsonOf(runKelvaneFit("--model 'a + b*x' --json " + longTable));
    EXPECT_EQ(j["points"], DataTable::MOST_LONG_ROWS);
    EXPECT_NEAR(j["parameters"][1]["value"].get<double>(), 2, 1e-6);
    EXPECT_EQ(expectUsageError(longTable).err,
              "The table has more than 200 rows; Kelvane's table holds at most 200.\n");
    EXPECT_EQ(expectUsageError("--model 'a + b*x' " + table("longer.txt", rows + "1 3\n")).err,
              "The table has more than 100000 rows; Kelvane's table holds at most 100000.\n");
}

} // namespace

namespace {

std::string delimited(const std::string& name) {
    return quoted(std::string(KELVANE_DELIMITED_DIR) + "/" + name);
}

// A column's name or its number picks the same column, whatever the file's layout.
TEST(KelvaneFit, ColumnsByNameOrNumberInCsvFiles) {
    const ProgramRun byName = runKelvaneFit(
        "--json --errors dy --x 't [s]' --y 'U / V' --dy 'dU (V)' " + delimited("uncertainty.csv"));
    const ProgramRun byNumber =
        runKelvaneFit("--json --errors dy --x 1 --y 2 --dy 3 " + delimited("uncertainty.csv"));
    EXPECT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(byName.out, byNumber.out);
    EXPECT_EQ(jsonOf(byName)["points"], 4);

    const ProgramRun logger =
        runKelvaneFit("--json --x 'Run 1: Time (s)' --y 'Run 1: Temperature (°C)' " +
                      delimited("logger_semicolon_bom.csv"));
    EXPECT_EQ(logger.status, 0) << logger.err;
    EXPECT_NEAR(jsonOf(logger)["parameters"][1]["value"].get<double>(), 0.5, 1e-12);
    // Read as a table of a point and a comma-separated pair, the same file has other rows.
    const ProgramRun taken =
        runKelvaneFit("--json --take 1:3 --every 2 " + delimited("logger_semicolon_bom.csv"));
    EXPECT_EQ(taken.status, 1); // two points are too few
}

TEST(KelvaneFit, UnknownNamesAndConflictingReadingOptionsAreUsageErrors) {
    const ProgramRun unknown = runKelvaneFit("--y Voltage " + delimited("uncertainty.csv"));
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "No column is named \"Voltage\"; the columns are \"t [s]\", \"U / V\", "
                           "\"dU (V)\".\n");
    const ProgramRun both =
        runKelvaneFit("--separator comma --decimal comma " + delimited("uncertainty.csv"));
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, commaBothWaysMessage() + "\n");
    const ProgramRun document = runKelvaneFit(
        "--header-rows 1 " + quoted(std::string(KELVANE_DOCUMENTS_DIR) + "/power_law.dat"));
    EXPECT_EQ(document.status, 2);
    EXPECT_NE(document.err.find("are for text tables"), std::string::npos);
    const ProgramRun twice = runKelvaneFit("--y U --y V " + delimited("uncertainty.csv"));
    EXPECT_EQ(twice.status, 2);
}

} // namespace

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string spaced(const std::vector<std::string>& files) {
    std::string text;
    for (const std::string& file : files)
        text += " " + quoted(file);
    return text;
}

const std::string GOOD = FITS + "/three_points.txt";
const std::string WARNED = FITS + "/incomplete_row.txt";
const std::string DOCUMENT = std::string(KELVANE_DOCUMENTS_DIR) + "/power_law.dat";

// Each line is the file's own single-file object with "file" in front, in the files' order.
TEST(KelvaneFitManyFiles, JsonPrintsOneLinePerFileNamedFirstInOrder) {
    const std::vector<std::string> files = {DOCUMENT, GOOD, WARNED, GOOD};
    const ProgramRun run = runKelvaneFit("--json" + spaced(files));
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        const std::string start = "{\"file\":" + nlohmann::json(files[i]).dump() + ",";
        EXPECT_EQ(lines[i].substr(0, start.size()), start);
        const std::string alone = runKelvaneFit("--json " + quoted(files[i])).out;
        EXPECT_EQ("{" + lines[i].substr(start.size()) + "\n", alone);
        // One process per file gives the same line when asked to name its file.
        EXPECT_EQ(runKelvaneFit("--json --with-filename " + quoted(files[i])).out, lines[i] + "\n");
    }
    EXPECT_EQ(run.err, WARNED + ": " + INCOMPLETE_ROWS);
}

// A file that cannot be fitted is named on standard error and, with --json, has a line of its
// own; the others are fitted, and the exit status is the worst of them.
TEST(KelvaneFitManyFiles, AFailingFileIsNamedAndTheHighestStatusIsTheExitStatus) {
    const std::string refused = writeTempFile("two.txt", "1 2\n2 4\n");
    const std::string absent = tempFolder() + "/absent.txt";
    const struct {
        std::vector<std::string> files;
        int status;
    } cases[] = {{{GOOD, refused, GOOD}, 1}, {{refused, absent, GOOD}, 2}, {{absent, GOOD}, 2}};
    const std::map<std::string, std::string> errors = {
        {refused, "At least 3 data points are required to perform this fit."},
        {absent, "File Not Found!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(spaced(c.files));
        const ProgramRun run = runKelvaneFit("--json" + spaced(c.files));
        EXPECT_EQ(run.status, c.status);
        const std::vector<std::string> lines = linesOf(run.out);
        ASSERT_EQ(lines.size(), c.files.size());
        std::string expectedErr;
        for (std::size_t i = 0; i < c.files.size(); ++i) {
            const nlohmann::json line = nlohmann::json::parse(lines[i]);
            EXPECT_EQ(line["file"], c.files[i]);
            const auto error = errors.find(c.files[i]);
            if (error == errors.end()) {
                EXPECT_EQ(line["parameters"][1]["value"], 2.5);
                continue;
            }
            EXPECT_EQ(line, (nlohmann::json{{"file", c.files[i]}, {"error", error->second}}));
            expectedErr += c.files[i] + ": " + error->second + "\n";
        }
        EXPECT_EQ(run.err, expectedErr);
        // Without --json the same files fail the same way.
        EXPECT_EQ(runKelvaneFit(spaced(c.files)).status, c.status);
    }
}

// Plain text gives each fitted file's block under a line naming it, a blank line between.
TEST(KelvaneFitManyFiles, PlainTextPutsEachBlockUnderItsFilesName) {
    const std::string refused = writeTempFile("two.txt", "1 2\n2 4\n");
    for (const char* form : {"", "--rounded"}) {
        SCOPED_TRACE(form);
        const ProgramRun run = runKelvaneFit(form + spaced({refused, GOOD, DOCUMENT}));
        EXPECT_EQ(run.status, 1);
        const std::string good = runKelvaneFit(form + spaced({GOOD})).out;
        const std::string document = runKelvaneFit(form + spaced({DOCUMENT})).out;
        EXPECT_EQ(run.out,
                  "==> " + GOOD + " <==\n" + good + "\n==> " + DOCUMENT + " <==\n" + document);
        EXPECT_EQ(runKelvaneFit(std::string(form) + " --with-filename" + spaced({GOOD})).out,
                  "==> " + GOOD + " <==\n" + good);
    }
}

} // namespace
