#include "NistNonlinear.h"

#include "fit/NonlinearFit.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>

// The engine of user-defined fits: a lab-sized damped oscillation, and NIST's nonlinear
// reference problems from both starting points.

namespace {

UserModel parsed(const char* equation) {
    return std::get<UserModel>(UserModel::parse(equation));
}

// 200 points of a damped oscillation with a little scatter, and start values a student
// would read off the plot.
void DampedOscillation200(benchmark::State& state) {
    const UserModel model = parsed("y = A*exp(-x/tau)*cos(2*pi*x/T + phi)");
    NonlinearData data;
    for (int i = 0; i < 200; ++i) {
        const double x = 0.05 * i;
        data.x.push_back(x);
        data.y.push_back(2.5 * std::exp(-x / 4) * std::cos(2 * M_PI * x / 1.7 + 0.3) +
                         0.02 * std::sin(37.0 * i));
    }
    std::vector<ParameterSetting> settings(4);
    settings[0].start = 2;
    settings[1].start = 3;
    settings[2].start = 1.6;
    settings[3].start = 0;
    for (auto _ : state) {
        const NonlinearResult r = fitNonlinear(model, ErrorMethod::ESTDY, data, settings);
        if (!r.converged())
            state.SkipWithError(r.failure.c_str());
        benchmark::DoNotOptimize(r.sigmas.data());
    }
}
BENCHMARK(DampedOscillation200)->Unit(benchmark::kMicrosecond);

// All 52 runs, the equations parsed once.
void NistSuite(benchmark::State& state) {
    struct Run {
        UserModel model;
        NistNonlinearProblem problem;
    };
    std::vector<Run> runs;
    for (const NistNonlinearCase& c : nistNonlinearCases())
        runs.push_back({parsed(c.equation), loadNistNonlinear(KELVANE_NIST_NLS_DIR, c.name)});
    for (auto _ : state)
        for (const Run& run : runs)
            for (int start = 0; start < 2; ++start) {
                const NonlinearResult r = fitNonlinear(run.model, ErrorMethod::ESTDY,
                                                       {run.problem.x, run.problem.y, {}, {}},
                                                       nistStart(run.model, run.problem, start));
                benchmark::DoNotOptimize(r.values.data());
            }
}
BENCHMARK(NistSuite)->Unit(benchmark::kMillisecond);

// Reading an equation: the parser, the symbolic derivatives and their check.
void ParseWithDerivatives(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(UserModel::parse("y = A*exp(-x/tau)*cos(2*pi*x/T + phi)"));
}
BENCHMARK(ParseWithDerivatives)->Unit(benchmark::kMicrosecond);

} // namespace
