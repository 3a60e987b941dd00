#include "fit/Dyipolyfit.h"

#include "fit/FitMath.h"
#include "fit/PolyLeastSquares.h"

DyiPolyFit::DyiPolyFit(int n, int order, const long double x[], const long double y[],
                       const long double dy[])
    : PolyFit(n, order, x, y) {
    for (int i = 1; i <= n; ++i) {
        this->dy[i] = dy[i];
    }
}

int DyiPolyFit::Fit() {
    if (anyZero(dy, n)) {
        return FIT_ZERO_ERROR_BAR;
    }
    parameterCount = order + 1;
    if (parameterCount >= n) {
        return FIT_TOO_FEW_POINTS;
    }

    long double weight[MAX_FIT_POINTS + 1];
    for (int i = 1; i <= n; ++i) {
        weight[i] = 1 / dy[i];
    }
    const PolyLeastSquares solution(n, parameterCount, x, y, weight);
    storeCoefficients(solution, parameterCount);
    if (solution.isSingular()) {
        return FIT_SINGULAR_MATRIX;
    }
    // Not scaled by the reduced chi-square: the error bars alone decide.
    storeUncertainties(solution, parameterCount, 1);

    sum = solution.residualSquares();
    reducedChiSquare = sum / (n - parameterCount);
    return FIT_OK;
}
