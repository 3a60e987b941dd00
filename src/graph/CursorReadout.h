#pragma once

#include "common/UserMessage.h"

#include <optional>
#include <string>
#include <vector>

// The cursor readout: the two text lines and where the box goes, in pixels of
// the chart. The shell turns pixels into axis values through the axes, so the
// box keeps its size on logarithmic axes too.

inline constexpr int CURSOR_BOX_WIDTH = 75;
inline constexpr int CURSOR_BOX_HEIGHT = 50;

// A rectangle of pixels, edges included.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// A value as the readout writes it: rounded to four significant digits and
// at most three decimals, written with three decimals (123.456 -> 123.500);
// with more than four digits before the point, in the program's scientific
// form instead (12345.6 -> 1.235E4).
std::string readoutValue(double v, char decimalSeparator = '.');

// " X: " and " Y: " with their values.
std::vector<std::string> readoutLines(double x, double y, char decimalSeparator = '.');

// Where the box goes for the mouse at (x, y): one pixel beside the cursor,
// to the left where it would pass the plot's right edge and above where it
// would pass the bottom. Nothing while the mouse is outside the plot.
std::optional<PixelRect> cursorBoxAt(int x, int y, const PixelRect& plot);

// The readout refused on a table without one row of X and Y.
UserMessage noPointsToAnalyzeRefusal();

// The box when the readout is switched on: from the plot's centre to the
// right and down.
PixelRect centredCursorBox(const PixelRect& plot);
