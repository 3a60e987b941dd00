#include "app/Unit1.h"

#include "app/ChartPoints.h"
#include "graph/Chart.h"
#include "graph/PlotRanges.h"

// The data points of the table on the graph, with automatic axis ranges and label formats.
// The fitted curve is left as it is.
void TMainForm::RebuildPlot() {
    chart_->clearSeries(ChartSeries::DataPointSeries);
    chart_->clearSeries(ChartSeries::SelectedDataPointSeries);
    // Shown empty at once: a cell that does not convert ends the rebuild right here.
    chart_->replot();
    const PlotUpdate update = computePlotUpdate(document_.table, plotSettings());
    if (update.x)
        applyAxisUpdate(ChartAxis::BottomAxis, *update.x, document_.xFormatFixed);
    if (update.y)
        applyAxisUpdate(ChartAxis::LeftAxis, *update.y, document_.yFormatFixed);
    showPoints(*chart_, ChartSeries::DataPointSeries, update.points);
    showPoints(*chart_, ChartSeries::SelectedDataPointSeries, update.selectedPoints);
    chart_->replot();
}

// No axis can be scaled by hand yet, so both follow the data.
PlotSettings TMainForm::plotSettings() const {
    const Chart& chart = *chart_;
    PlotSettings s;
    s.graphType = document_.graphType;
    s.errorMethod = document_.errorMethod;
    s.errorBarsShown = document_.errorBarsShown;
    s.x.range = {chart.minimum(ChartAxis::BottomAxis), chart.maximum(ChartAxis::BottomAxis)};
    s.x.formatFixed = document_.xFormatFixed;
    s.y.range = {chart.minimum(ChartAxis::LeftAxis), chart.maximum(ChartAxis::LeftAxis)};
    s.y.formatFixed = document_.yFormatFixed;
    // The marker margins are measured against the area the axes span.
    const QRect plotArea = chart.plotRect();
    s.chartWidth = plotArea.width();
    s.chartHeight = plotArea.height();
    return s;
}

void TMainForm::applyAxisUpdate(ChartAxis axis, const AxisUpdate& update, bool& formatFixed) {
    putAxisRange(axis, update.range);
    if (!update.format)
        return;
    // Choosing the scientific format switches "Use Scientific Notation" on, and that
    // choice fixes the axis's format: later rebuilds keep it until a reset.
    if (update.format->scientific)
        formatFixed = true;
    chart_->setLabelFormat(axis, update.format->pattern);
}

// The chart refuses a minimum above its maximum and the reverse, so the two ends go on in
// the order that never crosses the current range.
void TMainForm::putAxisRange(ChartAxis axis, const AxisRange& range) {
    const AxisRange current{chart_->minimum(axis), chart_->maximum(axis)};
    if (setMinimumFirst(current, range)) {
        chart_->setMinimum(axis, range.min);
        chart_->setMaximum(axis, range.max);
    } else {
        chart_->setMaximum(axis, range.max);
        chart_->setMinimum(axis, range.min);
    }
}
