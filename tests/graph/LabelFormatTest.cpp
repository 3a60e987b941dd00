#include "graph/LabelFormat.h"

#include <gtest/gtest.h>

TEST(LabelFormat, FixedDecimalsFromThePattern) {
    EXPECT_EQ(formatAxisLabel(2.345, "0.00", '.'), "2.35");
    EXPECT_EQ(formatAxisLabel(-0.5, "0.00", '.'), "-0.50");
    EXPECT_EQ(formatAxisLabel(1234.5, "0.00", '.'), "1234.50");
    EXPECT_EQ(formatAxisLabel(0.000123, "0.00000", '.'), "0.00012");
    EXPECT_EQ(formatAxisLabel(0.0123, "0.0000", '.'), "0.0123");
    EXPECT_EQ(formatAxisLabel(-0.0125, "0.000", '.'), "-0.013");
    EXPECT_EQ(formatAxisLabel(12.75, "0.0", '.'), "12.8");
    EXPECT_EQ(formatAxisLabel(12.3, "0", '.'), "12");
    EXPECT_EQ(formatAxisLabel(-7.6, "0", '.'), "-8");
    EXPECT_EQ(formatAxisLabel(99.996, "0.00", '.'), "100.00");
}

// Halves round away from zero, judged on the decimal digits of the value, as people do.
TEST(LabelFormat, HalvesRoundAwayFromZero) {
    EXPECT_EQ(formatAxisLabel(0.125, "0.00", '.'), "0.13");
    EXPECT_EQ(formatAxisLabel(0.285, "0.00", '.'), "0.29");
    EXPECT_EQ(formatAxisLabel(-2.5, "0", '.'), "-3");
    EXPECT_EQ(formatAxisLabel(0.5, "0", '.'), "1");
    EXPECT_EQ(formatAxisLabel(0.49, "0", '.'), "0");
}

TEST(LabelFormat, ThousandsSeparators) {
    EXPECT_EQ(formatAxisLabel(0, "#,##0.00", '.'), "0.00");
    EXPECT_EQ(formatAxisLabel(999.999, "#,##0.00", '.'), "1,000.00");
    EXPECT_EQ(formatAxisLabel(1234567.891, "#,##0.00", '.'), "1,234,567.89");
    EXPECT_EQ(formatAxisLabel(-123456, "#,##0.00", '.'), "-123,456.00");
    EXPECT_EQ(formatAxisLabel(100, "#,##0.00", '.'), "100.00");
}

TEST(LabelFormat, ScientificNotation) {
    EXPECT_EQ(formatAxisLabel(12345, "0.00E+00", '.'), "1.23E+04");
    EXPECT_EQ(formatAxisLabel(12345, "0.000E+00", '.'), "1.235E+04");
    EXPECT_EQ(formatAxisLabel(0.000012, "0.00E+00", '.'), "1.20E-05");
    EXPECT_EQ(formatAxisLabel(-2.5e-7, "0.00E+00", '.'), "-2.50E-07");
    EXPECT_EQ(formatAxisLabel(1e100, "0.00E+00", '.'), "1.00E+100");
    EXPECT_EQ(formatAxisLabel(9.999, "0.00E+00", '.'), "1.00E+01");
    EXPECT_EQ(formatAxisLabel(0, "0.00E+00", '.'), "0.00E+00");
    EXPECT_EQ(formatAxisLabel(5, "0.0E-0", '.'), "5.0E0");
    EXPECT_EQ(formatAxisLabel(0.05, "0.0E-0", '.'), "5.0E-2");
}

// A tick at zero often arrives as a tiny negative number; its label has no sign.
TEST(LabelFormat, ZeroNeverCarriesASign) {
    EXPECT_EQ(formatAxisLabel(-1e-17, "0.00", '.'), "0.00");
    EXPECT_EQ(formatAxisLabel(-0.0, "#,##0.00", '.'), "0.00");
    EXPECT_EQ(formatAxisLabel(-0.0, "0.00E+00", '.'), "0.00E+00");
    EXPECT_EQ(formatAxisLabel(-0.004, "0.00", '.'), "0.00");
}

TEST(LabelFormat, ProgramsDecimalSeparator) {
    EXPECT_EQ(formatAxisLabel(2.5, "0.00", ','), "2,50");
    EXPECT_EQ(formatAxisLabel(1234.5, "#,##0.00", ','), "1.234,50");
    EXPECT_EQ(formatAxisLabel(12345, "0.00E+00", ','), "1,23E+04");
}

TEST(LabelFormat, NonFiniteValues) {
    EXPECT_EQ(formatAxisLabel(1.0 / 0.0, "0.00", '.'), "INF");
    EXPECT_EQ(formatAxisLabel(-1.0 / 0.0, "0.00E+00", '.'), "-INF");
}
