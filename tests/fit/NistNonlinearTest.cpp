// The NIST StRD nonlinear-regression problems, each typed as a user model and fitted from
// both of NIST's starting points with unit weights ("Estimate dY", whose uncertainties
// follow NIST's convention). A run reported as converged must match the certified values;
// the digits reached are printed as a table at the end.

#include "NistNonlinear.h"

#include "fit/NonlinearFit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* equation;
};

const Case CASES[] = {
    {"Misra1a", "y = b1*(1-exp(-b2*x))"},
    {"Chwirut2", "y = exp(-b1*x)/(b2+b3*x)"},
    {"Chwirut1", "y = exp(-b1*x)/(b2+b3*x)"},
    {"Lanczos3", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
    {"Gauss1", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
    {"Gauss2", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
    {"DanWood", "y = b1*x^b2"},
    {"Misra1b", "y = b1*(1-(1+b2*x/2)^(-2))"},
    {"Kirby2", "y = (b1 + b2*x + b3*x^2)/(1 + b4*x + b5*x^2)"},
    {"Hahn1", "y = (b1+b2*x+b3*x^2+b4*x^3)/(1+b5*x+b6*x^2+b7*x^3)"},
    {"MGH17", "y = b1 + b2*exp(-x*b4) + b3*exp(-x*b5)"},
    {"Lanczos1", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
    {"Lanczos2", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
    {"Gauss3", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
    {"Misra1c", "y = b1*(1-(1+2*b2*x)^(-.5))"},
    {"Misra1d", "y = b1*b2*x*((1+b2*x)^(-1))"},
    {"Roszman1", "y = b1 - b2*x - atan(b3/(x-b4))/pi"},
    {"ENSO", "y = b1 + b2*cos(2*pi*x/12) + b3*sin(2*pi*x/12) + b5*cos(2*pi*x/b4) + "
             "b6*sin(2*pi*x/b4) + b8*cos(2*pi*x/b7) + b9*sin(2*pi*x/b7)"},
    {"MGH09", "y = b1*(x^2+x*b2) / (x^2+x*b3+b4)"},
    {"Thurber", "y = (b1 + b2*x + b3*x^2 + b4*x^3)/(1 + b5*x + b6*x^2 + b7*x^3)"},
    {"BoxBOD", "y = b1*(1-exp(-b2*x))"},
    {"Rat42", "y = b1 / (1+exp(b2-b3*x))"},
    {"MGH10", "y = b1 * exp(b2/(x+b3))"},
    {"Eckerle4", "y = (b1/b2) * exp(-0.5*((x-b3)/b2)^2)"},
    {"Rat43", "y = b1 / ((1+exp(b2-b3*x))^(1/b4))"},
    {"Bennett5", "y = b1 * (b2+x)^(-1/b3)"},
};

// Digits of value that agree with the certified one, at most 15.
double digits(long double value, long double certified) {
    if (value == certified)
        return 15;
    const double d = -std::log10(static_cast<double>(std::fabs((value - certified) / certified)));
    return std::min(d, 15.0);
}

struct Row {
    std::string run;
    bool converged = false;
    double parameters = 0, sigmas = 0, rss = 0; // the fewest digits of each kind
    int iterations = 0;
    std::string failure;
};

std::vector<Row>& table() {
    static std::vector<Row> rows;
    return rows;
}

class NistNonlinear : public ::testing::TestWithParam<std::tuple<Case, int>> {
public:
    static void TearDownTestSuite() {
        std::printf("\n%-10s %5s %9s %9s %9s %6s\n", "problem", "start", "min p", "min sigma",
                    "RSS", "iter");
        int solved = 0;
        for (const Row& r : table()) {
            if (r.converged) {
                ++solved;
                std::printf("%-16s %9.1f %9.1f %9.1f %6d\n", r.run.c_str(), r.parameters,
                            r.sigmas, r.rss, r.iterations);
            } else {
                std::printf("%-16s failed: %s\n", r.run.c_str(), r.failure.c_str());
            }
        }
        std::printf("%d of %zu runs converged\n", solved, table().size());
    }
};

TEST_P(NistNonlinear, certifiedValuesFromBothStarts) {
    const Case c = std::get<0>(GetParam());
    const int start = std::get<1>(GetParam());
    const NistNonlinearProblem problem = loadNistNonlinear(c.name);
    auto parsed = UserModel::parse(c.equation);
    ASSERT_TRUE(std::holds_alternative<UserModel>(parsed)) << c.name;
    const UserModel& model = std::get<UserModel>(parsed);

    // The parameters are listed by first appearance; NIST numbers them b1, b2, ...
    std::vector<std::size_t> nist;
    std::vector<ParameterSetting> settings;
    for (const std::string& name : model.parameterNames()) {
        nist.push_back(std::stoul(name.substr(1)) - 1);
        ParameterSetting setting;
        setting.start = problem.starts[static_cast<std::size_t>(start)][nist.back()];
        settings.push_back(setting);
    }
    ASSERT_EQ(nist.size(), problem.estimate.size()) << c.name;

    const NonlinearResult result =
        fitNonlinear(model, ErrorMethod::ESTDY, {problem.x, problem.y, {}, {}}, settings);
    Row row;
    row.run = std::string(c.name) + " " + std::to_string(start + 1);
    row.converged = result.converged();
    row.failure = result.failure;
    row.iterations = result.iterations;
    if (result.converged()) {
        row.parameters = row.sigmas = 15;
        for (std::size_t k = 0; k < nist.size(); ++k) {
            row.parameters = std::min(row.parameters, digits(result.values[k], problem.estimate[nist[k]]));
            row.sigmas = std::min(row.sigmas, digits(result.sigmas[k], problem.deviation[nist[k]]));
        }
        row.rss = digits(result.residualSumOfSquares, problem.residualSumOfSquares);
        EXPECT_GE(row.parameters, 6) << row.run;
        EXPECT_GE(row.sigmas, 4) << row.run;
        EXPECT_GE(row.rss, 4) << row.run;
    }
    table().push_back(row);
    EXPECT_TRUE(result.converged()) << row.run << ": " << result.failure;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Case, int>>& info) {
    return std::string(std::get<0>(info.param).name) + "_start" +
           std::to_string(std::get<1>(info.param) + 1);
}

INSTANTIATE_TEST_SUITE_P(AllProblems, NistNonlinear,
                         ::testing::Combine(::testing::ValuesIn(CASES), ::testing::Values(0, 1)),
                         caseName);

} // namespace
