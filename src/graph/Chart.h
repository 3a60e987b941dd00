#pragma once

#include "common/PointStyle.h"

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QCPAxis;
class QCPGraph;
class QCustomPlot;
class CursorBox;
class FramedFooter;

// The two value axes; the top axis carries the graph title and the right one is hidden.
enum class ChartAxis { BottomAxis, LeftAxis };

// The point and line series, in their drawing order (later ones on top).
enum class ChartSeries {
    DataPointSeries,
    SelectedDataPointSeries,
    FitLineBelowRangeSeries,
    FitLineAboveRangeSeries,
    FitLineSeries,
};

// The graph (Chart1): what the program needs of a chart control and nothing more, so that
// the rest of the program never talks to the plotting library. Axis ranges, label formats,
// titles, the series, the cursor box (CursorPositionSeries) and the framed footer.
class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(char decimalSeparator, QWidget* parent = nullptr);

    // Axis limits. A minimum above the current maximum, or a maximum below the current
    // minimum, is refused (false), so callers order their two sets.
    double minimum(ChartAxis axis) const;
    double maximum(ChartAxis axis) const;
    bool setMinimum(ChartAxis axis, double value);
    bool setMaximum(ChartAxis axis, double value);

    void setLogarithmic(ChartAxis axis, bool logarithmic);
    bool isLogarithmic(ChartAxis axis) const;
    // The area inside the axes, in pixels of the chart, as the next paint will lay it out.
    QRect plotRect() const;
    void setMinorTickCount(ChartAxis axis, int count);
    int minorTickCount(ChartAxis axis) const;
    void setMinorGridVisible(ChartAxis axis, bool visible);
    bool isMinorGridVisible(ChartAxis axis) const;
    // The number pattern of the value labels: "0.00", "#,##0.00", "0.00E+00", ...
    void setLabelFormat(ChartAxis axis, const std::string& pattern);
    std::string labelFormat(ChartAxis axis) const;

    void setAxisTitle(ChartAxis axis, const QString& title);
    QString axisTitle(ChartAxis axis) const;
    void setGraphTitle(const QString& title);
    QString graphTitle() const;

    void clearSeries(ChartSeries series);
    void addPoint(ChartSeries series, double x, double y);
    void setPoints(ChartSeries series, const std::vector<double>& xs,
                   const std::vector<double>& ys);
    int pointCount(ChartSeries series) const;
    // The colour of a series; all its points and lines take it.
    void setSeriesColor(ChartSeries series, const QColor& color);
    QColor seriesColor(ChartSeries series) const;
    void setDataPointStyle(PointStyle style);
    PointStyle dataPointStyle() const { return dataPointStyle_; }

    // The cursor readout box: a rounded rectangle between two X and two Y values with text
    // lines inside; drawn only while active.
    void setCursorBox(double x1, double y1, double x2, double y2, const QStringList& lines);
    void setCursorBoxActive(bool active);
    bool isCursorBoxActive() const;

    // The framed text block under the graph; shown while visible and not empty.
    void setFooterLines(const QStringList& lines);
    QStringList footerLines() const;
    void setFooterVisible(bool visible);
    bool isFooterShown() const;

    // The whole chart at its on-screen size on a white background.
    QImage renderImage();
    void replot();

signals:
    // A double click anywhere on the graph.
    void doubleClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct AxisSettings {
        std::string labelFormat;
        int minorTickCount;
    };

    QCPAxis* axis(ChartAxis axis) const;
    QCPGraph* graph(ChartSeries series) const;
    void setUpAxes();
    void setUpValueAxis(ChartAxis which, const QString& title);
    void setUpTitleAxis();
    void createSeries();
    void installTicker(ChartAxis which);
    void applyDataPointStyle();
    void updateFooterPlacement();

    char decimalSeparator_;
    QCustomPlot* plot_;
    std::array<AxisSettings, 2> axisSettings_;
    std::array<QCPGraph*, 5> series_{};
    std::array<QColor, 5> seriesColors_;
    CursorBox* cursorBox_ = nullptr;
    FramedFooter* footer_ = nullptr;
    QStringList footerLines_;
    bool footerVisible_ = false;
    PointStyle dataPointStyle_ = PointStyle::Circle;
};
