#include "../support/ChartDrawing.h"
#include "DataEntryFixture.h"

#include "graph/Chartoptions.h"
#include "graph/ErrorBarOverlay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <qcustomplot.h>

namespace {

using Answer = UiServices::Answer;

const QColor BLUE(0, 0, 255);

class GraphCommandsTest : public DataEntryTest {
protected:
    // X = 1, 2, 3 and Y = 2, 4, 7 with dY = 0.5, 1, 1.5, under "Y Error Bars".
    void enterYErrorData() {
        addErrorColumns(false);
        action("dYi")->trigger();
        enterColumn(1, {"1", "2", "3"});
        enterColumn(2, {"2", "4", "7"});
        enterColumn(3, {"0.5", "1", "1.5"});
    }
    ErrorBarDrawing bars() {
        return errorBarDrawing(doc(), drawn(chart()).pixelAxis(ChartAxis::BottomAxis),
                               chart().pixelAxis(ChartAxis::LeftAxis));
    }
    QImage grabbedChart() { return chart().grab().toImage(); }
    int bluePixels() {
        const QImage image = grabbedChart();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == BLUE;
        return count;
    }
    TChartOptionsForm* options() { return child<TChartOptionsForm>("ChartOptionsForm"); }
    template <class T> T* control(const char* name) {
        auto* found = options()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void setModified(bool modified) {
        changeDocument([modified](Document& d) { d.modified = modified; });
    }
    AxisRange rangeOf(ChartAxis axis) { return {chart().minimum(axis), chart().maximum(axis)}; }
};

TEST_F(GraphCommandsTest, ErrorBarsAreDrawnAtTheirPixelsInTheirColourAndWidth) {
    enterYErrorData();
    EXPECT_TRUE(action("ShowErrorBars")->isEnabled());
    const double topWithoutBars = chart().maximum(ChartAxis::LeftAxis);
    ui.colors = {BLUE};
    action("ErrorBarColor1")->trigger();
    EXPECT_EQ(doc().errorBarColor, 0xFF0000u);

    setModified(false);
    action("ShowErrorBars")->trigger();
    EXPECT_TRUE(doc().errorBarsShown);
    EXPECT_EQ(form->statusText(3), "Error Bars: ON");
    EXPECT_GT(chart().maximum(ChartAxis::LeftAxis), topWithoutBars) << "the range holds the bars";
    EXPECT_TRUE(doc().modified) << "Save writes whether the bars are shown";

    // The top cap of the point (2, 4) is eleven pixels long and one high.
    const ErrorBarDrawing drawn = bars();
    ASSERT_EQ(drawn.segments.size(), 9u);
    const PixelSegment cap = drawn.segments[4];
    const auto blueAt = [&cap](const QImage& image, int dx, int dy) {
        return image.pixelColor(cap.x1 + dx, cap.y1 + dy) == BLUE;
    };
    QImage image = grabbedChart();
    EXPECT_TRUE(blueAt(image, 0, 0) && blueAt(image, 10, 0));
    EXPECT_FALSE(blueAt(image, -1, 0) || blueAt(image, 11, 0) || blueAt(image, 0, -1));

    // Width 5: the same cap, five pixels high and no longer.
    action("ErrorBarWidth5")->trigger();
    EXPECT_TRUE(action("ErrorBarWidth5")->isChecked());
    image = chart().renderImage(); // an exported image carries the bars too
    EXPECT_TRUE(blueAt(image, 0, -2) && blueAt(image, 10, 2));
    EXPECT_FALSE(blueAt(image, 0, -3) || blueAt(image, 0, 3) || blueAt(image, 11, 0));

    // The colour dialog opens with the colour chosen last; cancelled, it changes nothing.
    action("ErrorBarColor1")->trigger();
    EXPECT_EQ(ui.colorDialogStarts, (std::vector<QColor>{Qt::black, BLUE}));
    EXPECT_EQ(doc().errorBarColor, 0xFF0000u);

    action("ShowErrorBars")->trigger();
    EXPECT_EQ(form->statusText(3), "Error Bars: OFF");
    EXPECT_EQ(bluePixels(), 0);
}

// Without the error method's columns the command asks first; declined, the bars stay off.
// Accepted, they are on whatever the column dialog ends with.
TEST_F(GraphCommandsTest, ShowingBarsWithoutTheirColumnsOffersTheColumnDialog) {
    addErrorColumns(true);
    action("dXidYi")->trigger();
    changeDocument([](Document& d) { d.roles.dx = -1; });

    ui.answers = {Answer::No};
    action("ShowErrorBars")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Choose Columns");
    EXPECT_EQ(form->statusText(3), "Error Bars: OFF");
    EXPECT_TRUE(ui.modalDialogTitles.empty());

    ui.answers = {Answer::Yes};
    ui.dialogScripts = {[](QDialog&) { return int(QDialog::Rejected); }};
    action("ShowErrorBars")->trigger();
    EXPECT_EQ(ui.modalDialogTitles.size(), 1u);
    EXPECT_EQ(form->statusText(3), "Error Bars: ON");
    EXPECT_TRUE(bars().segments.empty()) << "no dX column, nothing to draw";
}

// A shown "Y Error Bars" fit follows every graph type: points, bars and curve are drawn
// again over the new ranges.
TEST_F(GraphCommandsTest, GraphTypesRedrawPointsBarsAndAShownFit) {
    enterYErrorData();
    action("ShowErrorBars")->trigger();
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked());
    setModified(false);

    action("LogLogAction")->trigger();
    EXPECT_TRUE(ui.messages.empty());
    for (ChartAxis axis : {ChartAxis::BottomAxis, ChartAxis::LeftAxis}) {
        EXPECT_TRUE(chart().isLogarithmic(axis));
        EXPECT_EQ(chart().minorTickCount(axis), 10);
        EXPECT_GT(chart().minimum(axis), 0);
    }
    EXPECT_TRUE(action("LogLogAction")->isChecked());
    EXPECT_TRUE(doc().modified);
    EXPECT_EQ(chart().pointCount(ChartSeries::DataPointSeries), 3);
    EXPECT_EQ(bars().segments.size(), 9u);
    expectCurveSplitAt(1, 3);

    action("LinearAction")->trigger();
    EXPECT_FALSE(chart().isLogarithmic(ChartAxis::LeftAxis));
    EXPECT_EQ(chart().minorTickCount(ChartAxis::LeftAxis), 1);
    expectCurveSplitAt(1, 3);

    // A value a logarithmic axis cannot show keeps everything as it was.
    enter(2, 5, "-1");
    fitButton()->click();
    setModified(false);
    const AxisRange left = rangeOf(ChartAxis::LeftAxis);
    action("SemiLogAction")->trigger();
    ASSERT_EQ(ui.messages.size(), 2u) << "the fit's warning about row 5, then the refusal";
    EXPECT_EQ(ui.messages[1].caption, "Doh!");
    EXPECT_TRUE(action("LinearAction")->isChecked());
    EXPECT_FALSE(chart().isLogarithmic(ChartAxis::LeftAxis));
    EXPECT_EQ(rangeOf(ChartAxis::LeftAxis), left);
    EXPECT_FALSE(doc().modified);
}

// Every step of a command asks for a drawing; the chart draws once, when the event loop runs.
TEST_F(GraphCommandsTest, ACommandDrawsTheChartOnce) {
    enterYErrorData();
    action("ShowErrorBars")->trigger();
    fitButton()->click();
    QCoreApplication::processEvents();
    QCustomPlot* plot = chart().findChild<QCustomPlot*>();
    for (const char* command : {"LogLogAction", "LinearAction", "ShowErrorBars"}) {
        QSignalSpy drawings(plot, &QCustomPlot::afterReplot);
        action(command)->trigger();
        EXPECT_EQ(drawings.count(), 0) << command;
        QCoreApplication::processEvents();
        EXPECT_EQ(drawings.count(), 1) << command;
    }
}

// While X waits for its limits the Y group is locked and the window cannot be closed;
// typed letters never reach a limit field; the applied limits hold against new data.
// Nothing the window does counts as a change to save.
TEST_F(GraphCommandsTest, AxisOptionsWindowLocksTheOtherAxisUntilTheLimitsAreApplied) {
    enterColumn(1, {"1", "2", "3"});
    enterColumn(2, {"2", "4", "7"});
    setModified(false);
    // A click on the bottom axis opens the window, as "Axis Options" does.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect area = chart().plotRect();
    QWidget* plot = chart().childAt(area.center());
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(area.center().x(), area.bottom() + 3));
    TChartOptionsForm* window = options();
    ASSERT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(control<QLineEdit>("XMinEdit")->isEnabled());

    control<QRadioButton>("XManualRadioButton")->click();
    EXPECT_FALSE(control<QGroupBox>("YScaleGroupBox")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("XMaxEdit")->isEnabled());
    control<QPushButton>("CancelButton")->click();
    window->close();
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(control<QRadioButton>("YAutoRadioButton"), Qt::LeftButton);
    ASSERT_EQ(ui.messages.size(), 3u) << "Close, the close box, the locked Y panel";
    EXPECT_NE(ui.messages[0].text, ui.messages[1].text);
    EXPECT_TRUE(ui.messages[2].text.contains("manually scaled X axis"));

    QTest::keyClicks(control<QLineEdit>("XMinEdit"), "-0.5");
    QTest::keyClicks(control<QLineEdit>("XMaxEdit"), "a4,x");
    EXPECT_EQ(doc().xAxis.manualMaximum, "4");
    control<QPushButton>("XApplyButton")->click();
    EXPECT_EQ(rangeOf(ChartAxis::BottomAxis), (AxisRange{-0.5, 4}));
    EXPECT_TRUE(control<QGroupBox>("YScaleGroupBox")->isEnabled());
    EXPECT_TRUE(doc().modified) << "Save writes the limits";
    enterColumn(1, {"10", "20", "30"});
    EXPECT_EQ(rangeOf(ChartAxis::BottomAxis), (AxisRange{-0.5, 4}));
    control<QPushButton>("CancelButton")->click();
    EXPECT_FALSE(window->isVisible());

    control<QRadioButton>("XAutoRadioButton")->click();
    EXPECT_EQ(doc().xAxis.manualMinimum, "");
    EXPECT_GT(chart().maximum(ChartAxis::BottomAxis), 30) << "rebuilt around the data";
}

// Applied limits and the automatic range both redraw a shown fit over the new bottom range;
// a graph type change keeps applied limits that the new scale can show.
TEST_F(GraphCommandsTest, AxisLimitsRedrawAShownFit) {
    enterColumn(1, {"1", "2", "3"});
    enterColumn(2, {"2", "4", "7"});
    fitButton()->click();
    action("ChartOptionsAction")->trigger();
    control<QRadioButton>("XManualRadioButton")->click();
    QTest::keyClicks(control<QLineEdit>("XMinEdit"), "0.5");
    QTest::keyClicks(control<QLineEdit>("XMaxEdit"), "10");
    control<QPushButton>("XApplyButton")->click();
    EXPECT_EQ(rangeOf(ChartAxis::BottomAxis), (AxisRange{0.5, 10}));
    EXPECT_TRUE(fitButton()->isChecked());
    expectCurveSplitAt(1, 3);

    action("LogLogAction")->trigger();
    EXPECT_EQ(rangeOf(ChartAxis::BottomAxis), (AxisRange{0.5, 10}));
    action("LinearAction")->trigger();
    EXPECT_EQ(rangeOf(ChartAxis::BottomAxis), (AxisRange{0.5, 10}));

    control<QRadioButton>("XAutoRadioButton")->click();
    EXPECT_LT(chart().maximum(ChartAxis::BottomAxis), 4);
    EXPECT_TRUE(fitButton()->isChecked());
    expectCurveSplitAt(1, 3);
}

// A chosen label format and minor grid hold until Reset gives the choice back to the
// re-plot; resetGraph, for New, also returns the graph type, the bar width and the ranges.
TEST_F(GraphCommandsTest, ResetAndANewDocumentGiveBackTheDefaults) {
    enterColumn(1, {"1", "2", "3"});
    enterColumn(2, {"2", "4", "7"});
    setModified(false);
    action("ChartOptionsAction")->trigger();
    control<QCheckBox>("XexpCheckBox")->click();
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.00E+00");
    QTest::keyClick(control<QComboBox>("XDecimalComboBox"), Qt::Key_Down);
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.000E+00");
    control<QCheckBox>("YMinorGridCheckBox")->click();
    EXPECT_FALSE(chart().isMinorGridVisible(ChartAxis::LeftAxis));
    enterColumn(1, {"0.001", "2", "3"});
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.000E+00") << "chosen, so kept";
    setModified(false);
    control<QPushButton>("ResetButton")->click();
    EXPECT_EQ(chart().labelFormat(ChartAxis::BottomAxis), "0.000") << "chosen from the data";
    EXPECT_EQ(control<QComboBox>("XDecimalComboBox")->currentText(), "3");
    EXPECT_TRUE(chart().isMinorGridVisible(ChartAxis::LeftAxis));
    EXPECT_TRUE(doc().modified) << "Save writes the axis settings";

    action("LogLogAction")->trigger();
    action("ErrorBarWidth3")->trigger();
    control<QRadioButton>("YManualRadioButton")->click();
    form->resetGraph();
    EXPECT_TRUE(action("LinearAction")->isChecked());
    EXPECT_TRUE(action("ErrorBarWidth1")->isChecked());
    EXPECT_FALSE(doc().modified);
    for (ChartAxis axis : {ChartAxis::BottomAxis, ChartAxis::LeftAxis}) {
        EXPECT_FALSE(chart().isLogarithmic(axis));
        EXPECT_EQ(rangeOf(axis), (AxisRange{-1, 1}));
        EXPECT_EQ(chart().labelFormat(axis), "0.00");
    }
    EXPECT_TRUE(control<QGroupBox>("XScaleGroupBox")->isEnabled());
}

} // namespace
