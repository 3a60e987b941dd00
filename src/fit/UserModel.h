#pragma once

#include <memory>
#include <string>
#include <variant>
#include <vector>

// A law the user types, y = f(x; p1, p2, ...), in the language of the computed columns'
// equations, with an optional leading "y =". Every name other than x, the parser's
// functions and pi is a parameter, listed in the order of its first appearance.
// Derivatives with respect to the parameters and to x come from the equation itself where
// it can be differentiated symbolically, else from central differences; either way the
// caller sees the same functions. The evaluations share one buffer: a model is used by one
// thread at a time.
class UserModel {
public:
    struct ParseFailure {
        std::string message; // the whole text the user reads, naming position and text
    };

    static std::variant<UserModel, ParseFailure> parse(const std::string& text);

    UserModel(UserModel&&) noexcept;
    UserModel& operator=(UserModel&&) noexcept;
    ~UserModel();

    const std::string& text() const;                        // as typed
    const std::vector<std::string>& parameterNames() const; // in order of first appearance
    int parameterCount() const;
    // Whether the derivatives come from the equation rather than from differences.
    bool hasAnalyticDerivatives() const;

    // f(x) for the parameter values p (parameterCount() of them); NaN where the equation
    // cannot be evaluated or its value is not finite.
    double value(double x, const double* p) const;
    // f(x) in extended precision where the equation was differentiated symbolically, else
    // value(): for the final residuals of a fit that leaves little more than rounding.
    long double preciseValue(long double x, const double* p) const;
    // df/dp_k for every k into gradient (parameterCount() values); false where any of them
    // cannot be evaluated.
    bool parameterGradient(double x, const double* p, double* gradient) const;
    // df/dx; NaN where it cannot be evaluated.
    double slope(double x, const double* p) const;
    // d2f/dx dp_k for every k into gradient: how the slope moves with the parameters, for
    // the fit with X and Y error bars; false where any of them cannot be evaluated.
    bool slopeGradient(double x, const double* p, double* gradient) const;

private:
    struct Parts;
    explicit UserModel(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};
