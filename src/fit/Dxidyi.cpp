#include "fit/Dxidyi.h"

#include "fit/CentredSums.h"
#include "fit/FitMath.h"

#include <cmath>

namespace {

// Absolute tolerance on the slope between two iterations, and the number of
// iterations that may end in convergence.
constexpr double SLOPE_TOLERANCE = 1e-5;
constexpr int MAX_ITERATIONS = 500;

} // namespace

// The weights, weighted means and centred coordinates of one iteration, all
// formed with the slope the iteration started from. The results are computed
// from those of the last iteration. The centred coordinates are deviations
// from the means as Centre takes them, so that data sharing their leading
// digits keep them.
struct DxiDyiFit::Iteration {
    long double W[MAX_FIT_POINTS + 1];
    long double U[MAX_FIT_POINTS + 1];
    long double V[MAX_FIT_POINTS + 1];
    long double beta[MAX_FIT_POINTS + 1];
    Centres means;                // the weighted means and the sum of the weights
    long double slopeNumerator;   // Σ W·β·V
    long double slopeDenominator; // Σ W·β·U
};

DxiDyiFit::DxiDyiFit(int n, const long double x[], const long double y[], const long double dx[],
                     const long double dy[])
    : LineFit(n, x, y) {
    for (int i = 1; i <= n; ++i) {
        dxSquared[i] = squareOf(dx[i]);
        dySquared[i] = squareOf(dy[i]);
    }
}

int DxiDyiFit::Fit() {
    if (anyZero(dxSquared, n) || anyZero(dySquared, n)) {
        return FIT_ZERO_ERROR_BAR;
    }
    // Equal values are tested on the data: their weighted means may miss them
    // by a rounding, which would leave a slope of rounding noise.
    if (allEqual(x, n)) {
        return FIT_SAME_X;
    }
    if (allEqual(y, n)) {
        return FIT_SAME_Y;
    }

    // The first iteration works with slope 0, which weights by 1/dY² alone;
    // the previous slope 10 only lets the first convergence test pass.
    Iteration it;
    long double slope = 0;
    long double previous = 10.0;
    while (std::fabs(static_cast<double>(slope - previous)) > SLOPE_TOLERANCE) {
        ++iterations;
        previous = slope;
        iterate(it, previous);
        if (it.slopeDenominator == 0) {
            return FIT_SAME_X;
        }
        slope = it.slopeNumerator / it.slopeDenominator;
        lastSlope = slope;
        // A slope that overflowed has diverged as surely as one that never settles.
        if (iterations > MAX_ITERATIONS || !std::isfinite(slope)) {
            return FIT_DIVERGED;
        }
    }
    // The uncertainty of the slope divides by it.
    if (slope == 0) {
        return FIT_SAME_Y;
    }
    storeResults(it, slope);
    return FIT_OK;
}

void DxiDyiFit::iterate(Iteration& it, long double slope) const {
    for (int i = 1; i <= n; ++i) {
        it.W[i] = 1 / (slope * slope * dxSquared[i] + dySquared[i]);
    }
    it.means = weightedCentres(n, x, y, it.W);

    it.slopeNumerator = 0;
    it.slopeDenominator = 0;
    for (int i = 1; i <= n; ++i) {
        it.U[i] = it.means.x.deviation(x[i]);
        it.V[i] = it.means.y.deviation(y[i]);
        it.beta[i] = (dySquared[i] * it.U[i] + slope * dxSquared[i] * it.V[i]) * it.W[i];
        it.slopeNumerator += it.W[i] * it.beta[i] * it.V[i];
        it.slopeDenominator += it.W[i] * it.beta[i] * it.U[i];
    }
}

void DxiDyiFit::storeResults(const Iteration& it, long double slope) {
    b = slope;
    const long double xMean = it.means.x.value();
    a = it.means.y.value() - b * xMean;

    long double sumWBeta = 0;
    for (int i = 1; i <= n; ++i) {
        sumWBeta += it.W[i] * it.beta[i];
    }
    const long double betaMean = sumWBeta / it.means.sumW;

    long double Q = 0, P = 0;
    for (int i = 1; i <= n; ++i) {
        const long double gamma = it.beta[i] - betaMean;
        Q += it.W[i] * it.W[i] *
             (it.U[i] * it.U[i] * dySquared[i] + it.V[i] * it.V[i] * dxSquared[i]);
        P += it.W[i] * (4 * gamma * (it.beta[i] - it.U[i]) + it.U[i] * it.V[i] / b);
    }
    sigmaB = rootOf(Q) / P;
    const long double shift = 2 * betaMean + xMean;
    sigmaA =
        rootOf(squareOf(sigmaB) * squareOf(shift) + (2 * shift * betaMean / P + 1 / it.means.sumW));
    // York's cov(a, b) = −x̄·σb², with x̄ the weighted mean of the points moved onto the
    // line (the means' x plus the mean correction β̄).
    covarianceAB = -(xMean + betaMean) * squareOf(sigmaB);

    // Chi-square over both coordinates, measured from each point to its foot
    // on the fitted line, in coordinates centred on the weighted means (where
    // the line is y = bx). The weights belong to the slope before the last
    // update, so the foot is not quite the nearest point of the line; measured
    // from the data's own origin that small difference would grow with the
    // distance of the data from it, and X near 1e6 would read a chi-square
    // thousands of times too large.
    long double chiSquare = 0;
    for (int i = 1; i <= n; ++i) {
        const long double foot = (b * dxSquared[i] * it.V[i] + dySquared[i] * it.U[i]) * it.W[i];
        chiSquare +=
            squareOf(b * foot - it.V[i]) / dySquared[i] + squareOf(foot - it.U[i]) / dxSquared[i];
    }
    reducedChiSquare = chiSquare / (n - 2);
}
