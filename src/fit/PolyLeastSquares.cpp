#include "fit/PolyLeastSquares.h"

#include "fit/CentredSums.h"
#include "fit/FitMath.h"
#include "fit/GaussJordan.h"
#include "fit/Linefit.h"

#include <jama/jama_qr.h>
#include <tnt/tnt_array2d.h>

#include <algorithm>
#include <cmath>

namespace {

using Matrix = TNT::Array2D<long double>;
using Vector = TNT::Array1D<long double>;

constexpr int M = PolyLeastSquares::MAX_COEFFICIENTS;

// A column of the scaled design matrix whose diagonal element of R is at most
// this fraction of the largest one depends on the columns before it. Data of
// too few distinct X leave rounding noise below 1e-17 there; honest data
// shifted to their mean stay far above (0.1 for a quintic over ten years, 0.12
// for the NIST Wampler sets). At the limit the coefficients would still keep
// about four digits.
constexpr long double RANK_TOLERANCE = 1e-15L;

// Row i − 1 holds w[i]·t^j for j = 0..m−1, with t = x[i] − centre.
Matrix weightedDesign(int n, int m, const long double x[], const long double w[],
                      long double centre) {
    Matrix A(n, m, 0.0L);
    for (int i = 0; i < n; ++i) {
        const long double t = x[i + 1] - centre;
        long double term = w[i + 1];
        for (int j = 0; j < m; ++j) {
            A[i][j] = term;
            term *= t;
        }
    }
    return A;
}

// Divides every column by its norm and stores the norms. A zero column (all X
// equal leaves them) has nothing to scale and keeps the norm 1; its zero
// diagonal element of R then tells the rank.
void normaliseColumns(Matrix& A, long double norms[]) {
    for (int j = 0; j < A.dim2(); ++j) {
        long double squares = 0;
        for (int i = 0; i < A.dim1(); ++i) {
            squares += A[i][j] * A[i][j];
        }
        norms[j] = squares > 0 ? std::sqrt(squares) : 1.0L;
        for (int i = 0; i < A.dim1(); ++i) {
            A[i][j] /= norms[j];
        }
    }
}

bool hasFullRank(const Matrix& R) {
    long double largest = 0;
    for (int j = 0; j < R.dim1(); ++j) {
        largest = std::max(largest, std::fabs(R[j][j]));
    }
    for (int j = 0; j < R.dim1(); ++j) {
        if (std::fabs(R[j][j]) <= RANK_TOLERANCE * largest) {
            return false;
        }
    }
    return true;
}

// expansion[k][j]: the coefficient of x^k in (x − centre)^j, binom(j, k)·(−centre)^(j−k).
void binomialExpansion(int m, long double centre, long double expansion[M][M]) {
    for (int j = 0; j < m; ++j) {
        for (int k = 0; k < m; ++k) {
            expansion[k][j] = 0;
        }
    }
    expansion[0][0] = 1;
    // Pascal's rule for (x − c)^j = x·(x − c)^(j−1) − c·(x − c)^(j−1).
    for (int j = 1; j < m; ++j) {
        for (int k = 0; k <= j; ++k) {
            const long double fromX = k > 0 ? expansion[k - 1][j - 1] : 0.0L;
            expansion[k][j] = fromX - centre * expansion[k][j - 1];
        }
    }
}

// The covariance of the coefficients of t^j: R⁻¹R⁻ᵀ with the column scaling
// undone.
void shiftedCovariance(const Matrix& inverseR, const long double norms[], int m,
                       long double covariance[M][M]) {
    for (int j = 0; j < m; ++j) {
        for (int l = 0; l < m; ++l) {
            long double sum = 0;
            for (int p = std::max(j, l); p < m; ++p) {
                sum += inverseR[j][p] * inverseR[l][p];
            }
            covariance[j][l] = sum / (norms[j] * norms[l]);
        }
    }
}

// Coefficients of x^k = E·(coefficients of t^j), their covariances E·C·Eᵀ,
// with E the binomial expansion.
void toMonomials(int m, long double centre, const long double shifted[],
                 const long double covariance[M][M], long double coefficients[],
                 long double covariances[M][M]) {
    long double expansion[M][M];
    binomialExpansion(m, centre, expansion);
    for (int k = 0; k < m; ++k) {
        for (int j = k; j < m; ++j) {
            coefficients[k] += expansion[k][j] * shifted[j];
        }
        for (int q = 0; q < m; ++q) {
            long double sum = 0;
            for (int j = k; j < m; ++j) {
                for (int l = q; l < m; ++l) {
                    sum += expansion[k][j] * covariance[j][l] * expansion[q][l];
                }
            }
            covariances[k][q] = sum;
        }
    }
}

} // namespace

PolyLeastSquares::PolyLeastSquares(int n, int m, const long double x[], const long double y[],
                                   const long double w[]) {
    // Shifted to the mean under the weights of the squares being minimised,
    // the column of t is orthogonal to the constant one. A point pinned by a
    // small dY pulls the centre to itself, and the constant term measured
    // there keeps its digits.
    long double squaredWeight[MAX_FIT_POINTS + 1];
    for (int i = 1; i <= n; ++i) {
        squaredWeight[i] = w[i] * w[i];
    }
    const long double centre = weightedCentres(n, x, y, squaredWeight).x.value();

    Matrix A = weightedDesign(n, m, x, w, centre);
    long double norms[M];
    normaliseColumns(A, norms);
    const JAMA::QR<long double> qr(A);
    Matrix inverseR = qr.getR(); // inverted in place below
    singular = !hasFullRank(inverseR) || !invertInPlace(inverseR, 0);

    long double shifted[M] = {}; // the coefficients of t^j
    if (!singular) {
        Vector rhs(n, 0.0L);
        for (int i = 0; i < n; ++i) {
            rhs[i] = w[i + 1] * y[i + 1];
        }
        const Vector solution = qr.solve(rhs);
        for (int j = 0; j < m; ++j) {
            shifted[j] = solution[j] / norms[j];
        }
        long double covariance[M][M];
        shiftedCovariance(inverseR, norms, m, covariance);
        toMonomials(m, centre, shifted, covariance, coefficients, covariances);
    }

    for (int i = 1; i <= n; ++i) {
        const long double t = x[i] - centre;
        long double fitted = 0;
        for (int j = m - 1; j >= 0; --j) {
            fitted = fitted * t + shifted[j];
        }
        residuals += squareOf(w[i] * (y[i] - fitted));
    }
}
