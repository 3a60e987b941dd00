#include "fitctl/FitResultTexts.h"
#include "fitctl/FitRun.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const std::string CHI = "<font face=\"symbol\">c<sub>n</sub><sup>2</sup></font> = ";

// X = 1, 2, 3, Y = 2, 4, 7, every dY = 1 (column 3).
FitOutcome threePointFit(FitType type, ErrorMethod method) {
    Document t = documentWith({{"1", "2", "1"}, {"2", "4", "1"}, {"3", "7", "1"}});
    t.roles.dy = 3;
    return fitDocument(t, type, method);
}

TEST(FitResultTexts, StraightLineWithEstimatedDY) {
    const FitOutcome o = threePointFit(FitType::LINEAR, ErrorMethod::ESTDY);
    EXPECT_EQ(summaryText(o, '.'), "y = a + bx:\r"
                                   "a = -0.666667  +/-  0.62361\r"
                                   "b = 2.5  +/-  0.288675\r"
                                   "r = 0.9934");
    EXPECT_EQ(footerLines(o, '.', "05/03/2024", "14:07:09"),
              (Lines{"y = a + bx", "a = -0.666667 +/- 0.62361", "b = 2.5 +/- 0.288675",
                     "r = 0.9934", "", "Created: 05/03/2024 at 14:07:09"}));
}

TEST(FitResultTexts, StraightLineWithYErrorBars) {
    const FitOutcome o = threePointFit(FitType::LINEAR, ErrorMethod::DYI);
    const std::string summary = summaryText(o, '.');
    EXPECT_EQ(summary.substr(summary.rfind('\r') + 1), CHI + "0.166667   r = 0.9934");
    EXPECT_EQ(resultLines(o, '.').back(), "r = 0.9934    Reduced Chi^2 = 0.166667");
    EXPECT_EQ(resultLines(o, '.')[1], "a = -0.666667 +/- 1.52753");
}

TEST(FitResultTexts, ThroughTheOriginShowsOnlyB) {
    const FitOutcome o = threePointFit(FitType::LINEAR_NO_A, ErrorMethod::ESTDY);
    EXPECT_EQ(summaryText(o, '.'), "y = bx:\rb = 2.21429  +/-  0.112938\rr = 0.9974");
    EXPECT_EQ(resultLines(o, '.'), (Lines{"y = bx", "b = 2.21429 +/- 0.112938", "r = 0.9974"}));
}

TEST(FitResultTexts, GoodnessLinesPerModelGroupAndErrorMethod) {
    FitOutcome o;
    o.parameters = {{"a", 2, 0.1L}, {"b", 0.5L, 0.01L}};
    o.r = 0.5;
    o.reducedChiSquare = 1.25L;
    o.fitType = FitType::EXPONENTIAL;
    o.errorMethod = ErrorMethod::ESTDY;
    EXPECT_EQ(resultLines(o, '.').size(), 3u); // equation and two parameters, no r
    EXPECT_EQ(summaryText(o, '.'), "y = a e^(bx):\ra = 2  +/-  0.1\rb = 0.5  +/-  0.01");
    o.errorMethod = ErrorMethod::DXIDYI;
    EXPECT_EQ(resultLines(o, '.').back(), "Reduced Chi^2 = 1.25");
    EXPECT_EQ(summaryText(o, '.').substr(summaryText(o, '.').rfind('\r') + 1), CHI + "1.25");
    o.fitType = FitType::LINEAR;
    EXPECT_EQ(resultLines(o, '.').back(), "Reduced Chi^2 = 1.25"); // no r with X and Y errors
    o.fitType = FitType::POWERLAW;
    o.errorMethod = ErrorMethod::DYI;
    EXPECT_EQ(resultLines(o, '.').front(), "y = a x^b");
    EXPECT_EQ(resultLines(o, '.').back(), "Reduced Chi^2 = 1.25");
    o.fitType = FitType::SECONDPOLY;
    o.parameters.push_back({"c", -3, 0.25L});
    EXPECT_EQ(summaryText(o, '.'), "y = a + bx + cx^2:\ra = 2  +/-  0.1\rb = 0.5  +/-  0.01\r"
                                   "c = -3  +/-  0.25\r" +
                                       CHI + "1.25");
}

TEST(FitResultTexts, FourthOrderFooterListsFiveCoefficients) {
    Document t;
    const char* y[] = {"1", "2.5", "2", "6", "5.5", "9", "12"};
    for (int i = 0; i < 7; ++i) {
        t.table.setCellText(1, i + 1, std::to_string(i));
        t.table.setCellText(2, i + 1, y[i]);
    }
    const Lines lines =
        footerLines(fitDocument(t, FitType::FORTHPOLY, ErrorMethod::ESTDY), '.', "d", "t");
    ASSERT_EQ(lines.size(), 8u); // equation, a..e, empty line, created
    EXPECT_EQ(lines[0], "y = a + bx + cx^2 + dx^3 + ex^4");
    EXPECT_EQ(lines[1].substr(0, 4), "a = ");
    EXPECT_EQ(lines[5].substr(0, 4), "e = ");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Created: d at t");
}

TEST(FitResultTexts, TheLocalesDecimalSeparator) {
    const FitOutcome o = threePointFit(FitType::LINEAR, ErrorMethod::ESTDY);
    EXPECT_EQ(resultLines(o, ',')[1], "a = -0,666667 +/- 0,62361");
    EXPECT_EQ(resultLines(o, ',')[3], "r = 0,9934");
}

// On request the footer reads each sigma both ways and adds the worst-fit lines: the
// half-difference of their slopes under the fit's b, the lines themselves at the end.
TEST(FitResultTexts, BothUncertaintiesAndWorstFitLines) {
    const FitOutcome o = threePointFit(FitType::LINEAR, ErrorMethod::DYI);
    WorstFitLines worst;
    worst.steepest = {-2.5L, 3.5L};
    worst.shallowest = {1.5L, 1.5L};
    EXPECT_EQ(resultLines(o, '.', {true, worst}),
              (Lines{"y = a + bx", "a = -0.666667 +/- 1.52753 from the error bars",
                     "a = -0.666667 +/- 0.62361 from the scatter",
                     "b = 2.5 +/- 0.707107 from the error bars",
                     "b = 2.5 +/- 0.288675 from the scatter",
                     "b = 2.5 +/- 1 from the worst-fit lines",
                     "r = 0.9934    Reduced Chi^2 = 0.166667", "Steepest line: a = -2.5, b = 3.5",
                     "Shallowest line: a = 1.5, b = 1.5"}));
    // The worst-fit lines alone leave the fit's own lines as they are.
    EXPECT_EQ(resultLines(o, '.', {false, worst})[2], "b = 2.5 +/- 0.707107");

    // Through the origin with Y error bars the fit's sigma is the scaled one: shown first.
    const FitOutcome origin = threePointFit(FitType::LINEAR_NO_A, ErrorMethod::DYI);
    EXPECT_EQ(resultLines(origin, '.', {true, worst}),
              (Lines{"y = bx", "b = 2.21429 +/- 0.112938 from the scatter",
                     "b = 2.21429 +/- 0.267261 from the error bars",
                     "r = 0.9974    Reduced Chi^2 = 0.178571"}))
        << "no worst-fit lines but for y = a + bx";
    // Estimated dY has one reading only.
    EXPECT_EQ(resultLines(threePointFit(FitType::LINEAR, ErrorMethod::ESTDY), '.', {true, {}})[1],
              "a = -0.666667 +/- 0.62361");
}

TEST(FitResultTexts, WhenTheWorstFitLinesDoNotExist) {
    FitOutcome o = threePointFit(FitType::LINEAR, ErrorMethod::DYI);
    WorstFitLines none;
    none.kind = WorstFitLines::Kind::NoLine;
    none.unreachableRows = {2, 5, 9};
    EXPECT_EQ(resultLines(o, '.', {false, none}).back(),
              "No line passes through every error bar: none meets rows 2, 5 and 9 together.");
    none.unreachableRows = {4, 7};
    o.errorMethod = ErrorMethod::DXIDYI;
    EXPECT_EQ(resultLines(o, '.', {false, none}).back(),
              "No line passes through every error box: none meets rows 4 and 7 together.");
    WorstFitLines steep;
    steep.kind = WorstFitLines::Kind::Unbounded;
    const Lines lines = resultLines(o, '.', {false, steep});
    EXPECT_EQ(lines.back(), "Lines as steep as you like pass through every error box.");
    EXPECT_EQ(lines.size(), 5u) << "no half-difference without the lines";
}

// The results are dated in the user's own time; a zone name after it only puzzles.
TEST(FitResultTexts, TheCreatedTimeLeavesOutTheTimeZone) {
    EXPECT_EQ(timeFormatWithoutZone("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(timeFormatWithoutZone("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(timeFormatWithoutZone("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(timeFormatWithoutZone("HH'h'mm 'at' t"), "HH'h'mm 'at'"); // quoted t is text
    EXPECT_EQ(timeFormatWithoutZone("HH:mm:ss"), "HH:mm:ss");
}

} // namespace
