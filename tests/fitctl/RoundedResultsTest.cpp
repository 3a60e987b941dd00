#include "fitctl/RoundedResults.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

namespace {

struct PairCase {
    long double value;
    long double sigma;
    const char* expected; // value, sigma and power as "v|s" or "v|s|p"
};

std::string joined(const RoundedPair& p) {
    std::string text = p.value + "|" + p.sigma;
    if (p.power)
        text += "|" + std::to_string(*p.power);
    return text;
}

TEST(RoundedResults, UncertaintyToTwoDigitsAndValueToTheSamePlace) {
    const PairCase cases[] = {
        {2.0197, 0.0427618L, "2.020|0.043"},
        {-0.0243, 0.166533L, "-0.02|0.17"},
        {7.32059E-7L, 1.57817E-10L, "7.3206|0.0016|-7"},
        {0.004, 0.166533L, "0.00|0.17"},     // no sign on a value that rounds to zero
        {1.2345, 0.0996L, "1.23|0.10"},      // 0.0996 rounds up to the next decade
        {12345.6, 1.234, "12345.6|1.2"},     // plain up to 10^5
        {12345, 234, "1.235|0.023|4"},       // tens in the uncertainty: a power of ten
        {1234567, 12, "1.234567|0.000012|6"}, // too many digits before the point
        {0.00123, 0.00012, "0.00123|0.00012"},
        {0.000123, 0.000012, "1.23|0.12|-4"},
        {0, 9.96E-5L, "0.0|1.0|-4"},
        {2.5, 0, "2.5|0"},                   // an exact fit keeps its value
    };
    for (const PairCase& c : cases)
        EXPECT_EQ(joined(roundedPair(c.value, c.sigma)), c.expected) << c.expected;
    EXPECT_EQ(joined(roundedPair(2.0197, 0.0427618L, ',')), "2,020|0,043");
}

TEST(RoundedResults, PlainTextAndHtmlOfAFit) {
    Document d = documentWith({{"1", "2", "1"}, {"2", "4", "1"}, {"3", "7", "1"}});
    d.roles.dy = 3;
    const FitOutcome o = fitDocument(d, FitType::LINEAR, ErrorMethod::DYI);
    const RoundedResults r = roundedResults(o, '.');
    EXPECT_EQ(r.text, "y = a + bx\n"
                      "a = (\u22120.7 \u00b1 1.5) from the error bars\n"
                      "a = (\u22120.67 \u00b1 0.62) from the scatter\n"
                      "b = (2.50 \u00b1 0.71) from the error bars\n"
                      "b = (2.50 \u00b1 0.29) from the scatter\n"
                      "r = 0.9934\n"
                      "\u03c7\u00b2\u1d65 = 0.17\n");
    EXPECT_EQ(r.html, "<p>\ny = a + bx<br>\n"
                      "a = (&minus;0.7 &plusmn; 1.5) from the error bars<br>\n"
                      "a = (&minus;0.67 &plusmn; 0.62) from the scatter<br>\n"
                      "b = (2.50 &plusmn; 0.71) from the error bars<br>\n"
                      "b = (2.50 &plusmn; 0.29) from the scatter<br>\n"
                      "r = 0.9934<br>\n"
                      "&chi;<sup>2</sup><sub>&nu;</sub> = 0.17<br>\n</p>\n");
    FitOutcome tiny = o;
    tiny.errorMethod = ErrorMethod::ESTDY;
    tiny.parameters[1] = {"b", 7.32059E-7L, 1.57817E-10L};
    EXPECT_NE(roundedResults(tiny, '.').text.find("b = (7.3206 \u00b1 0.0016)\u00d710\u207b\u2077"),
              std::string::npos);
    EXPECT_NE(roundedResults(tiny, '.').html.find("&times;10<sup>&minus;7</sup>"),
              std::string::npos);
}

// Shown worst-fit lines join the report: the slope's third reading and the two lines, their
// numbers to four digits.
TEST(RoundedResults, WorstFitLinesInAReport) {
    Document d = documentWith({{"1", "2", "1"}, {"2", "4", "1"}, {"3", "7", "1"}});
    d.roles.dy = 3;
    const FitOutcome o = fitDocument(d, FitType::LINEAR, ErrorMethod::DYI);
    WorstFitLines worst;
    worst.steepest = {-2.5L, 3.5L};
    worst.shallowest = {1.23456L, 1.5L};
    const RoundedResults r = roundedResults(o, '.', worst);
    EXPECT_NE(r.text.find("b = (2.50 \u00b1 0.29) from the scatter\n"
                          "b = (2.5 \u00b1 1.0) from the worst-fit lines\n"),
              std::string::npos);
    EXPECT_NE(r.text.find("\u1d65 = 0.17\nSteepest line: a = \u22122.5, b = 3.5\n"
                          "Shallowest line: a = 1.235, b = 1.5\n"),
              std::string::npos);
    EXPECT_NE(r.html.find("Steepest line: a = &minus;2.5, b = 3.5<br>"), std::string::npos);
}

} // namespace
