#include "fit/Dyinoa.h"

#include "fit/FitMath.h"

DyiFitNoA::DyiFitNoA(int n, const long double x[], const long double y[], const long double dy[])
    : LineFit(n, x, y) {
    for (int i = 1; i <= n; ++i) {
        this->dy[i] = dy[i];
    }
}

int DyiFitNoA::Fit() {
    squareEach(dy, n);
    if (anyZero(dy, n)) {
        return FIT_ZERO_ERROR_BAR;
    }
    // A line through the origin has no mean to remove: its sums are raw.
    if (allZero(x, n)) {
        return FIT_SAME_X;
    }
    if (allZero(y, n)) {
        return FIT_SAME_Y;
    }

    long double Sxy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        Sxy += (x[i] * y[i]) / dy[i];
        Sxx += (x[i] * x[i]) / dy[i];
        Syy += (y[i] * y[i]) / dy[i];
    }

    b = Sxy / Sxx;
    r = rootOf((Sxy / Syy) * b);

    long double chiSquare = 0;
    for (int i = 1; i <= n; ++i) {
        chiSquare += squareOf(y[i] - b * x[i]) / dy[i];
    }
    // One fitted parameter, so the sums are divided by n - 1.
    sigmaB = rootOf(chiSquare / Sxx / (n - 1));
    reducedChiSquare = chiSquare / (n - 1);
    return FIT_OK;
}
