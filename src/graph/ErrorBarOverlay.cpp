#include "graph/ErrorBarOverlay.h"

#include "common/KelvaneError.h"
#include "graph/ErrorBars.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int CAP_HALF_LENGTH = 5;

// Far enough outside any plot area to be skipped or cut, near enough to round.
constexpr double FAR_PIXEL = 1e6;

int roundPixel(double pixel) {
    if (std::isnan(pixel))
        return static_cast<int>(FAR_PIXEL);
    return static_cast<int>(std::lround(std::clamp(pixel, -FAR_PIXEL, FAR_PIXEL)));
}

struct PlotArea {
    int left, top, right, bottom;
};

struct ErrorPoint {
    long double x, y, dx, dy;
};

// An uncertainty is a size: a negative one spans the same bar as its value
// above zero, as the fit's weights take it.
long double numberOrZero(const DataTable& table, int column, int row) {
    return column != -1 && table.isFilled(column, row) ? std::fabs(table.cellNumber(column, row))
                                                       : 0.0L;
}

std::optional<ErrorPoint> errorPointOf(const Document& d, int row) {
    const DataTable& table = d.table;
    const ColumnRoles& roles = d.roles;
    if (!table.isFilled(roles.x, row) || !table.isFilled(roles.y, row))
        return std::nullopt;
    if (d.errorMethod == ErrorMethod::DYI && !table.isFilled(roles.dy, row))
        return std::nullopt;
    try {
        const long double dx =
            d.errorMethod == ErrorMethod::DXIDYI ? numberOrZero(table, roles.dx, row) : 0.0L;
        return ErrorPoint{table.cellNumber(roles.x, row), table.cellNumber(roles.y, row), dx,
                          numberOrZero(table, roles.dy, row)};
    } catch (const KelvaneError&) {
        return std::nullopt; // a paint never shows a message
    }
}

// One end of a bar, cut at its edge of the plot area. It is capped unless it lies on that
// edge, whether it was cut there or landed there.
struct BarEnd {
    int pixel;
    bool capped;
};

BarEnd endAt(int pixel, int edge, bool edgeIsLow) {
    const int cut = edgeIsLow ? std::max(pixel, edge) : std::min(pixel, edge);
    return {cut, cut != edge};
}

// A bar through the point at `across`, with a cap across each capped end; the caps are
// shortened at the edges across the bar. A vertical bar runs along y and its caps along x.
void addBar(std::vector<PixelSegment>& out, bool vertical, int across, BarEnd plus, BarEnd minus,
            int acrossLow, int acrossHigh) {
    const auto segment = [vertical](int along1, int across1, int along2, int across2) {
        return vertical ? PixelSegment{across1, along1, across2, along2}
                        : PixelSegment{along1, across1, along2, across2};
    };
    out.push_back(segment(plus.pixel, across, minus.pixel, across));
    const int capLow = std::max(across - CAP_HALF_LENGTH, acrossLow);
    const int capHigh = std::min(across + CAP_HALF_LENGTH, acrossHigh);
    for (const BarEnd& end : {plus, minus})
        if (end.capped)
            out.push_back(segment(end.pixel, capLow, end.pixel, capHigh));
}

// A point outside the plot area gets no bars at all. Y grows downwards in pixels, so the
// upper end of a vertical bar is cut at the top edge.
void addPointBars(std::vector<PixelSegment>& out, const ErrorPoint& p, const PixelAxis& x,
                  const PixelAxis& y, const PlotArea& a, bool horizontal) {
    const int px = roundPixel(x.pixelOf(p.x));
    const int py = roundPixel(y.pixelOf(p.y));
    if (px < a.left || px > a.right || py < a.top || py > a.bottom)
        return;
    addBar(out, true, px, endAt(roundPixel(y.pixelOf(p.y + p.dy)), a.top, true),
           endAt(roundPixel(y.pixelOf(p.y - p.dy)), a.bottom, false), a.left, a.right);
    if (horizontal)
        addBar(out, false, py, endAt(roundPixel(x.pixelOf(p.x + p.dx)), a.right, false),
               endAt(roundPixel(x.pixelOf(p.x - p.dx)), a.left, true), a.top, a.bottom);
}

} // namespace

double PixelAxis::pixelOf(long double value) const {
    const double span = maximumPixel - minimumPixel;
    if (!logarithmic)
        return minimumPixel + double((value - minimum) / (maximum - minimum)) * span;
    if (value <= 0)
        return minimumPixel;
    return minimumPixel + std::log(double(value) / minimum) / std::log(maximum / minimum) * span;
}

double PixelAxis::valueAt(double pixel) const {
    const double fraction = (pixel - minimumPixel) / (maximumPixel - minimumPixel);
    if (!logarithmic)
        return minimum + fraction * (maximum - minimum);
    return minimum * std::pow(maximum / minimum, fraction);
}

ErrorBarDrawing errorBarDrawing(const Document& document, const PixelAxis& x, const PixelAxis& y) {
    ErrorBarDrawing drawing{document.errorBarColor, shownErrorBarWidth(document.errorBarWidth), {}};
    if (!document.errorBarsShown || !errorBarColumnsChosen(document.errorMethod, document.roles))
        return drawing;
    const PlotArea area{roundPixel(x.minimumPixel), roundPixel(y.maximumPixel),
                        roundPixel(x.maximumPixel), roundPixel(y.minimumPixel)};
    const bool horizontal = document.errorMethod == ErrorMethod::DXIDYI;
    for (int row = 1; row < document.table.footerRow(); ++row)
        if (const auto point = errorPointOf(document, row))
            addPointBars(drawing.segments, *point, x, y, area, horizontal);
    return drawing;
}
