// What the window adds to a shown fit. Copy Results puts its results, rounded for a lab
// report, on the clipboard as plain text and as HTML, so that a word processor keeps the
// superscripts and the plus-minus sign. The residual strip, the confidence band, the
// worst-fit lines and both uncertainties in the footer are views of the fit: drawn with it,
// gone with it, and not part of the document, which stays as it was saved.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "fitctl/FitBand.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/FitResiduals.h"
#include "fitctl/ResultExtras.h"
#include "fitctl/RoundedResults.h"
#include "fitctl/WorstFitLines.h"
#include "graph/Chart.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// The worst-fit lines of the shown fit while their item is checked and the fit has them.
std::optional<WorstFitLines> shownWorstFitLines(const FitRequestResult* shown,
                                                const MainActions& actions) {
    if (!shown || !actions.ShowWorstFitLines->isChecked() ||
        !hasWorstFitLines(shown->outcome.fitType, shown->outcome.errorMethod))
        return std::nullopt;
    return worstFitLines(errorBoxesOf(shown->points, shown->outcome.errorMethod));
}

} // namespace

void TMainForm::connectShownFitCommands() {
    onCommand(actions_->CopyResults, &TMainForm::CopyResultsExecute);
    onCommand(actions_->ShowResiduals, &TMainForm::ShowFitExtraExecute);
    onCommand(actions_->ShowConfidenceBand, &TMainForm::ShowFitExtraExecute);
    onCommand(actions_->ShowWorstFitLines, &TMainForm::ShowFitExtraExecute);
    onCommand(actions_->ShowBothUncertainties, &TMainForm::ShowFitExtraExecute);
}

void TMainForm::keepShownFit(const FitRequestResult& result) {
    shownFit_ = std::make_unique<FitRequestResult>(result);
    actions_->CopyResults->setEnabled(true);
    const FitOutcome& o = result.outcome;
    actions_->ShowWorstFitLines->setEnabled(hasWorstFitLines(o.fitType, o.errorMethod));
    actions_->ShowBothUncertainties->setEnabled(hasBothUncertainties(o.errorMethod));
    showFitExtras();
    chart_->replot();
}

void TMainForm::forgetShownFit() {
    shownFit_.reset();
    actions_->CopyResults->setEnabled(false);
    actions_->ShowWorstFitLines->setEnabled(false);
    actions_->ShowBothUncertainties->setEnabled(false);
    showFitExtras();
}

// Each extra is drawn while its item is checked and a fit is shown, over the bottom axis
// as the curve was.
void TMainForm::showFitExtras() {
    const bool residuals = shownFit_ && actions_->ShowResiduals->isChecked();
    std::vector<double> xs, values, errors;
    AxisRange range;
    if (residuals) {
        const std::vector<Residual> points = fitResiduals(shownFit_->outcome, shownFit_->points);
        const bool withErrors = shownFit_->outcome.errorMethod != ErrorMethod::ESTDY;
        for (const Residual& r : points) {
            xs.push_back(r.x);
            values.push_back(r.residual);
            if (withErrors)
                errors.push_back(r.dy);
        }
        range = residualRange(points);
    }
    chart_->setResiduals(xs, values, errors, range);

    std::vector<double> bandXs, lows, highs;
    if (shownFit_ && actions_->ShowConfidenceBand->isChecked()) {
        const FitCurve curve = fitCurve(shownFit_->outcome, {chart_->minimum(ChartAxis::BottomAxis),
                                                             chart_->maximum(ChartAxis::BottomAxis)});
        for (const BandPoint& b : confidenceBand(shownFit_->outcome, curve)) {
            bandXs.push_back(b.x);
            lows.push_back(b.low);
            highs.push_back(b.high);
        }
    }
    chart_->setConfidenceBand(bandXs, lows, highs);

    const std::optional<WorstFitLines> worst = shownWorstFitLines(shownFit_.get(), *actions_);
    std::vector<double> lineXs, steepest, shallowest;
    if (worst && worst->kind == WorstFitLines::Kind::Lines) {
        const AxisRange bottom{chart_->minimum(ChartAxis::BottomAxis),
                               chart_->maximum(ChartAxis::BottomAxis)};
        const std::vector<CurvePoint> steep = linePoints(worst->steepest, bottom);
        const std::vector<CurvePoint> shallow = linePoints(worst->shallowest, bottom);
        for (std::size_t k = 0; k < steep.size() && k < shallow.size(); ++k) {
            lineXs.push_back(steep[k].x);
            steepest.push_back(steep[k].y);
            shallowest.push_back(shallow[k].y);
        }
    }
    chart_->setWorstFitLines(lineXs, steepest, shallowest);
    if (shownFit_)
        writeFitFooter(shownFit_->outcome, {actions_->ShowBothUncertainties->isChecked(), worst});
}

void TMainForm::CopyResultsExecute() {
    if (!shownFit_)
        return;
    const RoundedResults results =
        roundedResults(shownFit_->outcome, document_.table.decimalSeparator(),
                       shownWorstFitLines(shownFit_.get(), *actions_));
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(results.text));
    data->setHtml(QString::fromStdString(results.html));
    QGuiApplication::clipboard()->setMimeData(data);
}

// The item has switched its own check mark.
void TMainForm::ShowFitExtraExecute() {
    showFitExtras();
    chart_->replot();
}
