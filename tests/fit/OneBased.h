#pragma once

#include <initializer_list>
#include <limits>
#include <vector>

// The fits take 1-based point arrays and never read element 0. It holds NaN
// here, so a fit that read it would spoil its results visibly.
inline std::vector<long double> oneBased(std::initializer_list<long double> values) {
    std::vector<long double> points{std::numeric_limits<long double>::quiet_NaN()};
    points.insert(points.end(), values);
    return points;
}

// Half a unit in the sixth decimal: agreement to the printed digits.
constexpr double PRINTED = 5e-7;
