#pragma once

#include "fit/Linefit.h"

// y = a + bx with a known dY for every point, weighted by 1/dY². The
// uncertainties follow from the error bars alone; the reduced chi-square tells
// how well the scatter agrees with them.
class DyiFit final : public LineFit {
public:
    DyiFit(int n, const long double x[], const long double y[], const long double dy[]);

    // FIT_OK, FIT_ZERO_ERROR_BAR for a zero dY, FIT_SAME_X / FIT_SAME_Y when
    // all X / all Y are equal. Squares the stored dY in place: call it once.
    int Fit() override;

protected:
    // dY as given; Fit replaces each by its square, the point's variance.
    long double dy[MAX_FIT_POINTS + 1] = {};
};
