// Exchanging the table's numbers with other programs as plain text.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "document/DocumentEdits.h"
#include "document/UndoHistory.h"
#include "files/AtomicWrite.h"
#include "files/ColumnRoleGuess.h"
#include "files/DelimitedFile.h"
#include "files/DelimitedImport.h"
#include "files/FileMessages.h"
#include "files/FileNames.h"
#include "files/ImportNotice.h"
#include "files/ImportPreviewDlg.h"
#include "files/RowTake.h"
#include "files/TextExport.h"
#include "files/TextTableFile.h"
#include "files/TextTableFill.h"
#include "shell/UiServices.h"

#include <QAction>
#include <QDialog>
#include <QScopeGuard>

namespace {

const char* const EXPORT_FILTER = "ASCII files|*.txt|All Files|*.*";
const char* const IMPORT_FILTER = "Text FIles|*.txt|All Files|*.*";
const char* const DATA_FILE_FILTER =
    "Data files|*.csv;*.txt;*.tsv|CSV files|*.csv|Text files|*.txt;*.tsv|All Files|*.*";
const char* const TEXT_FILE_EXTENSION = ".txt";
const char* const SAVE_BEFORE_IMPORT =
    "Do you want to save changes before importing an ASCII file?";

} // namespace

void TMainForm::connectTextTableCommands() {
    onCommand(actions_->FileASCIIExport, &TMainForm::FileASCIIExportExecute);
    onCommand(actions_->FileASCIIImport, &TMainForm::FileASCIIImportExecute);
    onCommand(actions_->FileDataImport, &TMainForm::FileDataImportExecute);
}

// Made on first use: every import starts it over with its file. The table's decimal
// separator is the user's, the same for every document of the session.
TImportPreviewDlg& TMainForm::importPreviewDlg() {
    if (!importPreviewDlg_)
        importPreviewDlg_ = new TImportPreviewDlg(ui_, document_.table.decimalSeparator(), this);
    return *importPreviewDlg_;
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
    if (!offerToSave(SAVE_BEFORE_IMPORT, UiServices::Buttons::YesNo))
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

// The file as the preview understood it replaces the table, with its names; roles its
// header makes plain are taken. A file that cannot be read, or Cancel, changes nothing.
void TMainForm::FileDataImportExecute() {
    if (commitCellEdit().refused)
        return;
    if (!offerToSave(SAVE_BEFORE_IMPORT, UiServices::Buttons::YesNo))
        return;
    const QString path = ui_.openFileName(QLatin1String(DATA_FILE_FILTER));
    if (path.isEmpty())
        return;
    TImportPreviewDlg& preview = importPreviewDlg();
    try {
        preview.showFile(
            readDelimitedFile(path.toStdString(), {}, document_.table.decimalSeparator()));
    } catch (const KelvaneError& error) {
        ui_.show({error.what(), "File Error", MessageIcon::Warning, MessageButtons::Ok});
        return;
    }
    if (ui_.runModal(preview) != QDialog::Accepted)
        return;
    const std::vector<std::size_t> rows = preview.takenRowIndexes();
    importDelimited(preview.table(), rows);
    const std::size_t total = preview.table().rows.size();
    if (const auto notice = leftOutNotice(total, rows.size(), DataTable::ROW_COUNT_CHOICES.back()))
        ui_.show({*notice, "Import", MessageIcon::Information, MessageButtons::Ok});
}

void TMainForm::importDelimited(const DelimitedTable& table, const std::vector<std::size_t>& rows) {
    Document imported = document_;
    fillTableFromDelimited(imported.table, table, rows);
    const auto roles = table.layout.headerRows > 0 ? guessRoles(table.names) : std::nullopt;
    if (roles)
        chooseColumns(imported, *roles);
    else
        keepRolesInTable(imported);
    imported.modified = false;
    replaceDocument(std::move(imported));
    historyRestarts_ = true;
    ClearFit();
    RebuildPlot();
}
