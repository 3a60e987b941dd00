#include "fit/PolyLeastSquares.h"

#include "fit/GaussJordan.h"

#include <jama/jama_qr.h>
#include <tnt/tnt_array2d.h>

#include <cmath>

namespace {

using Matrix = TNT::Array2D<long double>;
using Vector = TNT::Array1D<long double>;

// The normal matrix of the scaled design matrix has a unit diagonal, and a
// pivot at most this large counts as zero. With all X equal, rounding leaves
// pivots below 1e-18; a fifth-degree fit over X = 0..20 meets pivots of 2e-6.
// Below the limit the columns are so nearly dependent (condition above 3e7)
// that even extended precision would leave too few digits to print.
constexpr long double PIVOT_TOLERANCE = 1e-15L;

// x^j as the fits take it: the power in double precision, 0^0 = 1.
long double power(long double x, int j) {
    return std::pow(static_cast<double>(x), j);
}

// Row i - 1 holds w[i]·x[i]^j for j = 0..m-1.
Matrix weightedDesign(int n, int m, const long double x[], const long double w[]) {
    Matrix A(n, m, 0.0L);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < m; ++j) {
            A[i][j] = w[i + 1] * power(x[i + 1], j);
        }
    }
    return A;
}

// Divides every column by its norm and returns the norms. A zero column has
// nothing to scale and keeps the norm 1; the inversion finds it singular.
Vector normaliseColumns(Matrix& A) {
    Vector norms(A.dim2(), 1.0L);
    for (int j = 0; j < A.dim2(); ++j) {
        long double squares = 0;
        for (int i = 0; i < A.dim1(); ++i) {
            squares += A[i][j] * A[i][j];
        }
        if (squares > 0) {
            norms[j] = std::sqrt(squares);
        }
        for (int i = 0; i < A.dim1(); ++i) {
            A[i][j] /= norms[j];
        }
    }
    return norms;
}

Matrix normalMatrix(const Matrix& A) {
    const int m = A.dim2();
    Matrix N(m, m, 0.0L);
    for (int r = 0; r < m; ++r) {
        for (int c = 0; c < m; ++c) {
            long double sum = 0;
            for (int i = 0; i < A.dim1(); ++i) {
                sum += A[i][r] * A[i][c];
            }
            N[r][c] = sum;
        }
    }
    return N;
}

} // namespace

PolyLeastSquares::PolyLeastSquares(int n, int m, const long double x[], const long double y[],
                                   const long double w[])
    : coefficients(m, 0.0L), variances(m, 0.0L) {
    Matrix A = weightedDesign(n, m, x, w);
    const Vector scale = normaliseColumns(A);

    // The inversion decides the rank: JAMA's own test only catches an exactly
    // zero diagonal of R, which rounding almost never leaves.
    Matrix inverse = normalMatrix(A);
    const JAMA::QR<long double> qr(A);
    singular = !invertInPlace(inverse, PIVOT_TOLERANCE) || !qr.isFullRank();
    if (singular) {
        return;
    }

    Vector rhs(n, 0.0L);
    for (int i = 0; i < n; ++i) {
        rhs[i] = w[i + 1] * y[i + 1];
    }
    const Vector solution = qr.solve(rhs);
    for (int j = 0; j < m; ++j) {
        coefficients[j] = solution[j] / scale[j];
        variances[j] = inverse[j][j] / (scale[j] * scale[j]);
    }
}
