// "Define a Function": the Define Function window and the column its OK fills.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "formula/ComputedColumn.h"
#include "formula/Function.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QAction>

void TMainForm::connectFunctionCommands() {
    onCommand(actions_->DefineFunctionAction, &TMainForm::XequalsExecute);
}

// Made on first use; from then on it keeps the equation typed, and its place.
TFunctionForm& TMainForm::functionForm() {
    if (!functionForm_) {
        functionForm_ = new TFunctionForm(ui_, document_.table, this);
        connect(functionForm_, &TFunctionForm::formulaAccepted, this, &TMainForm::FunctionFormOK);
    }
    return *functionForm_;
}

// A window never opened has nothing to hide, and is not made for it.
void TMainForm::hideFunctionForm() {
    if (functionForm_)
        functionForm().hide();
}

// A cell still being edited is data the check must see. A cell with two decimal points
// would stop the equation half-way through the rows, so the window does not open.
void TMainForm::XequalsExecute() {
    commitCellEdit();
    if (const auto refusal = extraDecimalPointsRefusal(document_.table)) {
        ui_.show(*refusal);
        return;
    }
    functionForm().showActivated();
}

// Every row is computed before the first cell is written, so a cell that is no number
// stops the command with the table as it was and the window still open. The column is new
// data: a shown fit goes, the plot follows, and the document counts as changed, or closing
// the window would lose the column without a question.
void TMainForm::FunctionFormOK(ColumnFormula& formula) {
    runCommand(ui_, [this, &formula] {
        const ColumnResults results = computeColumn(document_.table, formula.equation);
        DataTableModel& model = grid_->tableModel();
        int column = formula.targetColumn;
        if (column == NEW_COLUMN) {
            model.addColumn(formula.name);
            column = document_.table.columnCount() - 1;
        }
        model.writeCells(cellWrites(results, column));
        document_.modified = true;
        ClearFit();
        functionForm().hide();
        if (const auto warning = unevaluatedRowsWarning(results))
            ui_.show(*warning);
        RebuildPlot();
    });
}
