// The column commands of the main window and the grid events that move the selection.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "document/DocumentEdits.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitTexts.h"
#include "graph/Chart.h"
#include "shell/UiServices.h"
#include "table/ColumnLabelDlg.h"
#include "table/ColumnRules.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"
#include "table/DeleteColumnDlg.h"
#include "table/FitDlg.h"
#include "table/GridEvents.h"
#include "table/NewColumnDlg.h"

#include <QAction>
#include <QToolButton>

// The column dialogs are made on first use: each one shows the document as it is when it
// opens, and keeps nothing from one use to the next that it would have to keep from start.
TNewColumnDlg& TMainForm::newColumnDlg() {
    if (!newColumnDlg_) {
        newColumnDlg_ = new TNewColumnDlg(ui_, document_.table, this);
        // The prompt names the name field, for assistive technology too, before it is set
        // for a use.
        newColumnDlg_->setPrompt(QLatin1String(NEW_COLUMN_PROMPT));
    }
    return *newColumnDlg_;
}

TFitDlg& TMainForm::fitDlg() {
    if (!fitDlg_)
        fitDlg_ = new TFitDlg(ui_, document_, this);
    return *fitDlg_;
}

TDeleteColumnDlg& TMainForm::deleteColumnDlg() {
    if (!deleteColumnDlg_)
        deleteColumnDlg_ = new TDeleteColumnDlg(ui_, document_, this);
    return *deleteColumnDlg_;
}

TColumnLabelDlg& TMainForm::columnLabelDlg() {
    if (!columnLabelDlg_)
        columnLabelDlg_ = new TColumnLabelDlg(ui_, document_.table, this);
    return *columnLabelDlg_;
}

void TMainForm::connectColumnAndFitCommands() {
    const MainActions& a = *actions_;
    onCommand(a.AddColumnAction, &TMainForm::AddColumnActionExecute);
    onCommand(a.DeleteColumnAction, &TMainForm::DeleteColumnActionExecute);
    onCommand(a.RenameColumn, &TMainForm::RenameColumnClick);
    onCommand(a.SelectColumnsAction, &TMainForm::SelectColumnsActionExecute);
    // One handler serves the row-count items and the configuration items; each item
    // carries its value.
    for (QAction* item : a.rowCountItems)
        connect(item, &QAction::triggered, this, [this, item] {
            runCommand(ui_, [this, item] { ChangeRowActionExecute(item->data().toInt()); });
        });
    for (FitType type : ALL_FIT_TYPES)
        connect(a.fitTypeItems[static_cast<std::size_t>(type)], &QAction::triggered, this,
                [this, type] { runCommand(ui_, [this, type] { SelectFitType(type); }); });
    onCommand(a.fitTypeItems[static_cast<std::size_t>(FitType::USERMODEL)],
              &TMainForm::UserDefinedFitExecute);
    for (ErrorMethod method : ALL_ERROR_METHODS)
        connect(a.errorMethodItems[static_cast<std::size_t>(method)], &QAction::triggered, this,
                [this, method] { runCommand(ui_, [this, method] { SelectErrorMethod(method); }); });

    auto* events = new GridEvents(*grid_);
    connect(events, &GridEvents::mouseUp, this, &TMainForm::DataStringGridMouseUp);
    connect(events, &GridEvents::currentCellMoved, this, &TMainForm::DataStringGridCellChanging);
    connect(events, &GridEvents::cellDoubleClicked, this, [this](int column, int row) {
        runCommand(ui_, [this, column, row] { DataStringGridDblClickCell(column, row); });
    });
}

void TMainForm::AddColumnActionExecute() {
    addNamedColumn(QLatin1String(NEW_COLUMN_PROMPT));
}

// The new-column dialog, shared with the error-method commands; false when cancelled. A
// new column neither clears a shown fit nor changes the plot.
bool TMainForm::addNamedColumn(const QString& prompt) {
    TNewColumnDlg& dialog = newColumnDlg();
    dialog.setPrompt(prompt);
    if (ui_.runModal(dialog) != QDialog::Accepted)
        return false;
    document_.modified = true;
    grid_->tableModel().addColumn(dialog.columnName());
    return true;
}

// Deleting keeps a shown fit and the plot, and does not count as a change to save.
void TMainForm::DeleteColumnActionExecute() {
    if (const auto refusal = deleteColumnSizeRefusal(document_.table, document_.errorMethod)) {
        ui_.show(*refusal);
        return;
    }
    TDeleteColumnDlg& dialog = deleteColumnDlg();
    if (ui_.runModal(dialog) != QDialog::Accepted)
        return;
    const ColumnDeletion& deletion = dialog.deletion();
    ColumnRoles& roles = document_.roles;
    if (deletion.clearsDx)
        roles.dx = -1;
    if (deletion.clearsDy)
        roles.dy = -1;
    grid_->tableModel().deleteColumn(dialog.chosenColumn());
}

// The grid always has a current cell, the first data cell until the user moves; a view
// that has not been entered yet has none, and stands for that first cell.
void TMainForm::RenameColumnClick() {
    const QModelIndex current = grid_->currentIndex();
    DataStringGridDblClickCell(current.isValid() ? DataTableModel::tableColumn(current) : 1, 0);
}

// Only a column name opens the rename dialog. A renamed X or Y column takes its axis
// title along when the title still shows the old name.
void TMainForm::DataStringGridDblClickCell(int column, int row) {
    if (row != 0 || column < 1)
        return;
    TColumnLabelDlg& dialog = columnLabelDlg();
    if (ui_.runModal(dialog) != QDialog::Accepted)
        return;
    document_.modified = true;
    grid_->tableModel().renameColumn(column, dialog.newName());
    showGraphTitles();
    chart_->replot(); // a new axis title shows at once, not with the next change of data
}

// Other roles mean other points: a shown fit is removed and the plot rebuilt, in that
// order, so that a new column whose cell does not convert leaves no fit over an empty plot.
// Cancel keeps the roles but still removes a shown fit, which may have been asked for by a
// fit request that found a role missing.
void TMainForm::SelectColumnsActionExecute() {
    TFitDlg& dialog = fitDlg();
    if (ui_.runModal(dialog) != QDialog::Accepted) {
        if (isFitShown())
            ClearFit();
        return;
    }
    const Cascade cascade =
        chooseColumns(document_, {dialog.chosen(TFitDlg::X), dialog.chosen(TFitDlg::DX),
                                  dialog.chosen(TFitDlg::Y), dialog.chosen(TFitDlg::DY)});
    showGraphTitles();
    runCascade(cascade);
}

// The row count is not a change to save. A selection left below the last row would be
// fitted from rows that are gone; it ends at the current cell, on screen as in the document.
void TMainForm::ChangeRowActionExecute(int rows) {
    grid_->tableModel().setDataRowCount(rows);
    const QModelIndex current = grid_->currentIndex();
    if (keepSelectionInTable(document_, current.isValid() ? DataTableModel::tableRow(current) : 1))
        grid_->selectCurrentCellOnly();
    ClearFit();
    RebuildPlot();
}

void TMainForm::DataStringGridMouseUp(int selectionTop, int selectionBottom) {
    runCommand(ui_, [this, selectionTop, selectionBottom] {
        runCascade(selectionChanged(document_, selectionTop, selectionBottom, isFitShown()));
    });
}

void TMainForm::DataStringGridCellChanging(int row) {
    runCommand(ui_, [this, row] { runCascade(currentCellChanged(document_, row, isFitShown())); });
}
