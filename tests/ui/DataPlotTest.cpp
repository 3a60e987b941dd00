#include "DataEntryFixture.h"

#include <cmath>

namespace {

class DataPlotTest : public DataEntryTest {
protected:
    double low(ChartAxis axis) { return chart().minimum(axis); }
    double high(ChartAxis axis) { return chart().maximum(axis); }
    // The marker half-size of 4 pixels, in axis units over the plot area. The area is
    // measured before the rebuild, and new tick labels may have moved it a little since.
    double xMargin(double span) { return span / chart().plotRect().width() * 4; }
    double yMargin(double span) { return span / chart().plotRect().height() * 4; }
    void expectRange(ChartAxis axis, double from, double to, double margin) {
        EXPECT_NEAR(low(axis), from - margin, margin * 0.05);
        EXPECT_NEAR(high(axis), to + margin, margin * 0.05);
    }
};

TEST_F(DataPlotTest, TypedPointsAreShownWithRangesAroundThem) {
    enterColumn(1, {"0", "10", "5"});
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 0) << "no Y yet";
    EXPECT_EQ(low(ChartAxis::BottomAxis), -1);

    enterColumn(2, {"2", "4", "7"});
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 3);
    EXPECT_EQ(chart().pointCount(ChartSeries::SelectedDataPointSeries), 0);
    expectRange(ChartAxis::BottomAxis, 0, 10, xMargin(10));
    expectRange(ChartAxis::LeftAxis, 2, 7, yMargin(5));
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.00000") << "smallest X is 0";
    EXPECT_EQ(chart().labelFormat(ChartAxis::LeftAxis), "0.00");
}

// The new range lies wholly above, then wholly below the old one: each needs its own
// order of setting the two ends.
TEST_F(DataPlotTest, RangesMoveFarInEitherDirection) {
    enterColumn(1, {"100", "200"});
    enterColumn(2, {"1", "2"});
    expectRange(ChartAxis::BottomAxis, 100, 200, xMargin(100));

    enterColumn(1, {"-300", "-200"});
    expectRange(ChartAxis::BottomAxis, -300, -200, xMargin(100));
}

TEST_F(DataPlotTest, ScientificLabelsStayOnceChosen) {
    enterColumn(1, {"0.000001", "0.000002"});
    enterColumn(2, {"-0.5", "3"});
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.00E+00");
    EXPECT_EQ(chart().labelFormat(ChartAxis::LeftAxis), "0.00") << "the absolute value counts";
    EXPECT_TRUE(form->document().xFormatFixed);

    enterColumn(1, {"1", "2"});
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.00E+00");
    expectRange(ChartAxis::BottomAxis, 1, 2, xMargin(1)); // the range still follows
}

TEST_F(DataPlotTest, SelectionOfSeveralRowsHighlightsItsPlottedPoints) {
    enterColumn(1, {"1", "2", "3", "", "5", "6"});
    enterColumn(2, {"1", "2", "3", "4", "5", "6"});
    selectRows(3, 5);
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 5);
    EXPECT_EQ(chart().pointCount(ChartSeries::SelectedDataPointSeries), 2) << "row 4 has no X";

    selectRows(2, 2);
    EXPECT_EQ(chart().pointCount(ChartSeries::SelectedDataPointSeries), 0);
}

TEST_F(DataPlotTest, LogLogAxesSpanWholeDecadesAndSkipValuesBelowZero) {
    enterColumn(1, {"2", "10", "50"});
    enterColumn(2, {"-1", "3"}); // -1 has no place on a logarithmic axis
    // The entry check keeps -1 out of a log-log graph, but it was there before.
    changeDocument([&](Document& d) { d.graphType = GraphType::LogLog; });
    chart().setLogarithmic(ChartAxis::BottomAxis, true);
    chart().setLogarithmic(ChartAxis::LeftAxis, true);
    enter(2, 3, "30");
    // Decades 1 .. 100, widened by the marker margin in decades.
    const double margin = xMargin(std::log10(25.0));
    EXPECT_NEAR(-std::log10(low(ChartAxis::BottomAxis)), margin, margin * 0.05);
    EXPECT_NEAR(std::log10(high(ChartAxis::BottomAxis)), 2 + margin, margin * 0.05);
    const double yMarginL = yMargin(std::log10(10.0));
    EXPECT_NEAR(-std::log10(low(ChartAxis::LeftAxis)), yMarginL, yMarginL * 0.05);
    EXPECT_NEAR(std::log10(high(ChartAxis::LeftAxis)), 2 + yMarginL, yMarginL * 0.05);
}

TEST_F(DataPlotTest, CellThatDoesNotConvertEmptiesTheSeriesAndKeepsTheAxes) {
    enterColumn(1, {"1", "2", "3"});
    enterColumn(2, {"2", "4", "7"});
    const double left = low(ChartAxis::BottomAxis);
    const double right = high(ChartAxis::BottomAxis);

    enter(1, 2, "-");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'-' is not a valid floating point value");
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 0);
    EXPECT_EQ(low(ChartAxis::BottomAxis), left);
    EXPECT_EQ(high(ChartAxis::BottomAxis), right);
}

TEST_F(DataPlotTest, EditingACellRemovesAShownFit) {
    enterColumn(1, {"1", "2", "3"});
    enterColumn(2, {"2", "4", "7"});
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked());
    enter(2, 3, "8");
    expectNoFit();
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 3);
}

} // namespace
