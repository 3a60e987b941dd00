#include "fit/GaussJordan.h"

#include <tnt/tnt_array1d.h>

#include <algorithm>
#include <cmath>

namespace {

using Matrix = TNT::Array2D<long double>;

long double largestMagnitude(const Matrix& N) {
    long double largest = 0;
    for (int r = 0; r < N.dim1(); ++r) {
        for (int c = 0; c < N.dim2(); ++c) {
            largest = std::max(largest, std::fabs(N[r][c]));
        }
    }
    return largest;
}

// Largest magnitude of the lower right block from (k, k), the first found in
// row-by-row order on ties.
long double findPivot(const Matrix& N, int k, int& row, int& column) {
    long double pivot = 0;
    const int m = N.dim1();
    for (int j = k; j < m; ++j) {
        for (int i = k; i < m; ++i) {
            if (std::fabs(N[j][i]) > std::fabs(pivot)) {
                pivot = N[j][i];
                row = j;
                column = i;
            }
        }
    }
    return pivot;
}

// Each exchange changes the sign of the values it moves out of row (column)
// k; undoExchanges swaps back in reverse order with the opposite sign, which
// leaves the plain inverse.
void exchangeRows(Matrix& N, int k, int j) {
    for (int c = 0; c < N.dim2(); ++c) {
        const long double hold = N[k][c];
        N[k][c] = N[j][c];
        N[j][c] = -hold;
    }
}

void exchangeColumns(Matrix& N, int k, int i) {
    for (int r = 0; r < N.dim1(); ++r) {
        const long double hold = N[r][k];
        N[r][k] = N[r][i];
        N[r][i] = -hold;
    }
}

void eliminate(Matrix& N, int k, long double pivot) {
    const int m = N.dim1();
    for (int r = 0; r < m; ++r) {
        if (r != k) {
            N[r][k] = -N[r][k] / pivot;
        }
    }
    for (int r = 0; r < m; ++r) {
        for (int c = 0; c < m; ++c) {
            if (r != k && c != k) {
                N[r][c] = N[r][k] * N[k][c] + N[r][c];
            }
        }
    }
    for (int c = 0; c < m; ++c) {
        if (c != k) {
            N[k][c] = N[k][c] / pivot;
        }
    }
    N[k][k] = 1 / pivot;
}

void undoExchanges(Matrix& N, const TNT::Array1D<int>& pivotRow,
                   const TNT::Array1D<int>& pivotColumn) {
    const int m = N.dim1();
    for (int k = m - 1; k >= 0; --k) {
        const int j = pivotRow[k];
        if (j > k) {
            for (int r = 0; r < m; ++r) {
                const long double hold = N[r][k];
                N[r][k] = -N[r][j];
                N[r][j] = hold;
            }
        }
        const int i = pivotColumn[k];
        if (i > k) {
            for (int c = 0; c < m; ++c) {
                const long double hold = N[k][c];
                N[k][c] = -N[i][c];
                N[i][c] = hold;
            }
        }
    }
}

} // namespace

bool invertInPlace(Matrix& N, long double relativeTolerance) {
    const int m = N.dim1();
    const long double zeroLimit = relativeTolerance * largestMagnitude(N);
    TNT::Array1D<int> pivotRow(m, 0);
    TNT::Array1D<int> pivotColumn(m, 0);
    for (int k = 0; k < m; ++k) {
        const long double pivot = findPivot(N, k, pivotRow[k], pivotColumn[k]);
        if (std::fabs(pivot) <= zeroLimit) {
            return false;
        }
        if (pivotRow[k] > k) {
            exchangeRows(N, k, pivotRow[k]);
        }
        if (pivotColumn[k] > k) {
            exchangeColumns(N, k, pivotColumn[k]);
        }
        eliminate(N, k, pivot);
    }
    undoExchanges(N, pivotRow, pivotColumn);
    return true;
}
