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
#include <string>

namespace {

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

class NistNonlinear : public ::testing::TestWithParam<std::tuple<NistNonlinearCase, int>> {
public:
    static void TearDownTestSuite() {
        std::printf("\n%-10s %5s %9s %9s %9s %6s\n", "problem", "start", "min p", "min sigma",
                    "RSS", "iter");
        int solved = 0;
        for (const Row& r : table()) {
            if (r.converged) {
                ++solved;
                std::printf("%-16s %9.1f %9.1f %9.1f %6d\n", r.run.c_str(), r.parameters, r.sigmas,
                            r.rss, r.iterations);
            } else {
                std::printf("%-16s failed: %s\n", r.run.c_str(), r.failure.c_str());
            }
        }
        std::printf("%d of %zu runs converged\n", solved, table().size());
    }
};

TEST_P(NistNonlinear, certifiedValuesFromBothStarts) {
    const NistNonlinearCase c = std::get<0>(GetParam());
    const int start = std::get<1>(GetParam());
    const NistNonlinearProblem problem =
        loadNistNonlinear(std::string(KELVANE_TEST_DATA_DIR) + "/nist_nls", c.name);
    auto parsed = UserModel::parse(c.equation);
    ASSERT_TRUE(std::holds_alternative<UserModel>(parsed)) << c.name;
    const UserModel& model = std::get<UserModel>(parsed);

    ASSERT_EQ(model.parameterNames().size(), problem.estimate.size()) << c.name;
    const std::vector<ParameterSetting> settings = nistStart(model, problem, start);
    const NonlinearResult result =
        fitNonlinear(model, ErrorMethod::ESTDY, {problem.x, problem.y, {}, {}}, settings);
    Row row;
    row.run = std::string(c.name) + " " + std::to_string(start + 1);
    row.converged = result.converged();
    row.failure = result.failure;
    row.iterations = result.iterations;
    if (result.converged()) {
        row.parameters = row.sigmas = 15;
        for (std::size_t k = 0; k < settings.size(); ++k) {
            const std::size_t b = nistIndex(model.parameterNames()[k]);
            row.parameters =
                std::min(row.parameters, digits(result.values[k], problem.estimate[b]));
            row.sigmas = std::min(row.sigmas, digits(result.sigmas[k], problem.deviation[b]));
        }
        row.rss = digits(result.residualSumOfSquares, problem.residualSumOfSquares);
        EXPECT_GE(row.parameters, 6) << row.run;
        EXPECT_GE(row.sigmas, 4) << row.run;
        EXPECT_GE(row.rss, 4) << row.run;
    }
    table().push_back(row);
    EXPECT_TRUE(result.converged()) << row.run << ": " << result.failure;
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<NistNonlinearCase, int>>& info) {
    return std::string(std::get<0>(info.param).name) + "_start" +
           std::to_string(std::get<1>(info.param) + 1);
}

INSTANTIATE_TEST_SUITE_P(AllProblems, NistNonlinear,
                         ::testing::Combine(::testing::ValuesIn(nistNonlinearCases()),
                                            ::testing::Values(0, 1)),
                         caseName);

} // namespace
