#pragma once

#include "common/FitConfig.h"
#include "fit/Linefit.h"
#include "fit/UserModel.h"

#include <memory>
#include <string>
#include <vector>

// One fitted parameter as the user reads it: for the exponential and the
// power law the factor a, not the intercept of the logarithmic line. The
// built-in models name theirs a, b, c ...; a user model's are the names the
// equation uses.
struct FitParameter {
    std::string name;
    long double value;
    long double sigma;
    bool fixed = false; // a user model's parameter held at its start value
};

// Everything a fit leaves behind, in full precision and in the units of the
// data; the fit object itself is gone once this is filled.
struct FitOutcome {
    FitType fitType = FitType::LINEAR;
    ErrorMethod errorMethod = ErrorMethod::ESTDY;
    FitStatus status = FIT_OK;
    // In display order: a, b (only b through the origin), then c..f for
    // polynomials, whose parameters are the coefficients of x^0, x^1, ...
    std::vector<FitParameter> parameters;
    long double r = 0;                // straight lines only; 0 with X and Y error bars
    long double reducedChiSquare = 0; // 0 with estimated dY
    long double xMin = 0;             // X range of the fitted points
    long double xMax = 0;
    // The covariance matrix of the parameters as the fit found them, in the order of
    // `parameters`: for the exponential and the power law those of the straight line of
    // the logarithms (its intercept, then b). The uncertainty of the curve comes from it.
    std::vector<std::vector<long double>> covariance;
    // X and Y error bars: the iterations run and the slope of the last one,
    // which the divergence message names.
    int iterations = 0;
    long double lastSlope = 0;

    // A user model (USERMODEL): the law that was fitted, from which the curve, the band
    // and the residuals are evaluated, and the figures of the nonlinear fit. `iterations`
    // counts its iterations.
    std::shared_ptr<const UserModel> userModel;
    long double residualStandardDeviation = 0; // with estimated dY
    long double residualSumOfSquares = 0;      // chi-square with error bars
    int degreesOfFreedom = 0;
    std::vector<std::string> warnings; // e.g. a parameter that ended at a bound
    // Why the nonlinear fit failed (status FIT_DIVERGED); empty otherwise.
    std::string failure;

    bool succeeded() const { return status == FIT_OK; }
};
