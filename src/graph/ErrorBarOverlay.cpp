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

void addPointBars(std::vector<PixelSegment>& out, const ErrorPoint& p, const PixelAxis& x,
                  const PixelAxis& y, const PlotArea& a, bool horizontal) {
    const int px = roundPixel(x.pixelOf(p.x));
    const int py = roundPixel(y.pixelOf(p.y));
    if (px < a.left || px > a.right || py < a.top || py > a.bottom)
        return;

    const int yT = std::max(roundPixel(y.pixelOf(p.y + p.dy)), a.top);
    const int yB = std::min(roundPixel(y.pixelOf(p.y - p.dy)), a.bottom);
    out.push_back({px, yT, px, yB});
    const int capLeft = std::max(px - CAP_HALF_LENGTH, a.left);
    const int capRight = std::min(px + CAP_HALF_LENGTH, a.right);
    if (yT != a.top)
        out.push_back({capLeft, yT, capRight, yT});
    if (yB != a.bottom)
        out.push_back({capLeft, yB, capRight, yB});
    if (!horizontal)
        return;

    const int xR = std::min(roundPixel(x.pixelOf(p.x + p.dx)), a.right);
    const int xL = std::max(roundPixel(x.pixelOf(p.x - p.dx)), a.left);
    out.push_back({xR, py, xL, py});
    const int capTop = std::max(py - CAP_HALF_LENGTH, a.top);
    const int capBottom = std::min(py + CAP_HALF_LENGTH, a.bottom);
    if (xR != a.right)
        out.push_back({xR, capTop, xR, capBottom});
    if (xL != a.left)
        out.push_back({xL, capTop, xL, capBottom});
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

ErrorBarDrawing errorBarDrawing(const Document& document, const PixelAxis& x, const PixelAxis& y) {
    ErrorBarDrawing drawing{document.errorBarColor, document.errorBarWidth, {}};
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
