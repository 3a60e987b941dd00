#include "fit/NonlinearFit.h"
#include "fit/Dxidyi.h"
#include "fit/NonlinearMessages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

UserModel model(const std::string& text) {
    return std::get<UserModel>(UserModel::parse(text));
}

std::vector<ParameterSetting> starts(const std::vector<double>& values) {
    std::vector<ParameterSetting> settings;
    for (double v : values) {
        ParameterSetting s;
        s.start = v;
        settings.push_back(s);
    }
    return settings;
}

// X = 1, 2, 3 and Y = 2, 4, 7: the small case the straight-line fits are checked on.
NonlinearData threePoints(long double dx, std::vector<long double> dy) {
    return {{1, 2, 3}, {2, 4, 7}, {dx, dx, dx}, std::move(dy)};
}

// One row per error method and case, with the numbers worked out by hand (the line's from
// its normal equations; a*x^2 from a = Sx2y / Sx4, RSS = Syy - Sx2y^2 / Sx4).
TEST(NonlinearFit, errorMethodsOnHandCheckedCases) {
    struct Row {
        const char* what;
        const char* equation;
        ErrorMethod method;
        NonlinearData data;
        std::vector<double> values, sigmas;
        double goodness; // residual standard deviation, or reduced chi-square
    };
    const Row rows[] = {
        {"unit weights: sigma scaled by RSS/dof",
         "a + b*x",
         ErrorMethod::ESTDY,
         threePoints(0, {}),
         {-2.0 / 3, 2.5},
         {0.623609564, 0.288675135},
         std::sqrt(1.0 / 6)},
        {"one parameter, nonlinear engine",
         "a*x^2",
         ErrorMethod::ESTDY,
         threePoints(0, {}),
         {81.0 / 98},
         {std::sqrt(201.0 / 19208)},
         std::sqrt(201.0 / 196)},
        {"dY = 1: sigma absolute",
         "a + b*x",
         ErrorMethod::DYI,
         threePoints(0, {1, 1, 1}),
         {-2.0 / 3, 2.5},
         {std::sqrt(14.0 / 6), std::sqrt(0.5)},
         1.0 / 6},
        {"dY = 2: sigma doubles, chi-square a quarter",
         "a + b*x",
         ErrorMethod::DYI,
         threePoints(0, {2, 2, 2}),
         {-2.0 / 3, 2.5},
         {2 * std::sqrt(14.0 / 6), 2 * std::sqrt(0.5)},
         1.0 / 24},
        {"unequal dY",
         "a + b*x",
         ErrorMethod::DYI,
         threePoints(0, {0.5, 1, 2}),
         {-10.0 / 33, 25.0 / 11},
         {},
         4.0 / 33},
        {"dX negligible: as dY alone",
         "a + b*x",
         ErrorMethod::DXIDYI,
         threePoints(1e-9L, {1, 1, 1}),
         {-2.0 / 3, 2.5},
         {std::sqrt(14.0 / 6), std::sqrt(0.5)},
         1.0 / 6},
    };
    for (const Row& row : rows) {
        const UserModel m = model(row.equation);
        const NonlinearResult r = fitNonlinear(m, row.method, row.data,
                                               starts(std::vector<double>(row.values.size(), 1)));
        ASSERT_TRUE(r.converged()) << row.what << ": " << r.failure;
        for (std::size_t k = 0; k < row.values.size(); ++k)
            EXPECT_NEAR(r.values[k], row.values[k], 1e-9) << row.what;
        for (std::size_t k = 0; k < row.sigmas.size(); ++k)
            EXPECT_NEAR(r.sigmas[k], row.sigmas[k], 1e-8) << row.what;
        const double goodness =
            row.method == ErrorMethod::ESTDY ? r.residualStandardDeviation : r.reducedChiSquare;
        EXPECT_NEAR(goodness, row.goodness, 1e-9) << row.what;
        EXPECT_EQ(r.degreesOfFreedom, 3 - static_cast<int>(row.values.size())) << row.what;
        // Covariance: sigma^2 on the diagonal, symmetric.
        for (std::size_t k = 0; k < row.values.size(); ++k) {
            EXPECT_NEAR(r.covariance[k][k], r.sigmas[k] * r.sigmas[k], 1e-12) << row.what;
            for (std::size_t j = 0; j < row.values.size(); ++j)
                EXPECT_DOUBLE_EQ(r.covariance[k][j], r.covariance[j][k]) << row.what;
        }
    }
}

// The straight line typed as a user model with "X and Y Error Bars" minimises what the
// built-in iterative line does; they agree on the values and the chi-square. The sigmas
// come from the Jacobian of the weighted residuals, the weights' dependence on the slope
// included, and differ from the built-in's formulas by a few parts in a thousand.
TEST(NonlinearFit, straightLineWithXAndYErrorsAgreesWithTheBuiltInFit) {
    const long double x[] = {0, 1, 2, 3, 4}, y[] = {0, 2.1L, 3.9L, 6.2L, 7.8L};
    const long double dx[] = {0, 0.1L, 0.1L, 0.1L, 0.1L}, dy[] = {0, 0.2L, 0.2L, 0.2L, 0.2L};
    DxiDyiFit york(4, x, y, dx, dy);
    ASSERT_EQ(york.Fit(), FIT_OK);

    const NonlinearResult r = fitNonlinear(model("a + b*x"), ErrorMethod::DXIDYI,
                                           {{1, 2, 3, 4},
                                            {2.1L, 3.9L, 6.2L, 7.8L},
                                            {0.1L, 0.1L, 0.1L, 0.1L},
                                            {0.2L, 0.2L, 0.2L, 0.2L}},
                                           starts({1, 1}));
    ASSERT_TRUE(r.converged()) << r.failure;
    EXPECT_NEAR(r.values[0], 0.139744, 5e-7);
    EXPECT_NEAR(r.values[1], 1.944103, 5e-7);
    // The built-in stops when the slope moves by less than 1e-5.
    EXPECT_NEAR(r.values[0], static_cast<double>(york.GetA()), 2e-5);
    EXPECT_NEAR(r.values[1], static_cast<double>(york.GetB()), 1e-5);
    EXPECT_NEAR(r.reducedChiSquare, static_cast<double>(york.GetReducedChiSquare()), 1e-6);
    EXPECT_NEAR(r.sigmas[0], static_cast<double>(york.GetSigmaA()), 0.003 * r.sigmas[0]);
    EXPECT_NEAR(r.sigmas[1], static_cast<double>(york.GetSigmaB()), 0.003 * r.sigmas[1]);
}

// A curve with a slope: the weights take the slope of the curve at each point.
TEST(NonlinearFit, xErrorsWeighByTheSlopeOfTheCurve) {
    NonlinearData data;
    for (int i = 0; i < 12; ++i) {
        const double xi = 0.25 * i;
        data.x.push_back(xi);
        data.y.push_back(3 * std::exp(-xi / 1.5) + 0.02 * std::sin(7.0 * i));
        data.dx.push_back(0.05);
        data.dy.push_back(0.02);
    }
    const UserModel m = model("A*exp(-x/tau)");
    const NonlinearResult withX = fitNonlinear(m, ErrorMethod::DXIDYI, data, starts({1, 1}));
    data.dx.assign(data.x.size(), 1e-12L);
    const NonlinearResult withoutX = fitNonlinear(m, ErrorMethod::DXIDYI, data, starts({1, 1}));
    const NonlinearResult dyOnly = fitNonlinear(m, ErrorMethod::DYI, data, starts({1, 1}));
    ASSERT_TRUE(withX.converged() && withoutX.converged() && dyOnly.converged());
    EXPECT_NEAR(withoutX.values[1], dyOnly.values[1], 1e-9);
    EXPECT_NEAR(withoutX.sigmas[1], dyOnly.sigmas[1], 1e-9);
    // Larger effective errors: a smaller chi-square and larger sigmas.
    EXPECT_LT(withX.reducedChiSquare, dyOnly.reducedChiSquare);
    EXPECT_GT(withX.sigmas[1], dyOnly.sigmas[1]);
}

TEST(NonlinearFit, fixedParametersLeaveTheFit) {
    auto settings = starts({0, 1});
    settings[0].fixed = true;
    const NonlinearResult r =
        fitNonlinear(model("a + b*x"), ErrorMethod::ESTDY, threePoints(0, {}), settings);
    ASSERT_TRUE(r.converged()) << r.failure;
    // The line through the origin: b = Sxy / Sxx, one degree of freedom more.
    EXPECT_EQ(r.values[0], 0);
    EXPECT_NEAR(r.values[1], 31.0 / 14, 1e-12);
    EXPECT_NEAR(r.sigmas[1], 0.112938, 1e-6);
    EXPECT_EQ(r.sigmas[0], 0);
    EXPECT_EQ(r.covariance[0][1], 0);
    EXPECT_EQ(r.degreesOfFreedom, 2);
}

TEST(NonlinearFit, boundsHoldAndWarnWhereAParameterEndsOnOne) {
    auto settings = starts({1, 1});
    settings[1].upper = 2;
    const NonlinearResult capped =
        fitNonlinear(model("a + b*x"), ErrorMethod::ESTDY, threePoints(0, {}), settings);
    ASSERT_TRUE(capped.converged()) << capped.failure;
    EXPECT_NEAR(capped.values[1], 2, 1e-6);
    EXPECT_LE(capped.values[1], 2);
    EXPECT_NEAR(capped.values[0], 1.0 / 3, 1e-5); // the mean of y - 2x
    EXPECT_EQ(capped.warnings, std::vector<std::string>{"b ended at its upper bound."});

    // Bounds that the minimum lies inside change nothing; one-sided and two-sided alike,
    // from a start on a bound.
    settings[1].lower = 0;
    settings[1].upper = 10;
    settings[0].lower = -1;
    settings[0].start = -1;
    const NonlinearResult inside =
        fitNonlinear(model("a + b*x"), ErrorMethod::ESTDY, threePoints(0, {}), settings);
    ASSERT_TRUE(inside.converged()) << inside.failure;
    EXPECT_NEAR(inside.values[0], -2.0 / 3, 1e-8);
    EXPECT_NEAR(inside.values[1], 2.5, 1e-8);
    EXPECT_NEAR(inside.sigmas[1], 0.288675135, 1e-7);
    EXPECT_TRUE(inside.warnings.empty());
}

// Every refusal and failure, each with its own text.
TEST(NonlinearFit, failuresAreMessagesAndNothingElse) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    auto bounded = [](double lower, double upper, double start) {
        auto s = starts({1, start});
        s[1].lower = lower;
        s[1].upper = upper;
        return s;
    };
    auto fixedBoth = starts({1, 1});
    fixedBoth[0].fixed = fixedBoth[1].fixed = true;
    const NonlinearData line = threePoints(0.1L, {1, 1, 1});
    struct Row {
        const char* equation;
        ErrorMethod method;
        NonlinearData data;
        std::vector<ParameterSetting> settings;
        std::string message;
    };
    const Row rows[] = {
        {"a + b*x", ErrorMethod::ESTDY, line, starts({1}),
         "The model has 2 parameters but 1 settings were given."},
        {"a + b*x",
         ErrorMethod::DYI,
         {{1, 2, 3}, {2, 4, 7}, {}, {1, 1}},
         starts({1, 1}),
         "The data columns of the fit differ in length."},
        {"a + b*x", ErrorMethod::ESTDY, line, starts({1, nan}),
         "The start value of b is not a number."},
        {"a + b*x", ErrorMethod::ESTDY, line, bounded(nan, 2, 1), "A bound of b is not a number."},
        {"a + b*x", ErrorMethod::ESTDY, line, bounded(2, 1, 1.5),
         "The lower bound of b is not below its upper bound."},
        {"a + b*x", ErrorMethod::ESTDY, line, bounded(0, 1, 3),
         "The start value of b lies outside its bounds."},
        {"a + b*x", ErrorMethod::ESTDY, line, fixedBoth,
         "Every parameter is fixed: there is nothing to fit."},
        {"a + b*x + c*x^2", ErrorMethod::ESTDY, line, starts({1, 1, 1}),
         "A fit of 3 free parameters needs at least 4 points; there are 3."},
        {"a + b*x",
         ErrorMethod::ESTDY,
         {{1, 2, inf}, {2, 4, 7}, {}, {}},
         starts({1, 1}),
         "Point 3 holds a value that is not a finite number."},
        {"a + b*x", ErrorMethod::DYI, threePoints(0, {1, 0, 1}), starts({1, 1}),
         "Error bars must be greater than zero: point 2 has dY = 0."},
        {"a + b*x", ErrorMethod::DXIDYI, threePoints(-0.5L, {1, 1, 1}), starts({1, 1}),
         "Error bars must be greater than zero: point 1 has dX = -0.5."},
        {"a*log(x - b)", ErrorMethod::ESTDY, line, starts({1, 1.5}),
         "The equation cannot be evaluated at x = 1 with the start values."},
        {"a*sqrt(x - b)", ErrorMethod::ESTDY, line, starts({1, 1}),
         "The derivatives of the equation cannot be evaluated at x = 1 with the start values."},
        {"a*b*x", ErrorMethod::ESTDY, line, starts({1, 1}),
         "The parameters a and b cannot both be determined from these data."},
        {"a*b*x + c*x + d*x^2",
         ErrorMethod::ESTDY,
         {{1, 2, 3, 4, 5}, {1, 3, 2, 5, 4}, {}, {}},
         starts({1, 1, 1, 1}),
         "The parameters a, b and c cannot all be determined from these data."},
        // The curve is flat in b from the start: exp(-1000 x) is 0.
        {"a*(1 - exp(-b*x))", ErrorMethod::ESTDY, line, starts({1, 1000}),
         "The fit stopped on a plateau, where the curve no longer depends on b: try other "
         "start values."},
    };
    for (const Row& row : rows) {
        const NonlinearResult r =
            fitNonlinear(model(row.equation), row.method, row.data, row.settings);
        EXPECT_EQ(r.failure, row.message) << row.equation;
        EXPECT_FALSE(r.converged());
        EXPECT_TRUE(r.values.empty() && r.sigmas.empty()) << row.equation;
    }
    // The texts the tests cannot reach without a pathological problem.
    EXPECT_EQ(nonlinear_messages::notConverged(3000),
              "The fit did not converge after 3000 iterations.");
    EXPECT_EQ(nonlinear_messages::cannotEvaluateDuringFit(0.25),
              "The fit stopped: the equation or its derivatives cannot be evaluated at x = 0.25.");
    EXPECT_EQ(nonlinear_messages::endedAtLowerBound("k"), "k ended at its lower bound.");
    EXPECT_EQ(nonlinear_messages::tooFewPoints(1, 1),
              "A fit of 1 free parameter needs at least 2 points; there is 1.");
}

// No point limit: a long table is fitted whole.
TEST(NonlinearFit, aHundredThousandPoints) {
    NonlinearData data;
    for (int i = 0; i < 100000; ++i) {
        const double xi = i * 1e-4;
        data.x.push_back(xi);
        data.y.push_back(2 * std::exp(-xi / 3) + 0.5 + 0.01 * std::sin(13.0 * i));
    }
    const NonlinearResult r =
        fitNonlinear(model("A*exp(-x/tau) + C"), ErrorMethod::ESTDY, data, starts({1, 1, 0}));
    ASSERT_TRUE(r.converged()) << r.failure;
    EXPECT_NEAR(r.values[0], 2, 0.01);
    EXPECT_NEAR(r.values[1], 3, 0.02);
    EXPECT_EQ(r.degreesOfFreedom, 99997);
}

} // namespace
