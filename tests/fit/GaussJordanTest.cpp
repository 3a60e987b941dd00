#include "fit/GaussJordan.h"

#include <gtest/gtest.h>

namespace {

using Matrix = TNT::Array2D<long double>;

Matrix fromRows(std::initializer_list<std::initializer_list<long double>> rows) {
    Matrix N(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const long double value : row) {
            N[r][c++] = value;
        }
        ++r;
    }
    return N;
}

// The largest elements sit off the diagonal and the matrix is not symmetric,
// so the steps exchange rows and columns, and undoing them in the wrong order
// or with the wrong sign shows in the product.
TEST(GaussJordan, InvertsAMatrixThatNeedsRowAndColumnExchanges) {
    const Matrix N = fromRows({{1, 2, 9, 0}, {3, 0, 1, 8}, {7, 1, 2, 1}, {0, 6, 1, 2}});
    Matrix inverse = N.copy();
    ASSERT_TRUE(invertInPlace(inverse, 0));
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            long double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += N[r][k] * inverse[k][c];
            }
            EXPECT_NEAR(static_cast<double>(sum), r == c ? 1.0 : 0.0, 1e-15) << r << "," << c;
        }
    }
}

TEST(GaussJordan, RefusesAZeroPivotOrOneWithinTheTolerance) {
    Matrix dependent = fromRows({{1, 2, 3}, {2, 4, 6}, {1, 0, 1}});
    EXPECT_FALSE(invertInPlace(dependent, 0));

    const Matrix nearlySingular = fromRows({{1, 1}, {1, 1 + 1e-12L}});
    Matrix strict = nearlySingular.copy();
    EXPECT_FALSE(invertInPlace(strict, 1e-11L));
    Matrix exact = nearlySingular.copy();
    ASSERT_TRUE(invertInPlace(exact, 0));
    EXPECT_NEAR(static_cast<double>(exact[0][0] / 1e12L), 1.0, 1e-6);
}

} // namespace
