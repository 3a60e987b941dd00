#pragma once

#include "document/Document.h"

#include <vector>

// One value axis as a drawing lays it out: the range it shows and the pixels
// its two ends fall on (for the Y axis the minimum lies below the maximum, at
// the larger pixel).
struct PixelAxis {
    double minimum = 0;
    double maximum = 1;
    bool logarithmic = false;
    double minimumPixel = 0;
    double maximumPixel = 1;

    // The pixel of a value, interpolated like the chart's own conversion. A
    // logarithmic axis has no place for a value of 0 or less: it lands on the
    // axis's low end.
    double pixelOf(long double value) const;
    // The value at a pixel: the inverse of pixelOf, so a logarithmic axis reads
    // logarithmically scaled values.
    double valueAt(double pixel) const;
};

struct PixelSegment {
    int x1, y1, x2, y2;

    bool operator==(const PixelSegment& o) const {
        return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2;
    }
};

// The error bars over the chart: the pen and the lines to draw with it.
struct ErrorBarDrawing {
    ColorRef color = BLACK;
    int penWidth = 1;
    std::vector<PixelSegment> segments;
};

// The bars of every point, recomputed from the table on each drawing. Nothing
// unless the bars are shown and the error method's columns are chosen. "Y
// Error Bars" draws the rows whose X, Y and dY are filled; "X and Y Error Bars"
// the rows whose X and Y are filled, an empty dX or dY counting as 0. A point
// outside the plot area gets no bars at all; a bar end beyond the area is cut
// at its edge and has no cap, and so has an end that lands on the edge. Caps
// reach 5 pixels either side of the bar, shortened at the edges. A row with a
// cell that does not convert gets no bars and no message: the drawing goes on
// (the next re-plot or fit reports the cell).
ErrorBarDrawing errorBarDrawing(const Document& document, const PixelAxis& x, const PixelAxis& y);
