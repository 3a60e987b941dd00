#include "DataEntryFixture.h"

#include "fitctl/FitCurve.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/RoundedResults.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace {

// What the window adds to a shown fit: the results for a report, the residuals and the
// confidence band. Each follows the fit and goes with it.
class FitExtrasTest : public DataEntryTest {
protected:
    void fitWorkedData() {
        enterColumn(1, {"1", "2", "3", "4"});
        enterColumn(2, {"2", "4", "7", "8"});
        fitButton()->click();
        ASSERT_TRUE(fitButton()->isChecked());
    }
    FitOutcome shownOutcome() { return runFitRequest(doc(), true).outcome; }
};

TEST_F(FitExtrasTest, CopyResultsPutsTheRoundedResultsOnTheClipboardWhileAFitIsShown) {
    QAction* copy = action("CopyResults");
    EXPECT_FALSE(copy->isEnabled());
    fitWorkedData();
    ASSERT_TRUE(copy->isEnabled());
    copy->trigger();
    const RoundedResults expected = roundedResults(shownOutcome(), '.');
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text().toStdString(), expected.text);
    EXPECT_EQ(data->html().toStdString(), expected.html);
    fitButton()->click();
    EXPECT_FALSE(copy->isEnabled());
}

// The strip and the band are drawn with the fit while their items are checked, follow each
// new fit, and go with the fit.
TEST_F(FitExtrasTest, ResidualsAndBandFollowTheFit) {
    fitWorkedData();
    EXPECT_EQ(chart().residualCount(), 0) << "off by default";
    EXPECT_EQ(chart().confidenceBandPointCount(), 0);
    action("ShowResiduals")->trigger();
    action("ShowConfidenceBand")->trigger();
    EXPECT_EQ(chart().residualCount(), 4);
    EXPECT_EQ(chart().confidenceBandPointCount(), CURVE_STEPS + 1);

    enter(2, 5, "13"); // a change clears the fit, and the extras with it
    EXPECT_EQ(chart().residualCount(), 0);
    EXPECT_EQ(chart().confidenceBandPointCount(), 0);
    enter(1, 5, "5");
    fitButton()->click();
    EXPECT_EQ(chart().residualCount(), 5);
    EXPECT_EQ(chart().confidenceBandPointCount(), CURVE_STEPS + 1);

    const Document before = doc();
    action("ShowResiduals")->trigger();
    EXPECT_EQ(chart().residualCount(), 0);
    EXPECT_EQ(chart().confidenceBandPointCount(), CURVE_STEPS + 1);
    EXPECT_TRUE(doc() == before) << "a view of the fit, not a setting of the document";
    action("ShowResiduals")->trigger(); // the window goes with the strip on screen
}

} // namespace
