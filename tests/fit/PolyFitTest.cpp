#include "FitTestSupport.h"

#include "fit/Dyipolyfit.h"
#include "fit/Stdpolyfit.h"

namespace {

const auto X = oneBased({0, 1, 2, 3, 4});
const auto Y = oneBased({1, 2.2, 4.8, 10.1, 17.2});

std::vector<long double> constant(int n, long double value) {
    return std::vector<long double>(n + 1, value);
}

// Coefficients (and uncertainties, when given) k = 1, 2, ...; every row
// above them reads 0.
void expectCoefficients(const PolyFit& fit, std::vector<long double> values,
                        std::vector<long double> sigmas = {}, double tolerance = PRINTED) {
    for (int k = 1; k <= 6; ++k) {
        const std::size_t row = k - 1;
        EXPECT_NEAR(fit.GetCoefficient(k), row < values.size() ? values[row] : 0, tolerance) << k;
        if (!sigmas.empty() || row >= values.size()) {
            EXPECT_NEAR(fit.GetCoefficientSigma(k), row < sigmas.size() ? sigmas[row] : 0,
                        tolerance)
                << k;
        }
    }
}

const std::vector<long double> QUADRATIC = {1.071429, -0.112857, 1.035714};

TEST(StdPolyFit, QuadraticGivesTheWorkedResults) {
    StdPolyFit fit(5, 2, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    // Uncertainties from the scatter, s² = 0.042571.
    expectCoefficients(fit, QUADRATIC, {0.194181, 0.230022, 0.055144});
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
    EXPECT_EQ(fit.GetOrder(), 2);
}

TEST(DyiPolyFit, QuadraticGivesTheWorkedResultsAndDoubledErrorBarsDoubleTheUncertainties) {
    const auto dy = constant(5, 0.1L);
    DyiPolyFit fit(5, 2, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectCoefficients(fit, QUADRATIC, {0.094112, 0.111484, 0.026726});
    EXPECT_NEAR(fit.GetReducedChiSquare(), 4.257143, PRINTED);

    const auto doubled = constant(5, 0.2L);
    DyiPolyFit wider(5, 2, X.data(), Y.data(), doubled.data());
    ASSERT_EQ(wider.Fit(), FIT_OK);
    expectCoefficients(wider, QUADRATIC, {2 * 0.094112, 2 * 0.111484, 2 * 0.026726}, 2 * PRINTED);
    EXPECT_NEAR(wider.GetReducedChiSquare(), 1.064286, PRINTED);
}

TEST(PolyFits, CubicLeavesTheHigherCoefficientsZero) {
    const auto dy = constant(5, 0.1L);
    StdPolyFit fit(5, 3, X.data(), Y.data());
    DyiPolyFit weighted(5, 3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    ASSERT_EQ(weighted.Fit(), FIT_OK);
    expectCoefficients(fit, {1.031429, 0.173810, 0.835714, 0.033333});
    expectCoefficients(weighted, {1.031429, 0.173810, 0.835714, 0.033333});
}

TEST(PolyFits, PointsOnAPolynomialGiveItsCoefficients) {
    // y = 2 - 3x + 0.5x² (- 0.25x³ for order 3), at X far from the origin.
    const std::vector<long double> c = {2, -3, 0.5L, -0.25L};
    for (const int order : {2, 3}) {
        std::vector<long double> x{0}, y{0};
        for (int i = 0; i < 12; ++i) {
            const long double xi = 1000 + 37 * i;
            long double yi = 0;
            for (int k = order; k >= 0; --k) {
                yi = yi * xi + c[k];
            }
            x.push_back(xi);
            y.push_back(yi);
        }
        const std::vector<long double> expected(c.begin(), c.begin() + order + 1);
        const auto dy = constant(12, 1);
        DyiPolyFit weighted(12, order, x.data(), y.data(), dy.data());
        ASSERT_EQ(weighted.Fit(), FIT_OK);
        expectCoefficients(weighted, expected, {}, 1e-6);
        EXPECT_LT(weighted.GetReducedChiSquare(), 1e-12);
        // No scatter, up to rounding: FIT_ZERO_VARIANCE may come.
        StdPolyFit fit(12, order, x.data(), y.data());
        fit.Fit();
        expectCoefficients(fit, expected, {}, 1e-6);
    }
}

TEST(PolyFits, NeedMorePointsThanCoefficientsAndTestZeroErrorBarsFirst) {
    const auto dy = constant(4, 1);
    StdPolyFit three(3, 2, X.data(), Y.data());
    DyiPolyFit threeWeighted(3, 2, X.data(), Y.data(), dy.data());
    EXPECT_EQ(three.Fit(), FIT_TOO_FEW_POINTS);
    EXPECT_EQ(threeWeighted.Fit(), FIT_TOO_FEW_POINTS);

    StdPolyFit four(4, 2, X.data(), Y.data());
    DyiPolyFit fourWeighted(4, 2, X.data(), Y.data(), dy.data());
    EXPECT_EQ(four.Fit(), FIT_OK);
    EXPECT_EQ(fourWeighted.Fit(), FIT_OK);

    const auto zeroDy = oneBased({1, 0, 1});
    DyiPolyFit zeroError(3, 2, X.data(), Y.data(), zeroDy.data());
    EXPECT_EQ(zeroError.Fit(), FIT_ZERO_ERROR_BAR);
    expectCoefficients(zeroError, {}, {}, 0);
}

TEST(StdPolyFit, AllYZeroHasZeroVarianceEvenWithEqualX) {
    for (const auto& x : {X, constant(5, 1)}) {
        const auto zeros = constant(5, 0);
        StdPolyFit fit(5, 2, x.data(), zeros.data());
        EXPECT_EQ(fit.Fit(), FIT_ZERO_VARIANCE);
        expectCoefficients(fit, {}, {}, 0);
    }
}

TEST(PolyFits, EqualXMakeTheMatrixSingular) {
    // Whole numbers and values without an exact binary form, over several
    // point counts: rounding must not hide the dependence of the columns.
    for (const long double value : {1.0L, 3.0L, 0.1L, 0.0077L, 123456.789L}) {
        for (int n = 4; n <= 30; ++n) {
            const auto x = constant(n, value);
            const auto dy = constant(n, 0.5L);
            std::vector<long double> y{0};
            for (int i = 1; i <= n; ++i) {
                y.push_back(i % 3);
            }
            StdPolyFit fit(n, 2, x.data(), y.data());
            DyiPolyFit weighted(n, 2, x.data(), y.data(), dy.data());
            EXPECT_EQ(fit.Fit(), FIT_SINGULAR_MATRIX) << value << " n=" << n;
            ASSERT_EQ(weighted.Fit(), FIT_SINGULAR_MATRIX) << value << " n=" << n;
            expectCoefficients(weighted, {}, {}, 0);
            EXPECT_EQ(weighted.GetReducedChiSquare(), 0);
        }
    }
}

TEST(PolyFit, ExtremesOfXAndRowsOutsideTheTable) {
    const auto x = oneBased({2.5, -1, 4, 0, 4});
    StdPolyFit fit(5, 2, x.data(), Y.data());
    EXPECT_EQ(fit.GetXMin(), -1.0L);
    EXPECT_EQ(fit.GetXMax(), 4.0L);
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_EQ(fit.GetCoefficient(0), 0);
    EXPECT_EQ(fit.GetCoefficient(7), 0);
    EXPECT_EQ(fit.GetCoefficientSigma(-1), 0);
}

} // namespace
