// The cursor readout and the zoom of the graph.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "graph/Chart.h"
#include "graph/CursorReadout.h"
#include "graph/ErrorBarOverlay.h"
#include "shell/UiServices.h"

#include <QAction>

namespace {

PixelRect pixelsOf(const QRect& r) {
    return {r.left(), r.top(), r.right(), r.bottom()};
}

} // namespace

void TMainForm::connectCursorCommands() {
    onCommand(actions_->AnalyzeDataAction, &TMainForm::AnalyzeDataActionExecute);
    connect(chart_, &Chart::mouseMovedTo, this, &TMainForm::Chart1MouseMove);
    // The fitted curve spans the bottom axis as it is now.
    for (auto changed : {&Chart::zoomed, &Chart::zoomUndone, &Chart::released})
        connect(chart_, changed, this, [this] { runCommand(ui_, [this] { RefreshFit(); }); });
}

void TMainForm::AnalyzeDataActionExecute() {
    if (chart_->isCursorBoxActive()) {
        chart_->setCursorBoxActive(false);
        return;
    }
    if (document_.table.countPlottedRows(document_.roles) == 0) {
        ui_.show(noPointsToAnalyzeRefusal());
        return;
    }
    chart_->setCursorBoxActive(true);
    const PixelRect box = centredCursorBox(pixelsOf(chart_->plotRect()));
    showCursorBox(box, QPoint(box.left, box.top));
}

// The box follows the mouse inside the plot and stays where it was outside it.
void TMainForm::Chart1MouseMove(const QPoint& position) {
    if (!chart_->isCursorBoxActive())
        return;
    if (const auto box = cursorBoxAt(position.x(), position.y(), pixelsOf(chart_->plotRect())))
        showCursorBox(*box, position);
}

// Pixels become values through the axes, so the box keeps its size on logarithmic axes.
void TMainForm::showCursorBox(const PixelRect& box, const QPoint& readAt) {
    const PixelAxis x = chart_->pixelAxis(ChartAxis::BottomAxis);
    const PixelAxis y = chart_->pixelAxis(ChartAxis::LeftAxis);
    QStringList lines;
    for (const std::string& line : readoutLines(x.valueAt(readAt.x()), y.valueAt(readAt.y()),
                                                document_.table.decimalSeparator()))
        lines << QString::fromStdString(line);
    chart_->setCursorBox(x.valueAt(box.left), y.valueAt(box.top), x.valueAt(box.right),
                         y.valueAt(box.bottom), lines);
    chart_->replot();
}
