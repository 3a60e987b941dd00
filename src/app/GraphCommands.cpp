// The graph commands: error bars, their colour and width, the graph types and the Axis
// Options window.

#include "app/Unit1.h"

#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "graph/AxisOptionsRules.h"
#include "graph/Chart.h"
#include "graph/Chartoptions.h"
#include "graph/ErrorBarOverlay.h"
#include "graph/ErrorBars.h"
#include "graph/GraphTypeAxes.h"
#include "graph/GraphTypeChecks.h"
#include "shell/ColorRefs.h"
#include "shell/UiServices.h"

#include <QAction>
#include <QPainter>

namespace {

const char* const NEW_LABEL_FORMAT = "0.00";

ChartAxis chartAxisOf(PlotAxis axis) {
    return axis == PlotAxis::X ? ChartAxis::BottomAxis : ChartAxis::LeftAxis;
}

// A segment covers the pixels at both its ends whatever the pen's width: it is drawn with
// flat ends half a pixel beyond them, so a cap from px - 5 to px + 5 is eleven pixels long
// and no wider for a wide pen.
QLineF coveringEnds(const PixelSegment& s) {
    const bool horizontal = s.y1 == s.y2 && s.x1 != s.x2;
    const QPointF step =
        horizontal ? QPointF(s.x2 > s.x1 ? 0.5 : -0.5, 0) : QPointF(0, s.y2 >= s.y1 ? 0.5 : -0.5);
    return {QPointF(s.x1, s.y1) - step, QPointF(s.x2, s.y2) + step};
}

} // namespace

// The Axis Options window changes the document and asks the window for the cascade; its
// handlers run as commands, so an error ends only the one that met it.
void TMainForm::createGraphWindows() {
    ChartOptionsHooks hooks;
    hooks.runCommand = [this](const std::function<void()>& handler) { runCommand(ui_, handler); };
    hooks.runCascade = [this](const Cascade& cascade) { runCascade(cascade); };
    chartOptionsForm_ = new TChartOptionsForm(ui_, document_, *chart_, std::move(hooks), this);
}

void TMainForm::connectGraphCommands() {
    const MainActions& a = *actions_;
    onCommand(a.ShowErrorBars, &TMainForm::ShowErrorBarsExecute);
    onCommand(a.ErrorBarColor1, &TMainForm::ErrorBarColor1Click);
    for (QAction* item : a.errorBarWidthItems)
        connect(item, &QAction::triggered, this, [this, item] {
            runCommand(ui_, [this, item] { ErrorWidth1Click(item->data().toInt()); });
            showCheckMarks();
        });
    onCommand(a.graphTypeItems[0], &TMainForm::LinearActionExecute);
    onCommand(a.graphTypeItems[1], &TMainForm::SemiLogActionExecute);
    onCommand(a.graphTypeItems[2], &TMainForm::LogLogActionExecute);
    onCommand(a.ChartOptionsAction, &TMainForm::ChartOptionsActionExecute);
    connect(chart_, &Chart::axisClicked, this,
            [this] { runCommand(ui_, [this] { Chart1ClickAxis(); }); });
    chart_->setAfterPaint([this](QPainter& painter) { Chart1AfterDraw(painter); });
}

// Shown bars widen the automatic ranges, and a shown fit is drawn again over them. Showing
// bars whose columns are not chosen offers the column dialog; declined, the bars stay off.
void TMainForm::ShowErrorBarsExecute() {
    const bool show = !document_.errorBarsShown;
    document_.errorBarsShown = show;
    setStatusText(3, QLatin1String(errorBarStatusText(show)));
    if (show) {
        if (const auto question = errorBarColumnsQuestion(document_.errorMethod, document_.roles)) {
            if (ui_.show(*question) != UiServices::Answer::Yes) {
                document_.errorBarsShown = false;
                setStatusText(3, QLatin1String(errorBarStatusText(false)));
                return;
            }
            SelectColumnsActionExecute();
            // Whatever was chosen: without the columns the overlay draws nothing.
            document_.errorBarsShown = true;
            setStatusText(3, QLatin1String(errorBarStatusText(true)));
        }
    }
    RebuildPlot();
    RefreshFit();
}

// The one colour dialog of the three colour commands opens with the colour last chosen in
// any of them, not with the colour it is about to change.
std::optional<ColorRef> TMainForm::chooseColor() {
    const auto chosen = ui_.chooseColor(colorOf(lastChosenColor_));
    if (!chosen)
        return std::nullopt;
    lastChosenColor_ = colorRefOf(*chosen);
    return lastChosenColor_;
}

void TMainForm::ErrorBarColor1Click() {
    if (const auto color = chooseColor()) {
        document_.errorBarColor = *color;
        chart_->replot();
    }
}

// The item's check mark follows the document once the command has run.
void TMainForm::ErrorWidth1Click(int width) {
    document_.errorBarWidth = width;
    chart_->replot();
}

void TMainForm::LinearActionExecute() {
    selectGraphType(GraphType::Linear);
}

void TMainForm::SemiLogActionExecute() {
    selectGraphType(GraphType::SemiLog);
}

void TMainForm::LogLogActionExecute() {
    selectGraphType(GraphType::LogLog);
}

// The table is checked first: a refused type changes nothing. The axes change scale; the
// re-plot then puts the automatic ranges around the data.
void TMainForm::selectGraphType(GraphType type) {
    if (const auto refusal = graphTypeRefusal(document_.table, document_.roles, type)) {
        ui_.show(*refusal);
        return;
    }
    document_.graphType = type;
    showGraphTypeAxes();
    document_.modified = true;
    RebuildPlot();
    RefreshFit();
}

// The axes take the scale of the document's graph type and start from the type's ranges.
// Manual limits that were applied stay applied where the new scale can show them, so the
// axis keeps showing what the Axis Options window says it does.
void TMainForm::showGraphTypeAxes() {
    const Chart& chart = *chart_;
    const auto rangeOf = [&chart](ChartAxis axis) {
        return AxisRange{chart.minimum(axis), chart.maximum(axis)};
    };
    const GraphTypeAxes axes = graphTypeAxes(document_.graphType, rangeOf(ChartAxis::BottomAxis),
                                             rangeOf(ChartAxis::LeftAxis));
    for (PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
        const AxisScale& scale = axis == PlotAxis::X ? axes.x : axes.y;
        const ChartAxis shown = chartAxisOf(axis);
        chart_->setLogarithmic(shown, scale.logarithmic);
        chart_->setMinorTickCount(shown, scale.minorTickCount);
        chart_->setRange(shown, scale.range);
        const bool applied =
            scaleState(document_, chartOptionsForm_->state(), axis) == ScaleState::ManualApplied;
        if (const auto manual = applied ? manualRange(document_, axis) : std::nullopt)
            chart_->setRange(shown, *manual);
    }
}

void TMainForm::ChartOptionsActionExecute() {
    chartOptionsForm_->showSettings();
    chartOptionsForm_->show();
    chartOptionsForm_->raise();
    chartOptionsForm_->activateWindow();
}

void TMainForm::Chart1ClickAxis() {
    ChartOptionsActionExecute();
}

// The error bars, drawn over every drawing of the chart from the table as it is.
void TMainForm::Chart1AfterDraw(QPainter& painter) {
    const ErrorBarDrawing bars =
        errorBarDrawing(document_, chart_->pixelAxis(ChartAxis::BottomAxis),
                        chart_->pixelAxis(ChartAxis::LeftAxis));
    if (bars.segments.empty())
        return;
    painter.setPen(QPen(colorOf(bars.color), bars.penWidth, Qt::SolidLine, Qt::FlatCap));
    for (const PixelSegment& segment : bars.segments)
        painter.drawLine(coveringEnds(segment));
}

void TMainForm::showAxisOptions() {
    if (chartOptionsForm_)
        chartOptionsForm_->showSettings();
}

void TMainForm::resetGraph() {
    document_.dataPointColor = RED;
    document_.fitLineColor = GREEN;
    document_.errorBarColor = BLACK;
    document_.errorBarWidth = 1;
    document_.pointStyle = PointStyle::Circle;
    // The axes are rebuilt below, once the graph is linear again.
    chartOptionsForm_->resetSettings();
    showGraphSettings();
    selectGraphType(GraphType::Linear);
    document_.modified = false;
    RebuildPlot();
    for (PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
        chart_->setRange(chartAxisOf(axis), AxisRange{});
        axisSettings(document_, axis).labelFormat = NEW_LABEL_FORMAT;
        chart_->setLabelFormat(chartAxisOf(axis), NEW_LABEL_FORMAT);
    }
    showCheckMarks();
    chart_->replot();
}
