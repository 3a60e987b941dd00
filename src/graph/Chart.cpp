#include "graph/Chart.h"

#include "document/Document.h"
#include "graph/AxisRange.h"
#include "graph/ChartElements.h"
#include "graph/ErrorBarOverlay.h"
#include "graph/PlotRanges.h"
#include "graph/ResidualStrip.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace {

// How far the mouse must move with the button down before a drag counts as a zoom gesture.
constexpr int MIN_BAND_PIXELS = 4;

// A press and release in (nearly) one place is a click, not a gesture.
bool isGesture(const QPoint& press, const QPoint& release) {
    return (release - press).manhattanLength() >= MIN_BAND_PIXELS;
}

const QColor SILVER(192, 192, 192);
constexpr int DATA_POINT_SIZE = 2 * DATA_POINT_HALF_SIZE + 1;
constexpr int SELECTED_POINT_SIZE = 2 * SELECTED_POINT_HALF_SIZE + 1;
constexpr double MARGIN_FRACTION = 0.02;

QFont timesBold(int pixelSize, bool underline) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setUnderline(underline);
    return font;
}

QCPScatterStyle::ScatterShape shapeOf(PointStyle style) {
    switch (style) {
    case PointStyle::Rectangle:
        return QCPScatterStyle::ssSquare;
    case PointStyle::Triangle:
        return QCPScatterStyle::ssTriangle;
    case PointStyle::Cross:
        return QCPScatterStyle::ssCross;
    case PointStyle::Star:
        return QCPScatterStyle::ssStar;
    case PointStyle::Circle:
        break;
    }
    return QCPScatterStyle::ssCircle;
}

int indexOf(ChartSeries series) {
    return static_cast<int>(series);
}
int indexOf(ChartAxis axis) {
    return static_cast<int>(axis);
}

// The events that show the drawing or read positions from its layout: the paint itself (a
// grab() too) and the mouse over the graph (the cursor readout, the rubber band's corners).
bool readsTheDrawing(QEvent::Type type) {
    switch (type) {
    case QEvent::Paint:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

Chart::Chart(char decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(decimalSeparator), plot_(new QCustomPlot(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);
    plot_->setObjectName(QStringLiteral("Chart1Plot"));
    plot_->setAccessibleName(QStringLiteral("Graph"));
    plot_->setBackground(Qt::white);
    plot_->axisRect()->setBackground(Qt::white);
    // Solid lines as separate segments on screen and in images: the 1001-point fitted curve
    // stroked as one wide antialiased polyline with joins was the dearest part of a drawing
    // with a curve, and its pixel-long segments show no joins. SVG, PDF and printouts keep
    // the polyline.
    plot_->setPlottingHint(QCP::phFastPolylines, true);
    plot_->setCursor(Qt::CrossCursor);
    plot_->legend->setVisible(false);
    axisSettings_.fill(AxisSettings{START_UP_LABEL_FORMAT, 1});
    setUpAxes();
    createSeries();
    footer_ = new FramedFooter(plot_);
    footer_->setVisible(false);
    afterPaint_ = new AfterPaintLayer(plot_);
    connectAxisClicks();
    connectZoom();
    connect(plot_, &QCustomPlot::mouseDoubleClick, this, &Chart::doubleClicked);
    connect(plot_, &QCustomPlot::mouseMove, this,
            [this](QMouseEvent* event) { emit mouseMovedTo(event->position().toPoint()); });
}

QCPAxis* Chart::axis(ChartAxis which) const {
    return which == ChartAxis::BottomAxis ? plot_->xAxis : plot_->yAxis;
}

QCPGraph* Chart::graph(ChartSeries series) const {
    return series_[indexOf(series)];
}

void Chart::setUpAxes() {
    setUpValueAxis(ChartAxis::BottomAxis, QStringLiteral("X"));
    setUpValueAxis(ChartAxis::LeftAxis, QStringLiteral("Y"));
    plot_->xAxis->setTickLabelRotation(90);
    setUpTitleAxis();
    plot_->yAxis2->setVisible(false);
}

void Chart::setUpValueAxis(ChartAxis which, const QString& title) {
    QCPAxis* a = axis(which);
    a->setRange(-1, 1);
    a->setTickLength(0, 5);
    a->setSubTickLength(0, 2);
    a->setLabel(title);
    a->setLabelFont(timesBold(13, false));
    a->grid()->setPen(QPen(SILVER, 0, Qt::SolidLine));
    a->grid()->setSubGridPen(QPen(SILVER, 0, Qt::DotLine));
    a->grid()->setZeroLinePen(Qt::NoPen);
    a->grid()->setSubGridVisible(true);
    installTicker(which);
}

// The top axis only carries the graph title.
void Chart::setUpTitleAxis() {
    QCPAxis* top = plot_->xAxis2;
    top->setVisible(true);
    top->setTicks(false);
    top->setTickLabels(false);
    top->setLabel(QStringLiteral("Graph Title"));
    top->setLabelFont(timesBold(19, true));
}

// Created in drawing order: later series are drawn over earlier ones.
void Chart::createSeries() {
    const auto addGraph = [this](ChartSeries series) {
        QCPGraph* g = plot_->addGraph(plot_->xAxis, plot_->yAxis);
        series_[indexOf(series)] = g;
        return g;
    };
    addGraph(ChartSeries::DataPointSeries)->setLineStyle(QCPGraph::lsNone);
    seriesColors_[indexOf(ChartSeries::DataPointSeries)] = Qt::red;
    applyDataPointStyle();

    QCPGraph* selected = addGraph(ChartSeries::SelectedDataPointSeries);
    selected->setLineStyle(QCPGraph::lsNone);
    seriesColors_[indexOf(ChartSeries::SelectedDataPointSeries)] = Qt::yellow;
    selected->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QColor(64, 0, 0), 2),
                                              QBrush(Qt::yellow), SELECTED_POINT_SIZE));

    cursorBox_ = new CursorBox(plot_, plot_->xAxis, plot_->yAxis);
    cursorBox_->setVisible(false);

    for (ChartSeries dotted :
         {ChartSeries::FitLineBelowRangeSeries, ChartSeries::FitLineAboveRangeSeries}) {
        addGraph(dotted)->setPen(QPen(Qt::red, 2, Qt::DotLine));
        seriesColors_[indexOf(dotted)] = Qt::red;
    }
    addGraph(ChartSeries::FitLineSeries)->setPen(QPen(QColor(0, 128, 0), 2));
    seriesColors_[indexOf(ChartSeries::FitLineSeries)] = QColor(0, 128, 0);
}

void Chart::installTicker(ChartAxis which) {
    const AxisSettings& s = axisSettings_[indexOf(which)];
    QCPAxis* a = axis(which);
    if (a->scaleType() == QCPAxis::stLogarithmic)
        a->setTicker(QSharedPointer<PatternTicker<QCPAxisTickerLog>>::create(
            s.labelFormat, s.minorTickCount, decimalSeparator_));
    else
        a->setTicker(QSharedPointer<PatternTicker<QCPAxisTicker>>::create(
            s.labelFormat, s.minorTickCount, decimalSeparator_));
}

double Chart::minimum(ChartAxis which) const {
    return axis(which)->range().lower;
}

double Chart::maximum(ChartAxis which) const {
    return axis(which)->range().upper;
}

bool Chart::setMinimum(ChartAxis which, double value) {
    if (value > maximum(which))
        return false;
    axis(which)->setRangeLower(value);
    return true;
}

bool Chart::setMaximum(ChartAxis which, double value) {
    if (value < minimum(which))
        return false;
    axis(which)->setRangeUpper(value);
    return true;
}

bool Chart::setRange(ChartAxis which, const AxisRange& range) {
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || range.min > range.max)
        return false;
    const AxisRange current{minimum(which), maximum(which)};
    if (setMinimumFirst(current, range)) {
        setMinimum(which, range.min);
        setMaximum(which, range.max);
    } else {
        setMaximum(which, range.max);
        setMinimum(which, range.min);
    }
    return true;
}

void Chart::setLogarithmic(ChartAxis which, bool logarithmic) {
    axis(which)->setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    installTicker(which);
}

bool Chart::isLogarithmic(ChartAxis which) const {
    return axis(which)->scaleType() == QCPAxis::stLogarithmic;
}

// Laid out afresh: a resize or new tick labels move the axes before the next paint does.
QRect Chart::plotRect() const {
    QCPLayoutGrid* layout = plot_->plotLayout();
    for (auto phase :
         {QCPLayoutElement::upPreparation, QCPLayoutElement::upMargins, QCPLayoutElement::upLayout})
        layout->update(phase);
    return plot_->axisRect()->rect();
}

PixelAxis Chart::pixelAxis(ChartAxis which) const {
    const QCPAxis* a = axis(which);
    const QCPRange range = a->range();
    return {range.lower, range.upper, isLogarithmic(which), a->coordToPixel(range.lower),
            a->coordToPixel(range.upper)};
}

void Chart::setMinorTickCount(ChartAxis which, int count) {
    axisSettings_[indexOf(which)].minorTickCount = count;
    installTicker(which);
}

int Chart::minorTickCount(ChartAxis which) const {
    return axisSettings_[indexOf(which)].minorTickCount;
}

void Chart::setMinorGridVisible(ChartAxis which, bool visible) {
    axis(which)->grid()->setSubGridVisible(visible);
}

bool Chart::isMinorGridVisible(ChartAxis which) const {
    return axis(which)->grid()->subGridVisible();
}

void Chart::setLabelFormat(ChartAxis which, const std::string& pattern) {
    axisSettings_[indexOf(which)].labelFormat = pattern;
    installTicker(which);
}

std::string Chart::labelFormat(ChartAxis which) const {
    return axisSettings_[indexOf(which)].labelFormat;
}

void Chart::setAxisTitle(ChartAxis which, const QString& title) {
    axis(which)->setLabel(title);
}

QString Chart::axisTitle(ChartAxis which) const {
    return axis(which)->label();
}

void Chart::setGraphTitle(const QString& title) {
    plot_->xAxis2->setLabel(title);
}

QString Chart::graphTitle() const {
    return plot_->xAxis2->label();
}

void Chart::clearSeries(ChartSeries series) {
    graph(series)->data()->clear();
}

void Chart::addPoint(ChartSeries series, double x, double y) {
    graph(series)->addData(x, y);
}

void Chart::setPoints(ChartSeries series, const std::vector<double>& xs,
                      const std::vector<double>& ys) {
    graph(series)->setData(QVector<double>(xs.begin(), xs.end()),
                           QVector<double>(ys.begin(), ys.end()));
}

int Chart::pointCount(ChartSeries series) const {
    return graph(series)->dataCount();
}

void Chart::setSeriesColor(ChartSeries series, const QColor& color) {
    seriesColors_[indexOf(series)] = color;
    QCPGraph* g = graph(series);
    switch (series) {
    case ChartSeries::DataPointSeries:
        applyDataPointStyle();
        break;
    case ChartSeries::SelectedDataPointSeries: {
        QCPScatterStyle style = g->scatterStyle();
        style.setBrush(color);
        g->setScatterStyle(style);
        break;
    }
    default: {
        QPen pen = g->pen();
        pen.setColor(color);
        g->setPen(pen);
    }
    }
    if (series == ChartSeries::FitLineSeries)
        recolourFitExtras();
}

QColor Chart::seriesColor(ChartSeries series) const {
    return seriesColors_[indexOf(series)];
}

void Chart::setDataPointStyle(PointStyle style) {
    dataPointStyle_ = style;
    applyDataPointStyle();
}

void Chart::applyDataPointStyle() {
    const QColor color = seriesColors_[indexOf(ChartSeries::DataPointSeries)];
    graph(ChartSeries::DataPointSeries)
        ->setScatterStyle(QCPScatterStyle(shapeOf(dataPointStyle_), QPen(color, 1), QBrush(color),
                                          DATA_POINT_SIZE));
}

void Chart::setCursorBox(double x1, double y1, double x2, double y2, const QStringList& lines) {
    cursorBox_->setBox(x1, y1, x2, y2, lines);
}

QStringList Chart::cursorBoxLines() const {
    return cursorBox_->lines();
}

void Chart::setCursorBoxActive(bool active) {
    cursorBox_->setVisible(active);
}

bool Chart::isCursorBoxActive() const {
    return cursorBox_->visible();
}

void Chart::setFooterLines(const QStringList& lines) {
    footerLines_ = lines;
    footer_->setText(lines.join(QLatin1Char('\n')));
    updateFooterPlacement();
}

QStringList Chart::footerLines() const {
    return footerLines_;
}

void Chart::setFooterVisible(bool visible) {
    footerVisible_ = visible;
    updateFooterPlacement();
}

bool Chart::isFooterShown() const {
    return footer_->layout() != nullptr;
}

// The footer takes the row under the plot only while it is shown, so a hidden footer
// leaves no gap.
void Chart::updateFooterPlacement() {
    const bool show = footerVisible_ && !footerLines_.isEmpty();
    QCPLayoutGrid* grid = plot_->plotLayout();
    if (show && !isFooterShown()) {
        grid->addElement(grid->rowCount(), 0, footer_); // the last row, under a residual strip
    } else if (!show && isFooterShown()) {
        grid->take(footer_);
        grid->simplify();
    }
    footer_->setVisible(show);
}

void Chart::setAfterPaint(std::function<void(QPainter&)> hook) {
    afterPaint_->hook = std::move(hook);
}

// A press on an axis is a click on that axis: while the rubber band zooms, a press anywhere
// would start it and the axis would never hear of the click, so the band waits until the
// press ends.
void Chart::connectAxisClicks() {
    connect(plot_, &QCustomPlot::mousePress, this, &Chart::beginPress);
    connect(plot_, &QCustomPlot::mouseRelease, this, &Chart::endPress);
    connect(plot_, &QCustomPlot::axisClick, this, [this](QCPAxis* clicked) {
        if (clicked == plot_->xAxis)
            emit axisClicked(ChartAxis::BottomAxis);
        else if (clicked == plot_->yAxis)
            emit axisClicked(ChartAxis::LeftAxis);
    });
}

void Chart::beginPress(QMouseEvent* event) {
    endPress();
    const QPointF pos = event->position();
    const bool onAxis =
        plot_->xAxis->selectTest(pos, false) >= 0 || plot_->yAxis->selectTest(pos, false) >= 0;
    if (onAxis && plot_->selectionRectMode() != QCP::srmNone) {
        selectionModeBeforePress_ = plot_->selectionRectMode();
        plot_->setSelectionRectMode(QCP::srmNone);
    }
}

void Chart::endPress() {
    if (selectionModeBeforePress_)
        plot_->setSelectionRectMode(
            static_cast<QCP::SelectionRectMode>(*selectionModeBeforePress_));
    selectionModeBeforePress_.reset();
}

// Zooming with a rubber band: down and to the right zooms in, any other way undoes.
void Chart::connectZoom() {
    plot_->setSelectionRectMode(QCP::srmCustom);
    plot_->setFocusPolicy(Qt::ClickFocus);
    plot_->installEventFilter(this);
    connect(plot_->selectionRect(), &QCPSelectionRect::accepted, this, &Chart::endBand);
    // The plot reports the release before the band that it ends, so the band's own
    // rectangle tells whether the release is the gesture's.
    connect(plot_, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* event) {
        const QCPSelectionRect* band = plot_->selectionRect();
        if (!band->isActive() || !isGesture(band->rect().topLeft(), event->position().toPoint()))
            emit released();
    });
}

void Chart::endBand(const QRect& band, QMouseEvent* event) {
    const QPoint start = band.topLeft();
    const QPoint end = event->position().toPoint();
    if (!isGesture(start, end))
        return;
    const bool downRight =
        end.x() > start.x() && end.y() > start.y() && band.width() > 1 && band.height() > 1;
    if (!downRight) {
        if (undoZoom())
            emit zoomUndone();
        return;
    }
    if (!rangesBeforeZoom_)
        rangesBeforeZoom_ = std::array<AxisRange, 2>{
            AxisRange{minimum(ChartAxis::BottomAxis), maximum(ChartAxis::BottomAxis)},
            AxisRange{minimum(ChartAxis::LeftAxis), maximum(ChartAxis::LeftAxis)}};
    const QCPAxis* x = plot_->xAxis;
    const QCPAxis* y = plot_->yAxis;
    setRange(ChartAxis::BottomAxis, {x->pixelToCoord(band.left()), x->pixelToCoord(band.right())});
    setRange(ChartAxis::LeftAxis, {y->pixelToCoord(band.bottom()), y->pixelToCoord(band.top())});
    replot();
    emit zoomed();
}

bool Chart::undoZoom() {
    if (!rangesBeforeZoom_)
        return false;
    setRange(ChartAxis::BottomAxis, (*rangesBeforeZoom_)[0]);
    setRange(ChartAxis::LeftAxis, (*rangesBeforeZoom_)[1]);
    rangesBeforeZoom_.reset();
    replot();
    return true;
}

void Chart::cancelMouseAction() {
    if (plot_->selectionRect()->isActive())
        plot_->selectionRect()->cancel();
}

// A waiting drawing is made before the graph shows it or reads positions from it; Escape on
// the graph undoes every zoom at once.
bool Chart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plot_ && readsTheDrawing(event->type()))
        drawPending();
    if (watched == plot_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && undoZoom()) {
        emit zoomUndone();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QImage Chart::renderImage() {
    QImage image(plot_->size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    if (!render(image, QRectF(QPointF(0, 0), QSizeF(plot_->size()))))
        return QImage();
    return image;
}

// Drawn at the on-screen size and scaled, so that the layout, and with it the after-paint
// drawing that reads the axes' pixels, is the screen's. The cursor box is a reading aid of
// the screen and stays out of pictures and printouts.
bool Chart::render(QPaintDevice& device, const QRectF& target) {
    const int w = plot_->width();
    const int h = plot_->height();
    if (w <= 0 || h <= 0)
        return false;
    drawPending(); // the residual strip follows the graph's axis as a drawing lays it out
    QCPPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool raster =
        device.devType() == QInternal::Image || device.devType() == QInternal::Pixmap;
    if (!raster)
        painter.setMode(QCPPainter::pmVectorized);
    painter.translate(target.topLeft());
    painter.scale(target.width() / w, target.height() / h);
    const bool boxShown = cursorBox_->visible();
    cursorBox_->setVisible(false);
    plot_->toPainter(&painter, w, h);
    cursorBox_->setVisible(boxShown);
    return painter.end();
}

void Chart::replot() {
    if (drawingPending_)
        return;
    drawingPending_ = true;
    QMetaObject::invokeMethod(this, &Chart::drawPending, Qt::QueuedConnection);
}

void Chart::drawPending() {
    if (!drawingPending_)
        return;
    drawingPending_ = false;
    // Into the plot's buffers; the widget shows them with its next paint, which may be the
    // one under way.
    plot_->replot(QCustomPlot::rpQueuedRefresh);
}

void Chart::resizeEvent(QResizeEvent* event) {
    const int dx = static_cast<int>(event->size().width() * MARGIN_FRACTION);
    const int dy = static_cast<int>(event->size().height() * MARGIN_FRACTION);
    plot_->plotLayout()->setMargins(QMargins(dx, dy, dx, dy));
    QWidget::resizeEvent(event);
}
