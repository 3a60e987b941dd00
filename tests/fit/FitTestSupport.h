#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
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

// Every result of a straight-line fit; all 0 by default.
struct LineResults {
    long double a, b, sigmaA, sigmaB, reducedChiSquare, r;
};

template <class Fit>
void expectResults(const Fit& fit, const LineResults& expected, double tolerance = PRINTED) {
    EXPECT_NEAR(fit.GetA(), expected.a, tolerance) << "a";
    EXPECT_NEAR(fit.GetB(), expected.b, tolerance) << "b";
    EXPECT_NEAR(fit.GetSigmaA(), expected.sigmaA, tolerance) << "sigmaA";
    EXPECT_NEAR(fit.GetSigmaB(), expected.sigmaB, tolerance) << "sigmaB";
    EXPECT_NEAR(fit.GetReducedChiSquare(), expected.reducedChiSquare, tolerance) << "chi²";
    EXPECT_NEAR(fit.GetR(), expected.r, tolerance) << "r";
}

template <class Fit> void expectAllZero(const Fit& fit) {
    expectResults(fit, {}, 0);
}

// value within `tolerance` of expected, relative to it; an expected 0 must
// be met exactly.
inline void expectRelative(long double value, long double expected, double tolerance,
                           const std::string& what) {
    if (expected == 0) {
        EXPECT_EQ(value, 0) << what;
        return;
    }
    EXPECT_LE(std::fabs(static_cast<double>((value - expected) / expected)), tolerance)
        << what << ": " << static_cast<double>(value) << " vs " << static_cast<double>(expected);
}
