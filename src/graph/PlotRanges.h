#pragma once

#include "fitctl/FitConfig.h"
#include "graph/AxisRange.h"
#include "graph/GraphType.h"
#include "table/DataTable.h"

#include <optional>
#include <string>
#include <vector>

// One axis as the plot finds it before a rebuild.
struct AxisScaling {
    AxisRange range;
    bool automatic = true;    // the Axis Options' "Automatic" scale mode
    bool formatFixed = false; // the user chose the label format
};

// What a rebuild of the data plot reads besides the table.
struct PlotSettings {
    GraphType graphType = GraphType::Linear;
    ErrorMethod errorMethod = ErrorMethod::ESTDY;
    bool errorBarsShown = false;
    AxisScaling x;
    AxisScaling y;
    int chartWidth = 0; // pixels
    int chartHeight = 0;
    int markerHalfWidth = 4; // of the data point markers, in pixels
    int markerHalfHeight = 4;
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
// A filled cell that does not convert throws KelvaneError: nothing is applied.
PlotUpdate computePlotUpdate(const DataTable& table, const PlotSettings& settings);

// The label format for an axis whose smallest value is `smallest`, held in
// single precision as the plot holds its extremes.
AxisLabelFormat automaticLabelFormat(float smallest);
