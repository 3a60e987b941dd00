#include "fit/Linefit.h"

#include "fit/CentredSums.h"
#include "fit/FitMath.h"

LineFit::LineFit(int n, const long double x[], const long double y[]) : n(n) {
    for (int i = 1; i <= n; ++i) {
        this->x[i] = x[i];
        this->y[i] = y[i];
    }
}

long double LineFit::GetXMin() const {
    return smallestOf(x, n);
}

long double LineFit::GetXMax() const {
    return largestOf(x, n);
}

void LineFit::setLine(const CentredSums& sums) {
    b = sums.Suv / sums.Suu;
    a = sums.y.value() - b * sums.x.value();
    // The two roots are taken apart, as a product they could overflow.
    r = sums.Suv / (rootOf(sums.Suu) * rootOf(sums.Svv));
}

// With Δ = S·Σw·x² − (Σw·x)² = S·Suu: the variance of b is unitVariance·S/Δ and
// that of a is unitVariance·Σw·x²/Δ, which is the sum below and has no
// difference of large numbers in it. Their covariance is −unitVariance·Σw·x/Δ,
// that is −x̄·σb².
void LineFit::setUncertainties(const CentredSums& sums, long double unitVariance) {
    const long double xMean = sums.x.value();
    sigmaB = rootOf(unitVariance / sums.Suu);
    sigmaA = rootOf(unitVariance * (1 / sums.sumW + xMean * xMean / sums.Suu));
    covarianceAB = -xMean * unitVariance / sums.Suu;
}
