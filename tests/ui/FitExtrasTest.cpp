#include "DataEntryFixture.h"

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

} // namespace
