#pragma once

#include "fit/NonlinearFit.h"

#include <string>
#include <vector>

// The NIST StRD nonlinear-regression problems (all but Nelson, which has two predictors),
// shared by the tests and the benchmarks.

// One problem's name and its model typed as a user equation.
struct NistNonlinearCase {
    const char* name;
    const char* equation;
};
const std::vector<NistNonlinearCase>& nistNonlinearCases();

// One problem as read from its .dat file: the two starting points, the certified
// parameters with their standard deviations, the certified residual sum of squares, and
// the observations (0-based).
struct NistNonlinearProblem {
    std::vector<std::vector<double>> starts; // starts[s][k]: start s + 1 of parameter k
    std::vector<long double> estimate;
    std::vector<long double> deviation;
    long double residualSumOfSquares = 0;
    std::vector<long double> x;
    std::vector<long double> y;
};

// Reads <folder>/<name>.dat; throws std::runtime_error on a missing or malformed file.
NistNonlinearProblem loadNistNonlinear(const std::string& folder, const std::string& name);

// The index NIST gives a parameter: b1 is 0. The equations name their parameters b1, b2,
// ..., which they list in the order of first appearance, not NIST's.
std::size_t nistIndex(const std::string& parameter);
// The settings of the model's parameters for NIST's start 1 (start = 0) or 2 (start = 1).
std::vector<ParameterSetting> nistStart(const UserModel& model, const NistNonlinearProblem& problem,
                                        int start);
