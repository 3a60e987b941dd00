#include "fit/Stdfitnoa.h"

#include "fit/FitMath.h"

int StdFitNoA::Fit() {
    // A line through the origin has no mean to remove: its sums are raw.
    if (allZero(x, n)) {
        return FIT_SAME_X;
    }
    if (allZero(y, n)) {
        return FIT_SAME_Y;
    }
    long double Sxy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        Sxy += x[i] * y[i];
        Sxx += x[i] * x[i];
        Syy += y[i] * y[i];
    }

    b = Sxy / Sxx;
    r = rootOf((Sxy / Syy) * b);

    // One fitted parameter, so the scatter is divided by n - 1.
    long double R = 0;
    for (int i = 1; i <= n; ++i) {
        R += squareOf(y[i] - b * x[i]);
    }
    R = R / Sxx;
    R = R / (n - 1);
    sigmaB = rootOf(R);
    return FIT_OK;
}
