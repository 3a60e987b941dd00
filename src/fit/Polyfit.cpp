#include "fit/Polyfit.h"

#include "fit/FitMath.h"
#include "fit/PolyLeastSquares.h"

namespace {

bool isCoefficientRow(int k) {
    return k >= 1 && k <= 6;
}

} // namespace

PolyFit::PolyFit(int n, int order, const long double x[], const long double y[])
    : n(n), order(order) {
    for (int i = 1; i <= n; ++i) {
        this->x[i] = x[i];
        this->y[i] = y[i];
    }
}

long double PolyFit::GetCoefficient(int k) const {
    return isCoefficientRow(k) ? coefficients[k][1] : 0;
}

long double PolyFit::GetCoefficientSigma(int k) const {
    return isCoefficientRow(k) ? coefficients[k][2] : 0;
}

long double PolyFit::GetCovariance(int k, int l) const {
    return isCoefficientRow(k) && isCoefficientRow(l) ? covariances[k][l] : 0;
}

long double PolyFit::GetXMin() const {
    return smallestOf(x, n);
}

long double PolyFit::GetXMax() const {
    return largestOf(x, n);
}

void PolyFit::storeCoefficients(const PolyLeastSquares& solution, int m) {
    for (int k = 1; k <= m; ++k) {
        coefficients[k][1] = solution.coefficient(k - 1);
    }
}

void PolyFit::storeUncertainties(const PolyLeastSquares& solution, int m,
                                 long double unitVariance) {
    for (int k = 1; k <= m; ++k) {
        coefficients[k][2] = rootOf(unitVariance * solution.variance(k - 1));
        for (int l = 1; l <= m; ++l) {
            covariances[k][l] = unitVariance * solution.covariance(k - 1, l - 1);
        }
    }
}
