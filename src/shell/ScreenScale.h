#pragma once

#include <algorithm>
#include <cmath>

// The window's fixed pixel sizes are those of a 1024-pixel-wide screen. On a wider screen
// they grow with it; they never shrink below their size, so a small screen keeps every
// panel and column readable.
class ScreenScale {
public:
    explicit ScreenScale(int screenWidth) : factor_(std::max(1.0, screenWidth / 1024.0)) {}
    int operator()(int pixels) const { return static_cast<int>(std::lround(pixels * factor_)); }

private:
    double factor_;
};
