#include "fit/Stdpolyfit.h"

#include "fit/FitMath.h"
#include "fit/PolyLeastSquares.h"

int StdPolyFit::Fit() {
    parameterCount = order + 1;
    if (parameterCount >= n) {
        return FIT_TOO_FEW_POINTS;
    }

    long double unitWeight[MAX_FIT_POINTS + 1];
    for (int i = 1; i <= n; ++i) {
        unitWeight[i] = 1;
    }
    const PolyLeastSquares solution(n, parameterCount, x, y, unitWeight);
    storeCoefficients(solution, parameterCount);

    sum = solution.residualSquares();
    const long double variance = sum / (n - parameterCount);
    if (variance == 0) {
        return FIT_ZERO_VARIANCE;
    }
    if (solution.isSingular()) {
        return FIT_SINGULAR_MATRIX;
    }
    // The covariance of the coefficients is the residual variance times the
    // inverse normal matrix.
    storeUncertainties(solution, parameterCount, variance);
    return FIT_OK;
}
