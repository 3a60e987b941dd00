#pragma once

#include "fit/Linefit.h"

class PolyLeastSquares;

// Base of the polynomial fits y = a + bx + cx² ... of order 2 to 5. A fit
// object copies its points, is fitted once and read through the accessors.
// The caller guarantees 0 <= n <= MAX_FIT_POINTS and order <= 5.
class PolyFit {
public:
    PolyFit(int n, int order, const long double x[], const long double y[]);

    virtual int Fit() = 0;

    // The coefficient of x^(k-1) and its uncertainty; 0 beyond the order and
    // outside k = 1..6.
    long double GetCoefficient(int k) const;
    long double GetCoefficientSigma(int k) const;
    // The covariance of the coefficients of x^(k-1) and x^(l-1), on the scale of the
    // uncertainties; 0 outside k, l = 1..6.
    long double GetCovariance(int k, int l) const;
    int GetOrder() const { return order; }
    long double GetReducedChiSquare() const { return reducedChiSquare; }
    long double GetXMin() const;
    long double GetXMax() const;

protected:
    // Fit objects are owned by value and never deleted through this base.
    ~PolyFit() = default;

    // Stores the solved coefficients in rows 1..m of column 1.
    void storeCoefficients(const PolyLeastSquares& solution, int m);
    // Stores the uncertainties in column 2 and the covariances, the solution's inverse
    // normal matrix times unitVariance.
    void storeUncertainties(const PolyLeastSquares& solution, int m, long double unitVariance);

    // Row k = 1..6 belongs to the coefficient of x^(k-1): column 1 holds its
    // value, column 2 its uncertainty. Row 0 and column 0 are not used.
    long double coefficients[7][3] = {};
    long double covariances[7][7] = {}; // rows and columns as the coefficients' rows

    long double reducedChiSquare = 0;
    long double x[MAX_FIT_POINTS + 1] = {};
    long double y[MAX_FIT_POINTS + 1] = {};
    int n;
    int order;
};
