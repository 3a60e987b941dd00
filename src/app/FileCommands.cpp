// The document commands: New, Open, Save and Save As. A document is written whole or not
// at all, and read whole and checked before anything of the window changes.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "document/UndoHistory.h"
#include "files/AtomicWrite.h"
#include "files/DocumentFile.h"
#include "files/FileMessages.h"
#include "files/FileNames.h"
#include "graph/AxisOptionsRules.h"
#include "graph/Chart.h"
#include "graph/Chartoptions.h"
#include "graph/ErrorBars.h"
#include "shell/UiServices.h"

#include <QAction>
#include <QCoreApplication>

#include <functional>
#include <optional>

namespace {

const char* const OPEN_FILTER = "Data Files|*.dat|All Files|*.*";
const char* const SAVE_FILTER = "Data Files|*.dat";
const char* const DATA_FILE_EXTENSION = ".dat";
const char* const SAVE_CHANGES_CAPTION = "Save Changes ?";

// The window that wrote a file, as the header names it: the process, which differs from
// run to run.
std::int32_t writerId() {
    return static_cast<std::int32_t>(QCoreApplication::applicationPid() & 0x7FFFFFFF);
}

} // namespace

void TMainForm::connectFileCommands() {
    const MainActions& a = *actions_;
    onCommand(a.FileNew, &TMainForm::FileNewExecute);
    onCommand(a.FileOpen1, &TMainForm::FileOpen1Execute);
    onCommand(a.FileSave, &TMainForm::FileSaveExecute);
    onCommand(a.FileSaveAs1, &TMainForm::FileSaveAs1Execute);
}

// Work the user asked to keep is never thrown away: when Save As is cancelled or cannot
// write, the command that asked stops. False then.
bool TMainForm::offerToSave(const char* question, UiServices::Buttons buttons) {
    if (!hasUnsavedChanges())
        return true;
    const UiServices::Answer answer =
        ui_.message(QLatin1String(question), QLatin1String(SAVE_CHANGES_CAPTION),
                    UiServices::Icon::Question, buttons);
    if (answer == UiServices::Answer::Cancel)
        return false;
    return answer != UiServices::Answer::Yes || saveDocumentAs();
}

void TMainForm::openFile(const QString& path) {
    runCommand(ui_, [this, &path] { openDocument(path); });
    showCheckMarks();
}

void TMainForm::FileNewExecute() {
    if (commitCellEdit().refused)
        return;
    if (offerToSave("Do you want to save changes before creating a new file?",
                    UiServices::Buttons::YesNoCancel))
        newDocument();
}

void TMainForm::FileOpen1Execute() {
    if (commitCellEdit().refused)
        return;
    if (!offerToSave("Do you want to save changes before opening a file?",
                     UiServices::Buttons::YesNo))
        return;
    const QString path = ui_.openFileName(QLatin1String(OPEN_FILTER));
    if (!path.isEmpty())
        openDocument(path);
}

void TMainForm::FileSaveExecute() {
    if (commitCellEdit().refused)
        return;
    if (document_.currentFileName == Document::DEFAULT_FILE_NAME)
        saveDocumentAs();
    else
        writeDocument(document_.currentFileName);
}

void TMainForm::FileSaveAs1Execute() {
    if (commitCellEdit().refused)
        return;
    saveDocumentAs();
}

// The window takes the new name once the file is there: a failed write leaves it naming
// the file the document came from.
bool TMainForm::saveDocumentAs() {
    const QString chosen = ui_.saveFileName(QLatin1String(SAVE_FILTER), true);
    if (chosen.isEmpty())
        return false;
    const std::string path = withExtension(chosen.toStdString(), DATA_FILE_EXTENSION);
    writeDocument(path);
    document_.currentFileName = path;
    setStatusText(0, QString::fromStdString(path));
    return true;
}

void TMainForm::writeDocument(const std::string& path) {
    if (!writeFileAtomically(QString::fromStdString(path), encodeDocument(document_, writerId())))
        throw KelvaneError(cannotCreateFile(path));
    document_.modified = false;
    history_->saved(document_);
}

// The default document, then the commands that set the fit configuration, as if chosen
// from the menus, and the graph's own reset.
void TMainForm::newDocument() {
    historyRestarts_ = true;
    replaceDocument(Document(document_.table.decimalSeparator()));
    setStatusText(0, QString::fromStdString(document_.currentFileName));
    ClearFit();
    SelectErrorMethod(ErrorMethod::ESTDY);
    SelectFitType(FitType::LINEAR);
    resetGraph();
}

// The file is read and checked in full before the window changes, so a file that cannot
// be read leaves everything as it was. Then the file's document goes in place and its
// settings are replayed through the commands the menus run, in the order the file's
// settings are applied by hand.
void TMainForm::openDocument(const QString& path) {
    const DocumentFile file = readDocumentFile(path.toStdString());
    Document opened = documentFrom(file, document_);
    // The commands below choose the error method and the function. The function comes
    // after the method, so the method's check meets a straight line, which every method
    // fits, and not the function of the document being replaced.
    opened.errorMethod = document_.errorMethod;
    opened.fitType = file.fitType ? FitType::LINEAR : document_.fitType;
    opened.errorBarsShown = document_.errorBarsShown;
    // The name goes in with the content, so that no later step can leave this file's
    // content under the previous file's name, where Save would write it.
    opened.currentFileName = path.toStdString();
    historyRestarts_ = true;
    replaceDocument(std::move(opened));
    setStatusText(0, path);

    if (file.errorMethod)
        SelectErrorMethod(*file.errorMethod);
    if (file.fitType)
        SelectFitType(*file.fitType);
    if (file.errorBarsShown) {
        document_.errorBarsShown = *file.errorBarsShown;
        setStatusText(3, QLatin1String(errorBarStatusText(*file.errorBarsShown)));
    }
    if (file.pointStyle) {
        const auto item = static_cast<std::size_t>(*file.pointStyle);
        PointStyleActionExecute(actions_->pointStyleItems[item]->data().toInt());
    }
    // A cell that does not convert stops the plot, not the Open: its message comes once
    // the document is in place.
    std::optional<std::string> plotError;
    const auto plotStep = [&plotError](const std::function<void()>& step) {
        try {
            step();
        } catch (const KelvaneError& e) {
            if (!plotError)
                plotError = e.what();
        }
    };
    plotStep([&] { ChangeRowActionExecute(file.dataRowCount); });
    if (errorBarColumnsChosen(document_.errorMethod, document_.roles))
        actions_->ShowErrorBars->setEnabled(true);
    const OpenedAxisLimits limits = openedAxisLimits(document_);
    for (const auto& [axis, range] : limits.ranges)
        putAxisRange(axis == PlotAxis::X ? ChartAxis::BottomAxis : ChartAxis::LeftAxis, range);
    chartOptionsForm_->setState(limits.state);
    plotStep([this] { RebuildPlot(); });
    document_.modified = false;
    if (limits.refusal)
        ui_.show(*limits.refusal);
    if (plotError)
        throw KelvaneError(*plotError);
}
