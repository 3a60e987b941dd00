#include "fitctl/SigmaConventions.h"

#include "../support/FitFixture.h"
#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

FitOutcome fourPointFit(FitType type, ErrorMethod method) {
    Document d = documentWith({{"1", "2", "0.1", "1"},
                               {"2", "4", "0.1", "1"},
                               {"3", "7", "0.1", "1"},
                               {"4", "8", "0.1", "1"}});
    d.roles.dx = 3;
    d.roles.dy = 4;
    return fitDocument(d, type, method);
}

// The scaled sigma is the fit's times the square root of the reduced chi-square, for every
// weighted model; the line through the origin with Y error bars is scaled by its fit already.
TEST(SigmaConventions, ScaledSigmaIsTheRootOfTheReducedChiSquareTimesSigma) {
    const struct {
        FitType type;
        ErrorMethod method;
    } fits[] = {{FitType::LINEAR, ErrorMethod::DYI},
                {FitType::LINEAR, ErrorMethod::DXIDYI},
                {FitType::EXPONENTIAL, ErrorMethod::DYI},
                {FitType::POWERLAW, ErrorMethod::DXIDYI},
                {FitType::SECONDPOLY, ErrorMethod::DYI}};
    for (const auto& f : fits) {
        const FitOutcome o = fourPointFit(f.type, f.method);
        ASSERT_TRUE(o.succeeded());
        const double root = std::sqrt(double(o.reducedChiSquare));
        for (const FitParameter& p : o.parameters) {
            EXPECT_NEAR(double(sigmaScaled(o, p)), double(p.sigma) * root, 1e-15 * double(p.sigma));
            const std::vector<SigmaReading> readings = sigmaReadings(o, p);
            ASSERT_EQ(readings.size(), 2u);
            EXPECT_EQ(readings[0].sigma, p.sigma); // the fit's own first
            EXPECT_EQ(readings[1].sigma, sigmaScaled(o, p));
        }
    }
    const FitOutcome origin = fourPointFit(FitType::LINEAR_NO_A, ErrorMethod::DYI);
    const FitParameter& b = origin.parameters[0];
    EXPECT_EQ(sigmaScaled(origin, b), b.sigma);
    EXPECT_NEAR(double(sigmaReadings(origin, b)[1].sigma), 1 / std::sqrt(1.0 + 4 + 9 + 16), 1e-15)
        << "1 / sqrt(Sxx) with every dY = 1";

    // An exact fit through the origin has no scale to take back out.
    Document exact = documentWith({{"1", "2", "1"}, {"2", "4", "1"}, {"3", "6", "1"}});
    exact.roles.dy = 3;
    const FitOutcome o = fitDocument(exact, FitType::LINEAR_NO_A, ErrorMethod::DYI);
    EXPECT_EQ(sigmaReadings(o, o.parameters[0]).size(), 1u);
    EXPECT_FALSE(hasBothUncertainties(ErrorMethod::ESTDY));
}

} // namespace
