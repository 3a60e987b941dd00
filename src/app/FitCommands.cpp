#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "fitctl/FitRequestRun.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"

#include <QAction>
#include <QToolButton>

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
// A refused entry leaves the user in the cell: the click did nothing, and the button is as
// it was.
void TMainForm::FitToolButtonClick() {
    const bool down = fitToolButton_->isChecked();
    const CommittedEdit edit = commitCellEdit();
    fitToolButton_->setChecked(edit.refused ? !down : down);
    if (!edit.refused)
        FitRequest(edit.shownMessage);
}

// "&Fit Data" checks the whole table before it touches the button.
void TMainForm::FitDataCommand() {
    const bool down = !fitToolButton_->isChecked();
    const CommittedEdit edit = commitCellEdit();
    if (edit.refused)
        return;
    const DataTable& table = document_.table;
    if (const auto refusal = decimalPointRefusal(table, FitRows{1, table.footerRow(), false})) {
        ui_.show(refusal->message);
        return;
    }
    fitToolButton_->setChecked(down);
    FitRequest(edit.shownMessage);
}

void TMainForm::RefreshFit() {
    if (!isFitShown())
        return;
    ClearFit();
    fitToolButton_->setChecked(true);
    FitRequest();
}

// Runs whenever the toggle changed: fits while the button is down, removes the fit when it
// is up. The checks of the first steps run in both cases; every refusal and failure ends
// with the button up and nothing of a fit on screen. A committed entry that does not
// convert has already shown its message, and a fit reading the same cell does not show it
// a second time.
void TMainForm::FitRequest(const std::optional<std::string>& alreadyShown) {
    if (!fitColumnsChosen())
        return;
    const FitRequestResult result = runFitRequest(document_, isFitShown());
    fitRows_ = result.rows;
    for (const UserMessage& warning : result.warnings)
        ui_.show(warning);
    if (result.failure) {
        if (result.failure->text != alreadyShown)
            ui_.show(*result.failure);
        ClearFit();
        return;
    }
    if (result.released) {
        ClearFit();
        document_.modified = true;
        return;
    }
    showFitResults(result.outcome);
    keepShownFit(result);
}

// An error method with uncertainties needs their columns. The user may go and choose them
// ("Select Columns for Graph" then decides about a button that is down) or leave the fit
// off. A button the user released stays up, and a fit is never shown under a button that
// is up, whatever the dialog's outcome.
bool TMainForm::fitColumnsChosen() {
    const auto question = missingColumnQuestionFor(document_.errorMethod, document_.roles);
    if (!question)
        return true;
    const bool yes = ui_.show(*question) == UiServices::Answer::Yes;
    if (!yes || !isFitShown())
        ClearFit();
    if (yes)
        actions_->SelectColumnsAction->trigger();
    return false;
}
