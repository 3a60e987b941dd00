// The graph's labels and the data points' style.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "graph/Chart.h"
#include "graph/ChartLabelDlg.h"
#include "graph/GraphLabels.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QAction>

// Made on first use: it opens with the document's titles each time.
TchartLabelDlg& TMainForm::chartLabelDlg() {
    if (!chartLabelDlg_) {
        chartLabelDlg_ = new TchartLabelDlg(ui_, document_, this);
        // Typing a label is a change to save, whether or not OK follows.
        connect(chartLabelDlg_, &TchartLabelDlg::labelEdited, this,
                [this] { document_.modified = true; });
    }
    return *chartLabelDlg_;
}

void TMainForm::connectLabelCommands() {
    const MainActions& a = *actions_;
    onCommand(a.LabelChart, &TMainForm::LabelChartExecute);
    onCommand(a.DataPointColor1, &TMainForm::DataPointColor1Click);
    onCommand(a.FitLineColor1, &TMainForm::FitLineColor1Click);
    // The press of the double click may have begun a zoom; it ends with the dialog.
    connect(chart_, &Chart::doubleClicked, this, [this] {
        runCommand(ui_, [this] { LabelChartExecute(); });
        chart_->cancelMouseAction();
    });
    for (QAction* item : a.pointStyleItems)
        connect(item, &QAction::triggered, this, [this, item] {
            runCommand(ui_, [this, item] { PointStyleActionExecute(item->data().toInt()); });
            showCheckMarks();
        });
}

// The axis titles are the X and Y columns' names: OK renames both columns with them.
void TMainForm::LabelChartExecute() {
    TchartLabelDlg& dialog = chartLabelDlg();
    if (ui_.runModal(dialog) != QDialog::Accepted)
        return;
    applyGraphLabels(document_, dialog.labels());
    grid_->tableModel().columnNamesChanged();
    showGraphTitles();
    chart_->replot();
}

// Neither colour is a change to save.
void TMainForm::DataPointColor1Click() {
    if (const auto color = chooseColor()) {
        document_.dataPointColor = *color;
        showGraphSettings();
    }
}

void TMainForm::FitLineColor1Click() {
    if (const auto color = chooseColor()) {
        document_.fitLineColor = *color;
        showGraphSettings();
    }
}

// A style of the data points only; the highlighted selection keeps its own markers. Not a
// change to save.
void TMainForm::PointStyleActionExecute(int tag) {
    document_.pointStyle = pointStyleOfTag(tag);
    chart_->setDataPointStyle(document_.pointStyle);
    chart_->replot();
}
