#include "fitctl/FitTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FitTexts, EveryKeywordReadsBackAsItsOwnValue) {
    for (FitType t : ALL_FIT_TYPES) {
        EXPECT_EQ(textsOf(t).type, t);
        EXPECT_EQ(fitTypeFromKeyword(textsOf(t).keyword), t) << textsOf(t).keyword;
    }
    for (ErrorMethod m : ALL_ERROR_METHODS) {
        EXPECT_EQ(textsOf(m).method, m);
        EXPECT_EQ(errorMethodFromKeyword(textsOf(m).keyword), m) << textsOf(m).keyword;
    }
}

TEST(FitTexts, StoredKeywordsAreTheFileFormatsWords) {
    EXPECT_EQ(fitTypeFromKeyword("LINEAR_NO_A"), FitType::LINEAR_NO_A);
    EXPECT_EQ(fitTypeFromKeyword("FORTHPOLY"), FitType::FORTHPOLY); // spelled so in files
    EXPECT_EQ(fitTypeFromKeyword("POWERLAW"), FitType::POWERLAW);
    EXPECT_EQ(errorMethodFromKeyword("DXIDYI"), ErrorMethod::DXIDYI);
}

TEST(FitTexts, UnknownKeywordsAreNotGuessed) {
    EXPECT_EQ(fitTypeFromKeyword("FOURTHPOLY"), std::nullopt);
    EXPECT_EQ(fitTypeFromKeyword("linear"), std::nullopt);
    EXPECT_EQ(fitTypeFromKeyword("LINEAR "), std::nullopt);
    EXPECT_EQ(fitTypeFromKeyword(""), std::nullopt);
    EXPECT_EQ(errorMethodFromKeyword("ESTDY2"), std::nullopt);
    EXPECT_EQ(errorMethodFromKeyword("LINEAR"), std::nullopt);
}

// The texts whose blanks and punctuation are easy to get wrong.
TEST(FitTexts, FitTypeTextsKeepTheirExactSpacing) {
    const FitTypeTexts& exp = textsOf(FitType::EXPONENTIAL);
    EXPECT_STREQ(exp.menuItem, "&Exponential Fit:  y = a e^(bx)");
    EXPECT_STREQ(exp.equationLabel, "Fitting the equation:  y = a e^(bx)");
    const FitTypeTexts& pow = textsOf(FitType::POWERLAW);
    EXPECT_STREQ(pow.menuItem, "&Power Law Fit: y=ax^b");
    EXPECT_STREQ(pow.equationLabel, "Fitting the equation:  y = a x^(b)");
    EXPECT_STREQ(pow.summaryHeader, "y = a x^b:");
    const FitTypeTexts& noA = textsOf(FitType::LINEAR_NO_A);
    EXPECT_STREQ(noA.menuItem, "Linear Fit: &Zero y-Intercept (y = bx)");
    EXPECT_STREQ(noA.statusText, "Fit Type: Linear: Zero Intercept");
    const FitTypeTexts& second = textsOf(FitType::SECONDPOLY);
    EXPECT_STREQ(second.equationLabel, "Fitting the equation:  y = a + bx + c x^2");
    EXPECT_STREQ(second.summaryHeader, "y = a + bx + cx^2:");
    const FitTypeTexts& fifth = textsOf(FitType::FIFTHPOLY);
    EXPECT_STREQ(fifth.menuItem, "&5th Order");
    EXPECT_STREQ(fifth.equationLabel,
                 "Fitting the equation:  y = a + b x + c x^2 + d x^3 + e x^4 + f x^5");
    EXPECT_STREQ(fifth.footerEquation, "y = a + bx + cx^2 + dx^3 + ex^4 + fx^5");
    EXPECT_STREQ(textsOf(FitType::FORTHPOLY).statusText, "Fit Type: 4th Order Polynomial");
    EXPECT_STREQ(POLYNOMIAL_SUBMENU, "P&olynomial Fit");
    for (FitType t : ALL_FIT_TYPES)
        EXPECT_EQ(std::string(textsOf(t).equationLabel).rfind("Fitting the equation:  y = ", 0),
                  0u);
}

TEST(FitTexts, ErrorMethodTexts) {
    const ErrorMethodTexts& est = textsOf(ErrorMethod::ESTDY);
    EXPECT_STREQ(est.statusText, "Error Method: Estimated dY");
    EXPECT_STREQ(est.popupSubmenu, "");
    EXPECT_STREQ(est.popupItem, "&Estimate dY");
    EXPECT_STREQ(est.hint, "Use variance in Y to estimate dY");
    const ErrorMethodTexts& dyi = textsOf(ErrorMethod::DYI);
    EXPECT_STREQ(dyi.menuItem, "&Y Error Bars");
    EXPECT_STREQ(dyi.popupSubmenu, "Input d&Y");
    EXPECT_STREQ(dyi.popupItem, "&dYi");
    EXPECT_EQ(dyi.requiredDataColumns, 3);
    const ErrorMethodTexts& xy = textsOf(ErrorMethod::DXIDYI);
    EXPECT_STREQ(xy.statusText, "Error Method: dXi & dYi");
    EXPECT_STREQ(xy.popupSubmenu, "Input d&X, dY");
    EXPECT_STREQ(xy.popupItem, "d&Xi, dYi");
    EXPECT_STREQ(xy.hint, "Input dX & dY for all X & Y respectively.");
    EXPECT_EQ(xy.requiredDataColumns, 4);
    EXPECT_STREQ(UNIFORM_DX_DY_ITEM, "&Uniform dX,  dY");
    EXPECT_STREQ(STARTUP_ERROR_METHOD_STATUS, "Error Method : Estimate dY");
}

} // namespace
