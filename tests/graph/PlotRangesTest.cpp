#include "graph/PlotRanges.h"
#include "common/KelvaneError.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A 725 x 400 pixel plot area with the default markers.
PlotUpdate plot(Document d, GraphType graph = GraphType::Linear, PlotView view = {725, 400}) {
    d.graphType = graph;
    return computePlotUpdate(d, view);
}

// A document showing the error bars of the given method.
Document withErrorBars(Document d, ErrorMethod method) {
    d.errorMethod = method;
    d.errorBarsShown = true;
    return d;
}

TEST(PlotRanges, FewerThanTwoPlottedRowsLeaveEverythingAsItIs) {
    EXPECT_TRUE(plot(Document()).points.empty());
    // X without Y and Y without X are not plotted and do not count.
    const PlotUpdate u = plot(documentWith({{"1", "2"}, {"3", ""}, {"", "4"}}));
    EXPECT_TRUE(u.points.empty());
    EXPECT_FALSE(u.x);
    EXPECT_FALSE(u.y);
}

TEST(PlotRanges, PointsInRowOrderAndTheSelectedOnes) {
    Document t = documentWith({{"5", "1"}, {"1", "2"}, {"3", ""}, {"2", "4"}, {"4", "5"}});
    t.selectionTop = 3;
    t.selectionBottom = 5;
    const PlotUpdate u = plot(t);
    ASSERT_EQ(u.points.size(), 4u);
    EXPECT_EQ(u.points[0].x, 5);
    EXPECT_EQ(u.points[3].y, 5);
    ASSERT_EQ(u.selectedPoints.size(), 2u); // row 3 is not plotted
    EXPECT_EQ(u.selectedPoints[0].x, 2);
    EXPECT_EQ(u.selectedPoints[1].x, 4);

    t.selectionTop = t.selectionBottom = 2; // one row is no selection
    EXPECT_TRUE(plot(t).selectedPoints.empty());
}

TEST(PlotRanges, LinearRangeWidenedByTheMarkerSize) {
    const PlotUpdate u = plot(documentWith({{"0", "1"}, {"10", "3"}}));
    ASSERT_TRUE(u.x);
    EXPECT_DOUBLE_EQ(u.x->range.min, -10.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(u.x->range.max, 10 + 10.0 / 725 * 4);
    EXPECT_NEAR(u.x->range.min, -0.0552, 1e-4);
    ASSERT_TRUE(u.y); // the Y margin uses the chart's height
    EXPECT_DOUBLE_EQ(u.y->range.min, 1 - 2.0 / 400 * 4);

    // Equal values open to one unit either side before the margin.
    const PlotUpdate same = plot(documentWith({{"3", "1"}, {"3", "2"}}));
    EXPECT_DOUBLE_EQ(same.x->range.min, 2 - 2.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(same.x->range.max, 4 + 2.0 / 725 * 4);
}

TEST(PlotRanges, LabelFormatFollowsTheSmallestValueInSinglePrecision) {
    EXPECT_EQ(automaticLabelFormat(0.0f).pattern, "0.00000"); // zero is not "tiny"
    EXPECT_EQ(automaticLabelFormat(0.0f).decimals, 5);
    EXPECT_EQ(automaticLabelFormat(0.01f).pattern, "0.000"); // 0.0099999998 as a float
    EXPECT_EQ(automaticLabelFormat(0.001f).pattern, "0.000");
    EXPECT_EQ(automaticLabelFormat(0.0005f).pattern, "0.0000");
    EXPECT_EQ(automaticLabelFormat(-0.5f).pattern, "0.00"); // the absolute value counts
    const AxisLabelFormat tiny = automaticLabelFormat(0.000001f);
    EXPECT_EQ(tiny.pattern, "0.00E+00");
    EXPECT_EQ(tiny.decimals, 2);
    EXPECT_TRUE(tiny.scientific);

    // Through the plot: the smallest X decides, the smallest Y for the Y axis.
    const PlotUpdate u = plot(documentWith({{"0.001", "-0.5"}, {"7", "4"}}));
    EXPECT_EQ(u.x->format->pattern, "0.000");
    EXPECT_EQ(u.y->format->pattern, "0.00");
}

TEST(PlotRanges, FixedFormatsAndManualAxesAreLeftToTheUser) {
    Document d = documentWith({{"0", "1"}, {"10", "3"}});
    d.xFormatFixed = true;
    d.yAxis.automatic = false;
    const PlotUpdate u = plot(d);
    ASSERT_TRUE(u.x);
    EXPECT_FALSE(u.x->format);
    EXPECT_DOUBLE_EQ(u.x->range.max, 10 + 10.0 / 725 * 4); // the range is still automatic
    EXPECT_FALSE(u.y);
    EXPECT_EQ(u.points.size(), 2u);
}

TEST(PlotRanges, LogarithmicRangesSpanWholeDecadesPlusTheMargin) {
    const PlotUpdate u = plot(documentWith({{"2", "3"}, {"50", "30"}}), GraphType::LogLog);
    const double mL = std::log10(25.0) / 725 * 4;
    EXPECT_DOUBLE_EQ(u.x->range.min, std::pow(10.0, -mL));
    EXPECT_DOUBLE_EQ(u.x->range.max, std::pow(10.0, 2 + mL));
    EXPECT_LT(u.x->range.max, 102);

    // Semi-log: logarithmic in Y only.
    const PlotUpdate semi = plot(documentWith({{"0", "2"}, {"10", "50"}}), GraphType::SemiLog);
    EXPECT_DOUBLE_EQ(semi.x->range.min, -10.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(semi.y->range.min, std::pow(10.0, -std::log10(25.0) / 400 * 4));
}

TEST(PlotRanges, LogarithmicAxisCountsPositiveValuesOnly) {
    const PlotUpdate u =
        plot(documentWith({{"1", "-5"}, {"2", "0"}, {"3", "20"}}), GraphType::SemiLog);
    ASSERT_TRUE(u.y); // one positive Y: opened around 20, then whole decades
    EXPECT_NEAR(u.y->range.min, 10, 0.5);
    EXPECT_NEAR(u.y->range.max, 100, 5);
    EXPECT_EQ(u.y->format->pattern, "0.00"); // from 19, not from -5
    EXPECT_EQ(u.points.size(), 3u);          // every row is still plotted

    const PlotUpdate none = plot(documentWith({{"1", "-5"}, {"2", "0"}}), GraphType::SemiLog);
    EXPECT_FALSE(none.y);
    EXPECT_TRUE(none.x);
}

TEST(PlotRanges, EqualLargeValuesStillGiveTheAxisAWidth) {
    // 1e10 - 1 is 1e10 in single precision: one unit either side would leave no range.
    const PlotUpdate u = plot(documentWith({{"1e10", "1"}, {"1e10", "2"}}));
    ASSERT_TRUE(u.x);
    EXPECT_LT(u.x->range.min, 1e10);
    EXPECT_GT(u.x->range.max, 1e10);
    const double margin = 2e9 / 725 * 4;
    EXPECT_NEAR(u.x->range.min, 9e9 - margin, 2e3); // a tenth either side, in single precision
    EXPECT_NEAR(u.x->range.max, 11e9 + margin, 2e3);
}

TEST(PlotRanges, EqualValuesBelowOneStayPositiveOnALogAxis) {
    const PlotUpdate u = plot(documentWith({{"0.5", "1"}, {"0.5", "2"}}), GraphType::LogLog);
    ASSERT_TRUE(u.x);
    EXPECT_GT(u.x->range.min, 0);
    EXPECT_TRUE(std::isfinite(u.x->range.min));
    EXPECT_LT(u.x->range.min, 0.5);
    EXPECT_GT(u.x->range.max, 1.5);
}

// Columns: X, Y, dX, dY.
Document tableWithErrors() {
    Document t = documentWith({{"1", "10", "0.5", "2"}, {"4", "20", "3", "1"}, {"6", "", "1", ""}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    return t;
}

TEST(PlotRanges, ShownErrorBarsWidenTheAxes) {
    const PlotUpdate u = plot(withErrorBars(tableWithErrors(), ErrorMethod::DXIDYI));
    // X: rows with X and dX count even without Y; lo = 1 - 0.5, hi = 6 + 1.
    const double mx = 3.0 / 725 * 4;
    EXPECT_DOUBLE_EQ(u.x->range.min, 0.5 - mx);
    EXPECT_DOUBLE_EQ(u.x->range.max, 7 + mx);
    // Y: lo = 10 - 2, hi = 20 + 1.
    const double my = 10.0 / 400 * 4;
    EXPECT_DOUBLE_EQ(u.y->range.min, 8 - my);
    EXPECT_DOUBLE_EQ(u.y->range.max, 21 + my);
}

TEST(PlotRanges, ANegativeUncertaintyWidensLikeItsSize) {
    Document t = tableWithErrors();
    t.table.setCellText(4, 1, "-2");
    const PlotUpdate u = plot(withErrorBars(t, ErrorMethod::DYI));
    EXPECT_DOUBLE_EQ(u.y->range.min, 8 - 10.0 / 400 * 4);
    EXPECT_DOUBLE_EQ(u.y->range.max, 21 + 10.0 / 400 * 4);
}

TEST(PlotRanges, ErrorBarsWidenOnlyWhileShownAndUsedByTheMethod) {
    Document hidden = tableWithErrors();
    hidden.errorMethod = ErrorMethod::DXIDYI;
    EXPECT_DOUBLE_EQ(plot(hidden).x->range.max, 4 + 3.0 / 725 * 4);

    const PlotUpdate dyi = plot(withErrorBars(tableWithErrors(), ErrorMethod::DYI)); // Y only
    EXPECT_DOUBLE_EQ(dyi.x->range.max, 4 + 3.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(dyi.y->range.max, 21 + 10.0 / 400 * 4);
}

TEST(PlotRanges, LogarithmicErrorBarRangeIgnoresEndsAtOrBelowZero) {
    Document t = documentWith({{"1", "10", "", "20"}, {"2", "30", "", "5"}});
    t.roles = ColumnRoles{1, -1, 2, 4};
    const PlotUpdate u = plot(withErrorBars(t, ErrorMethod::DYI), GraphType::SemiLog);
    // Low ends -10 and 25: only 25 counts; high end 50 gives the next decade.
    const double mL = std::log10(30.0 / 10.0) / 400 * 4;
    EXPECT_DOUBLE_EQ(u.y->range.min, std::pow(10.0, 1 - mL));
    EXPECT_DOUBLE_EQ(u.y->range.max, std::pow(10.0, 2 + mL));
    EXPECT_TRUE(std::isfinite(u.y->range.min));
}

TEST(PlotRanges, ChartWithoutPixelsGetsNoMargin) {
    const PlotUpdate u =
        plot(documentWith({{"0", "1"}, {"10", "3"}}), GraphType::Linear, PlotView{0, 400});
    EXPECT_EQ(u.x->range, (AxisRange{0, 10}));
}

TEST(PlotRanges, ACellThatDoesNotConvertStopsTheRebuild) {
    try {
        plot(documentWith({{"1", "2"}, {"abc", "3"}, {"4", "5"}}));
        FAIL() << "no conversion failure";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    Document t = documentWith({{"1", "2", "x"}, {"3", "4", "1"}});
    t.roles.dy = 3;
    EXPECT_THROW(plot(withErrorBars(t, ErrorMethod::DYI)), KelvaneError);
}

TEST(AxisRange, SetOrderNeverCrossesTheCurrentRange) {
    EXPECT_TRUE(setMinimumFirst({-1, 1}, {0, 10}));
    EXPECT_FALSE(setMinimumFirst({-1, 1}, {5, 10})); // a minimum of 5 above the maximum 1
    EXPECT_FALSE(setMinimumFirst({-1, 1}, {1, 3}));
    EXPECT_TRUE(setMinimumFirst({100, 200}, {-5, 2}));
}

} // namespace
