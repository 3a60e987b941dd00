#pragma once

#include "fit/Polyfit.h"

// Polynomial fit with a known dY for every point, weighted by 1/dY². The
// uncertainties follow from the error bars alone; the reduced chi-square tells
// how well the scatter agrees with them.
class DyiPolyFit final : public PolyFit {
public:
    DyiPolyFit(int n, int order, const long double x[], const long double y[],
               const long double dy[]);

    // FIT_OK; FIT_ZERO_ERROR_BAR for a zero dY (tested first);
    // FIT_TOO_FEW_POINTS unless n > order + 1; FIT_SINGULAR_MATRIX when the
    // powers of X are dependent (all X equal).
    int Fit() override;

protected:
    long double sum = 0; // the chi-square
    int parameterCount = 0;
    long double dy[MAX_FIT_POINTS + 1] = {};
};
