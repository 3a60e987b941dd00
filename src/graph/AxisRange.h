#pragma once

#include <cmath>

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

// An axis cannot be drawn with no width: a range of one value opens to one
// unit either side; on a logarithmic axis the lower end must stay positive, so
// it drops a decade instead. Where one unit is lost in the precision of the
// values (1e8 and more in single precision) the range opens by a tenth of the
// value.
template <class Real> void openSingleValue(Real& min, Real& max, bool logarithmic) {
    if (max != min)
        return;
    const Real value = min;
    min = value - 1;
    max = value + 1;
    if (min == max) {
        min = value - std::fabs(value) / 10;
        max = value + std::fabs(value) / 10;
    }
    if (logarithmic && min <= 0)
        min = value / 10;
}
