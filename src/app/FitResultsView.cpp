#include "app/Unit1.h"

#include "app/ChartPoints.h"
#include "fitctl/FitCurve.h"
#include "fitctl/FitResultTexts.h"
#include "graph/Chart.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QDateTime>
#include <QLocale>

// A successful fit on screen: the summary block under the data, the framed footer under
// the graph and the fitted curve. The fit button stays down.
void TMainForm::showFitResults(const FitOutcome& outcome) {
    grid_->tableModel().setSummaryText(summaryText(outcome, document_.table.decimalSeparator()));
    showFitFooter(outcome);
    drawFitCurve(outcome);
    chart_->replot();
}

// The footer dates the results in the user's own short date and long time.
void TMainForm::showFitFooter(const FitOutcome& outcome) {
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    const QString timeFormat = QString::fromStdString(
        timeFormatWithoutZone(locale.timeFormat(QLocale::LongFormat).toStdString()));
    fitDate_ = locale.toString(now.date(), QLocale::ShortFormat).toStdString();
    fitTime_ = locale.toString(now.time(), timeFormat).toStdString();
    writeFitFooter(outcome, {});
}

// The footer of the fit made at fitDate_ and fitTime_, with the extras the user asked for.
void TMainForm::writeFitFooter(const FitOutcome& outcome, const ResultExtras& extras) {
    const std::vector<std::string> lines =
        footerLines(outcome, document_.table.decimalSeparator(), fitDate_, fitTime_, extras);
    QStringList footer;
    for (const std::string& line : lines)
        footer << QString::fromStdString(line);
    chart_->setFooterLines(footer);
    chart_->setFooterVisible(true);
}

// The curve spans the bottom axis as it is now; a polynomial may widen the left axis to
// hold all of it.
void TMainForm::drawFitCurve(const FitOutcome& outcome) {
    const Chart& chart = *chart_;
    const FitCurve curve = fitCurve(
        outcome, {chart.minimum(ChartAxis::BottomAxis), chart.maximum(ChartAxis::BottomAxis)});
    const AxisRange left{chart.minimum(ChartAxis::LeftAxis), chart.maximum(ChartAxis::LeftAxis)};
    putAxisRange(ChartAxis::LeftAxis,
                 leftRangeForCurve(outcome, curve, left, chart.isLogarithmic(ChartAxis::LeftAxis)));
    showPoints(*chart_, ChartSeries::FitLineBelowRangeSeries, curve.belowRange);
    showPoints(*chart_, ChartSeries::FitLineSeries, curve.withinRange);
    showPoints(*chart_, ChartSeries::FitLineAboveRangeSeries, curve.aboveRange);
}
