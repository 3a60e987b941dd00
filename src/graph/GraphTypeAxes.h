#pragma once

#include "common/GraphType.h"
#include "graph/AxisRange.h"

// How a graph type draws one axis, and the range the axis starts from before
// the plot is rebuilt around the data.
struct AxisScale {
    bool logarithmic = false;
    int minorTickCount = 1;
    AxisRange range;

    bool operator==(const AxisScale& o) const {
        return logarithmic == o.logarithmic && minorTickCount == o.minorTickCount &&
               range == o.range;
    }
};

struct GraphTypeAxes {
    AxisScale x;
    AxisScale y;
};

// The axes of a graph type, from the ranges the axes show now. A linear axis
// starts again from -1 .. 1 with one minor tick; a logarithmic axis has ten
// minor ticks and keeps its range, unless that reaches below 0: it then starts
// from 0 .. 10, whose lower end the chart lifts above 0.
GraphTypeAxes graphTypeAxes(GraphType type, const AxisRange& x, const AxisRange& y);
