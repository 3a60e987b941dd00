#include "common/ExactNumberText.h"

#include <charconv>
#include <cmath>

std::string exactNumberText(double v) {
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, v);
    return std::string(text, end.ptr);
}

std::optional<double> exactNumberIn(std::string_view text) {
    // from_chars takes no "+", which a typed number may well have.
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    double v = 0;
    const char* last = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), last, v);
    if (read.ec != std::errc() || read.ptr != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}
