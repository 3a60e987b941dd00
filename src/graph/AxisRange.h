#pragma once

// The shown interval of one chart axis.
struct AxisRange {
    double min = -1;
    double max = 1;
};

inline bool operator==(const AxisRange& a, const AxisRange& b) {
    return a.min == b.min && a.max == b.max;
}

// The chart refuses a minimum above its current maximum (and a maximum below
// its current minimum), so a new range is put on in an order that never
// crosses the old one: the minimum first when it lies below the current
// maximum, else the maximum first.
inline bool setMinimumFirst(const AxisRange& current, const AxisRange& target) {
    return target.min < current.max;
}
