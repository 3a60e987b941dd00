#pragma once

#include "graph/Chart.h"

#include <vector>

// Replaces the points of a series with those of a core result (plotted points or curve
// points alike: anything with x and y).
template <class Point>
void showPoints(Chart& chart, ChartSeries series, const std::vector<Point>& points) {
    std::vector<double> xs, ys;
    xs.reserve(points.size());
    ys.reserve(points.size());
    for (const Point& p : points) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    chart.setPoints(series, xs, ys);
}
