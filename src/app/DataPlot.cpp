#include "app/Unit1.h"

#include "app/ChartPoints.h"
#include "common/KelvaneError.h"
#include "graph/Chart.h"
#include "graph/PlotRanges.h"

// The data points of the table on the graph, with automatic axis ranges and label formats.
// The fitted curve is left as it is.
void TMainForm::RebuildPlot() {
    chart_->clearSeries(ChartSeries::DataPointSeries);
    chart_->clearSeries(ChartSeries::SelectedDataPointSeries);
    // A cell that does not convert ends the rebuild right here, with the points shown gone.
    const PlotUpdate update = [this] {
        try {
            return computePlotUpdate(document_, plotView());
        } catch (const KelvaneError&) {
            chart_->replot();
            throw;
        }
    }();
    if (update.x)
        applyAxisUpdate(ChartAxis::BottomAxis, *update.x, document_.xAxis, document_.xFormatFixed);
    if (update.y)
        applyAxisUpdate(ChartAxis::LeftAxis, *update.y, document_.yAxis, document_.yFormatFixed);
    showPoints(*chart_, ChartSeries::DataPointSeries, update.points);
    showPoints(*chart_, ChartSeries::SelectedDataPointSeries, update.selectedPoints);
    showAxisOptions();
    chart_->replot();
}

// The marker margins are measured against the area the axes span.
PlotView TMainForm::plotView() const {
    const QRect plotArea = chart_->plotRect();
    return {plotArea.width(), plotArea.height()};
}

// The format chosen from the data goes into the document's axis settings, which the Axis
// Options window shows. Choosing the scientific format switches "Use Scientific Notation"
// on, and that choice fixes the axis's format: later rebuilds keep it until a reset.
void TMainForm::applyAxisUpdate(ChartAxis axis, const AxisUpdate& update, AxisSettings& settings,
                                bool& formatFixed) {
    putAxisRange(axis, update.range);
    if (!update.format)
        return;
    settings.decimals = update.format->decimals;
    if (update.format->scientific) {
        settings.scientific = true;
        formatFixed = true;
    }
    settings.labelFormat = update.format->pattern;
    chart_->setLabelFormat(axis, settings.labelFormat);
}

void TMainForm::putAxisRange(ChartAxis axis, const AxisRange& range) {
    chart_->setRange(axis, range);
}
