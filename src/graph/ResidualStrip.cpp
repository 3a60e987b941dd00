#include "graph/ResidualStrip.h"

#include <qcustomplot.h>

namespace {

// The strip's share of the height the graph and the strip divide between them.
constexpr double STRIP_STRETCH = 0.3;
constexpr int POINT_SIZE = 5;

} // namespace

ResidualStrip::ResidualStrip(QCustomPlot* plot)
    : plot_(plot), rect_(new QCPAxisRect(plot)),
      margins_(new QCPMarginGroup(plot)) {
    QCPLayoutGrid* layout = plot->plotLayout();
    layout->insertRow(1);
    layout->addElement(1, 0, rect_);
    layout->setRowStretchFactor(1, STRIP_STRETCH);
    // Both rectangles keep the same left and right margins, so their X axes line up.
    plot->axisRect()->setMarginGroup(QCP::msLeft | QCP::msRight, margins_);
    rect_->setMarginGroup(QCP::msLeft | QCP::msRight, margins_);
    rect_->setBackground(Qt::white);
    rect_->setRangeDrag({});
    rect_->setRangeZoom({});

    QCPAxis* x = rect_->axis(QCPAxis::atBottom);
    QCPAxis* y = rect_->axis(QCPAxis::atLeft);
    x->setTickLabels(false); // the graph's axis right above carries them
    y->setLabel(QStringLiteral("y \u2212 f(x)"));
    x->grid()->setPen(QPen(QColor(192, 192, 192), 0, Qt::SolidLine));
    y->grid()->setPen(QPen(QColor(192, 192, 192), 0, Qt::SolidLine));

    points_ = plot->addGraph(x, y);
    points_->setLineStyle(QCPGraph::lsNone);
    points_->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssDisc, Qt::black, Qt::black, POINT_SIZE));
    errorBars_ = new QCPErrorBars(x, y);
    errorBars_->setDataPlottable(points_);
    errorBars_->setPen(QPen(Qt::black));

    zeroLine_ = new QCPItemStraightLine(plot);
    zeroLine_->setClipAxisRect(rect_);
    zeroLine_->setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    for (QCPItemPosition* end : {zeroLine_->point1, zeroLine_->point2})
        end->setAxes(x, y);
    // Positive x, so that the line is there on a logarithmic axis too.
    zeroLine_->point1->setCoords(1, 0);
    zeroLine_->point2->setCoords(2, 0);

    connect(plot, &QCustomPlot::beforeReplot, this, &ResidualStrip::followGraphAxis);
    followGraphAxis();
}

ResidualStrip::~ResidualStrip() {
    plot_->removeItem(zeroLine_);
    plot_->removePlottable(errorBars_);
    plot_->removeGraph(points_);
    plot_->axisRect()->setMarginGroup(QCP::msLeft | QCP::msRight, nullptr);
    QCPLayoutGrid* layout = plot_->plotLayout();
    layout->remove(rect_);
    layout->simplify();
    delete margins_;
}

void ResidualStrip::setResiduals(const std::vector<double>& xs,
                                 const std::vector<double>& residuals,
                                 const std::vector<double>& errors, const AxisRange& range) {
    points_->setData(QVector<double>(xs.begin(), xs.end()),
                     QVector<double>(residuals.begin(), residuals.end()));
    errorBars_->setData(QVector<double>(errors.begin(), errors.end()));
    errorBars_->setVisible(!errors.empty());
    rect_->axis(QCPAxis::atLeft)->setRange(range.min, range.max);
}

int ResidualStrip::count() const {
    return points_->dataCount();
}

void ResidualStrip::followGraphAxis() {
    const QCPAxis* graphAxis = plot_->xAxis;
    QCPAxis* x = rect_->axis(QCPAxis::atBottom);
    x->setScaleType(graphAxis->scaleType());
    x->setTicker(graphAxis->ticker());
    x->setRange(graphAxis->range());
    x->grid()->setSubGridVisible(graphAxis->grid()->subGridVisible());
}
