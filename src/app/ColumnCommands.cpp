// The column commands of the main window and the grid events that move the selection.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "app/UiServices.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitTexts.h"
#include "graph/Chart.h"
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

// In the start-up order of the program's dialogs.
void TMainForm::createColumnDialogs() {
    newColumnDlg_ = new TNewColumnDlg(ui_, document_.table, this);
    fitDlg_ = new TFitDlg(ui_, document_, this);
    deleteColumnDlg_ = new TDeleteColumnDlg(ui_, document_, this);
    columnLabelDlg_ = new TColumnLabelDlg(ui_, document_.table, this);
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
    newColumnDlg_->setPrompt(prompt);
    if (ui_.runModal(*newColumnDlg_) != QDialog::Accepted)
        return false;
    document_.table.modified = true;
    grid_->tableModel().addColumn(newColumnDlg_->columnName());
    return true;
}

// Deleting keeps a shown fit and the plot, and does not count as a change to save.
void TMainForm::DeleteColumnActionExecute() {
    if (const auto refusal = deleteColumnSizeRefusal(document_.table, document_.errorMethod)) {
        ui_.show(*refusal);
        return;
    }
    if (ui_.runModal(*deleteColumnDlg_) != QDialog::Accepted)
        return;
    const ColumnDeletion& deletion = deleteColumnDlg_->deletion();
    ColumnRoles& roles = document_.table.roles;
    if (deletion.clearsDx)
        roles.dx = -1;
    if (deletion.clearsDy)
        roles.dy = -1;
    grid_->tableModel().deleteColumn(deleteColumnDlg_->chosenColumn());
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
    if (ui_.runModal(*columnLabelDlg_) != QDialog::Accepted)
        return;
    document_.table.modified = true;
    const QString oldName = QString::fromStdString(document_.table.columnName(column));
    const std::string newName = columnLabelDlg_->newName();
    for (ChartAxis axis : {ChartAxis::BottomAxis, ChartAxis::LeftAxis})
        if (chart_->axisTitle(axis) == oldName)
            chart_->setAxisTitle(axis, QString::fromStdString(newName));
    chart_->replot(); // a new axis title shows at once, not with the next change of data
    grid_->tableModel().renameColumn(column, newName);
}

// Other roles mean other points: the plot is rebuilt and a shown fit removed. Cancel keeps
// the roles but still removes a shown fit, which may have been asked for by a fit request
// that found a role missing.
void TMainForm::SelectColumnsActionExecute() {
    if (ui_.runModal(*fitDlg_) != QDialog::Accepted) {
        if (isFitShown())
            ClearFit();
        return;
    }
    ColumnRoles& roles = document_.table.roles;
    roles.x = fitDlg_->chosen(TFitDlg::X);
    chart_->setAxisTitle(ChartAxis::BottomAxis, fitDlg_->chosenName(TFitDlg::X));
    roles.dx = fitDlg_->chosen(TFitDlg::DX);
    roles.y = fitDlg_->chosen(TFitDlg::Y);
    chart_->setAxisTitle(ChartAxis::LeftAxis, fitDlg_->chosenName(TFitDlg::Y));
    roles.dy = fitDlg_->chosen(TFitDlg::DY);
    RebuildPlot();
    ClearFit(); // releases the fit button too
    document_.table.modified = true;
}

// Clears a shown fit and re-plots through the table; the row count is not a change to save.
void TMainForm::ChangeRowActionExecute(int rows) {
    grid_->tableModel().setDataRowCount(rows);
}

void TMainForm::DataStringGridMouseUp(int selectionTop, int selectionBottom) {
    runCommand(ui_, [this, selectionTop, selectionBottom] {
        document_.table.selectionChanged(selectionTop, selectionBottom);
    });
}

void TMainForm::DataStringGridCellChanging(int row) {
    runCommand(ui_, [this, row] { document_.table.currentCellChanged(row); });
}
