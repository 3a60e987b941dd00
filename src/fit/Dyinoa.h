#pragma once

#include "fit/Linefit.h"

// y = bx with a known dY for every point, weighted by 1/dY². Unlike DyiFit the
// slope's uncertainty is scaled by the scatter: sigmaB² = reduced chi-square / Sxx.
class DyiFitNoA final : public LineFit {
public:
    DyiFitNoA(int n, const long double x[], const long double y[], const long double dy[]);

    // FIT_OK, FIT_ZERO_ERROR_BAR for a zero dY, FIT_SAME_X / FIT_SAME_Y when
    // all X / all Y are zero. Squares the stored dY in place: call it once.
    int Fit() override;

protected:
    // dY as given; Fit replaces each by its square, the point's variance.
    long double dy[MAX_FIT_POINTS + 1] = {};
};
