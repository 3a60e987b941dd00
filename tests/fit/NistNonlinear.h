#pragma once

#include <string>
#include <vector>

// One NIST StRD nonlinear-regression problem, read from its .dat file: the two starting
// points, the certified parameters with their standard deviations, the certified residual
// sum of squares, and the observations (0-based).
struct NistNonlinearProblem {
    std::vector<std::vector<double>> starts; // starts[s][k]: start s + 1 of parameter k
    std::vector<long double> estimate;
    std::vector<long double> deviation;
    long double residualSumOfSquares = 0;
    std::vector<long double> x;
    std::vector<long double> y;
};

// Reads tests/data/nist_nls/<name>.dat; fails the calling test on a malformed file.
NistNonlinearProblem loadNistNonlinear(const std::string& name);
