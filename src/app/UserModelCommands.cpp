// "User Defined...": the user's own law, typed in its dialog, previewed over the data at
// its start values, and then fitted like any other function.

#include "app/Unit1.h"

#include "app/ChartPoints.h"
#include "common/KelvaneError.h"
#include "fitctl/FitCurve.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/UserModelDlg.h"
#include "fitctl/UserModelRun.h"
#include "graph/Chart.h"
#include "shell/UiServices.h"

#include <variant>

// Made on first use: every opening shows the document's law.
TUserModelDlg& TMainForm::userModelDlg() {
    if (!userModelDlg_) {
        userModelDlg_ = new TUserModelDlg(ui_, this);
        userModelDlg_->setPreview(
            [this](const UserModelSettings& model) { previewUserModel(model); });
    }
    return *userModelDlg_;
}

// OK keeps the law in the document and chooses it as any function is chosen; Cancel leaves
// everything as it was (the check marks follow the document after every click).
void TMainForm::UserDefinedFitExecute() {
    TUserModelDlg& dialog = userModelDlg();
    dialog.setUserModel(document_.userModel);
    const bool accepted = ui_.runModal(dialog) == QDialog::Accepted;
    endPreview();
    if (!accepted)
        return;
    document_.userModel = dialog.userModel();
    SelectFitType(FitType::USERMODEL);
}

// The curve at the start values over the points a fit would take, drawn where a fit's
// curve goes; the summary and the footer of a shown fit stay. The points are collected by
// the fit request's own rules, so the preview refuses what the fit would.
void TMainForm::previewUserModel(const UserModelSettings& model) {
    Document previewed = document_;
    previewed.fitType = FitType::USERMODEL;
    previewed.userModel = model;
    PointCollection collected;
    try {
        collected = collectFitPoints(previewed, fitRowsOf(previewed));
    } catch (const KelvaneError& error) {
        ui_.show({error.what(), "Error", MessageIcon::Stop, MessageButtons::Ok});
        return;
    }
    if (const FitRefusal* refusal = std::get_if<FitRefusal>(&collected)) {
        ui_.show(refusal->message);
        return;
    }
    const FitPoints& points = std::get<FitPoints>(collected);
    auto parsed = parseUserModel(model.equation);
    const FitOutcome start =
        startValueOutcome(std::get<std::shared_ptr<const UserModel>>(parsed), model, points);
    drawFitCurve(start);
    chart_->replot();
    if (const std::optional<long double> x = firstUnevaluatedX(start, points))
        ui_.show(startValueProblem(*x));
}

// What the preview drew goes: a shown fit gets its own curve back.
void TMainForm::endPreview() {
    if (shownFit_) {
        drawFitCurve(shownFit_->outcome);
    } else {
        for (ChartSeries line : {ChartSeries::FitLineSeries, ChartSeries::FitLineBelowRangeSeries,
                                 ChartSeries::FitLineAboveRangeSeries})
            chart_->clearSeries(line);
    }
    chart_->replot();
}
