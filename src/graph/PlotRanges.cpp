#include "graph/PlotRanges.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Everything one axis's update needs, whichever axis it is.
struct AxisInput {
    bool automatic;
    bool formatFixed;
    bool logarithmic;
    double pixels;
    double markerHalfSize;
    int valueColumn;
    int errorColumn; // -1 when the error bars do not widen this axis
};

struct Extremes {
    float min;
    float max;
};

std::optional<Extremes> extremesOf(const std::vector<long double>& values, bool logarithmic) {
    std::optional<Extremes> e;
    for (long double v : values) {
        if (logarithmic && v <= 0)
            continue; // no logarithm, no place on the axis
        const float f = static_cast<float>(v);
        if (!e)
            e = Extremes{f, f};
        e->min = std::min(e->min, f);
        e->max = std::max(e->max, f);
    }
    if (e && !(std::isfinite(e->min) && std::isfinite(e->max)))
        return std::nullopt; // beyond single precision: an axis cannot span it
    return e;
}

// The margin that keeps the markers at the ends inside the plot, in axis
// units (decades on a logarithmic axis).
double marginOf(const Extremes& e, const AxisInput& axis) {
    if (axis.pixels <= 0)
        return 0; // a chart not laid out yet has no pixels to convert
    const double span = axis.logarithmic ? std::log10(double(e.max) / double(e.min))
                                         : double(e.max) - double(e.min);
    return span / axis.pixels * axis.markerHalfSize;
}

AxisRange dataRange(const Extremes& e, double margin, bool logarithmic) {
    if (!logarithmic)
        return {double(e.min) - margin, double(e.max) + margin};
    // Whole decades, then the marker margin in decades.
    return {std::pow(10.0, std::floor(std::log10(double(e.min))) - margin),
            std::pow(10.0, std::ceil(std::log10(double(e.max))) + margin)};
}

struct ErrorSpan {
    std::optional<long double> lo;
    std::optional<long double> hi;
};

// Visits, in row order, every data row whose two cells are both filled, with
// both converted; a cell that does not convert ends the walk with its error.
template <class Visit>
void forRowsWithBoth(const DataTable& table, int first, int second, Visit visit) {
    for (int row = 1; row < table.footerRow(); ++row) {
        if (!table.isFilled(first, row) || !table.isFilled(second, row))
            continue;
        const long double a = table.cellNumber(first, row); // the first cell's error comes first
        const long double b = table.cellNumber(second, row);
        visit(row, a, b);
    }
}

// The ends of the error bars of every row with a value and an error; on a
// logarithmic axis only ends above zero.
ErrorSpan errorSpanOf(const DataTable& table, const AxisInput& axis) {
    ErrorSpan span;
    forRowsWithBoth(table, axis.valueColumn, axis.errorColumn,
                    [&](int, long double v, long double dv) {
                        // A bar is as long as its uncertainty, whatever its sign, as
                        // the fit weights and the overlay draws it.
                        const long double low = v - std::fabs(dv);
                        const long double high = v + std::fabs(dv);
                        if (!axis.logarithmic || low > 0)
                            span.lo = span.lo ? std::min(*span.lo, low) : low;
                        if (!axis.logarithmic || high > 0)
                            span.hi = span.hi ? std::max(*span.hi, high) : high;
                    });
    return span;
}

void widenToErrorBars(AxisRange& range, const ErrorSpan& span, double margin, bool logarithmic) {
    if (span.lo)
        range.min = logarithmic ? std::pow(10.0, std::floor(std::log10(double(*span.lo))) - margin)
                                : double(*span.lo - margin);
    if (span.hi)
        range.max = logarithmic ? std::pow(10.0, std::ceil(std::log10(double(*span.hi))) + margin)
                                : double(*span.hi + margin);
}

std::optional<AxisUpdate> axisUpdateOf(const DataTable& table, const AxisInput& axis,
                                       const std::vector<long double>& values) {
    if (!axis.automatic)
        return std::nullopt;
    std::optional<Extremes> e = extremesOf(values, axis.logarithmic);
    if (!e)
        return std::nullopt;
    openSingleValue(e->min, e->max, axis.logarithmic);

    AxisUpdate update;
    if (!axis.formatFixed)
        update.format = automaticLabelFormat(e->min);
    const double margin = marginOf(*e, axis);
    update.range = dataRange(*e, margin, axis.logarithmic);
    if (axis.errorColumn != -1)
        widenToErrorBars(update.range, errorSpanOf(table, axis), margin, axis.logarithmic);
    return update;
}

struct Collected {
    std::vector<long double> x, y;
    PlotUpdate update;
};

Collected collectPoints(const Document& d) {
    const bool selection = d.hasRowSelection();
    Collected c;
    forRowsWithBoth(d.table, d.roles.x, d.roles.y, [&](int row, long double x, long double y) {
        c.x.push_back(x);
        c.y.push_back(y);
        const PlotPoint p{static_cast<double>(x), static_cast<double>(y)};
        c.update.points.push_back(p);
        if (selection && row >= d.selectionTop && row <= d.selectionBottom)
            c.update.selectedPoints.push_back(p);
    });
    return c;
}

int xErrorColumn(const Document& d) {
    const bool widens = d.errorBarsShown && d.errorMethod == ErrorMethod::DXIDYI;
    return widens ? d.roles.dx : -1;
}

int yErrorColumn(const Document& d) {
    const bool widens = d.errorBarsShown && d.errorMethod != ErrorMethod::ESTDY;
    return widens ? d.roles.dy : -1;
}

} // namespace

AxisLabelFormat automaticLabelFormat(float smallest) {
    // The thresholds are compared in double with the single-precision value,
    // so 0.01 (0.0099999998 as a float) falls below its own threshold.
    const double v = std::fabs(double(smallest));
    if (v < 0.00001 && smallest != 0)
        return {"0.00E+00", 2, true};
    if (v < 0.0001)
        return {"0.00000", 5, false};
    if (v < 0.001)
        return {"0.0000", 4, false};
    if (v < 0.01)
        return {"0.000", 3, false};
    return {"0.00", 2, false};
}

PlotUpdate computePlotUpdate(const Document& document, const PlotView& view) {
    Collected c = collectPoints(document);
    if (c.update.points.size() < 2)
        return {};
    const bool xLog = isLogarithmic(document.graphType, PlotAxis::X);
    const bool yLog = isLogarithmic(document.graphType, PlotAxis::Y);
    const AxisInput x{document.xAxis.automatic, document.xFormatFixed,        xLog,
                      double(view.chartWidth),  double(DATA_POINT_HALF_SIZE), document.roles.x,
                      xErrorColumn(document)};
    c.update.x = axisUpdateOf(document.table, x, c.x);
    const AxisInput y{document.yAxis.automatic, document.yFormatFixed,        yLog,
                      double(view.chartHeight), double(DATA_POINT_HALF_SIZE), document.roles.y,
                      yErrorColumn(document)};
    c.update.y = axisUpdateOf(document.table, y, c.y);
    return std::move(c.update);
}
