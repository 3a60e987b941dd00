#include "NistDataset.h"

#include "fit/Dyipolyfit.h"
#include "fit/Stdfit.h"
#include "fit/Stdfitnoa.h"
#include "fit/Stdpolyfit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The certified results of the NIST reference datasets. The program prints 6
// significant digits; the straight lines are held to 12, the polynomials,
// whose sets are harder by design, to 9.

namespace {

constexpr double LINE_DIGITS = 12;
constexpr double POLYNOMIAL_DIGITS = 9;

void expectCertified(long double value, long double certified, const std::string& what,
                     double required = POLYNOMIAL_DIGITS) {
    EXPECT_GE(correctDigits(value, certified), required)
        << what << ": " << static_cast<double>(value) << " vs " << static_cast<double>(certified);
}

TEST(NistReference, NorrisLine) {
    const NistDataset data = loadNistDataset("Norris");
    StdFit fit(data.pointCount(), data.x.data(), data.y.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    expectCertified(fit.GetA(), data.estimate[0], "a", LINE_DIGITS);
    expectCertified(fit.GetB(), data.estimate[1], "b", LINE_DIGITS);
    expectCertified(fit.GetSigmaA(), data.deviation[0], "sigmaA", LINE_DIGITS);
    expectCertified(fit.GetSigmaB(), data.deviation[1], "sigmaB", LINE_DIGITS);
}

TEST(NistReference, LinesThroughTheOrigin) {
    for (const char* name : {"NoInt1", "NoInt2"}) {
        const NistDataset data = loadNistDataset(name);
        StdFitNoA fit(data.pointCount(), data.x.data(), data.y.data());
        ASSERT_EQ(fit.Fit(), FIT_OK) << name;
        expectCertified(fit.GetB(), data.estimate[1], std::string(name) + " b", LINE_DIGITS);
        expectCertified(fit.GetSigmaB(), data.deviation[1], std::string(name) + " sigmaB",
                        LINE_DIGITS);
    }
}

class NistPolynomial : public testing::TestWithParam<const char*> {
protected:
    const NistDataset data = loadNistDataset(GetParam());
    const int order = static_cast<int>(data.estimate.size()) - 1;
};

TEST_P(NistPolynomial, StdPolyFitReproducesCoefficientsAndUncertainties) {
    StdPolyFit fit(data.pointCount(), order, data.x.data(), data.y.data());
    const int status = fit.Fit();
    for (int k = 1; k <= order + 1; ++k) {
        const std::string what = "B" + std::to_string(k - 1);
        expectCertified(fit.GetCoefficient(k), data.estimate[k - 1], what);
        const long double certified = data.deviation[k - 1];
        if (certified != 0) {
            ASSERT_EQ(status, FIT_OK);
            expectCertified(fit.GetCoefficientSigma(k), certified, what + " sigma");
        } else {
            // An exact polynomial: rounding may leave no scatter at all.
            ASSERT_TRUE(status == FIT_OK || status == FIT_ZERO_VARIANCE) << status;
            EXPECT_LT(std::fabs(fit.GetCoefficientSigma(k)),
                      1e-9L * std::fabs(data.estimate[k - 1]))
                << what;
        }
    }
}

TEST_P(NistPolynomial, DyiPolyFitWithUnitErrorBarsReproducesCoefficients) {
    const std::vector<long double> dy(data.x.size(), 1.0L);
    DyiPolyFit fit(data.pointCount(), order, data.x.data(), data.y.data(), dy.data());
    ASSERT_EQ(fit.Fit(), FIT_OK);
    for (int k = 1; k <= order + 1; ++k) {
        expectCertified(fit.GetCoefficient(k), data.estimate[k - 1], "B" + std::to_string(k - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Datasets, NistPolynomial,
                         testing::Values("Pontius", "Wampler1", "Wampler2", "Wampler3", "Wampler4",
                                         "Wampler5"));

} // namespace
