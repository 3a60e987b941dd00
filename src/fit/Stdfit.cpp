#include "fit/Stdfit.h"

#include "fit/CentredSums.h"
#include "fit/FitMath.h"

int StdFit::Fit() {
    // Equal values are told by the data: a spread of them may miss zero by a
    // rounding, and the fit would divide by that noise.
    if (allEqual(x, n)) {
        return FIT_SAME_X;
    }
    if (allEqual(y, n)) {
        return FIT_SAME_Y;
    }
    const CentredSums sums = centredSums(n, x, y, nullptr);
    setLine(sums);
    // The scatter about the line estimates the variance of every point.
    const long double variance = residualSquares(sums, b, n, x, y, nullptr) / (n - 2);
    setUncertainties(sums, variance);
    return FIT_OK;
}
