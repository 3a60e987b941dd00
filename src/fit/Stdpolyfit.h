#pragma once

#include "fit/Polyfit.h"

// Polynomial fit without uncertainties: the scatter of the points about the
// polynomial estimates them. The reduced chi-square stays 0.
class StdPolyFit final : public PolyFit {
public:
    StdPolyFit(int n, int order, const long double x[], const long double y[])
        : PolyFit(n, order, x, y) {}

    // FIT_OK; FIT_TOO_FEW_POINTS unless n > order + 1; FIT_ZERO_VARIANCE when
    // the points lie exactly on the polynomial; FIT_SINGULAR_MATRIX when the
    // powers of X are dependent (all X equal).
    int Fit() override;

protected:
    long double sum = 0; // the residual sum of squares
    int parameterCount = 0;
};
