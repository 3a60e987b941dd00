#include "../support/ChartDrawing.h"
#include "graph/Chart.h"

#include <QSignalSpy>
#include <QTest>
#include <qcustomplot.h>

#include <gtest/gtest.h>

namespace {

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(600, 400);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    }

    QCustomPlot* plot() const { return chart.findChild<QCustomPlot*>(); }

    QStringList tickLabels(ChartAxis which) {
        chart.replot();
        drawn(chart);
        QCPAxis* a = which == ChartAxis::BottomAxis ? plot()->xAxis : plot()->yAxis;
        const QVector<QString> labels = a->tickVectorLabels();
        return QStringList(labels.begin(), labels.end());
    }

    Chart chart{'.'};
};

} // namespace

TEST_F(ChartTest, StartUpAxesAndTitles) {
    for (ChartAxis a : {ChartAxis::BottomAxis, ChartAxis::LeftAxis}) {
        EXPECT_EQ(chart.minimum(a), -1);
        EXPECT_EQ(chart.maximum(a), 1);
        EXPECT_EQ(chart.labelFormat(a), "#,##0.00");
        EXPECT_EQ(chart.minorTickCount(a), 1);
        EXPECT_TRUE(chart.isMinorGridVisible(a));
        EXPECT_FALSE(chart.isLogarithmic(a));
    }
    EXPECT_EQ(chart.axisTitle(ChartAxis::BottomAxis), "X");
    EXPECT_EQ(chart.axisTitle(ChartAxis::LeftAxis), "Y");
    EXPECT_EQ(chart.graphTitle(), "Graph Title");
    EXPECT_EQ(plot()->xAxis->labelFont().pixelSize(), 13);
    EXPECT_TRUE(plot()->xAxis->labelFont().bold());
    EXPECT_EQ(plot()->xAxis2->labelFont().pixelSize(), 19);
    EXPECT_TRUE(plot()->xAxis2->labelFont().underline());
    EXPECT_EQ(plot()->xAxis->tickLabelRotation(), 90);
    EXPECT_EQ(plot()->yAxis->tickLabelRotation(), 0);
    EXPECT_FALSE(plot()->yAxis2->visible());
    EXPECT_FALSE(plot()->legend->visible());
    EXPECT_EQ(plot()->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(chart.isCursorBoxActive());
    EXPECT_FALSE(chart.isFooterShown());
}

TEST_F(ChartTest, TickLabelsFollowTheLabelFormat) {
    const QStringList startUp = tickLabels(ChartAxis::LeftAxis);
    EXPECT_TRUE(startUp.contains("-1.00")) << startUp.join(' ').toStdString();
    EXPECT_TRUE(startUp.contains("0.00"));

    chart.setMaximum(ChartAxis::BottomAxis, 3e6);
    chart.setMinimum(ChartAxis::BottomAxis, 0);
    EXPECT_TRUE(tickLabels(ChartAxis::BottomAxis).contains("1,000,000.00"));
    chart.setLabelFormat(ChartAxis::BottomAxis, "0.00E+00");
    EXPECT_TRUE(tickLabels(ChartAxis::BottomAxis).contains("1.00E+06"));
}

TEST_F(ChartTest, LabelsUseTheProgramsDecimalSeparator) {
    Chart comma(',');
    comma.resize(400, 300);
    comma.replot();
    drawn(comma);
    QCPAxis* left = comma.findChild<QCustomPlot*>()->yAxis;
    const QVector<QString> labels = left->tickVectorLabels();
    EXPECT_TRUE(labels.contains("-1,00"))
        << QStringList(labels.begin(), labels.end()).join(' ').toStdString();
}

TEST_F(ChartTest, RefusesAMinimumAboveTheMaximumAndTheReverse) {
    EXPECT_FALSE(chart.setMinimum(ChartAxis::BottomAxis, 5));
    EXPECT_EQ(chart.minimum(ChartAxis::BottomAxis), -1);
    EXPECT_TRUE(chart.setMaximum(ChartAxis::BottomAxis, 10));
    EXPECT_TRUE(chart.setMinimum(ChartAxis::BottomAxis, 5));
    EXPECT_FALSE(chart.setMaximum(ChartAxis::BottomAxis, 2));
    EXPECT_EQ(chart.minimum(ChartAxis::BottomAxis), 5);
    EXPECT_EQ(chart.maximum(ChartAxis::BottomAxis), 10);
}

TEST_F(ChartTest, LogarithmicAxisKeepsItsFormatAndMinorTicks) {
    chart.setMaximum(ChartAxis::LeftAxis, 1000);
    chart.setMinimum(ChartAxis::LeftAxis, 1);
    chart.setLabelFormat(ChartAxis::LeftAxis, "0");
    chart.setMinorTickCount(ChartAxis::LeftAxis, 10);
    chart.setLogarithmic(ChartAxis::LeftAxis, true);
    EXPECT_TRUE(chart.isLogarithmic(ChartAxis::LeftAxis));
    EXPECT_EQ(chart.minorTickCount(ChartAxis::LeftAxis), 10);
    const QStringList labels = tickLabels(ChartAxis::LeftAxis);
    for (const char* label : {"1", "10", "100", "1000"})
        EXPECT_TRUE(labels.contains(label)) << labels.join(' ').toStdString();
    chart.setLogarithmic(ChartAxis::LeftAxis, false);
    EXPECT_EQ(chart.labelFormat(ChartAxis::LeftAxis), "0");
}

TEST_F(ChartTest, SeriesInDrawingOrderWithTheirStyles) {
    ASSERT_EQ(plot()->graphCount(), 5);
    const QCPScatterStyle points = plot()->graph(0)->scatterStyle();
    EXPECT_EQ(points.shape(), QCPScatterStyle::ssCircle);
    EXPECT_EQ(points.size(), 9);
    EXPECT_EQ(points.brush().color(), QColor(Qt::red));
    EXPECT_EQ(plot()->graph(0)->lineStyle(), QCPGraph::lsNone);
    const QCPScatterStyle selected = plot()->graph(1)->scatterStyle();
    EXPECT_EQ(selected.size(), 11);
    EXPECT_EQ(selected.brush().color(), QColor(255, 255, 0));
    EXPECT_EQ(selected.pen().color(), QColor(64, 0, 0));
    EXPECT_EQ(selected.pen().width(), 2);
    for (int dotted : {2, 3}) {
        EXPECT_EQ(plot()->graph(dotted)->pen().style(), Qt::DotLine);
        EXPECT_EQ(plot()->graph(dotted)->pen().color(), QColor(Qt::red));
    }
    EXPECT_EQ(plot()->graph(4)->pen().style(), Qt::SolidLine);
    EXPECT_EQ(plot()->graph(4)->pen().color(), QColor(0, 128, 0));

    chart.setPoints(ChartSeries::FitLineSeries, {0, 1, 2}, {1, 2, 3});
    EXPECT_EQ(plot()->graph(4)->dataCount(), 3);
    EXPECT_EQ(chart.pointCount(ChartSeries::FitLineSeries), 3);
    chart.addPoint(ChartSeries::DataPointSeries, 2, 1);
    chart.addPoint(ChartSeries::DataPointSeries, 1, 5);
    EXPECT_EQ(plot()->graph(0)->data()->begin()->key, 1) << "points are kept sorted by X";
    chart.clearSeries(ChartSeries::FitLineSeries);
    EXPECT_EQ(chart.pointCount(ChartSeries::FitLineSeries), 0);
}

TEST_F(ChartTest, PointStyleAndColoursChangeTheDrawnSeries) {
    chart.setDataPointStyle(PointStyle::Star);
    chart.setSeriesColor(ChartSeries::DataPointSeries, Qt::blue);
    EXPECT_EQ(plot()->graph(0)->scatterStyle().shape(), QCPScatterStyle::ssStar);
    EXPECT_EQ(plot()->graph(0)->scatterStyle().pen().color(), QColor(Qt::blue));
    EXPECT_EQ(plot()->graph(1)->scatterStyle().shape(), QCPScatterStyle::ssCircle)
        << "the selection keeps its own style";
    chart.setSeriesColor(ChartSeries::FitLineSeries, Qt::magenta);
    EXPECT_EQ(plot()->graph(4)->pen().color(), QColor(Qt::magenta));
    EXPECT_EQ(plot()->graph(4)->pen().width(), 2);
}

TEST_F(ChartTest, FooterIsShownOnlyWhileVisibleAndNotEmpty) {
    chart.setFooterVisible(true);
    EXPECT_FALSE(chart.isFooterShown());
    EXPECT_EQ(plot()->plotLayout()->rowCount(), 1);
    chart.setFooterLines({"y = a + bx", "a = 1 +/- 0.1", "", "Created: today"});
    EXPECT_TRUE(chart.isFooterShown());
    EXPECT_EQ(plot()->plotLayout()->rowCount(), 2);
    chart.setFooterVisible(false);
    EXPECT_FALSE(chart.isFooterShown());
    EXPECT_EQ(plot()->plotLayout()->rowCount(), 1);
    EXPECT_EQ(chart.footerLines().size(), 4);
}

// Requests wait for the event loop and are drawn there once; whatever shows the chart or
// draws it elsewhere first makes the drawing that waits.
TEST_F(ChartTest, RequestsAreDrawnOnceAndBeforeTheChartShows) {
    QSignalSpy drawings(plot(), &QCustomPlot::afterReplot);
    chart.replot();
    chart.replot();
    EXPECT_EQ(drawings.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(drawings.count(), 1);

    chart.setRange(ChartAxis::BottomAxis, {0, 5e6});
    chart.replot();
    chart.grab();
    EXPECT_EQ(drawings.count(), 2) << "a paint draws first";
    EXPECT_TRUE(plot()->xAxis->tickVectorLabels().contains("1,000,000.00"));
    chart.replot();
    chart.renderImage();
    EXPECT_EQ(drawings.count(), 3) << "a picture draws first";
    QCoreApplication::processEvents();
    EXPECT_EQ(drawings.count(), 3) << "nothing waits any more";
}

TEST_F(ChartTest, RendersToAnImageOfItsSize) {
    const QImage image = chart.renderImage();
    EXPECT_EQ(image.size(), chart.size());
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255));
    bool drawn = false;
    for (int x = 0; x < image.width() && !drawn; ++x)
        drawn = image.pixel(x, image.height() / 2) != qRgb(255, 255, 255);
    EXPECT_TRUE(drawn) << "the left axis crosses the middle row";
}

// The rubber-band zoom takes every press it can; a press on an axis is left to the axis,
// so a click there still reaches the program.
TEST_F(ChartTest, AxisClicksArriveWhileTheRubberBandZooms) {
    plot()->setSelectionRectMode(QCP::srmZoom);
    QSignalSpy clicks(&chart, &Chart::axisClicked);
    chart.replot();
    const QRect area = chart.plotRect();
    QTest::mouseClick(plot(), Qt::LeftButton, {}, QPoint(area.center().x(), area.bottom() + 3));
    QTest::mouseClick(plot(), Qt::LeftButton, {}, QPoint(area.left() - 3, area.center().y()));
    QTest::mouseClick(plot(), Qt::LeftButton, {}, area.center());
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks[0][0].value<ChartAxis>(), ChartAxis::BottomAxis);
    EXPECT_EQ(clicks[1][0].value<ChartAxis>(), ChartAxis::LeftAxis);
    EXPECT_EQ(plot()->selectionRectMode(), QCP::srmZoom);
}

// Each release of the mouse is reported once: as a zoom, as its undoing, or as a plain
// release (a click, or a band too small to be a gesture); never as two of them.
TEST_F(ChartTest, AReleaseIsAZoomAnUndoOrAPlainReleaseButNeverTwo) {
    QSignalSpy zooms(&chart, &Chart::zoomed);
    QSignalSpy undos(&chart, &Chart::zoomUndone);
    QSignalSpy releases(&chart, &Chart::released);
    chart.replot();
    const QRect area = chart.plotRect();
    const auto drag = [this](QPoint from, QPoint to) {
        QTest::mousePress(plot(), Qt::LeftButton, {}, from);
        QTest::mouseMove(plot(), to);
        QTest::mouseRelease(plot(), Qt::LeftButton, {}, to);
    };
    drag(area.center(), area.center() + QPoint(40, 40));
    EXPECT_EQ(zooms.count(), 1);
    EXPECT_EQ(releases.count(), 0) << "the zoom's release is no plain release";
    QTest::mouseClick(plot(), Qt::LeftButton, {}, area.center());
    EXPECT_EQ(releases.count(), 1) << "the click after a zoom is one";
    drag(area.center(), area.center() + QPoint(1, 1));
    EXPECT_EQ(releases.count(), 2) << "too small a band";
    drag(area.center(), area.center() - QPoint(40, 40));
    EXPECT_EQ(undos.count(), 1);
    EXPECT_EQ(zooms.count(), 1);
    EXPECT_EQ(releases.count(), 2);
}
