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

// A rectangle of the screen in pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScreenRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// Where the window goes when it is not maximised: its size on a 1024-pixel screen, scaled,
// but no larger than the screen's available area (without panels and docks) and centred in
// it, so that the graph's bottom and the status bar stay in sight where no window manager
// maximises the window.
inline ScreenRect restoredWindowRect(const ScreenScale& scale, int width, int height,
                                     const ScreenRect& available) {
    ScreenRect window;
    window.width = std::min(scale(width), available.width);
    window.height = std::min(scale(height), available.height);
    window.left = available.left + (available.width - window.width) / 2;
    window.top = available.top + (available.height - window.height) / 2;
    return window;
}
