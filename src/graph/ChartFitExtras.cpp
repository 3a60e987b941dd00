// What the chart shows around a fit besides its curve: the confidence band, the worst-fit
// lines and the residual strip. The band and the lines take the fit line's colour.

#include "graph/Chart.h"

#include "graph/ResidualStrip.h"

#include <qcustomplot.h>

namespace {

constexpr int BAND_ALPHA = 50; // light enough for the grid and the points to show through
const char* const BAND_LAYER = "band";
constexpr int WORST_FIT_LINE_WIDTH = 2; // as the fit line's own

QVector<double> vectorOf(const std::vector<double>& values) {
    return QVector<double>(values.begin(), values.end());
}

} // namespace

// Out of line, where the residual strip is a complete type.
Chart::~Chart() = default;

void Chart::setConfidenceBand(const std::vector<double>& xs, const std::vector<double>& lows,
                              const std::vector<double>& highs) {
    if (!bandLow_ && xs.empty())
        return;
    if (!bandLow_) {
        // Its own layer right above the grid: behind every series whatever their order.
        plot_->addLayer(QLatin1String(BAND_LAYER), plot_->layer(QStringLiteral("grid")),
                        QCustomPlot::limAbove);
        bandLow_ = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        bandHigh_ = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        for (QCPGraph* edge : {bandLow_, bandHigh_}) {
            edge->setLayer(QLatin1String(BAND_LAYER));
            edge->setPen(Qt::NoPen);
        }
        bandHigh_->setChannelFillGraph(bandLow_);
    }
    recolourFitExtras();
    bandLow_->setData(vectorOf(xs), vectorOf(lows));
    bandHigh_->setData(vectorOf(xs), vectorOf(highs));
}

int Chart::confidenceBandPointCount() const {
    return bandHigh_ ? bandHigh_->dataCount() : 0;
}

void Chart::setWorstFitLines(const std::vector<double>& xs, const std::vector<double>& steepest,
                             const std::vector<double>& shallowest) {
    if (!worstFitLines_[0] && xs.empty())
        return;
    if (!worstFitLines_[0])
        for (QCPGraph*& line : worstFitLines_)
            line = plot_->addGraph(plot_->xAxis, plot_->yAxis);
    recolourFitExtras();
    worstFitLines_[0]->setData(vectorOf(xs), vectorOf(steepest));
    worstFitLines_[1]->setData(vectorOf(xs), vectorOf(shallowest));
}

int Chart::worstFitLinePointCount() const {
    return worstFitLines_[0] ? worstFitLines_[0]->dataCount() : 0;
}

QPen Chart::worstFitLinePen() const {
    return worstFitLines_[0] ? worstFitLines_[0]->pen() : QPen(Qt::NoPen);
}

void Chart::recolourFitExtras() {
    const QColor color = seriesColor(ChartSeries::FitLineSeries);
    if (bandHigh_) {
        QColor fill = color;
        fill.setAlpha(BAND_ALPHA);
        bandHigh_->setBrush(fill);
    }
    for (QCPGraph* line : worstFitLines_)
        if (line)
            line->setPen(QPen(color, WORST_FIT_LINE_WIDTH, Qt::DashLine));
}

void Chart::setResiduals(const std::vector<double>& xs, const std::vector<double>& residuals,
                         const std::vector<double>& errors, const AxisRange& range) {
    if (xs.empty()) {
        residualStrip_.reset();
        return;
    }
    if (!residualStrip_)
        residualStrip_ = std::make_unique<ResidualStrip>(plot_);
    residualStrip_->setResiduals(xs, residuals, errors, range);
}

int Chart::residualCount() const {
    return residualStrip_ ? residualStrip_->count() : 0;
}
