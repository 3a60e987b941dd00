#pragma once

#include <optional>
#include <string>
#include <vector>

// An expression evaluated in extended precision: for the final residuals of fits so close
// that the rounding of double precision would be most of what is left.
struct PreciseExpression {
    enum class Kind { Constant, Variable, Sum, Product, Power, Function };
    // The functions the algebra and the parser share.
    enum class Function { Exp, Log, Sin, Cos, Tan, Asin, Acos, Atan, Sinh, Cosh, Tanh, Abs };
    Kind kind = Kind::Constant;
    long double constant = 0;
    std::size_t variable = 0;
    Function function = Function::Exp;
    std::vector<PreciseExpression> operands;

    // `variables` in the order x, the parameters, pi. NaN where it is not defined.
    long double evaluate(const long double* variables) const;
};

// The derivatives of an equation f(x; p1, p2, ...) in the equation parser's language,
// formed symbolically and written back in that language, over the same names (x, the
// parameters and the constant pi).
struct SymbolicDerivatives {
    std::string value;                       // f itself, as the algebra rewrote it
    std::vector<std::string> parameter;      // df/dp_k
    std::string slope;                       // df/dx
    std::vector<std::string> slopeParameter; // d2f/dx dp_k
    PreciseExpression precise;               // f again
};

// nullopt when the equation uses what the algebra does not take (comparisons, if, min,
// max, the rounding functions, ...) or when the derivatives grow too large to evaluate
// quickly; the caller then differentiates numerically. The texts are written the same
// way on every run, whatever order the algebra keeps its terms in.
std::optional<SymbolicDerivatives> differentiate(const std::string& text,
                                                 const std::vector<std::string>& parameters);
