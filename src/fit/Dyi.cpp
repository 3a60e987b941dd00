#include "fit/Dyi.h"

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

    // Each product is formed before it is divided by the variance.
    long double S = 0, Sx = 0, Sxy = 0, Sy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        S += 1 / dy[i];
        Sx += x[i] / dy[i];
        Sxy += (x[i] * y[i]) / dy[i];
        Sy += y[i] / dy[i];
        Sxx += (x[i] * x[i]) / dy[i];
        Syy += (y[i] * y[i]) / dy[i];
    }
    // Never negative in exact arithmetic; below zero is a rounding of zero.
    const long double delta = S * Sxx - Sx * Sx;
    const long double ySpread = S * Syy - Sy * Sy;
    if (allEqual(x, n) || delta <= 0) {
        return FIT_SAME_X;
    }
    if (allEqual(y, n) || ySpread <= 0) {
        return FIT_SAME_Y;
    }

    a = (Sxx * Sy - Sx * Sxy) / delta;
    b = (S * Sxy - Sx * Sy) / delta;
    r = (S * Sxy - Sx * Sy) / (rootOf(delta) * rootOf(ySpread));
    sigmaA = rootOf(Sxx / delta);
    sigmaB = rootOf(S / delta);

    long double chiSquare = 0;
    for (int i = 1; i <= n; ++i) {
        chiSquare += squareOf((y[i] - a) - b * x[i]) / dy[i];
    }
    reducedChiSquare = chiSquare / (n - 2);
    return FIT_OK;
}
