#include "common/KelvaneError.h"
#include "table/NumberText.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseNumber, AcceptsTheNumberForms) {
    EXPECT_EQ(parseNumber("1.5"), 1.5L);
    EXPECT_EQ(parseNumber("-2"), -2.0L);
    EXPECT_EQ(parseNumber("+3"), 3.0L);
    EXPECT_EQ(parseNumber("1e-3"), 1e-3L);
    EXPECT_EQ(parseNumber(".5"), 0.5L);
    EXPECT_EQ(parseNumber("  4  "), 4.0L);
    EXPECT_EQ(parseNumber("5."), 5.0L);
    EXPECT_EQ(parseNumber("2.5E+2"), 250.0L);
}

TEST(ParseNumber, LoneSeparatorIsZeroAndBareExponentMarkerMeansZero) {
    EXPECT_EQ(parseNumber("."), 0.0L);
    EXPECT_EQ(parseNumber("1E"), 1.0L);
    EXPECT_EQ(parseNumber("3e-"), 3.0L);
}

TEST(ParseNumber, KeepsExtendedPrecision) {
    // 0.1 is not a double: the long double result must be closer than the double one.
    long double v = parseNumber("0.1");
    EXPECT_NE(v, static_cast<long double>(0.1));
    EXPECT_NEAR(static_cast<double>(v * 10 - 1), 0.0, 1e-18);
    EXPECT_EQ(parseNumber("1e4000"), 1e4000L); // beyond double, within long double
}

TEST(ParseNumber, RefusesMalformedTextWithTheUsersMessage) {
    for (const char* text : {"1.2.3", "1-2", "-", "E5", "", "1\t", "\t1", "abc", "1 2", "1e5x",
                             "+-1", " ", "0x10", "1,5"}) {
        try {
            parseNumber(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const KelvaneError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + text + "' is not a valid floating point value");
        }
    }
}

TEST(ParseNumber, RefusesValuesBeyondTheExtendedRangeAndTakesTinyOnesAsZero) {
    EXPECT_THROW(parseNumber("1e5000"), KelvaneError);
    EXPECT_THROW(parseNumber("-1e99999999999999999999"), KelvaneError);
    EXPECT_EQ(parseNumber("1e-5000"), 0.0L);
    EXPECT_GT(parseNumber("1e-4940"), 0.0L) << "a denormal is still a number";
}

TEST(ParseNumber, UsesTheSeparatorHandedIn) {
    EXPECT_EQ(parseNumber("1,5", ','), 1.5L);
    EXPECT_EQ(parseNumber(",", ','), 0.0L);
    EXPECT_THROW(parseNumber("1.5", ','), KelvaneError);
}

TEST(DecimalPointCount, CountsEveryPoint) {
    EXPECT_EQ(decimalPointCount("1.2.3"), 2);
    EXPECT_EQ(decimalPointCount("1..2"), 2);
    EXPECT_EQ(decimalPointCount("12"), 0);
    EXPECT_EQ(decimalPointCount("1,2"), 0);
}

} // namespace
