#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "app/UiServices.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRun.h"
#include "table/DataStringGrid.h"

#include <QAction>
#include <QToolButton>

#include <variant>

// The fit toggle and the fit request. Every refusal ends in ClearFit: the button goes up
// and nothing of a fit stays on screen, so the button never claims a fit that is not there.

void TMainForm::connectFitCommands() {
    // The button has flipped its own state by the time it reports the click.
    connect(fitToolButton_, &QToolButton::clicked, this,
            [this] { runCommand(ui_, [this] { FitToolButtonClick(); }); });
    onCommand(actions_->FitDataAction, &TMainForm::FitDataCommand);
}

// A cell still being edited holds data the user means to fit. Its edit is committed first,
// which removes a shown fit, and the button keeps the state the user asked for. Left open,
// the edit would be committed by the first message box of the request, halfway through.
void TMainForm::FitToolButtonClick() {
    const bool down = fitToolButton_->isChecked();
    grid_->commitOpenEdit();
    fitToolButton_->setChecked(down);
    FitRequest();
}

// "&Fit Data" checks the whole table before it touches the button.
void TMainForm::FitDataCommand() {
    const bool down = !fitToolButton_->isChecked();
    grid_->commitOpenEdit();
    const DataTable& table = document_.table;
    if (const auto refusal = decimalPointRefusal(table, FitRows{1, table.footerRow(), false})) {
        ui_.show(refusal->message);
        return;
    }
    fitToolButton_->setChecked(down);
    FitRequest();
}

void TMainForm::RefreshFit() {
    if (!isFitShown())
        return;
    ClearFit();
    fitToolButton_->setChecked(true);
    FitRequest();
}

// Runs whenever the toggle changed: fits while the button is down, removes the fit when it
// is up. The checks of the first steps run in both cases.
void TMainForm::FitRequest() {
    if (!fitColumnsChosen())
        return;
    const DataTable& table = document_.table;
    fitRows_ = fitRowsOf(table);
    if (const auto refusal = decimalPointRefusal(table, fitRows_)) {
        refuseFit(*refusal);
        return;
    }
    if (!fitToolButton_->isChecked()) {
        ClearFit();
        document_.table.modified = true;
        return;
    }
    if (hasIncompleteRows(table, fitRows_, document_.errorMethod))
        ui_.show(incompleteRowsWarning());
    const PointCollection collected = collectFitInput();
    if (const auto* refusal = std::get_if<FitRefusal>(&collected)) {
        refuseFit(*refusal);
        return;
    }
    runFit(std::get<FitPoints>(collected));
}

// An error method with uncertainties needs their columns. The user may go and choose them
// ("Select Columns for Graph" then decides about the button) or leave the fit off.
bool TMainForm::fitColumnsChosen() {
    const auto question = missingColumnQuestionFor(document_.errorMethod, document_.table.roles);
    if (!question)
        return true;
    if (ui_.show(*question) == UiServices::Answer::Yes)
        actions_->SelectColumnsAction->trigger();
    else
        ClearFit();
    return false;
}

void TMainForm::refuseFit(const FitRefusal& refusal) {
    ui_.show(refusal.message);
    if (refusal.releasesButton)
        ClearFit();
}

// A cell that does not convert ends the request; the command wrapper shows its text.
PointCollection TMainForm::collectFitInput() {
    try {
        return collectFitPoints(document_.table, fitRows_, document_.fitType,
                                document_.errorMethod);
    } catch (const KelvaneError&) {
        ClearFit();
        throw;
    }
}

void TMainForm::runFit(const FitPoints& points) {
    const FitOutcome outcome = performFit(document_.fitType, document_.errorMethod, points);
    if (!outcome.succeeded()) {
        if (const auto message = fitStatusMessage(outcome))
            ui_.show(*message);
        ClearFit();
        return;
    }
    showFitResults(outcome);
}
