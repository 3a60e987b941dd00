#pragma once

#include "graph/AxisRange.h"

#include <QObject>

#include <vector>

class QCPAxisRect;
class QCPErrorBars;
class QCPGraph;
class QCPItemStraightLine;
class QCPMarginGroup;
class QCustomPlot;

// A strip under the graph that shows the residuals of a fit: its own axis rectangle in the
// plot's layout, between the graph and the footer, whose X axis follows the graph's (range,
// scale and ticks, so zooming moves both), with a zero line and the residuals' error bars.
// It exists only while shown: created with its residuals, removed whole from the plot. Its
// owner deletes it while the plot is still whole (not as the plot's child, which would go
// after the plot had taken its own parts apart).
class ResidualStrip : public QObject {
public:
    explicit ResidualStrip(QCustomPlot* plot);
    ~ResidualStrip() override;

    // errors empty: no error bars.
    void setResiduals(const std::vector<double>& xs, const std::vector<double>& residuals,
                      const std::vector<double>& errors, const AxisRange& range);
    int count() const;

private:
    void followGraphAxis();

    QCustomPlot* plot_;
    QCPAxisRect* rect_;
    QCPMarginGroup* margins_;
    QCPGraph* points_;
    QCPErrorBars* errorBars_;
    QCPItemStraightLine* zeroLine_;
};
