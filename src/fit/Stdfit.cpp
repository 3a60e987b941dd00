#include "fit/Stdfit.h"

#include "fit/FitMath.h"

int StdFit::Fit() {
    long double Sxy = 0, Sx = 0, Sy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        Sxy += x[i] * y[i];
        Sx += x[i];
        Sy += y[i];
        Sxx += x[i] * x[i];
        Syy += y[i] * y[i];
    }
    // Both spreads are never negative in exact arithmetic; a rounding below
    // zero means the same as zero and would make the square roots NaN.
    const long double delta = n * Sxx - Sx * Sx;
    const long double ySpread = n * Syy - Sy * Sy;
    if (allEqual(x, n) || delta <= 0) {
        return FIT_SAME_X;
    }
    if (allEqual(y, n) || ySpread <= 0) {
        return FIT_SAME_Y;
    }

    a = (Sxx * Sy - Sx * Sxy) / delta;
    b = (n * Sxy - Sx * Sy) / delta;
    r = (n * Sxy - Sx * Sy) / (rootOf(delta) * rootOf(ySpread));

    long double variance = 0;
    for (int i = 1; i <= n; ++i) {
        variance += squareOf(y[i] - (b * x[i] + a));
    }
    variance /= n - 2;
    sigmaB = rootOf(n * variance / delta);
    sigmaA = rootOf(Sxx * variance / delta);
    return FIT_OK;
}
