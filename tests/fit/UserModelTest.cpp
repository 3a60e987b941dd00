#include "fit/UserModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

UserModel parsed(const std::string& text) {
    auto result = UserModel::parse(text);
    if (auto* failure = std::get_if<UserModel::ParseFailure>(&result))
        ADD_FAILURE() << text << ": " << failure->message;
    return std::move(std::get<UserModel>(result));
}

std::string refusal(const std::string& text) {
    auto result = UserModel::parse(text);
    auto* failure = std::get_if<UserModel::ParseFailure>(&result);
    return failure ? failure->message : "(parsed)";
}

TEST(UserModel, parametersAreEveryOtherNameInOrderOfFirstAppearance) {
    struct Row {
        const char* text;
        std::vector<std::string> names;
    };
    const Row rows[] = {
        {"y = V0*(1 - exp(-x/tau))", {"V0", "tau"}},
        {"A*exp(-x/tau) + C", {"A", "tau", "C"}},
        {"  y=I0*cos(x - phi)^2", {"I0", "phi"}},
        // Numbers are no names, whatever letters they hold.
        {"a*x + 1.5e3 + 0x1F + 2.E-2*b", {"a", "b"}},
        // pi and the functions are not parameters; names are case-sensitive.
        {"b*sin(2*pi*x/T) + B + atan2(x, c) + if(x < 0, d, 0)", {"b", "T", "B", "c", "d"}},
        {"x*τ + τ", {"τ"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parsed(row.text).parameterNames(), row.names) << row.text;
}

TEST(UserModel, valuesFollowTheParsersLanguage) {
    const UserModel model = parsed("y = a*x^2 - b + pi*0");
    const double p[] = {2, 1};
    EXPECT_DOUBLE_EQ(model.value(3, p), 17);
    EXPECT_EQ(model.text(), "y = a*x^2 - b + pi*0");
    // arctan, not the two-argument form: for b < 0 the two differ by pi.
    const UserModel angle = parsed("atan(a/x)");
    const double q[] = {1};
    EXPECT_NEAR(angle.value(-1, q), -M_PI / 4, 1e-15);
    // Where the equation cannot be evaluated: NaN.
    EXPECT_TRUE(std::isnan(parsed("log(a*x)").value(-1, q)));
    EXPECT_TRUE(std::isnan(parsed("a/x").value(0, q)));
}

TEST(UserModel, refusals) {
    EXPECT_EQ(refusal("   "), "The fitting equation is blank.");
    EXPECT_EQ(refusal("y = "), "The fitting equation is blank.");
    EXPECT_EQ(refusal("y = a*b"), "The equation does not use x.");
    EXPECT_EQ(refusal("y = 2*x + sin(pi*x)"),
              "The equation has no parameter to fit: every name other than x and the "
              "functions is one, as a and b in a*exp(-x/b).");
    // The position counts from the start of the text as typed, "y =" included.
    EXPECT_EQ(refusal("y = a*x + * b"),
              "Syntax error at character 11 of the equation, at \"* b\".");
    EXPECT_EQ(refusal("a*(x + b"), "Missing ')' at character 9 of the equation, at its end.");
    // The parser stops at a zero byte; the rest would be silently ignored.
    EXPECT_EQ(refusal(std::string("a*x\0+b", 6)).substr(0, 44),
              "Syntax error at character 4 of the equation,");
    std::string many = "x";
    for (int i = 0; i <= 30; ++i)
        many += "+p" + std::to_string(i);
    EXPECT_EQ(refusal(many), "The equation has more than 30 parameters.");
}

// The derivatives agree with differences of the values, whichever way they are formed.
TEST(UserModel, derivativesAgreeWithDifferences) {
    struct Row {
        const char* text;
        bool symbolic;
    };
    const Row rows[] = {
        {"a*exp(-x/b)*cos(c*x + d)", true},
        {"a/((1 + exp(b - c*x))^(1/d))", true},
        {"a - b*x - atan(c/(x - d))/pi", true},
        {"log10(a*x) + sqrt(b*x) + abs(c - x) + tanh(d*x)", true},
        {"2^-a*x + -b^2*x + pow(x, c) + d", true},
        {"if(x < a, b*x, c*x) + min(d, x)", false},
        // Exact powers of numbers this large would never end: differences instead.
        {"a*x*1^5000 + b + c + d", false},
    };
    const double p[] = {1.3, 0.7, 2.1, 0.4};
    const double x = 1.7, h = 1e-6;
    for (const Row& row : rows) {
        const UserModel model = parsed(row.text);
        EXPECT_EQ(model.hasAnalyticDerivatives(), row.symbolic) << row.text;
        std::vector<double> g(4), gs(4), q(p, p + 4);
        ASSERT_TRUE(model.parameterGradient(x, p, g.data())) << row.text;
        ASSERT_TRUE(model.slopeGradient(x, p, gs.data())) << row.text;
        for (std::size_t k = 0; k < 4; ++k) {
            q[k] = p[k] + h;
            const double up = model.value(x, q.data()), slopeUp = model.slope(x, q.data());
            q[k] = p[k] - h;
            const double down = model.value(x, q.data()), slopeDown = model.slope(x, q.data());
            q[k] = p[k];
            EXPECT_NEAR(g[k], (up - down) / (2 * h), 1e-6) << row.text << " d/dp" << k;
            EXPECT_NEAR(gs[k], (slopeUp - slopeDown) / (2 * h), 1e-4)
                << row.text << " d2/dxdp" << k;
        }
        const double slope = (model.value(x + h, p) - model.value(x - h, p)) / (2 * h);
        EXPECT_NEAR(model.slope(x, p), slope, 1e-6) << row.text;
        EXPECT_NEAR(static_cast<double>(model.preciseValue(x, p)), model.value(x, p), 1e-14)
            << row.text;
    }
}

// A symbolic form may fail where the function does not (abs at its kink); differences
// fill in.
TEST(UserModel, differencesWhereTheSymbolicFormFails) {
    const UserModel model = parsed("abs(a*x) + b");
    ASSERT_TRUE(model.hasAnalyticDerivatives());
    const double p[] = {0, 1};
    double g[2];
    ASSERT_TRUE(model.parameterGradient(1, p, g));
    EXPECT_NEAR(g[0], 0, 1e-9);
    EXPECT_DOUBLE_EQ(g[1], 1);
}

} // namespace
