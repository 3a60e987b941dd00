// What the chart shows around a fit besides its curve: the confidence band and the
// residual strip.

#include "graph/Chart.h"

#include "graph/ResidualStrip.h"

#include <qcustomplot.h>

namespace {

constexpr int BAND_ALPHA = 50; // light enough for the grid and the points to show through
const char* const BAND_LAYER = "band";

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
    QColor fill = seriesColor(ChartSeries::FitLineSeries);
    fill.setAlpha(BAND_ALPHA);
    bandHigh_->setBrush(fill);
    bandLow_->setData(vectorOf(xs), vectorOf(lows));
    bandHigh_->setData(vectorOf(xs), vectorOf(highs));
}

int Chart::confidenceBandPointCount() const {
    return bandHigh_ ? bandHigh_->dataCount() : 0;
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
