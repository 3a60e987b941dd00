#include "fit/NonlinearMessages.h"

#include "common/FormatGeneral.h"

namespace nonlinear_messages {

namespace {

// A value in a message: enough digits to find the point in the table.
std::string number(double v) {
    return FormatGeneral(v, 15);
}

// "b", "b and c", "a, b and c".
std::string nameList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " and " : ", ";
        list += names[i];
    }
    return list;
}

} // namespace

std::string blankEquation() {
    return "The fitting equation is blank.";
}

std::string syntaxError(const std::string& parserMessage, const std::string& text,
                        std::size_t position) {
    // Enough of the text to find the place, not so much that the message wraps.
    constexpr std::size_t SHOWN = 24;
    std::string message =
        parserMessage + " at character " + std::to_string(position + 1) + " of the equation";
    if (position >= text.size())
        return message + ", at its end.";
    std::string rest = text.substr(position, SHOWN);
    if (position + SHOWN < text.size())
        rest += "...";
    return message + ", at \"" + rest + "\".";
}

std::string noX() {
    return "The equation does not use x.";
}

std::string noParameters() {
    return "The equation has no parameter to fit: every name other than x and the "
           "functions is one, as a and b in a*exp(-x/b).";
}

std::string tooManyParameters(int most) {
    return "The equation has more than " + std::to_string(most) + " parameters.";
}

std::string settingsMismatch(int parameters, int settings) {
    return "The model has " + std::to_string(parameters) + " parameters but " +
           std::to_string(settings) + " settings were given.";
}

std::string dataMismatch() {
    return "The data columns of the fit differ in length.";
}

std::string startNotNumber(const std::string& name) {
    return "The start value of " + name + " is not a number.";
}

std::string boundNotNumber(const std::string& name) {
    return "A bound of " + name + " is not a number.";
}

std::string lowerNotBelowUpper(const std::string& name) {
    return "The lower bound of " + name + " is not below its upper bound.";
}

std::string startOutsideBounds(const std::string& name) {
    return "The start value of " + name + " lies outside its bounds.";
}

std::string everythingFixed() {
    return "Every parameter is fixed: there is nothing to fit.";
}

std::string tooFewPoints(int freeParameters, int points) {
    return "A fit of " + std::to_string(freeParameters) + " free parameter" +
           (freeParameters == 1 ? "" : "s") + " needs at least " +
           std::to_string(freeParameters + 1) + " points; there " +
           (points == 1 ? "is 1." : "are " + std::to_string(points) + ".");
}

std::string notFinite(int point) {
    return "Point " + std::to_string(point) + " holds a value that is not a finite number.";
}

std::string errorBarNotPositive(const std::string& column, int point, double value) {
    return "Error bars must be greater than zero: point " + std::to_string(point) + " has " +
           column + " = " + number(value) + ".";
}

std::string cannotEvaluateAtStart(double x) {
    return "The equation cannot be evaluated at x = " + number(x) + " with the start values.";
}

std::string derivativeAtStart(double x) {
    return "The derivatives of the equation cannot be evaluated at x = " + number(x) +
           " with the start values.";
}

std::string cannotEvaluateDuringFit(double x) {
    return "The fit stopped: the equation or its derivatives cannot be evaluated at x = " +
           number(x) + ".";
}

std::string notConverged(int iterations) {
    return "The fit did not converge after " + std::to_string(iterations) + " iterations.";
}

std::string cannotBeDetermined(const std::vector<std::string>& names) {
    if (names.size() == 1)
        return "The parameter " + names[0] + " cannot be determined from these data.";
    return "The parameters " + nameList(names) +
           (names.size() == 2 ? " cannot both" : " cannot all") + " be determined from these data.";
}

std::string plateau(const std::string& name) {
    return "The fit stopped on a plateau, where the curve no longer depends on " + name +
           ": try other start values.";
}

std::string endedAtLowerBound(const std::string& name) {
    return name + " ended at its lower bound.";
}

std::string endedAtUpperBound(const std::string& name) {
    return name + " ended at its upper bound.";
}

} // namespace nonlinear_messages
