#include "graph/GraphTypeAxes.h"

namespace {

AxisScale scaleOf(bool logarithmic, const AxisRange& current) {
    if (!logarithmic)
        return {false, 1, AxisRange{-1, 1}};
    return {true, 10, current.min < 0 ? AxisRange{0, 10} : current};
}

} // namespace

GraphTypeAxes graphTypeAxes(GraphType type, const AxisRange& x, const AxisRange& y) {
    return {scaleOf(isLogarithmic(type, PlotAxis::X), x),
            scaleOf(isLogarithmic(type, PlotAxis::Y), y)};
}
