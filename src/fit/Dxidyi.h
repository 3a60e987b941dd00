#pragma once

#include "fit/Linefit.h"

// y = a + bx with a dX and a dY for every point. Each point is weighted by the
// inverse of its effective variance dY² + b²·dX², which depends on the slope,
// so the slope is refined until two successive values agree within 1e-5.
// Sets a, b, their uncertainties and the reduced chi-square; r stays 0.
class DxiDyiFit final : public LineFit {
public:
    DxiDyiFit(int n, const long double x[], const long double y[], const long double dx[],
              const long double dy[]);

    // FIT_OK; FIT_ZERO_ERROR_BAR for a zero dX or dY; FIT_SAME_X when all X
    // are equal; FIT_SAME_Y when all Y are equal or the slope comes out exactly 0;
    // FIT_DIVERGED when 500 iterations do not settle (or the slope overflows).
    int Fit() override;

    // The iterations Fit ran and the slope the last of them gave: after
    // FIT_DIVERGED, the count (501) and the slope the user is told about.
    int GetIterations() const { return iterations; }
    long double GetLastSlope() const { return lastSlope; }

protected:
    long double dxSquared[MAX_FIT_POINTS + 1] = {};
    long double dySquared[MAX_FIT_POINTS + 1] = {};
    int iterations = 0;
    long double lastSlope = 0;

private:
    struct Iteration;
    void iterate(Iteration& it, long double slope) const;
    void storeResults(const Iteration& it, long double slope);
};
