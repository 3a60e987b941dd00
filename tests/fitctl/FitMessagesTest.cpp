#include "fitctl/FitMessages.h"

#include <gtest/gtest.h>

namespace {

TEST(FitMessages, ConfigurationRefusals) {
    const FitMessage poly = polynomialWithXYErrorsRefusal();
    EXPECT_EQ(poly.text, "You cannot choose a polynomial fit with the \"X & Y Error Bars\" error "
                         "method selected. Polynomial fitting with this error method has not yet "
                         "been implemented.  To perform a polynomial fit, please select either the "
                         "\"Estimate dY\" or the \"Y Error Bars\" error method.");
    EXPECT_EQ(poly.caption, "Error");
    EXPECT_EQ(poly.icon, MessageIcon::Stop);
    EXPECT_EQ(xyErrorsWithPolynomialRefusal().text,
              "You cannot choose the \"X & Y Error Bars\" error method with a polynomial fit "
              "selected.  Polynomial fitting with the \"X & Y Error Bars\" error method has not "
              "yet been implemented.  To perform a polynomial fit, please select either the "
              "\"Estimate dY\" or the \"Y Error Bars\" error method.");
}

TEST(FitMessages, AddColumnQuestions) {
    const FitMessage three = addColumnQuestion(ErrorMethod::DYI);
    EXPECT_EQ(three.text, "You must have at least 3 columns of data for this error method. Do you "
                          "want to add a new column?");
    EXPECT_EQ(three.caption, "Add A Column");
    EXPECT_EQ(three.icon, MessageIcon::Information);
    EXPECT_EQ(three.buttons, MessageButtons::YesNo);
    const FitMessage four = addColumnQuestion(ErrorMethod::DXIDYI);
    EXPECT_EQ(four.text, "You must have at least 4 columns of data for this error method. Do you "
                         "want to add a new column?");
    EXPECT_EQ(four.caption, "Add Columns");
}

TEST(FitMessages, IncompleteRowsWarning) {
    const FitMessage w = incompleteRowsWarning();
    EXPECT_EQ(w.text, "Warning: You have incomplete row(s) of data. Fit results will NOT include "
                      "data from incomplete rows.");
    EXPECT_EQ(w.caption, "Warning");
    EXPECT_EQ(w.icon, MessageIcon::Warning);
}

TEST(FitMessages, FitStatusMessages) {
    EXPECT_FALSE(fitStatusMessage(FIT_OK));
    EXPECT_FALSE(fitStatusMessage(FIT_DIVERGED)); // the fit has told its host already
    EXPECT_EQ(fitStatusMessage(FIT_SINGULAR_MATRIX)->text, "Non-Invertable matrix. No solution.");
    const FitMessage odd = *fitStatusMessage(FIT_ZERO_VARIANCE);
    EXPECT_EQ(odd.text, "You have Zero Error Bars.");
    EXPECT_EQ(odd.caption, "This is Odd!");
    EXPECT_EQ(fitStatusMessage(FIT_TOO_FEW_POINTS)->text,
              "Not enough data for polynomial fit of this order.");
    const FitMessage sameX = *fitStatusMessage(FIT_SAME_X);
    EXPECT_EQ(sameX.text, "Cannot fit: all X values are the same.");
    EXPECT_EQ(sameX.caption, "Error");
    EXPECT_EQ(sameX.icon, MessageIcon::Stop);
    EXPECT_EQ(fitStatusMessage(FIT_SAME_Y)->text, "Cannot fit: all Y values are the same.");
}

} // namespace
