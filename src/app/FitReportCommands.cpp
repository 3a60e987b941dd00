// Copy Results: the shown fit's results, rounded for a lab report, as plain text and as
// HTML, so that a word processor keeps the superscripts and the plus-minus sign.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/RoundedResults.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void TMainForm::connectFitReportCommands() {
    onCommand(actions_->CopyResults, &TMainForm::CopyResultsExecute);
}

void TMainForm::keepShownFit(const FitRequestResult& result) {
    shownFit_ = std::make_unique<FitRequestResult>(result);
    enableCommand(actions_->CopyResults, true);
}

void TMainForm::forgetShownFit() {
    shownFit_.reset();
    enableCommand(actions_->CopyResults, false);
}

void TMainForm::CopyResultsExecute() {
    if (!shownFit_)
        return;
    const RoundedResults results =
        roundedResults(shownFit_->outcome, document_.table.decimalSeparator());
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(results.text));
    data->setHtml(QString::fromStdString(results.html));
    QGuiApplication::clipboard()->setMimeData(data);
}
