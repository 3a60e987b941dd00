#pragma once

#include "fit/Linefit.h"

// y = bx without uncertainties. Sets b, its uncertainty and r, the
// correlation about the origin, which is never negative.
class StdFitNoA final : public LineFit {
public:
    StdFitNoA(int n, const long double x[], const long double y[]) : LineFit(n, x, y) {}

    // FIT_OK, or FIT_SAME_X / FIT_SAME_Y when all X / all Y are zero.
    int Fit() override;
};
