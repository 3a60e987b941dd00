#pragma once

#include "fit/Linefit.h"

// y = a + bx without uncertainties: the scatter of the points about the line
// estimates them. Sets a, b, their uncertainties and r.
class StdFit final : public LineFit {
public:
    StdFit(int n, const long double x[], const long double y[]) : LineFit(n, x, y) {}

    // FIT_OK, or FIT_SAME_X / FIT_SAME_Y when all X / all Y are equal.
    int Fit() override;
};
