#include "fit/CentredSums.h"

#include "fit/FitMath.h"

// The sums are written once for both kinds of weight; with unit weights the
// products by 1 fold away. Each loop keeps few running sums: extended
// precision lives on a stack of eight registers, and what does not fit there
// is stored and reloaded on every point, which made one loop of all the sums
// slower than two.

namespace {

struct UnitWeights {
    long double operator[](int) const { return 1; }
};

struct GivenWeights {
    const long double* w;
    long double operator[](int i) const { return w[i]; }
};

// The heaviest point, or the first of equal weights.
int heaviest(int, UnitWeights) {
    return 1;
}

int heaviest(int n, GivenWeights w) {
    int k = 1;
    for (int i = 2; i <= n; ++i) {
        if (w[i] > w[k]) {
            k = i;
        }
    }
    return k;
}

// The weighted means, about point k.
template <class Weights>
Centres centresAbout(int k, int n, const long double x[], const long double y[], Weights w) {
    const long double x0 = x[k], y0 = y[k];
    Centres centres;
    long double sumWd = 0, sumWe = 0;
    for (int i = 1; i <= n; ++i) {
        centres.sumW += w[i];
        sumWd += w[i] * (x[i] - x0);
        sumWe += w[i] * (y[i] - y0);
    }
    centres.x = {x0, sumWd / centres.sumW};
    centres.y = {y0, sumWe / centres.sumW};
    return centres;
}

// Sums of the deviations d = x − origin from the heaviest point, then the
// step to the means: Σw·u² = Σw·d² − S·d̄², with d̄ = Σw·d / S. The origin's
// own term w·d̄² is part of Σw·u², so the step cancels at most log10(S/w)
// digits, about two for 200 equal weights; sums about zero would cancel all
// the digits that the data share.
template <class Weights>
CentredSums sumsOf(int n, const long double x[], const long double y[], Weights w) {
    const int k = heaviest(n, w);
    const long double x0 = x[k], y0 = y[k];
    long double S = 0, Sd = 0, Sdd = 0;
    for (int i = 1; i <= n; ++i) {
        const long double d = x[i] - x0;
        S += w[i];
        Sd += w[i] * d;
        Sdd += w[i] * d * d;
    }
    long double Se = 0, See = 0, Sde = 0;
    for (int i = 1; i <= n; ++i) {
        const long double e = y[i] - y0;
        Se += w[i] * e;
        See += w[i] * e * e;
        Sde += w[i] * (x[i] - x0) * e;
    }
    CentredSums sums;
    sums.sumW = S;
    sums.x = {x0, Sd / S};
    sums.y = {y0, Se / S};
    sums.Suu = Sdd - sums.x.offset * Sd;
    sums.Svv = See - sums.y.offset * Se;
    sums.Suv = Sde - sums.x.offset * Se;
    return sums;
}

template <class Weights>
long double residualsOf(const CentredSums& sums, long double slope, int n, const long double x[],
                        const long double y[], Weights w) {
    // v − slope·u with the two offsets folded into one constant.
    const long double x0 = sums.x.origin, y0 = sums.y.origin;
    const long double shift = sums.y.offset - slope * sums.x.offset;
    long double total = 0;
    for (int i = 1; i <= n; ++i) {
        const long double r = ((y[i] - y0) - slope * (x[i] - x0)) - shift;
        total += w[i] * r * r;
    }
    return total;
}

} // namespace

Centres weightedCentres(int n, const long double x[], const long double y[],
                        const long double w[]) {
    return w == nullptr ? centresAbout(1, n, x, y, UnitWeights{})
                        : centresAbout(1, n, x, y, GivenWeights{w});
}

CentredSums centredSums(int n, const long double x[], const long double y[],
                        const long double w[]) {
    return w == nullptr ? sumsOf(n, x, y, UnitWeights{}) : sumsOf(n, x, y, GivenWeights{w});
}

long double residualSquares(const CentredSums& sums, long double slope, int n,
                            const long double x[], const long double y[], const long double w[]) {
    return w == nullptr ? residualsOf(sums, slope, n, x, y, UnitWeights{})
                        : residualsOf(sums, slope, n, x, y, GivenWeights{w});
}
