#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/ResultExtras.h"

#include <string>
#include <vector>

// The reduced chi-square label of the summary block: in the symbol font the
// grid renders c and n as chi and nu.
inline constexpr const char* CHI_SQUARE_LABEL =
    "<font face=\"symbol\">c<sub>n</sub><sup>2</sup></font> = ";

// The goodness figure of a user model fitted with estimated dY: the residual standard
// deviation sqrt(RSS / (n - p)), the scatter of the points about the law.
inline constexpr const char* RESIDUAL_DEVIATION_LABEL = "Residual Std Dev = ";

// After a parameter held at its value, which has no uncertainty of its own.
inline constexpr const char* FIXED_MARK = " (fixed)";

// The results' first line: the model's equation, a user model's as typed.
std::string footerEquationOf(const FitOutcome& outcome);

// The summary block under the data: header, one line per parameter and the
// goodness line, separated by carriage returns (character 13).
std::string summaryText(const FitOutcome& outcome, char decimalSeparator);

// The graph footer's result lines: equation, parameters and goodness line.
// This is also what a text report prints. Extras add labelled lines of the
// uncertainties under each parameter and the worst-fit lines at the end.
std::vector<std::string> resultLines(const FitOutcome& outcome, char decimalSeparator,
                                     const ResultExtras& extras = {});

// The footer's last line. Date and time arrive formatted (the locale's short
// date and long time) so that the core never reads the clock.
std::string createdLine(const std::string& date, const std::string& time);

// A locale's long time format (Qt's pattern letters) without its time zone:
// the results are dated in the user's own time, and a zone name such as
// "UTC" after it says nothing to them. Quoted text is kept as it is.
std::string timeFormatWithoutZone(const std::string& format);

// The whole footer: the result lines, an empty line and the created line.
std::vector<std::string> footerLines(const FitOutcome& outcome, char decimalSeparator,
                                     const std::string& date, const std::string& time,
                                     const ResultExtras& extras = {});
