#pragma once

#include "common/FitConfig.h"
#include "fit/UserModel.h"

#include <optional>
#include <string>
#include <vector>

// How one parameter of a user model enters the fit.
struct ParameterSetting {
    double start = 1;
    bool fixed = false; // held at `start`, taken out of the fit
    std::optional<double> lower;
    std::optional<double> upper;
};

// The points of a nonlinear fit, 0-based, in the extended precision the table's numbers
// have; dx and dy are read only by the error methods that use them (dy by "Y Error Bars",
// both by "X and Y Error Bars"). The model is evaluated in double precision; y keeps its
// extra digits for the final residuals, which near an exact fit are only a few hundred
// units in the last place of a double.
struct NonlinearData {
    std::vector<long double> x, y, dx, dy;
};

struct NonlinearResult {
    // Empty when the fit converged; else the whole message the user reads, and nothing
    // below it is meaningful.
    std::string failure;
    std::vector<double> values; // every parameter, fixed ones at their value
    std::vector<double> sigmas; // 0 for fixed ones
    // Covariance of all parameters in their order; the rows and columns of fixed ones are 0.
    std::vector<std::vector<double>> covariance;
    // Sum of squared residuals: unweighted with "Estimate dY", chi-square otherwise.
    double residualSumOfSquares = 0;
    int degreesOfFreedom = 0;             // points - free parameters
    double residualStandardDeviation = 0; // sqrt(RSS / dof), "Estimate dY"
    double reducedChiSquare = 0;          // chi-square / dof, the weighted methods
    int iterations = 0;
    std::vector<std::string> warnings; // e.g. a parameter that ended at a bound

    bool converged() const { return failure.empty(); }
};

// Least squares for a user model over GSL's trust-region solvers. Never throws for
// anything the data or the settings can do; every refusal comes back as `failure`.
// settings holds one entry per parameter of the model.
NonlinearResult fitNonlinear(const UserModel& model, ErrorMethod method, const NonlinearData& data,
                             const std::vector<ParameterSetting>& settings);
