#pragma once

// Weighted linear least squares for the coefficients c[0..m-1] of a
// polynomial: minimises Σ (w[i]·(y[i] − Σ c[j]·x[i]^j))² over i = 1..n.
//
// The monomials of data that share leading digits (years, frequencies) are
// nearly dependent: over X = 2015..2024, even scaled to unit norm, x⁵ differs
// from a combination of the lower powers by 3e-15 of its size (R's last
// diagonal element), and a quintic keeps a few digits at best. So X is first
// shifted by its weighted mean, where that element is 0.1 for t = x − x̄.
// Each column of the weighted design matrix is divided by its norm, and QR of
// that matrix gives the coefficients of t^j and, from R alone, their
// covariance R⁻¹R⁻ᵀ: the normal matrix would square the condition of R. Both are then carried back
// to the monomials of x in extended precision, where the binomial expansion of (x − x̄)^j is exact
// up to the rounding of each step.
//
// Over the years 2015..2024 this keeps about sixteen digits of every
// coefficient and uncertainty of a quintic; unshifted, the same data were
// refused as singular.
class PolyLeastSquares {
public:
    static constexpr int MAX_COEFFICIENTS = 6;

    // x, y and w are 1-based with n points; 1 <= m < n, m <= MAX_COEFFICIENTS.
    PolyLeastSquares(int n, int m, const long double x[], const long double y[],
                     const long double w[]);

    // The data lack the rank for m coefficients: fewer distinct X than
    // coefficients, or a dependence that extended precision cannot tell from
    // one. Coefficients and variances read 0 then.
    bool isSingular() const { return singular; }

    // The coefficient of x^j.
    long double coefficient(int j) const { return coefficients[j]; }

    // Diagonal element j of the inverse weighted normal matrix: the variance
    // of coefficient j when the weights are 1/dY.
    long double variance(int j) const { return covariances[j][j]; }
    // Element (j, l) of that inverse: the covariance of coefficients j and l.
    long double covariance(int j, int l) const { return covariances[j][l]; }

    // Σ (w[i]·(y[i] − p(x[i])))² over the points: the residual sum of squares,
    // or the chi-square when the weights are 1/dY. Taken with the shifted
    // polynomial, where the monomial one would cancel its digits away.
    long double residualSquares() const { return residuals; }

private:
    long double coefficients[MAX_COEFFICIENTS] = {};
    long double covariances[MAX_COEFFICIENTS][MAX_COEFFICIENTS] = {};
    long double residuals = 0;
    bool singular = false;
};
