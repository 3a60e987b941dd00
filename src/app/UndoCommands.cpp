// Undo and Redo: whole-document snapshots, one per command that changed the content.
// Commands need not know about the history: the one wrapper every command runs through
// reports the document to it once the outermost command has ended.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "document/UndoHistory.h"
#include "fitctl/FitTexts.h"
#include "graph/ErrorBars.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>

#include <utility>

std::optional<std::string> TMainForm::runCommand(UiServices& ui,
                                                 const std::function<void()>& command) {
    ++commandDepth_;
    const std::optional<std::string> error = ::runCommand(ui, command);
    if (--commandDepth_ == 0)
        recordCommand();
    return error;
}

// The flag, and the content too: the limits typed in the Axis Options window belong to the
// document before any command has run.
bool TMainForm::hasUnsavedChanges() const {
    return document_.modified || !history_->isSaved(document_);
}

void TMainForm::connectUndoCommands() {
    onCommand(actions_->editUndo, &TMainForm::editUndoExecute);
    onCommand(actions_->editRedo, &TMainForm::editRedoExecute);
}

// A command that left the document other than it was saved is a change to save, whether or
// not the command marked it so itself.
void TMainForm::recordCommand() {
    if (std::exchange(historyRestarts_, false))
        history_->restart(document_);
    else
        history_->commandEnded(document_);
    if (!history_->isSaved(document_))
        document_.modified = true;
    actions_->editUndo->setEnabled(history_->canUndo());
    actions_->editRedo->setEnabled(history_->canRedo());
}

// An open cell edit is committed first and is a step of its own, so Undo takes back the
// entry the user has just typed.
void TMainForm::editUndoExecute() {
    if (commitCellEdit().refused)
        return;
    history_->commandEnded(document_);
    if (history_->canUndo())
        restoreDocument(history_->undo());
}

void TMainForm::editRedoExecute() {
    if (commitCellEdit().refused)
        return;
    history_->commandEnded(document_);
    if (history_->canRedo())
        restoreDocument(history_->redo());
}

// The document goes in place like an opened one, and the window then runs what any change
// runs: the fit goes and the plot is rebuilt.
void TMainForm::restoreDocument(Document document) {
    const Document previous = document_;
    replaceDocument(std::move(document));
    showDocumentSettings(previous);
    ClearFit();
    const auto settle = qScopeGuard([this] { history_->settled(document_); });
    RebuildPlot();
}

// What the configuration commands show of the settings that the step changed: the status
// panels, the equation, the error-bar command and the axes of the graph type. A setting
// the step left alone keeps its texts (the error method's start-up text among them).
void TMainForm::showDocumentSettings(const Document& previous) {
    if (document_.errorMethod != previous.errorMethod) {
        setStatusText(1, QLatin1String(textsOf(document_.errorMethod).statusText));
        actions_->ShowErrorBars->setEnabled(document_.errorMethod != ErrorMethod::ESTDY);
    }
    if (document_.fitType != previous.fitType || document_.userModel != previous.userModel) {
        setStatusText(2, QLatin1String(textsOf(document_.fitType).statusText));
        equationLabel_->setText(QString::fromStdString(
            equationLabelOf(document_.fitType, document_.userModel.equation)));
    }
    if (document_.errorBarsShown != previous.errorBarsShown)
        setStatusText(3, QLatin1String(errorBarStatusText(document_.errorBarsShown)));
    showGraphTypeAxes();
}
