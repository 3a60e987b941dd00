// The batch layer without the program around it: how a file becomes the
// window's table, which inputs it turns away, and the small rules of the
// command line.

#include "../support/ErrorText.h"
#include "../support/TempFiles.h"

#include "cli/BatchFit.h"
#include "cli/ColumnSelection.h"
#include "cli/FitNames.h"
#include "cli/InputDocument.h"
#include "cli/RowRange.h"
#include "common/KelvaneError.h"
#include "files/DelimitedMessages.h"
#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitResultTexts.h"
#include "fitctl/FitTexts.h"
#include "fitctl/ShownFigures.h"
#include "formula/ComputedColumn.h"

#include <gtest/gtest.h>

namespace {

std::string lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + " " + std::to_string(i * i) + "\n";
    return text;
}

std::string loadError(const std::string& path) {
    return errorText([&] { loadInputDocument(path); }, "(loaded)");
}

TEST(InputDocument, LineIIsRowIAndTheFirstLineFixesTheColumns) {
    const Document d = loadInputDocument(writeTempFile("t.txt", "1 2 3\n\n  4 5\n6 7 8 9\n"));
    const DataTable& t = d.table;
    EXPECT_EQ(t.columnCount(), 4); // three data columns after the row numbers
    EXPECT_EQ(t.cellText(1, 1), "1");
    EXPECT_EQ(t.cellText(3, 1), "3");
    EXPECT_FALSE(t.isFilled(1, 2)); // the empty line is row 2
    EXPECT_EQ(t.cellText(1, 3), "4");
    EXPECT_FALSE(t.isFilled(3, 3));
    EXPECT_EQ(t.cellText(3, 4), "8"); // the fourth value has no column
    // Everything else is a new document's.
    Document fresh;
    fresh.table = t;
    EXPECT_EQ(d, fresh);
}

TEST(InputDocument, TheTableTakesTheSmallestRowCountThatHoldsEveryLine) {
    const std::pair<int, int> linesAndRows[] = {{1, 30}, {30, 30}, {31, 60}, {81, 100}, {200, 200}};
    for (const auto& [count, rows] : linesAndRows) {
        const Document d = loadInputDocument(writeTempFile("rows.txt", lines(count)));
        EXPECT_EQ(d.table.dataRowCount(), rows) << count << " lines";
    }
    const Document d = loadInputDocument(writeTempFile("rows.txt", lines(200)));
    EXPECT_EQ(d.table.cellText(2, 200), "40000");
}

TEST(InputDocument, FilesThatCannotBeTakenAsATableAreTurnedAway) {
    EXPECT_EQ(loadError(tempFolder() + "/absent.txt"), "File Not Found!");
    EXPECT_EQ(loadError(tempFolder()), "File Not Found!"); // a folder
    EXPECT_EQ(loadError(writeTempFile("long.txt", lines(201))),
              "The table has more than 200 rows; Kelvane's table holds at most 200.");
    // Empty lines after the data are no rows, and empty lines before it no table.
    EXPECT_EQ(loadError(writeTempFile("long.txt", lines(200) + "\n")), "(loaded)");
    EXPECT_EQ(loadError(writeTempFile("empty.txt", "  \n1 2\n2 4\n3 7\n")), "(loaded)");
    for (const char* empty : {"", "\n"})
        EXPECT_EQ(loadError(writeTempFile("empty.txt", empty)), noNumericRowsMessage());
    // A device that never ends a line nor the text is read only so far.
    EXPECT_EQ(loadError("/dev/zero"), "The file is larger than 16 MB; no table Kelvane holds is "
                                      "that large.");
    // A document is read as one, and a damaged one refused with the reader's message.
    const std::string document("TPF0\x0bTGridCellIO\x00\x03"
                               "Col\x02\x01",
                               22);
    EXPECT_EQ(loadError(writeTempFile("doc.dat", document)), INVALID_STREAM_FORMAT);
}

// The window's document as it was saved: the rows out of sight stay out of sight.
TEST(InputDocument, ADataFileGivesTheSavedDocument) {
    Document saved;
    saved.table.addColumn("dY");
    saved.table.setDataRowCount(60);
    saved.table.setCellText(1, 45, "4.5");
    saved.table.setDataRowCount(30);
    saved.table.setCellText(3, 2, "0.1");
    saved.roles = {2, -1, 1, 3};
    saved.errorMethod = ErrorMethod::DYI;
    saved.fitType = FitType::EXPONENTIAL;
    saved.xAxisTitle = "Temperature (\u00b0C)";
    EXPECT_EQ(loadInputDocument(writeTempFile("saved.dat", encodeDocument(saved, 1))), saved);
}

BatchRequest requestFor(const std::string& content) {
    BatchRequest request;
    request.path = writeTempFile("table.txt", content);
    return request;
}

TEST(BatchFit, OptionsOverrideTheColumnsAndTheRowsInUse) {
    // Y in column 3, X in column 1; rows 2 to 4 hold the line y = 2x + 1
    // exactly, the others lie far off it.
    BatchRequest request = requestFor("1 0 50\n1 0 3\n2 0 5\n3 0 7\n4 0 -20\n");
    request.y = 3;
    request.rows = RowRange{2, 4};
    const BatchResult r = runBatchFit(request);
    ASSERT_TRUE(r.succeeded()) << r.error;
    EXPECT_EQ(r.pointCount, 3);
    EXPECT_NEAR(static_cast<double>(r.outcome.parameters[0].value), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.outcome.parameters[1].value), 2, 1e-12);

    request.rows = RowRange{3, 3}; // a single row selects nothing: all five points
    EXPECT_EQ(runBatchFit(request).pointCount, 5);
}

TEST(BatchFit, AColumnTheTableLacksIsNamedEvenWhenTheMethodWouldIgnoreIt) {
    BatchRequest request = requestFor("1 2\n2 4\n3 7\n");
    request.dx = 1;
    request.dy = 7;
    const BatchResult r = runBatchFit(request);
    EXPECT_EQ(r.status, ExitStatus::BadInput);
    EXPECT_EQ(r.error, "Column 7 for dY (--dy) is not in the table: it has 2 columns.");

    const BatchResult one = runBatchFit(requestFor("1\n2\n3\n"));
    EXPECT_EQ(one.error, "Column 2 for Y (--y) is not in the table: it has 1 column.");
}

TEST(BatchFit, WarningsStayWhenTheFitIsRefusedLater) {
    BatchRequest request = requestFor("1 2\n2\n3 -7\n4 8\n");
    request.fitType = FitType::EXPONENTIAL;
    const BatchResult r = runBatchFit(request);
    EXPECT_EQ(r.status, ExitStatus::FitFailed);
    EXPECT_EQ(r.error, "The Log of a negative is undefined!");
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].rfind("Warning: You have incomplete row(s)", 0), 0u);
}

// The equations of --column, after --names, give the fit the table a person would have
// typed in the units wanted.
TEST(BatchFit, ColumnEquationsFillTheTableBeforeTheFit) {
    const BatchResult typed = runBatchFit(requestFor("1 2 9\n2 4.5 8\n3 6.4 7\n"));
    ASSERT_TRUE(typed.succeeded()) << typed.error;

    BatchRequest request = requestFor("1000 1 9\n2000 2.25 8\n3000 3.2 7\n");
    request.columnNames = {"t", " s "};
    // A new column, then an overwritten one that the next equation reads.
    request.columnFormulas = {"T = \"t\"/1000", "s=2*\"s\"", "t=\"T\""};
    const BatchResult computed = runBatchFit(request);
    ASSERT_TRUE(computed.succeeded()) << computed.error;
    EXPECT_TRUE(computed.warnings.empty());
    ASSERT_EQ(computed.outcome.parameters.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(computed.outcome.parameters[i].value, typed.outcome.parameters[i].value);

    request.columnFormulas = {"T=1/(\"t\"-2000)"};
    request.x = 4;
    const BatchResult gaps = runBatchFit(request);
    EXPECT_EQ(gaps.status, ExitStatus::FitFailed) << "two points left";
    ColumnResults oneRow;
    oneRow.unevaluatedRows = 1;
    oneRow.firstUnevaluatedRow = 2;
    ASSERT_FALSE(gaps.warnings.empty());
    EXPECT_EQ(gaps.warnings[0], unevaluatedRowsWarning(oneRow)->text);
}

TEST(BatchFit, ColumnOptionsThatCannotBeAppliedStopTheRun) {
    const DataTable plain;
    const auto refusal = [&plain](const std::string& equation) {
        auto checked = checkEquation(equation, columnReferences(plain), variableList(plain));
        return std::get<UserMessage>(checked).text;
    };
    struct Case {
        const char* table;
        std::vector<std::string> names;
        std::vector<std::string> formulas;
        std::string message;
    };
    const Case cases[] = {
        {"1 2\n", {}, {"R=\"X\"+"}, refusal("\"X\"+")},
        {"1 2\n", {}, {"R="}, refusal("")},
        {"1 2\n", {}, {" =2"}, blankResultNameRefusal().text},
        {"1 2\n", {}, {"R"}, "--column takes NAME=EQUATION, not R"},
        {"1 2\n", {}, {"R=2", "S=\"r\""}, "Syntax error at character 1 in = function."},
        {"1 2\nabc 2\n", {}, {"R=\"X\"*2"}, "'abc' is not a valid floating point value"},
        {"1.2.3 2\n", {}, {"R=2"}, tooManyDecimalPointsRefusal().text},
        {"1 2\n", {"a", "b", "c"}, {}, "--names gives 3 names, but the table has 2 columns."},
        {"1 2\n", {"a", " "}, {}, "--names leaves column 2 without a name."},
        {"1 2\n", {"a", "a "}, {}, "--names gives two columns the name a."},
    };
    for (const Case& c : cases) {
        BatchRequest request = requestFor(c.table);
        request.columnNames = c.names;
        request.columnFormulas = c.formulas;
        const BatchResult r = runBatchFit(request);
        EXPECT_EQ(r.status, ExitStatus::BadInput) << c.message;
        EXPECT_EQ(r.error, c.message);
    }
}

// Squares of values near the ends of the number range overflow: printed,
// the results would read INF or NAN (or null in JSON) under a success status.
TEST(BatchFit, ResultsThatAreNotFiniteNumbersFailTheFit) {
    struct Case {
        const char* table;
        std::optional<ErrorMethod> method;
    };
    const Case cases[] = {
        {"1 2\n2 1e200\n3 7\n", std::nullopt},             // sigma overflows
        {"1 2\n2 1e4000\n3 7\n", std::nullopt},            // a beyond a double as well
        {"1 1e200\n2 4e200\n3 7e200\n", ErrorMethod::DYI}, // the chi-square overflows
        {"1e4000 2\n2e4000 4\n3e4000 7\n", std::nullopt},  // the X range itself
    };
    for (const Case& c : cases) {
        BatchRequest request = requestFor(c.table);
        if (c.method) {
            request.errorMethod = c.method;
            request.dy = 1;
        }
        const BatchResult r = runBatchFit(request);
        SCOPED_TRACE(c.table);
        EXPECT_EQ(r.status, ExitStatus::FitFailed);
        EXPECT_EQ(r.error, fitStatusMessage(FIT_NOT_FINITE)->text);
    }
    // Large values whose squares a double still holds fit as usual.
    const BatchResult large = runBatchFit(requestFor("1 2e100\n2 4e100\n3 7e100\n"));
    ASSERT_TRUE(large.succeeded()) << large.error;
    EXPECT_NEAR(static_cast<double>(large.outcome.parameters[1].value / 1e100L), 2.5, 1e-12);
}

TEST(ShownFigures, ListExactlyTheFiguresOfTheWindowsGoodnessLine) {
    for (FitType type : ALL_FIT_TYPES)
        for (ErrorMethod method : ALL_ERROR_METHODS) {
            FitOutcome o;
            o.fitType = type;
            o.errorMethod = method;
            const std::string last = resultLines(o, '.').back();
            SCOPED_TRACE(last);
            EXPECT_EQ(showsR(type, method), last.rfind("r = ", 0) == 0);
            EXPECT_EQ(showsReducedChiSquare(method),
                      last.find("Reduced Chi^2 = ") != std::string::npos);
        }
}

TEST(CommandLineWords, RowRangesAreAToBWithinTheWindowsRows) {
    const auto range = parseRowRange("3:7");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 3);
    EXPECT_EQ(range->last, 7);
    EXPECT_TRUE(parseRowRange("4:4"));
    EXPECT_TRUE(parseRowRange("1:200"));
    for (const char* bad : {"", "3", "7:3", "0:2", "1:201", "-1:3", "+1:3", "a:b", "3:", ":3",
                            "1:2:3", " 1:3", "1:3 ", "0001:3"})
        EXPECT_FALSE(parseRowRange(bad)) << bad;
}

TEST(CommandLineWords, EveryFittingFunctionAndErrorMethodHasItsOwnWord) {
    for (FitType type : ALL_FIT_TYPES)
        EXPECT_EQ(fitTypeNamed(nameOf(type)), type) << nameOf(type);
    for (ErrorMethod method : ALL_ERROR_METHODS)
        EXPECT_EQ(errorMethodNamed(nameOf(method)), method) << nameOf(method);
    EXPECT_EQ(fitTypeNames().size(), ALL_FIT_TYPES.size());
    EXPECT_FALSE(fitTypeNamed("LINEAR")); // the document keywords are not command-line words
}

} // namespace

namespace {

// --names then a name in --y: the names are applied before the roles are looked up.
TEST(BatchFit, NamesGivenOnTheCommandLineChooseColumnsToo) {
    BatchRequest request = requestFor("1 2 9\n3 4 9\n5 7 9\n");
    request.columnNames = {"a", "b", "c"};
    request.y = std::string("b");
    const BatchResult byName = runBatchFit(request);
    request.y = 2;
    const BatchResult byNumber = runBatchFit(request);
    ASSERT_TRUE(byName.succeeded()) << byName.error;
    EXPECT_EQ(byName.outcome.parameters[1].value, byNumber.outcome.parameters[1].value);

    DataTable twins;
    twins.renameColumn(1, "T");
    twins.renameColumn(2, "T");
    EXPECT_EQ(errorText([&] { columnNumber(twins, std::string("T")); }),
              "Several columns are named \"T\": give the column's number.");
    EXPECT_EQ(columnNumber(twins, 2), 2);
}

} // namespace
