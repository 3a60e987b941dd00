#include "graph/PlotRanges.h"
#include "common/KelvaneError.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A 725 x 400 pixel chart with the default markers.
PlotSettings chart(GraphType graph = GraphType::Linear) {
    PlotSettings s;
    s.graphType = graph;
    s.chartWidth = 725;
    s.chartHeight = 400;
    return s;
}

TEST(PlotRanges, FewerThanTwoPlottedRowsLeaveEverythingAsItIs) {
    EXPECT_TRUE(computePlotUpdate(DataTable(), chart()).points.empty());
    // X without Y and Y without X are not plotted and do not count.
    const PlotUpdate u = computePlotUpdate(tableWith({{"1", "2"}, {"3", ""}, {"", "4"}}), chart());
    EXPECT_TRUE(u.points.empty());
    EXPECT_FALSE(u.x);
    EXPECT_FALSE(u.y);
}

TEST(PlotRanges, PointsInRowOrderAndTheSelectedOnes) {
    DataTable t = tableWith({{"5", "1"}, {"1", "2"}, {"3", ""}, {"2", "4"}, {"4", "5"}});
    t.selectionTop = 3;
    t.selectionBottom = 5;
    const PlotUpdate u = computePlotUpdate(t, chart());
    ASSERT_EQ(u.points.size(), 4u);
    EXPECT_EQ(u.points[0].x, 5);
    EXPECT_EQ(u.points[3].y, 5);
    ASSERT_EQ(u.selectedPoints.size(), 2u); // row 3 is not plotted
    EXPECT_EQ(u.selectedPoints[0].x, 2);
    EXPECT_EQ(u.selectedPoints[1].x, 4);

    t.selectionTop = t.selectionBottom = 2; // one row is no selection
    EXPECT_TRUE(computePlotUpdate(t, chart()).selectedPoints.empty());
}

TEST(PlotRanges, LinearRangeWidenedByTheMarkerSize) {
    const PlotUpdate u = computePlotUpdate(tableWith({{"0", "1"}, {"10", "3"}}), chart());
    ASSERT_TRUE(u.x);
    EXPECT_DOUBLE_EQ(u.x->range.min, -10.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(u.x->range.max, 10 + 10.0 / 725 * 4);
    EXPECT_NEAR(u.x->range.min, -0.0552, 1e-4);
    ASSERT_TRUE(u.y); // the Y margin uses the chart's height
    EXPECT_DOUBLE_EQ(u.y->range.min, 1 - 2.0 / 400 * 4);

    // Equal values open to one unit either side before the margin.
    const PlotUpdate same = computePlotUpdate(tableWith({{"3", "1"}, {"3", "2"}}), chart());
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
    const PlotUpdate u = computePlotUpdate(tableWith({{"0.001", "-0.5"}, {"7", "4"}}), chart());
    EXPECT_EQ(u.x->format->pattern, "0.000");
    EXPECT_EQ(u.y->format->pattern, "0.00");
}

TEST(PlotRanges, FixedFormatsAndManualAxesAreLeftToTheUser) {
    PlotSettings s = chart();
    s.x.formatFixed = true;
    s.y.automatic = false;
    const PlotUpdate u = computePlotUpdate(tableWith({{"0", "1"}, {"10", "3"}}), s);
    ASSERT_TRUE(u.x);
    EXPECT_FALSE(u.x->format);
    EXPECT_DOUBLE_EQ(u.x->range.max, 10 + 10.0 / 725 * 4); // the range is still automatic
    EXPECT_FALSE(u.y);
    EXPECT_EQ(u.points.size(), 2u);
}

TEST(PlotRanges, LogarithmicRangesSpanWholeDecadesPlusTheMargin) {
    const PlotUpdate u =
        computePlotUpdate(tableWith({{"2", "3"}, {"50", "30"}}), chart(GraphType::LogLog));
    const double mL = std::log10(25.0) / 725 * 4;
    EXPECT_DOUBLE_EQ(u.x->range.min, std::pow(10.0, -mL));
    EXPECT_DOUBLE_EQ(u.x->range.max, std::pow(10.0, 2 + mL));
    EXPECT_LT(u.x->range.max, 102);

    // Semi-log: logarithmic in Y only.
    const PlotUpdate semi =
        computePlotUpdate(tableWith({{"0", "2"}, {"10", "50"}}), chart(GraphType::SemiLog));
    EXPECT_DOUBLE_EQ(semi.x->range.min, -10.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(semi.y->range.min, std::pow(10.0, -std::log10(25.0) / 400 * 4));
}

TEST(PlotRanges, LogarithmicAxisCountsPositiveValuesOnly) {
    const PlotUpdate u = computePlotUpdate(tableWith({{"1", "-5"}, {"2", "0"}, {"3", "20"}}),
                                           chart(GraphType::SemiLog));
    ASSERT_TRUE(u.y); // one positive Y: opened around 20, then whole decades
    EXPECT_NEAR(u.y->range.min, 10, 0.5);
    EXPECT_NEAR(u.y->range.max, 100, 5);
    EXPECT_EQ(u.y->format->pattern, "0.00"); // from 19, not from -5
    EXPECT_EQ(u.points.size(), 3u);          // every row is still plotted

    const PlotUpdate none =
        computePlotUpdate(tableWith({{"1", "-5"}, {"2", "0"}}), chart(GraphType::SemiLog));
    EXPECT_FALSE(none.y);
    EXPECT_TRUE(none.x);
}

TEST(PlotRanges, EqualLargeValuesStillGiveTheAxisAWidth) {
    // 1e10 - 1 is 1e10 in single precision: one unit either side would leave no range.
    const PlotUpdate u = computePlotUpdate(tableWith({{"1e10", "1"}, {"1e10", "2"}}), chart());
    ASSERT_TRUE(u.x);
    EXPECT_LT(u.x->range.min, 1e10);
    EXPECT_GT(u.x->range.max, 1e10);
    const double margin = 2e9 / 725 * 4;
    EXPECT_NEAR(u.x->range.min, 9e9 - margin, 2e3); // a tenth either side, in single precision
    EXPECT_NEAR(u.x->range.max, 11e9 + margin, 2e3);
}

TEST(PlotRanges, EqualValuesBelowOneStayPositiveOnALogAxis) {
    const PlotUpdate u =
        computePlotUpdate(tableWith({{"0.5", "1"}, {"0.5", "2"}}), chart(GraphType::LogLog));
    ASSERT_TRUE(u.x);
    EXPECT_GT(u.x->range.min, 0);
    EXPECT_TRUE(std::isfinite(u.x->range.min));
    EXPECT_LT(u.x->range.min, 0.5);
    EXPECT_GT(u.x->range.max, 1.5);
}

// Columns: X, Y, dX, dY.
DataTable tableWithErrors() {
    DataTable t = tableWith({{"1", "10", "0.5", "2"}, {"4", "20", "3", "1"}, {"6", "", "1", ""}});
    t.roles = ColumnRoles{1, 3, 2, 4};
    return t;
}

TEST(PlotRanges, ShownErrorBarsWidenTheAxes) {
    PlotSettings s = chart();
    s.errorMethod = ErrorMethod::DXIDYI;
    s.errorBarsShown = true;
    const PlotUpdate u = computePlotUpdate(tableWithErrors(), s);
    // X: rows with X and dX count even without Y; lo = 1 - 0.5, hi = 6 + 1.
    const double mx = 3.0 / 725 * 4;
    EXPECT_DOUBLE_EQ(u.x->range.min, 0.5 - mx);
    EXPECT_DOUBLE_EQ(u.x->range.max, 7 + mx);
    // Y: lo = 10 - 2, hi = 20 + 1.
    const double my = 10.0 / 400 * 4;
    EXPECT_DOUBLE_EQ(u.y->range.min, 8 - my);
    EXPECT_DOUBLE_EQ(u.y->range.max, 21 + my);
}

TEST(PlotRanges, ErrorBarsWidenOnlyWhileShownAndUsedByTheMethod) {
    PlotSettings s = chart();
    s.errorMethod = ErrorMethod::DXIDYI;
    EXPECT_DOUBLE_EQ(computePlotUpdate(tableWithErrors(), s).x->range.max, 4 + 3.0 / 725 * 4);

    s.errorBarsShown = true;
    s.errorMethod = ErrorMethod::DYI; // Y bars only
    const PlotUpdate dyi = computePlotUpdate(tableWithErrors(), s);
    EXPECT_DOUBLE_EQ(dyi.x->range.max, 4 + 3.0 / 725 * 4);
    EXPECT_DOUBLE_EQ(dyi.y->range.max, 21 + 10.0 / 400 * 4);
}

TEST(PlotRanges, LogarithmicErrorBarRangeIgnoresEndsAtOrBelowZero) {
    PlotSettings s = chart(GraphType::SemiLog);
    s.errorMethod = ErrorMethod::DYI;
    s.errorBarsShown = true;
    DataTable t = tableWith({{"1", "10", "", "20"}, {"2", "30", "", "5"}});
    t.roles = ColumnRoles{1, -1, 2, 4};
    const PlotUpdate u = computePlotUpdate(t, s);
    // Low ends -10 and 25: only 25 counts; high end 50 gives the next decade.
    const double mL = std::log10(30.0 / 10.0) / 400 * 4;
    EXPECT_DOUBLE_EQ(u.y->range.min, std::pow(10.0, 1 - mL));
    EXPECT_DOUBLE_EQ(u.y->range.max, std::pow(10.0, 2 + mL));
    EXPECT_TRUE(std::isfinite(u.y->range.min));
}

TEST(PlotRanges, ChartWithoutPixelsGetsNoMargin) {
    PlotSettings s = chart();
    s.chartWidth = 0;
    const PlotUpdate u = computePlotUpdate(tableWith({{"0", "1"}, {"10", "3"}}), s);
    EXPECT_EQ(u.x->range, (AxisRange{0, 10}));
}

TEST(PlotRanges, ACellThatDoesNotConvertStopsTheRebuild) {
    try {
        computePlotUpdate(tableWith({{"1", "2"}, {"abc", "3"}, {"4", "5"}}), chart());
        FAIL() << "no conversion failure";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    PlotSettings s = chart();
    s.errorMethod = ErrorMethod::DYI;
    s.errorBarsShown = true;
    DataTable t = tableWith({{"1", "2", "x"}, {"3", "4", "1"}});
    t.roles.dy = 3;
    EXPECT_THROW(computePlotUpdate(t, s), KelvaneError);
}

TEST(AxisRange, SetOrderNeverCrossesTheCurrentRange) {
    EXPECT_TRUE(setMinimumFirst({-1, 1}, {0, 10}));
    EXPECT_FALSE(setMinimumFirst({-1, 1}, {5, 10})); // a minimum of 5 above the maximum 1
    EXPECT_FALSE(setMinimumFirst({-1, 1}, {1, 3}));
    EXPECT_TRUE(setMinimumFirst({100, 200}, {-5, 2}));
}

} // namespace
