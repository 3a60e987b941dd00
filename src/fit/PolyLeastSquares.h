#pragma once

#include <tnt/tnt_array1d.h>

// Weighted linear least squares for the coefficients c[0..m-1] of a
// polynomial: minimises Σ (w[i]·(y[i] - Σ c[j]·x[i]^j))² over i = 1..n.
//
// Powers of large X differ by many orders of magnitude, and the normal matrix
// formed from them loses every digit on ordinary data (a load-cell
// calibration with X up to 3e6 gets none right). So every column of the
// design matrix is divided by its norm first; the coefficients are solved by
// QR of that scaled design matrix, the covariance is the Gauss-Jordan inverse
// of its normal matrix, and both are scaled back. All in extended precision.
class PolyLeastSquares {
public:
    // x, y and w are 1-based with n points; 1 <= m < n.
    PolyLeastSquares(int n, int m, const long double x[], const long double y[],
                     const long double w[]);

    // The design matrix has dependent columns (for example all X equal): its
    // normal matrix met a zero pivot. Coefficients and variances read 0 then.
    bool isSingular() const { return singular; }

    long double coefficient(int j) const { return coefficients[j]; }

    // Diagonal element j of the inverse weighted normal matrix: the variance
    // of coefficient j when the weights are 1/dY.
    long double variance(int j) const { return variances[j]; }

private:
    TNT::Array1D<long double> coefficients;
    TNT::Array1D<long double> variances;
    bool singular = false;
};
