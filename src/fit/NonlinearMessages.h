#pragma once

#include <string>
#include <vector>

// Every text a user-defined fit can answer with, in one place, so that the window and
// kelvane-fit say the same. Each is the whole sentence the user reads.
namespace nonlinear_messages {

// Reading the equation.
std::string blankEquation();
// The parser's own message, the 1-based character and the text from there on.
std::string syntaxError(const std::string& parserMessage, const std::string& text,
                        std::size_t position);
std::string noX();
std::string noParameters();
std::string tooManyParameters(int most);

// Checking the settings and the data.
std::string settingsMismatch(int parameters, int settings);
std::string dataMismatch();
std::string startNotNumber(const std::string& name);
std::string boundNotNumber(const std::string& name);
std::string lowerNotBelowUpper(const std::string& name);
std::string startOutsideBounds(const std::string& name);
std::string everythingFixed();
std::string tooFewPoints(int freeParameters, int points);
std::string notFinite(int point); // 1-based
std::string errorBarNotPositive(const std::string& column, int point, double value);
std::string cannotEvaluateAtStart(double x);
std::string derivativeAtStart(double x);

// The fit.
std::string cannotEvaluateDuringFit(double x);
std::string notConverged(int iterations);
std::string cannotBeDetermined(const std::vector<std::string>& names);
std::string plateau(const std::string& name);
std::string endedAtLowerBound(const std::string& name);
std::string endedAtUpperBound(const std::string& name);

} // namespace nonlinear_messages
