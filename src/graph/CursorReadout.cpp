#include "graph/CursorReadout.h"

#include "common/FormatGeneral.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// The decimal exponent of v once rounded to four significant digits (9999.7
// rounds to 1.000E4, exponent 4).
int roundedExponent(double v, double& rounded) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", v);
    rounded = std::strtod(text, nullptr);
    const char* e = std::strchr(text, 'e');
    return e ? std::atoi(e + 1) : 0;
}

} // namespace

std::string readoutValue(double v, char decimalSeparator) {
    double rounded = 0;
    const int exponent = roundedExponent(v, rounded);
    if (exponent >= 4)
        return FormatGeneral(rounded, 4, decimalSeparator);
    // Four significant digits, but never more than three decimals; always three shown.
    const int decimals = std::min(3, 3 - exponent);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (decimals == 0)
        s += '.';
    s.append(static_cast<std::size_t>(3 - decimals), '0');
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-')
        s.erase(0, 1); // a value that rounds to zero has no sign
    std::replace(s.begin(), s.end(), '.', decimalSeparator);
    return s;
}

std::vector<std::string> readoutLines(double x, double y, char decimalSeparator) {
    return {" X: " + readoutValue(x, decimalSeparator), " Y: " + readoutValue(y, decimalSeparator)};
}

std::optional<PixelRect> cursorBoxAt(int x, int y, const PixelRect& plot) {
    if (x < plot.left || x > plot.right || y < plot.top || y > plot.bottom)
        return std::nullopt;
    // One pixel past the cursor, or before it where the box would pass the plot's end.
    const auto span = [](int at, int size, int end) {
        return at + size > end ? std::pair(at - size, at - 1) : std::pair(at + 1, at + size);
    };
    const auto [left, right] = span(x, CURSOR_BOX_WIDTH, plot.right);
    const auto [top, bottom] = span(y, CURSOR_BOX_HEIGHT, plot.bottom);
    return PixelRect{left, top, right, bottom};
}

UserMessage noPointsToAnalyzeRefusal() {
    return {"Enter at least 1 data point to analyze.", "Error", MessageIcon::Stop,
            MessageButtons::Ok};
}

PixelRect centredCursorBox(const PixelRect& plot) {
    const int cx = (plot.left + plot.right) / 2;
    const int cy = (plot.top + plot.bottom) / 2;
    return {cx, cy, cx + CURSOR_BOX_WIDTH, cy + CURSOR_BOX_HEIGHT};
}
