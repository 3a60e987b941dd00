#include "table/CellMarkup.h"

#include <gtest/gtest.h>

TEST(CellMarkup, ReducedChiSquareLabelShowsGreekLetters) {
    EXPECT_EQ(cellMarkupToHtml("<font face=\"symbol\">c<sub>n</sub><sup>2</sup></font> = 1.5"),
              "χ<sub>ν</sub><sup>2</sup> = 1.5");
    EXPECT_EQ(cellMarkupToHtml("<FONT FACE=Symbol>abW</FONT>c"), "αβΩc");
}

TEST(CellMarkup, OtherFontsAndUnknownTagsAreHarmless) {
    EXPECT_EQ(cellMarkupToHtml("<font face=\"Arial\">c</font>"), "c");
    EXPECT_EQ(cellMarkupToHtml("<b>x</b>"), "&lt;b&gt;x&lt;/b&gt;");
    EXPECT_EQ(cellMarkupToHtml("a < b & c > d"), "a &lt; b &amp; c &gt; d");
    EXPECT_EQ(cellMarkupToHtml("1<2"), "1&lt;2");
    EXPECT_EQ(cellMarkupToHtml("</font>x"), "x") << "a stray closing tag";
    EXPECT_EQ(cellMarkupToHtml("<font face=\"symbol\">p"), "π") << "an unclosed font";
}

TEST(CellMarkup, LineBreaksOfTheSummaryBlock) {
    EXPECT_EQ(cellMarkupToHtml("y = a + bx:\ra = 1  +/-  0.1\r\nr = 1"),
              "y = a + bx:<br>a = 1  +/-  0.1<br>r = 1");
    EXPECT_TRUE(needsRichText("a\rb"));
    EXPECT_TRUE(needsRichText("x<sub>1</sub>"));
    EXPECT_FALSE(needsRichText("1.5e-3"));
}
