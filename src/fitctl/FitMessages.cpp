#include "fitctl/FitMessages.h"

#include "common/FormatGeneral.h"
#include "fit/NonlinearMessages.h"

#include <string>

namespace {

UserMessage stop(const std::string& text, const std::string& caption) {
    return {text, caption, MessageIcon::Stop, MessageButtons::Ok};
}

} // namespace

UserMessage polynomialWithXYErrorsRefusal() {
    return stop("You cannot choose a polynomial fit with the \"X & Y Error Bars\" error method "
                "selected. Polynomial fitting with this error method has not yet been "
                "implemented.  To perform a polynomial fit, please select either the \"Estimate "
                "dY\" or the \"Y Error Bars\" error method.",
                "Error");
}

UserMessage xyErrorsWithPolynomialRefusal() {
    return stop("You cannot choose the \"X & Y Error Bars\" error method with a polynomial fit "
                "selected.  Polynomial fitting with the \"X & Y Error Bars\" error method has not "
                "yet been implemented.  To perform a polynomial fit, please select either the "
                "\"Estimate dY\" or the \"Y Error Bars\" error method.",
                "Error");
}

UserMessage addColumnQuestion(ErrorMethod method) {
    if (method == ErrorMethod::DXIDYI)
        return {"You must have at least 4 columns of data for this error method. Do you want to "
                "add a new column?",
                "Add Columns", MessageIcon::Information, MessageButtons::YesNo};
    return {"You must have at least 3 columns of data for this error method. Do you want to add "
            "a new column?",
            "Add A Column", MessageIcon::Information, MessageButtons::YesNo};
}

UserMessage missingColumnQuestion(ErrorMethod method) {
    if (method == ErrorMethod::DXIDYI)
        return {"Cannot perform fit. The dX and/or dY column has not been undefined. Do you want "
                "to select new columns for dX and dY?",
                "ERROR", MessageIcon::Stop, MessageButtons::YesNo};
    return {"Cannot perform fit. The dY column has not been undefined. Do you want to select a "
            "column for dY?",
            "ERROR", MessageIcon::Stop, MessageButtons::YesNo};
}

UserMessage tooManyDecimalPointsRefusal() {
    return stop("You have a data point with too many decimal points! Please Fix it.", "ERROR");
}

UserMessage incompleteRowsWarning() {
    return {"Warning: You have incomplete row(s) of data. Fit results will NOT include data from "
            "incomplete rows.",
            "Warning", MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage logOfNegativeRefusal() {
    return stop("The Log of a negative is undefined!", "Error");
}

UserMessage tooFewPointsRefusal(bool selectionInUse) {
    if (selectionInUse)
        return stop("At least 3 data points are required to perform this fit. You're data "
                    "selection is too small.  Either (i) select more data from the grid or (ii) "
                    "remove selection in order to fit the entire data set.",
                    "Error");
    return stop("At least 3 data points are required to perform this fit.", "Error");
}

UserMessage unsupportedWithXYErrorsRefusal(FitType type) {
    if (type == FitType::LINEAR_NO_A)
        return stop("Sorry. I cannot perform a linear fit through the origin using X & Y Error "
                    "Bars.  This method has not yet been implemented.",
                    "Error");
    return stop("Sorry. I cannot perform a polynomial fit using X & Y Error Bars.  This method "
                "has not yet been implemented.",
                "Error");
}

UserMessage startValueProblem(long double x) {
    return {nonlinear_messages::cannotEvaluateAtStart(static_cast<double>(x)), "Warning",
            MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage fitWarning(const std::string& text) {
    return {text, "Warning", MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<UserMessage> fitStatusMessage(FitStatus status) {
    switch (status) {
    case FIT_ZERO_ERROR_BAR:
        return stop("Error bars must be Non-Zero.", "Error");
    case FIT_SINGULAR_MATRIX:
        return stop("Non-Invertable matrix. No solution.", "Error");
    case FIT_ZERO_VARIANCE:
        return UserMessage{"You have Zero Error Bars.", "This is Odd!", MessageIcon::Information,
                           MessageButtons::Ok};
    case FIT_TOO_FEW_POINTS:
        return UserMessage{"Not enough data for polynomial fit of this order.", "Opps!",
                           MessageIcon::Information, MessageButtons::Ok};
    case FIT_SAME_X:
        return stop("Cannot fit: all X values are the same.", "Error");
    case FIT_SAME_Y:
        return stop("Cannot fit: all Y values are the same.", "Error");
    case FIT_NOT_FINITE:
        return stop("The fit gave results that are not finite numbers: the values are too large "
                    "for it. Rescale the data (for example, change the units) and fit again.",
                    "Error");
    case FIT_OK:
    case FIT_DIVERGED:
        break;
    }
    return std::nullopt;
}

std::optional<UserMessage> fitStatusMessage(const FitOutcome& outcome) {
    if (outcome.status != FIT_DIVERGED)
        return fitStatusMessage(outcome.status);
    // A user model's fit names its own reason.
    if (!outcome.failure.empty())
        return stop(outcome.failure, "Error");
    // No blank after "After": the wording users know.
    return stop("Series may be diverging! After" + std::to_string(outcome.iterations) +
                    " iterations, Slope = " + FormatGeneral(outcome.lastSlope, 15),
                "Divergent Series");
}
