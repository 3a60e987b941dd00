#include "fit/Dyi.h"

#include "fit/CentredSums.h"
#include "fit/FitMath.h"

DyiFit::DyiFit(int n, const long double x[], const long double y[], const long double dy[])
    : LineFit(n, x, y) {
    for (int i = 1; i <= n; ++i) {
        this->dy[i] = dy[i];
    }
}

int DyiFit::Fit() {
    squareEach(dy, n);
    if (anyZero(dy, n)) {
        return FIT_ZERO_ERROR_BAR;
    }
    if (allEqual(x, n)) {
        return FIT_SAME_X;
    }
    if (allEqual(y, n)) {
        return FIT_SAME_Y;
    }

    long double weight[MAX_FIT_POINTS + 1];
    for (int i = 1; i <= n; ++i) {
        weight[i] = 1 / dy[i];
    }
    const CentredSums sums = centredSums(n, x, y, weight);
    setLine(sums);
    // The uncertainties follow from the error bars alone, not from the scatter.
    setUncertainties(sums, 1);
    reducedChiSquare = residualSquares(sums, b, n, x, y, weight) / (n - 2);
    return FIT_OK;
}
