#pragma once

#include "common/PointStyle.h"
#include "graph/AxisRange.h"

#include <QColor>
#include <QImage>
#include <QPen>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCPAxis;
class QCPGraph;
class QCustomPlot;
class QMouseEvent;
class QPainter;
class QPaintDevice;
class AfterPaintLayer;
class CursorBox;
class FramedFooter;
class ResidualStrip;

struct PixelAxis;

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
    ~Chart() override;

    // Axis limits. A minimum above the current maximum, or a maximum below the current
    // minimum, is refused (false), so callers order their two sets.
    double minimum(ChartAxis axis) const;
    double maximum(ChartAxis axis) const;
    bool setMinimum(ChartAxis axis, double value);
    bool setMaximum(ChartAxis axis, double value);
    // Both limits at once, in the order the chart accepts whatever the current ones are. A
    // range that is not finite or whose minimum lies above its maximum is refused (false).
    bool setRange(ChartAxis axis, const AxisRange& range);

    void setLogarithmic(ChartAxis axis, bool logarithmic);
    bool isLogarithmic(ChartAxis axis) const;
    // The area inside the axes, in pixels of the chart, as the next paint will lay it out.
    QRect plotRect() const;
    // The axis as the drawing in progress lays it out: its range and the pixels of its ends.
    PixelAxis pixelAxis(ChartAxis axis) const;
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

    // The ±1σ band of the fitted curve, a light fill of the fit line's colour behind the
    // curve and the points; no points remove it. (ChartFitExtras.cpp)
    void setConfidenceBand(const std::vector<double>& xs, const std::vector<double>& lows,
                           const std::vector<double>& highs);
    int confidenceBandPointCount() const;
    // The steepest and the shallowest lines through every error bar, dashed in the fit line's
    // colour over the curve; both over the same xs, and no xs remove them.
    void setWorstFitLines(const std::vector<double>& xs, const std::vector<double>& steepest,
                          const std::vector<double>& shallowest);
    int worstFitLinePointCount() const; // of each line; 0 while they are not shown
    QPen worstFitLinePen() const;
    // The residual strip under the graph (see ResidualStrip), its Y axis over `range`;
    // no points remove it. `errors` empty: no error bars.
    void setResiduals(const std::vector<double>& xs, const std::vector<double>& residuals,
                      const std::vector<double>& errors, const AxisRange& range);
    int residualCount() const; // 0 while the strip is not shown

    // The cursor readout box: a rounded rectangle between two X and two Y values with text
    // lines inside; drawn only while active.
    void setCursorBox(double x1, double y1, double x2, double y2, const QStringList& lines);
    void setCursorBoxActive(bool active);
    bool isCursorBoxActive() const;
    QStringList cursorBoxLines() const;

    // The framed text block under the graph; shown while visible and not empty.
    void setFooterLines(const QStringList& lines);
    QStringList footerLines() const;
    void setFooterVisible(bool visible);
    bool isFooterShown() const;

    // Runs after every drawing of the chart, on screen and into images and pages alike, with
    // that drawing's painter: what it draws lies over the whole chart, in the drawing's pixels.
    void setAfterPaint(std::function<void(QPainter&)> hook);

    // The whole chart at its on-screen size on a white background; a null image when it
    // could not be drawn.
    QImage renderImage();
    // Draws the whole chart as it is laid out on screen, scaled into `target` of the device:
    // an image, an SVG or PDF writer, a printer (one print job). The cursor box is left
    // out. False when the device could not be painted on.
    bool render(QPaintDevice& device, const QRectF& target);
    // Asks for a drawing of the chart. A command changes the chart in several steps, each of
    // which asks; only the last state is ever seen, so the requests wait for the event loop and
    // are drawn there once. A paint, a mouse event over the graph and render() draw what is
    // waiting first, so that nothing shows or reads a stale drawing.
    void replot();
    // Makes now the drawing that was asked for and not made yet; nothing when none waits.
    void drawPending();

    // Returns both axes to the ranges they had before the first zoom; false when there was
    // no zoom to undo.
    bool undoZoom();
    // Ends the mouse action a press began (a rubber band in progress, say).
    void cancelMouseAction();

signals:
    // A click on the bottom or the left axis: its line, its labels or its title.
    void axisClicked(ChartAxis axis);
    // A double click anywhere on the graph.
    void doubleClicked();
    // A rubber band dragged down and to the right zoomed into its rectangle; one dragged the
    // other way (or Escape on the graph) undid every zoom at once.
    void zoomed();
    void zoomUndone();
    // A mouse button was released over the graph without ending a zoom gesture.
    void released();
    // The mouse moved over the graph, to a position in the chart's pixels.
    void mouseMovedTo(const QPoint& position);

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
    void recolourFitExtras(); // the band and the worst-fit lines follow the fit line
    void connectAxisClicks();
    void connectZoom();
    void beginPress(QMouseEvent* event);
    void endPress();
    void endBand(const QRect& band, QMouseEvent* event);
    bool eventFilter(QObject* watched, QEvent* event) override;

    char decimalSeparator_;
    QCustomPlot* plot_;
    std::array<AxisSettings, 2> axisSettings_;
    std::array<QCPGraph*, 5> series_{};
    std::array<QColor, 5> seriesColors_;
    CursorBox* cursorBox_ = nullptr;
    AfterPaintLayer* afterPaint_ = nullptr;
    // The rubber band's mode, put aside while a press on an axis lasts.
    std::optional<int> selectionModeBeforePress_;
    // The axes' ranges before the first zoom, kept until the zoom is undone.
    std::optional<std::array<AxisRange, 2>> rangesBeforeZoom_;
    FramedFooter* footer_ = nullptr;
    QCPGraph* bandLow_ = nullptr; // created with the first band
    QCPGraph* bandHigh_ = nullptr;
    std::array<QCPGraph*, 2> worstFitLines_{};     // created with the first lines
    std::unique_ptr<ResidualStrip> residualStrip_; // goes before the plot, its child
    QStringList footerLines_;
    bool footerVisible_ = false;
    PointStyle dataPointStyle_ = PointStyle::Circle;
    bool drawingPending_ = false;
};
