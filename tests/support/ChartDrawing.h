#pragma once

#include "graph/Chart.h"

// The chart as its last drawing laid it out. A command's drawing waits for the event loop,
// and a test reads the chart straight after the command: what only a drawing sets (the tick
// labels, the axes' pixels) is read through this, after the waiting drawing is made.
inline Chart& drawn(Chart& chart) {
    chart.drawPending();
    return chart;
}
