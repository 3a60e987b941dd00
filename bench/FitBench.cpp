#include "fit/Dxidyi.h"
#include "fit/Stdfit.h"
#include "fit/Stdpolyfit.h"
#include "fitctl/WorstFitLines.h"

#include <benchmark/benchmark.h>

#include <cmath>

// The largest fits the program runs: a full table of 200 points.

namespace {

struct Points {
    long double x[MAX_FIT_POINTS + 1] = {};
    long double y[MAX_FIT_POINTS + 1] = {};
    long double dx[MAX_FIT_POINTS + 1] = {};
    long double dy[MAX_FIT_POINTS + 1] = {};

    Points() {
        for (int i = 1; i <= MAX_FIT_POINTS; ++i) {
            x[i] = 0.1L * i;
            // A wobble keeps the scatter, and so the uncertainties, non-zero.
            y[i] = 1 + 2 * x[i] - 0.3L * x[i] * x[i] + 0.01L * x[i] * x[i] * x[i] +
                   0.05L * std::sin(static_cast<double>(i));
            dx[i] = 0.01L;
            dy[i] = 0.05L;
        }
    }
};

const Points points;

void StraightLine(benchmark::State& state) {
    for (auto _ : state) {
        StdFit fit(MAX_FIT_POINTS, points.x, points.y);
        benchmark::DoNotOptimize(fit.Fit());
        benchmark::DoNotOptimize(fit.GetSigmaB());
    }
}
BENCHMARK(StraightLine);

void XAndYErrors(benchmark::State& state) {
    for (auto _ : state) {
        DxiDyiFit fit(MAX_FIT_POINTS, points.x, points.y, points.dx, points.dy);
        benchmark::DoNotOptimize(fit.Fit());
        benchmark::DoNotOptimize(fit.GetSigmaB());
    }
}
BENCHMARK(XAndYErrors);

void FifthOrderPolynomial(benchmark::State& state) {
    for (auto _ : state) {
        StdPolyFit fit(MAX_FIT_POINTS, 5, points.x, points.y);
        benchmark::DoNotOptimize(fit.Fit());
        benchmark::DoNotOptimize(fit.GetCoefficientSigma(6));
    }
}
BENCHMARK(FifthOrderPolynomial);

// The worst-fit lines of 200 points: bars that a line passes through, and the same points'
// curve, through whose narrow bars no line passes, so the rows that rule it out are sought.
std::vector<ErrorBox> boxesAbout(bool straight, long double dy) {
    std::vector<ErrorBox> boxes;
    for (int i = 1; i <= MAX_FIT_POINTS; ++i) {
        const long double x = points.x[i];
        const long double y =
            straight ? 1 + 2 * x + 0.05L * std::sin(static_cast<double>(i)) : points.y[i];
        boxes.push_back({x, y, points.dx[i], dy, i});
    }
    return boxes;
}

void WorstFitLinesThroughEveryBox(benchmark::State& state) {
    const std::vector<ErrorBox> boxes = boxesAbout(true, 0.1L);
    for (auto _ : state)
        benchmark::DoNotOptimize(worstFitLines(boxes).steepest.slope);
}
BENCHMARK(WorstFitLinesThroughEveryBox);

void WorstFitLinesNoLine(benchmark::State& state) {
    const std::vector<ErrorBox> boxes = boxesAbout(false, 0.05L);
    for (auto _ : state)
        benchmark::DoNotOptimize(worstFitLines(boxes).unreachableRows.size());
}
BENCHMARK(WorstFitLinesNoLine);

} // namespace
