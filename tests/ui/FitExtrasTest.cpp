#include "DataEntryFixture.h"

#include "fitctl/FitCurve.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/FitResultTexts.h"
#include "fitctl/RoundedResults.h"
#include "fitctl/WorstFitLines.h"

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

QStringList qLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// The worst-fit lines and both uncertainties: offered while a fit that has them is shown,
// drawn and written with it, and part of Copy Results; the document does not change.
TEST_F(FitExtrasTest, WorstFitLinesAndBothUncertaintiesFollowTheFit) {
    QAction* worstItem = action("ShowWorstFitLines");
    QAction* bothItem = action("ShowBothUncertainties");
    fitWorkedData(); // estimated dY: neither applies
    EXPECT_FALSE(worstItem->isEnabled());
    EXPECT_FALSE(bothItem->isEnabled());
    fitButton()->click();

    addErrorColumns(false);
    changeDocument([](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    enterColumn(3, {"1", "1", "1", "1"});
    fitButton()->click();
    const Document before = doc();
    ASSERT_TRUE(worstItem->isEnabled());
    ASSERT_TRUE(bothItem->isEnabled());
    const QString created = chart().footerLines().back();

    worstItem->trigger();
    const FitRequestResult shown = runFitRequest(doc(), true);
    const WorstFitLines worst = worstFitLines(errorBoxesOf(shown.points, ErrorMethod::DYI));
    ASSERT_EQ(worst.kind, WorstFitLines::Kind::Lines);
    EXPECT_EQ(chart().worstFitLinePointCount(), CURVE_STEPS + 1);
    EXPECT_EQ(chart().worstFitLinePen().style(), Qt::DashLine);
    EXPECT_EQ(chart().worstFitLinePen().color(), chart().seriesColor(ChartSeries::FitLineSeries));
    EXPECT_EQ(chart().footerLines().mid(0, chart().footerLines().size() - 2),
              qLines(resultLines(shown.outcome, '.', {false, worst})));
    action("CopyResults")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              roundedResults(shown.outcome, '.', worst).text);

    bothItem->trigger();
    EXPECT_EQ(chart().footerLines().mid(0, chart().footerLines().size() - 2),
              qLines(resultLines(shown.outcome, '.', {true, worst})));
    EXPECT_EQ(chart().footerLines().back(), created) << "the fit keeps the time it was made";
    chart().setSeriesColor(ChartSeries::FitLineSeries, Qt::blue);
    EXPECT_EQ(chart().worstFitLinePen().color(), QColor(Qt::blue));
    EXPECT_TRUE(doc() == before) << "views of the fit, not settings of the document";

    enter(2, 4, "30"); // no line passes through the bars now; the items stay checked
    EXPECT_FALSE(worstItem->isEnabled());
    EXPECT_EQ(chart().worstFitLinePointCount(), 0);
    fitButton()->click();
    EXPECT_TRUE(worstItem->isChecked());
    EXPECT_EQ(chart().worstFitLinePointCount(), 0);
    const FitRequestResult apart = runFitRequest(doc(), true);
    const WorstFitLines none = worstFitLines(errorBoxesOf(apart.points, ErrorMethod::DYI));
    ASSERT_EQ(none.kind, WorstFitLines::Kind::NoLine);
    EXPECT_TRUE(chart().footerLines().contains(QString::fromStdString(
        worstFitLineTexts(none, ErrorMethod::DYI, [](long double) { return ""; }).front())));

    worstItem->trigger();
    bothItem->trigger();
    EXPECT_EQ(chart().footerLines().mid(0, chart().footerLines().size() - 2),
              qLines(resultLines(apart.outcome, '.')));
}

} // namespace
