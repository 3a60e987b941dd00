#include "graph/GraphFileWriter.h"

#include "common/AppInfo.h"
#include "graph/Chart.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr int SCREEN_DPI = 96;

std::string bytesOf(const QBuffer& buffer) {
    return buffer.data().toStdString();
}

} // namespace

std::optional<std::string> imageFileBytes(const QImage& image, const char* format) {
    if (image.isNull())
        return std::nullopt;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return std::nullopt;
    return bytesOf(buffer);
}

std::optional<std::string> svgFileBytes(Chart& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(SCREEN_DPI);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
    svg.setTitle(chart.graphTitle());
    svg.setDescription(QStringLiteral("Graph drawn by %1").arg(QLatin1String(APPLICATION_TITLE)));
    if (!chart.render(svg, QRectF(QPointF(0, 0), QSizeF(chart.size()))))
        return std::nullopt;
    return bytesOf(buffer);
}

// One page the size of the graph, without margins.
std::optional<std::string> pdfFileBytes(Chart& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(SCREEN_DPI);
    pdf.setTitle(chart.graphTitle());
    pdf.setCreator(QLatin1String(APPLICATION_TITLE));
    const QSizeF points = QSizeF(chart.size()) * (72.0 / SCREEN_DPI);
    pdf.setPageLayout(
        QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
    if (!chart.render(pdf, QRectF(QPointF(0, 0), QSizeF(chart.size()))))
        return std::nullopt;
    return bytesOf(buffer);
}
