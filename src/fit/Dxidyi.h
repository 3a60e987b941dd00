#pragma once

#include "fit/Linefit.h"

class FitHost;

// y = a + bx with a dX and a dY for every point. Each point is weighted by the
// inverse of its effective variance dY² + b²·dX², which depends on the slope,
// so the slope is refined until two successive values agree within 1e-5.
// Sets a, b, their uncertainties and the reduced chi-square; r stays 0.
class DxiDyiFit final : public LineFit {
public:
    DxiDyiFit(int n, const long double x[], const long double y[], const long double dx[],
              const long double dy[]);

    // Where the divergence message goes; without a host it is not shown.
    void setHost(FitHost* host) { this->host = host; }

    // FIT_OK; FIT_ZERO_ERROR_BAR for a zero dX or dY; FIT_SAME_X when all X
    // are equal; FIT_SAME_Y when all Y are equal or the slope comes out exactly 0;
    // FIT_DIVERGED, after telling the host, when 500 iterations do not settle.
    int Fit() override;

protected:
    long double dxSquared[MAX_FIT_POINTS + 1] = {};
    long double dySquared[MAX_FIT_POINTS + 1] = {};
    FitHost* host = nullptr;

private:
    struct Iteration;
    void iterate(Iteration& it, long double slope) const;
    void storeResults(const Iteration& it, long double slope);
    void reportDivergence(int count, long double slope) const;
};
