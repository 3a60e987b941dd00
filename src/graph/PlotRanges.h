#pragma once

#include "document/Document.h"
#include "graph/AxisRange.h"

#include <optional>
#include <string>
#include <vector>

// The half-size in pixels of the data point markers (drawn 2h + 1 wide) and
// of the larger markers of the selected points. The margins of the plot keep
// a whole marker inside the axes.
inline constexpr int DATA_POINT_HALF_SIZE = 4;
inline constexpr int SELECTED_POINT_HALF_SIZE = 5;

// The size in pixels of the area the axes span, against which the marker
// margins are measured.
struct PlotView {
    int chartWidth = 0;
    int chartHeight = 0;
};

// An axis label format chosen from the data, with what the Axis Options
// window shows for it.
struct AxisLabelFormat {
    std::string pattern; // "0.00", "0.000", ..., "0.00E+00"
    int decimals;        // the "Number of decimal points:" entry
    bool scientific;     // "Use Scientific Notation" is switched on
};

struct AxisUpdate {
    AxisRange range; // put on with setMinimumFirst()
    std::optional<AxisLabelFormat> format;
};

struct PlotPoint {
    double x;
    double y;
};

// What the shell applies to the chart. An axis without an update keeps its
// range and format.
struct PlotUpdate {
    std::vector<PlotPoint> points;         // the plotted rows, in row order
    std::vector<PlotPoint> selectedPoints; // those of a selection of two or more rows
    std::optional<AxisUpdate> x;
    std::optional<AxisUpdate> y;
};

// The arithmetic of rebuilding the data plot. A plotted row has both its X
// and Y cell filled; fewer than two of them leave the series empty and the
// axes as they are. Automatic axes get a range around the data (and their
// error bars while shown) widened by the marker size, and a label format
// chosen from the smallest value unless the user fixed it. On a logarithmic
// axis only positive values count; with none the axis keeps its range.
// Axes in manual scale mode get no update.
// A filled cell that does not convert throws KelvaneError: nothing is applied.
PlotUpdate computePlotUpdate(const Document& document, const PlotView& view);

// The label format for an axis whose smallest value is `smallest`, held in
// single precision as the plot holds its extremes.
AxisLabelFormat automaticLabelFormat(float smallest);
