#include "common/Equation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double valueOf(const std::string& text, double x, double power = 0) {
    auto parsed = Equation::parse(text, "x,power");
    auto* equation = std::get_if<Equation>(&parsed);
    if (!equation) {
        ADD_FAILURE() << text << ": " << std::get<Equation::ParseFailure>(parsed).message;
        return NAN;
    }
    return equation->evaluate(std::vector<double>{x, power}).value_or(NAN);
}

// The parser's own pow() overruns its evaluation stack for some whole exponents (7 among
// them), and its rewriting of (u^v)^n counts the stack short (memcheck shows both); the
// equations with powers get room and keep their values.
TEST(Equation, powersKeepTheirValues) {
    const double x = 1.3;
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"pow(x,7)", std::pow(x, 7)},
        {"pow (x , -7) * 2", 2 * std::pow(x, -7)},
        {"pow(pow(x, 2), 3)", std::pow(x, 6)},
        {"-pow(x,2)", -x * x},
        {"pow(x,2)^3", std::pow(x, 6)},
        {"pow(x, pow(2, 1+1))", std::pow(x, 4)},
        {"pow(x*(1+x), 13)", std::pow(x * (1 + x), 13)},
        {"power + pow(x,11)", 5 + std::pow(x, 11)},
        {"(x^power)^2 * 3", 3 * std::pow(x, 10)},
        {"((x^-power)^4)^3", std::pow(x, -60)},
    };
    for (const Row& row : rows)
        EXPECT_NEAR(valueOf(row.text, x, 5), row.value, 1e-12 * std::fabs(row.value)) << row.text;

    // Errors keep the positions of the text as typed.
    auto failed = Equation::parse("pow(x,) + 1", "x");
    ASSERT_TRUE(std::holds_alternative<Equation::ParseFailure>(failed));
    EXPECT_EQ(std::get<Equation::ParseFailure>(failed).position, 6);
}

} // namespace
