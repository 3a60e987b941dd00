#pragma once

// Drawing pieces of the Chart that the plotting library lacks. Included by Chart.cpp only,
// to keep the plotting library's large header out of other translation units.

#include "graph/LabelFormat.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QStringList>
#include <qcustomplot.h>

#include <functional>
#include <string>
#include <utility>

// A tick generator whose labels follow a number-format pattern and whose number of minor
// ticks between two major ones is fixed, on a linear (QCPAxisTicker) or logarithmic
// (QCPAxisTickerLog) axis alike.
template <class Base> class PatternTicker : public Base {
public:
    PatternTicker(std::string pattern, int minorTickCount, char decimalSeparator)
        : pattern_(std::move(pattern)), minorTickCount_(minorTickCount),
          decimalSeparator_(decimalSeparator) {}

protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return QString::fromStdString(formatAxisLabel(tick, pattern_, decimalSeparator_));
    }
    int getSubTickCount(double) override { return minorTickCount_; }

private:
    std::string pattern_;
    int minorTickCount_;
    char decimalSeparator_;
};

// The cursor readout: a rounded box placed in axis values, with text lines inside.
class CursorBox : public QCPLayerable {
public:
    CursorBox(QCustomPlot* plot, QCPAxis* xAxis, QCPAxis* yAxis)
        : QCPLayerable(plot), xAxis_(xAxis), yAxis_(yAxis) {}

    void setBox(double x1, double y1, double x2, double y2, const QStringList& lines) {
        corner1_ = {x1, y1};
        corner2_ = {x2, y2};
        lines_ = lines;
    }
    const QStringList& lines() const { return lines_; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override {
        applyAntialiasingHint(painter, mAntialiased, QCP::aeOther);
    }
    QRect clipRect() const override { return xAxis_->axisRect()->rect(); }

    void draw(QCPPainter* painter) override {
        const QRectF box = QRectF(pixelOf(corner1_), pixelOf(corner2_)).normalized();
        painter->setPen(QPen(Qt::black, 1));
        painter->setBrush(QColor(247, 231, 140));
        painter->drawRoundedRect(box, 6, 6);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        painter->setFont(font);
        const QFontMetrics metrics(font);
        QPointF baseline = box.topLeft() + QPointF(4, 4 + metrics.ascent());
        for (const QString& line : lines_) {
            painter->drawText(baseline, line);
            baseline.ry() += metrics.height();
        }
    }

private:
    QPointF pixelOf(const QPointF& value) const {
        return {xAxis_->coordToPixel(value.x()), yAxis_->coordToPixel(value.y())};
    }

    QCPAxis* xAxis_;
    QCPAxis* yAxis_;
    QPointF corner1_, corner2_;
    QStringList lines_;
};

// The program's own drawing over the finished chart, in the pixels of the drawing in
// progress: the top layer, drawn last, without antialiasing so lines stay one pixel sharp.
class AfterPaintLayer : public QCPLayerable {
public:
    explicit AfterPaintLayer(QCustomPlot* plot) : QCPLayerable(plot, QStringLiteral("overlay")) {
        setAntialiased(false);
    }

    std::function<void(QPainter&)> hook;

protected:
    void applyDefaultAntialiasingHint(QCPPainter* painter) const override {
        applyAntialiasingHint(painter, mAntialiased, QCP::aeOther);
    }

    void draw(QCPPainter* painter) override {
        if (!hook)
            return;
        painter->save();
        hook(*painter);
        painter->restore();
    }
};

// A text block with a frame of width 2, left-aligned text.
class FramedFooter : public QCPTextElement {
public:
    explicit FramedFooter(QCustomPlot* plot) : QCPTextElement(plot, QString(), footerFont()) {
        setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
        setMargins(QMargins(8, 6, 8, 6));
    }

protected:
    void draw(QCPPainter* painter) override {
        QCPTextElement::draw(painter);
        painter->setPen(QPen(Qt::black, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(mOuterRect.adjusted(1, 1, -1, -1));
    }

private:
    static QFont footerFont() {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        return font;
    }
};
