#pragma once

#include <cmath>

// Numeric conventions every fit class shares. Squares and square roots go
// through the double-precision library functions: the argument is rounded to
// double and the result widened back, so all fits round the same way.

inline long double squareOf(long double v) {
    return std::pow(static_cast<double>(v), 2.0);
}

inline long double rootOf(long double v) {
    return std::sqrt(static_cast<double>(v));
}

// Extremes of the 1-based values v[1..n]. The candidate starts at v[1] and is
// replaced only by a strictly larger (smaller) value.
inline long double largestOf(const long double v[], int n) {
    long double largest = v[1];
    for (int i = 1; i <= n; ++i) {
        if (v[i] > largest) {
            largest = v[i];
        }
    }
    return largest;
}

inline long double smallestOf(const long double v[], int n) {
    long double smallest = v[1];
    for (int i = 1; i <= n; ++i) {
        if (v[i] < smallest) {
            smallest = v[i];
        }
    }
    return smallest;
}

// True when v[1..n] all hold the same value. The fits test this on the data
// itself because the sums whose zero it implies may miss zero by a rounding.
inline bool allEqual(const long double v[], int n) {
    for (int i = 2; i <= n; ++i) {
        if (v[i] != v[1]) {
            return false;
        }
    }
    return true;
}

// True when v[1..n] are all zero: the lines through the origin have nothing
// to fit then. Like allEqual, told by the data, not by a sum that underflowed.
inline bool allZero(const long double v[], int n) {
    for (int i = 1; i <= n; ++i) {
        if (v[i] != 0) {
            return false;
        }
    }
    return true;
}

// Replaces v[1..n] by their squares.
inline void squareEach(long double v[], int n) {
    for (int i = 1; i <= n; ++i) {
        v[i] = squareOf(v[i]);
    }
}

inline bool anyZero(const long double v[], int n) {
    for (int i = 1; i <= n; ++i) {
        if (v[i] == 0) {
            return true;
        }
    }
    return false;
}
