#include "DataEntryFixture.h"

#include "graph/CursorReadout.h"

#include <QTest>

namespace {

class CursorZoomTest : public DataEntryTest {
protected:
    void SetUp() override {
        DataEntryTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QWidget* plot() { return chart().findChild<QWidget*>("Chart1Plot"); }
    // Drags the rubber band from one pixel of the plot to another.
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(plot(), Qt::LeftButton, {}, from);
        QTest::mouseMove(plot(), (from + to) / 2);
        QTest::mouseMove(plot(), to);
        QTest::mouseRelease(plot(), Qt::LeftButton, {}, to);
    }
    AxisRange range(ChartAxis axis) { return {chart().minimum(axis), chart().maximum(axis)}; }
};

TEST_F(CursorZoomTest, TheReadoutNeedsAPlottedRowAndFollowsTheMouseInsideThePlot) {
    enter(1, 1, "5"); // an X without a Y is no plotted row
    action("AnalyzeDataAction")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QString::fromStdString(noPointsToAnalyzeRefusal().text));
    EXPECT_FALSE(action("AnalyzeDataAction")->isChecked());

    enter(2, 1, "7");
    action("AnalyzeDataAction")->trigger();
    EXPECT_TRUE(chart().isCursorBoxActive());
    EXPECT_TRUE(action("AnalyzeDataAction")->isChecked());
    const QRect area = chart().plotRect();
    QTest::mouseMove(plot(), area.topLeft() + QPoint(1, 1));
    const QStringList atTopLeft = chart().cursorBoxLines();
    ASSERT_EQ(atTopLeft.size(), 2);
    EXPECT_TRUE(atTopLeft[0].startsWith(" X: ")) << atTopLeft[0].toStdString();
    QTest::mouseMove(plot(), area.topLeft() - QPoint(5, 5)); // outside: the box stays
    EXPECT_EQ(chart().cursorBoxLines(), atTopLeft);

    action("AnalyzeDataAction")->trigger();
    EXPECT_FALSE(chart().isCursorBoxActive());
}

// A zoom with a fit shown draws the curve across the zoomed range; undo goes back to the
// ranges before the first zoom.
TEST_F(CursorZoomTest, ZoomAndUndoRedrawAShownFit) {
    enterColumn(1, {"0", "5", "10"});
    enterColumn(2, {"0", "5", "11"});
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked());
    const AxisRange before = range(ChartAxis::BottomAxis);
    const QRect area = chart().plotRect();
    drag(area.topLeft() + QPoint(area.width() / 4, 10),
         area.topLeft() + QPoint(area.width() / 2, area.height() - 10));
    const AxisRange zoomed = range(ChartAxis::BottomAxis);
    EXPECT_GT(zoomed.min, before.min);
    EXPECT_LT(zoomed.max, before.max);
    EXPECT_TRUE(fitButton()->isChecked());
    EXPECT_EQ(fitLinePoints(), 1001) << "the curve is drawn again across the zoomed range";

    QTest::mouseClick(plot(), Qt::LeftButton, {}, area.center()); // a click is no gesture
    EXPECT_EQ(range(ChartAxis::BottomAxis), zoomed);
    drag(area.center(), area.center() - QPoint(40, 40)); // up and to the left: undo
    EXPECT_EQ(range(ChartAxis::BottomAxis), before);
    EXPECT_EQ(fitLinePoints(), 1001);
}

TEST_F(CursorZoomTest, ColourCommandsShareOneDialogThatIsNotPreset) {
    ui.colors = {QColor(0, 0, 255), QColor(255, 0, 255)};
    action("DataPointColor1")->trigger();
    EXPECT_EQ(doc().dataPointColor, 0xFF0000u); // blue as 0x00BBGGRR
    EXPECT_EQ(chart().seriesColor(ChartSeries::DataPointSeries), QColor(0, 0, 255));
    action("FitLineColor1")->trigger();
    EXPECT_EQ(doc().fitLineColor, 0xFF00FFu);
    ASSERT_EQ(ui.colorDialogStarts.size(), 2u);
    EXPECT_EQ(ui.colorDialogStarts[1], QColor(0, 0, 255)) << "opens with the colour last chosen";
    EXPECT_TRUE(doc().modified) << "Save writes the colours";
}

} // namespace
