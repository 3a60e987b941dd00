#include "fitctl/FitTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(FitTexts, KeywordsReadBackAndUnknownWordsAreNotGuessed) {
    for (FitType t : ALL_FIT_TYPES)
        EXPECT_EQ(fitTypeFromKeyword(textsOf(t).keyword), t) << textsOf(t).keyword;
    for (ErrorMethod m : ALL_ERROR_METHODS)
        EXPECT_EQ(errorMethodFromKeyword(textsOf(m).keyword), m) << textsOf(m).keyword;
    EXPECT_EQ(fitTypeFromKeyword("FORTHPOLY"), FitType::FORTHPOLY); // spelled so in files
    EXPECT_EQ(fitTypeFromKeyword("FOURTHPOLY"), std::nullopt);
    EXPECT_EQ(fitTypeFromKeyword("linear"), std::nullopt);
    EXPECT_EQ(fitTypeFromKeyword("LINEAR "), std::nullopt);
    EXPECT_EQ(errorMethodFromKeyword("LINEAR"), std::nullopt);
}

// The texts whose blanks and punctuation are easy to get wrong.
TEST(FitTexts, TextsKeepTheirExactSpacing) {
    EXPECT_STREQ(textsOf(FitType::EXPONENTIAL).menuItem, "&Exponential Fit:  y = a e^(bx)");
    EXPECT_STREQ(textsOf(FitType::POWERLAW).menuItem, "&Power Law Fit: y=ax^b");
    EXPECT_STREQ(textsOf(FitType::POWERLAW).equationLabel, "Fitting the equation:  y = a x^(b)");
    EXPECT_STREQ(textsOf(FitType::SECONDPOLY).equationLabel,
                 "Fitting the equation:  y = a + bx + c x^2");
    EXPECT_STREQ(textsOf(FitType::SECONDPOLY).summaryHeader, "y = a + bx + cx^2:");
    EXPECT_STREQ(textsOf(FitType::LINEAR_NO_A).statusText, "Fit Type: Linear: Zero Intercept");
    EXPECT_STREQ(textsOf(ErrorMethod::ESTDY).statusText, "Error Method: Estimated dY");
    EXPECT_STREQ(textsOf(ErrorMethod::DXIDYI).popupItem, "d&Xi, dYi");
    EXPECT_STREQ(UNIFORM_DX_DY_ITEM, "&Uniform dX,  dY");
    EXPECT_STREQ(STARTUP_ERROR_METHOD_STATUS, "Error Method : Estimate dY");
}

} // namespace
