#include "fit/Stdfitnoa.h"

#include "fit/FitMath.h"

int StdFitNoA::Fit() {
    long double Sxy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        Sxy += x[i] * y[i];
        Sxx += x[i] * x[i];
        Syy += y[i] * y[i];
    }
    if (Sxx == 0) {
        return FIT_SAME_X;
    }
    if (Syy == 0) {
        return FIT_SAME_Y;
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
