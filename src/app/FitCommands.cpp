#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRun.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"

#include <QAction>
#include <QToolButton>

#include <variant>

// The fit toggle and the fit request. Every refusal ends in ClearFit: the button goes up
// and nothing of a fit stays on screen, so the button never claims a fit that is not there.

namespace {

// The iterative X-and-Y fit tells the user itself when its slope does not settle.
class DivergenceReporter : public FitHost {
public:
    explicit DivergenceReporter(UiServices& ui) : ui_(ui) {}
    void showModalError(const std::string& text, const std::string& caption) override {
        ui_.message(QString::fromStdString(text), QString::fromStdString(caption),
                    UiServices::Icon::Stop, UiServices::Buttons::Ok);
    }

private:
    UiServices& ui_;
};

} // namespace

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
    commitCellEdit();
    fitToolButton_->setChecked(down);
    requestAfterCommit();
}

// "&Fit Data" checks the whole table before it touches the button.
void TMainForm::FitDataCommand() {
    const bool down = !fitToolButton_->isChecked();
    commitCellEdit();
    const DataTable& table = document_.table;
    if (const auto refusal = decimalPointRefusal(table, FitRows{1, table.footerRow(), false})) {
        ui_.show(refusal->message);
        return;
    }
    fitToolButton_->setChecked(down);
    requestAfterCommit();
}

// A committed entry that does not convert has already shown its message, and the fit
// reading the same cell would show it again; once is enough.
void TMainForm::requestAfterCommit() {
    try {
        FitRequest();
    } catch (const KelvaneError& error) {
        if (rejectedEntry_ != std::string(error.what()))
            throw;
    }
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
    fitRows_ = fitRowsOf(document_);
    if (const auto refusal = decimalPointRefusal(document_.table, fitRows_)) {
        refuseFit(*refusal);
        return;
    }
    if (!fitToolButton_->isChecked()) {
        ClearFit();
        document_.modified = true;
        return;
    }
    if (hasIncompleteRows(document_, fitRows_))
        ui_.show(incompleteRowsWarning());
    const PointCollection collected = collectFitInput();
    if (const auto* refusal = std::get_if<FitRefusal>(&collected)) {
        refuseFit(*refusal);
        return;
    }
    runFit(std::get<FitPoints>(collected));
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

void TMainForm::refuseFit(const FitRefusal& refusal) {
    ui_.show(refusal.message);
    if (refusal.releasesButton)
        ClearFit();
}

// A cell that does not convert ends the request; the command wrapper shows its text.
PointCollection TMainForm::collectFitInput() {
    try {
        return collectFitPoints(document_, fitRows_);
    } catch (const KelvaneError&) {
        ClearFit();
        throw;
    }
}

void TMainForm::runFit(const FitPoints& points) {
    DivergenceReporter host(ui_);
    const FitOutcome outcome = performFit(document_.fitType, document_.errorMethod, points, &host);
    if (!outcome.succeeded()) {
        if (const auto message = fitStatusMessage(outcome.status))
            ui_.show(*message);
        ClearFit();
        return;
    }
    showFitResults(outcome);
}
