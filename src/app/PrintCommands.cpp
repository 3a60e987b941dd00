// Printing the data table and the graph, and the printer's set-up. Each copy is a print
// job of its own, on the printer the set-up dialog last chose.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "graph/Chart.h"
#include "graph/PrintCopies.h"
#include "graph/PrintedSize.h"
#include "graph/PrinterDlg.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"
#include "table/TablePrinter.h"

#include <QAction>
#include <QHeaderView>
#include <QPrinter>

namespace {

// The graph's print job carries the graph control's name.
const char* const GRAPH_JOB_NAME = "Chart1";

std::string printerName(const QPrinter& printer) {
    const QString name =
        printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return name.toStdString();
}

GridGeometry geometryOf(const DataStringGrid& grid) {
    GridGeometry geometry;
    geometry.columnWidths.push_back(grid.verticalHeader()->width());
    for (int column = 0; column < grid.model()->columnCount(); ++column)
        geometry.columnWidths.push_back(grid.columnWidth(column));
    geometry.rowHeight = grid.verticalHeader()->defaultSectionSize();
    geometry.dpi = grid.logicalDpiY();
    return geometry;
}

} // namespace

// Made on first use; from then on it keeps the text typed and the copies accepted.
TPrinterDlg& TMainForm::printerDlg() {
    if (!printerDlg_)
        printerDlg_ = new TPrinterDlg(ui_, this);
    return *printerDlg_;
}

void TMainForm::connectPrintCommands() {
    onCommand(actions_->FilePrintData, &TMainForm::FilePrintDataExecute);
    onCommand(actions_->FilePrintChart, &TMainForm::FilePrintChartExecute);
    onCommand(actions_->FilePrintSetup1, &TMainForm::FilePrintSetup1Execute);
}

bool TMainForm::askCopies(const char* caption) {
    TPrinterDlg& dialog = printerDlg();
    dialog.setWindowTitle(QLatin1String(caption));
    return ui_.runModal(dialog) == QDialog::Accepted;
}

// The table as the grid shows it, the rows of a shown fit of a selection marked, under the
// graph's title.
void TMainForm::FilePrintDataExecute() {
    if (commitCellEdit().refused)
        return;
    if (!askCopies("Print Data Table"))
        return;
    const PrintMarks marks{document_.roles, document_.selectionTop, document_.selectionBottom,
                           isFitShown()};
    const GridGeometry geometry = geometryOf(*grid_);
    const QString title = QString::fromStdString(document_.graphTitle);
    QPrinter& printer = ui_.printer();
    for (int copy = 0; copy < printerDlg().copies(); ++copy)
        if (!printTable(printer, document_.table, marks, geometry, title))
            throw KelvaneError(cannotPrint(printerName(printer)));
}

// The graph in its on-screen proportions at the page's top left, as large as the page
// allows.
void TMainForm::FilePrintChartExecute() {
    if (commitCellEdit().refused)
        return;
    if (!askCopies("Print Graph"))
        return;
    QPrinter& printer = ui_.printer();
    printer.setDocName(QLatin1String(GRAPH_JOB_NAME));
    for (int copy = 0; copy < printerDlg().copies(); ++copy) {
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const PrintedSize size =
            printedGraphSize(chart_->width(), chart_->height(), page.width(), page.height());
        if (!chart_->render(printer, QRectF(0, 0, size.width, size.height)) ||
            printer.printerState() == QPrinter::Error)
            throw KelvaneError(cannotPrint(printerName(printer)));
    }
}

void TMainForm::FilePrintSetup1Execute() {
    ui_.setupPrinter(ui_.printer());
}
