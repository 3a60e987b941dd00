// Exchanging the table's numbers with other programs as plain text.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "document/DocumentEdits.h"
#include "document/UndoHistory.h"
#include "files/AtomicWrite.h"
#include "files/FileMessages.h"
#include "files/FileNames.h"
#include "files/ImportNotice.h"
#include "files/TextExport.h"
#include "files/TextTableFile.h"
#include "files/TextTableFill.h"
#include "shell/UiServices.h"

#include <QAction>
#include <QScopeGuard>

namespace {

const char* const EXPORT_FILTER = "ASCII files|*.txt|All Files|*.*";
const char* const IMPORT_FILTER = "Text FIles|*.txt|All Files|*.*";
const char* const TEXT_FILE_EXTENSION = ".txt";

} // namespace

void TMainForm::connectTextTableCommands() {
    onCommand(actions_->FileASCIIExport, &TMainForm::FileASCIIExportExecute);
    onCommand(actions_->FileASCIIImport, &TMainForm::FileASCIIImportExecute);
}

// Only the cell texts travel; the document is not changed. A file that cannot be written
// is said so, so that nobody believes the numbers went out.
void TMainForm::FileASCIIExportExecute() {
    if (commitCellEdit().refused)
        return;
    const QString chosen = ui_.saveFileName(QLatin1String(EXPORT_FILTER), true);
    if (chosen.isEmpty())
        return;
    const std::string path = withExtension(chosen.toStdString(), TEXT_FILE_EXTENSION);
    if (!writeFileAtomically(QString::fromStdString(path), exportText(document_.table)))
        throw KelvaneError(cannotCreateFile(path));
}

// The file's lines become the table's rows; names, roles, row count, fit configuration,
// file name and graph settings stay. A file that cannot be read changes nothing.
void TMainForm::FileASCIIImportExecute() {
    if (commitCellEdit().refused)
        return;
    if (!offerToSave("Do you want to save changes before importing an ASCII file?",
                     UiServices::Buttons::YesNo))
        return;
    const QString path = ui_.openFileName(QLatin1String(IMPORT_FILTER));
    if (path.isEmpty())
        return;
    TextTable text;
    try {
        text = readTextTableFile(path.toStdString());
    } catch (const KelvaneError& error) {
        ui_.show({error.what(), "File Error", MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    Document imported = document_;
    fillTableFromText(imported.table, text);
    keepRolesInTable(imported);
    imported.modified = false;
    replaceDocument(std::move(imported));
    // The imported table is what closing measures changes against, as it stands once
    // plotted (the plot chooses label formats), and also when a cell stops the plot.
    const auto arrived = qScopeGuard([this] { history_->saved(document_); });
    ClearFit();
    RebuildPlot();
    if (const auto notice = importNotice(text.lineCount, document_.table.dataRowCount()))
        ui_.show(*notice);
}
