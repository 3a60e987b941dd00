#pragma once

#include <optional>

// The map between a parameter p and the unbounded, scaled variable z the solver moves:
// without bounds p = s z; with a lower or an upper bound p = l + s (sqrt(z^2 + 1) - 1) or
// its mirror; with both p = l + (u - l)(sin z + 1) / 2. The solver sees a problem without
// bounds and of unit scale, and p never leaves its bounds.
class BoundTransform {
public:
    // `scale` > 0: the size of p the solver's unit step stands for.
    BoundTransform(std::optional<double> lower, std::optional<double> upper, double scale);

    double parameter(double z) const;
    double derivative(double z) const; // dp/dz
    // The z of a start value inside the bounds. A start on a bound, where dp/dz = 0 and the
    // solver could not move, is taken a little inside.
    double variable(double p) const;

    // Whether p lies on a bound, within what the transform can resolve.
    bool atLower(double p) const;
    bool atUpper(double p) const;

private:
    std::optional<double> lower_, upper_;
    double scale_;
};
