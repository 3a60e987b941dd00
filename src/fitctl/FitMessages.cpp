#include "fitctl/FitMessages.h"

namespace {

FitMessage stop(const char* text, const char* caption) {
    return {text, caption, MessageIcon::Stop, MessageButtons::Ok};
}

} // namespace

FitMessage polynomialWithXYErrorsRefusal() {
    return stop("You cannot choose a polynomial fit with the \"X & Y Error Bars\" error method "
                "selected. Polynomial fitting with this error method has not yet been "
                "implemented.  To perform a polynomial fit, please select either the \"Estimate "
                "dY\" or the \"Y Error Bars\" error method.",
                "Error");
}

FitMessage xyErrorsWithPolynomialRefusal() {
    return stop("You cannot choose the \"X & Y Error Bars\" error method with a polynomial fit "
                "selected.  Polynomial fitting with the \"X & Y Error Bars\" error method has not "
                "yet been implemented.  To perform a polynomial fit, please select either the "
                "\"Estimate dY\" or the \"Y Error Bars\" error method.",
                "Error");
}

FitMessage addColumnQuestion(ErrorMethod method) {
    if (method == ErrorMethod::DXIDYI)
        return {"You must have at least 4 columns of data for this error method. Do you want to "
                "add a new column?",
                "Add Columns", MessageIcon::Information, MessageButtons::YesNo};
    return {"You must have at least 3 columns of data for this error method. Do you want to add "
            "a new column?",
            "Add A Column", MessageIcon::Information, MessageButtons::YesNo};
}

FitMessage missingColumnQuestion(ErrorMethod method) {
    if (method == ErrorMethod::DXIDYI)
        return {"Cannot perform fit. The dX and/or dY column has not been undefined. Do you want "
                "to select new columns for dX and dY?",
                "ERROR", MessageIcon::Stop, MessageButtons::YesNo};
    return {"Cannot perform fit. The dY column has not been undefined. Do you want to select a "
            "column for dY?",
            "ERROR", MessageIcon::Stop, MessageButtons::YesNo};
}

FitMessage tooManyDecimalPointsRefusal() {
    return stop("You have a data point with too many decimal points! Please Fix it.", "ERROR");
}

FitMessage incompleteRowsWarning() {
    return {"Warning: You have incomplete row(s) of data. Fit results will NOT include data from "
            "incomplete rows.",
            "Warning", MessageIcon::Warning, MessageButtons::Ok};
}

FitMessage logOfNegativeRefusal() {
    return stop("The Log of a negative is undefined!", "Error");
}

FitMessage tooFewPointsRefusal(bool selectionInUse) {
    if (selectionInUse)
        return stop("At least 3 data points are required to perform this fit. You're data "
                    "selection is too small.  Either (i) select more data from the grid or (ii) "
                    "remove selection in order to fit the entire data set.",
                    "Error");
    return stop("At least 3 data points are required to perform this fit.", "Error");
}

FitMessage unsupportedWithXYErrorsRefusal(FitType type) {
    if (type == FitType::LINEAR_NO_A)
        return stop("Sorry. I cannot perform a linear fit through the origin using X & Y Error "
                    "Bars.  This method has not yet been implemented.",
                    "Error");
    return stop("Sorry. I cannot perform a polynomial fit using X & Y Error Bars.  This method "
                "has not yet been implemented.",
                "Error");
}
