#pragma once

#include <optional>
#include <string>
#include <vector>

// The derivatives of an equation f(x; p1, p2, ...) in the equation parser's language,
// formed symbolically and written back in that language, over the same names (x, the
// parameters and the constant pi).
struct SymbolicDerivatives {
    std::string value;                       // f itself, as the algebra rewrote it
    std::vector<std::string> parameter;      // df/dp_k
    std::string slope;                       // df/dx
    std::vector<std::string> slopeParameter; // d2f/dx dp_k
};

// nullopt when the equation uses what the algebra does not take (comparisons, if, min,
// max, the rounding functions, ...) or when the derivatives grow too large to evaluate
// quickly; the caller then differentiates numerically.
std::optional<SymbolicDerivatives> differentiate(const std::string& text,
                                                 const std::vector<std::string>& parameters);
