#include "common/FormatGeneral.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FormatGeneral, FixedNotationForExponentsUpToThePrecision) {
    EXPECT_EQ(FormatGeneral(2.5L, 6), "2.5");
    EXPECT_EQ(FormatGeneral(-0.6666667L, 6), "-0.666667");
    EXPECT_EQ(FormatGeneral(-2.0L / 3, 6), "-0.666667");
    EXPECT_EQ(FormatGeneral(1234.5678L, 6), "1234.57");
    EXPECT_EQ(FormatGeneral(123456.7L, 6), "123457");
    EXPECT_EQ(FormatGeneral(0.62360956L, 6), "0.62361"); // the trailing zero is dropped
    EXPECT_EQ(FormatGeneral(100.0L, 6), "100");
    EXPECT_EQ(FormatGeneral(0.99339927L, 4), "0.9934");
    EXPECT_EQ(FormatGeneral(1234.0L, 4), "1234");
}

TEST(FormatGeneral, SmallValuesStayFixedDownToThreeLeadingZeros) {
    EXPECT_EQ(FormatGeneral(0.000123456L, 6), "0.000123456");
    EXPECT_EQ(FormatGeneral(0.001L, 6), "0.001");
    EXPECT_EQ(FormatGeneral(0.0000123456L, 6), "1.23456E-5");
    EXPECT_EQ(FormatGeneral(0.00001234L, 6), "1.234E-5");
}

TEST(FormatGeneral, ScientificBeyondThePrecisionWithoutPlusSign) {
    EXPECT_EQ(FormatGeneral(1234567.0L, 6), "1.23457E6");
    EXPECT_EQ(FormatGeneral(1000000.0L, 6), "1E6");
    EXPECT_EQ(FormatGeneral(-2.5e12L, 6), "-2.5E12");
    EXPECT_EQ(FormatGeneral(1e-300L, 6), "1E-300");
}

TEST(FormatGeneral, ExactHalvesRoundAwayFromZero) {
    EXPECT_EQ(FormatGeneral(12345.0L, 4), "1.235E4");
    EXPECT_EQ(FormatGeneral(1234565.0L, 6), "1.23457E6");
    EXPECT_EQ(FormatGeneral(-0.125L, 2), "-0.13");
}

TEST(FormatGeneral, RoundingCarriesIntoTheExponent) {
    EXPECT_EQ(FormatGeneral(999999.7L, 6), "1E6");
    EXPECT_EQ(FormatGeneral(0.99999L, 4), "1");
    EXPECT_EQ(FormatGeneral(9.9999996L, 6), "10");
}

TEST(FormatGeneral, ZeroAndTheDecimalSeparator) {
    EXPECT_EQ(FormatGeneral(0.0L, 6), "0");
    EXPECT_EQ(FormatGeneral(-0.0L, 6), "0");
    EXPECT_EQ(FormatGeneral(-0.6666667L, 6, ','), "-0,666667");
    EXPECT_EQ(FormatGeneral(0.0000123456L, 6, ','), "1,23456E-5");
}

TEST(FormatGeneral, NonFiniteValuesAreNamed) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::infinity(), 6), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<long double>::infinity(), 6), "-INF");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), 6), "NAN");
}

} // namespace
