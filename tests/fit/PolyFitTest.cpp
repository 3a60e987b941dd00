#include "OneBased.h"

#include "fit/Dyipolyfit.h"
#include "fit/Stdpolyfit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const auto X = oneBased({0, 1, 2, 3, 4});
const auto Y = oneBased({1, 2.2, 4.8, 10.1, 17.2});

std::vector<long double> constant(int n, long double value) {
    return std::vector<long double>(n + 1, value);
}

void expectQuadraticCoefficients(const PolyFit& fit) {
    EXPECT_NEAR(fit.GetCoefficient(1), 1.071429, PRINTED);
    EXPECT_NEAR(fit.GetCoefficient(2), -0.112857, PRINTED);
    EXPECT_NEAR(fit.GetCoefficient(3), 1.035714, PRINTED);
    EXPECT_EQ(fit.GetCoefficient(4), 0);
}

TEST(StdPolyFit, QuadraticGivesTheWorkedResults) {
    StdPolyFit fit(5, 2, X.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectQuadraticCoefficients(fit);
    // From the scatter, s² = 0.042571.
    EXPECT_NEAR(fit.GetCoefficientSigma(1), 0.194181, PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(2), 0.230022, PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(3), 0.055144, PRINTED);
    EXPECT_EQ(fit.GetCoefficientSigma(4), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
    EXPECT_EQ(fit.GetOrder(), 2);
}

TEST(DyiPolyFit, QuadraticGivesTheWorkedResults) {
    const auto dy = constant(5, 0.1L);
    DyiPolyFit fit(5, 2, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectQuadraticCoefficients(fit);
    EXPECT_NEAR(fit.GetCoefficientSigma(1), 0.094112, PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(2), 0.111484, PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(3), 0.026726, PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 4.257143, PRINTED);
}

TEST(DyiPolyFit, DoubledErrorBarsDoubleTheUncertaintiesOnly) {
    const auto dy = constant(5, 0.2L);
    DyiPolyFit fit(5, 2, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectQuadraticCoefficients(fit);
    EXPECT_NEAR(fit.GetCoefficientSigma(1), 2 * 0.094112, 2 * PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(2), 2 * 0.111484, 2 * PRINTED);
    EXPECT_NEAR(fit.GetCoefficientSigma(3), 2 * 0.026726, 2 * PRINTED);
    EXPECT_NEAR(fit.GetReducedChiSquare(), 1.064286, PRINTED);
}

TEST(PolyFits, CubicLeavesTheHigherCoefficientsZero) {
    const auto dy = constant(5, 0.1L);
    StdPolyFit fit(5, 3, X.data(), Y.data());
    DyiPolyFit weighted(5, 3, X.data(), Y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    ASSERT_EQ(weighted.Fit(), FIT_OK);
    for (const PolyFit* f :
         {static_cast<const PolyFit*>(&fit), static_cast<const PolyFit*>(&weighted)}) {
        EXPECT_NEAR(f->GetCoefficient(1), 1.031429, PRINTED);
        EXPECT_NEAR(f->GetCoefficient(2), 0.173810, PRINTED);
        EXPECT_NEAR(f->GetCoefficient(3), 0.835714, PRINTED);
        EXPECT_NEAR(f->GetCoefficient(4), 0.033333, PRINTED);
        EXPECT_EQ(f->GetCoefficient(5), 0);
        EXPECT_EQ(f->GetCoefficient(6), 0);
        EXPECT_EQ(f->GetCoefficientSigma(5), 0);
        EXPECT_EQ(f->GetOrder(), 3);
    }
}

TEST(PolyFits, PointsOnAPolynomialGiveItsCoefficients) {
    // y = 2 - 3x + 0.5x² (- 0.25x³ for order 3), at X far from the origin.
    const long double c[] = {2, -3, 0.5L, -0.25L};
    const long double tolerance[] = {1e-6L, 1e-9L, 1e-11L, 1e-14L};
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
        const auto dy = constant(12, 1);
        DyiPolyFit weighted(12, order, x.data(), y.data(), dy.data());
        ASSERT_EQ(weighted.Fit(), FIT_OK);
        EXPECT_LT(weighted.GetReducedChiSquare(), 1e-12);
        StdPolyFit fit(12, order, x.data(), y.data());
        fit.Fit(); // The scatter is zero up to rounding, so FIT_ZERO_VARIANCE is allowed.
        for (const PolyFit* f :
             {static_cast<const PolyFit*>(&fit), static_cast<const PolyFit*>(&weighted)}) {
            for (int k = 0; k <= order; ++k) {
                EXPECT_NEAR(f->GetCoefficient(k + 1), c[k], tolerance[k]) << order << " " << k;
            }
        }
    }
}

TEST(PolyFits, NeedMorePointsThanCoefficients) {
    const auto dy = constant(4, 1);
    StdPolyFit three(3, 2, X.data(), Y.data());
    DyiPolyFit threeWeighted(3, 2, X.data(), Y.data(), dy.data());
    EXPECT_EQ(three.Fit(), FIT_TOO_FEW_POINTS);
    EXPECT_EQ(threeWeighted.Fit(), FIT_TOO_FEW_POINTS);

    StdPolyFit four(4, 2, X.data(), Y.data());
    DyiPolyFit fourWeighted(4, 2, X.data(), Y.data(), dy.data());
    EXPECT_EQ(four.Fit(), FIT_OK);
    EXPECT_EQ(fourWeighted.Fit(), FIT_OK);
}

TEST(DyiPolyFit, AZeroErrorBarIsFoundBeforeThePointCount) {
    const auto dy = oneBased({1, 0, 1});
    DyiPolyFit fit(3, 2, X.data(), Y.data(), dy.data());
    EXPECT_EQ(fit.Fit(), FIT_ZERO_ERROR_BAR);
    EXPECT_EQ(fit.GetCoefficient(1), 0);
    EXPECT_EQ(fit.GetReducedChiSquare(), 0);
}

TEST(StdPolyFit, AllYZeroHasZeroVariance) {
    const auto zeros = constant(5, 0);
    StdPolyFit fit(5, 2, X.data(), zeros.data());
    EXPECT_EQ(fit.Fit(), FIT_ZERO_VARIANCE);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(fit.GetCoefficient(k), 0);
        EXPECT_EQ(fit.GetCoefficientSigma(k), 0);
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
            for (int k = 1; k <= 3; ++k) {
                EXPECT_EQ(weighted.GetCoefficient(k), 0);
                EXPECT_EQ(weighted.GetCoefficientSigma(k), 0);
            }
            EXPECT_EQ(weighted.GetReducedChiSquare(), 0);
        }
    }
}

TEST(StdPolyFit, EqualXWithAllYZeroHasZeroVariance) {
    const auto x = constant(4, 1);
    const auto zeros = constant(4, 0);
    StdPolyFit fit(4, 2, x.data(), zeros.data());
    EXPECT_EQ(fit.Fit(), FIT_ZERO_VARIANCE);
}

TEST(PolyFit, AccessorsOutsideTheTableReadZeroAndExtremesOfX) {
    const auto x = oneBased({2.5, -1, 4, 0, 4});
    StdPolyFit fit(5, 2, x.data(), Y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    EXPECT_EQ(fit.GetXMin(), -1.0L);
    EXPECT_EQ(fit.GetXMax(), 4.0L);
    EXPECT_EQ(fit.GetCoefficient(0), 0);
    EXPECT_EQ(fit.GetCoefficient(7), 0);
    EXPECT_EQ(fit.GetCoefficientSigma(-1), 0);
}

} // namespace
