#include "fit/BoundTransform.h"

#include <algorithm>
#include <cmath>

namespace {

// How far inside a bound a start on it is taken, and how near a bound counts as on it, as
// fractions of the scale (one bound) or of the width (two).
constexpr double INSIDE = 1e-3;
constexpr double ON_BOUND = 1e-7;

} // namespace

BoundTransform::BoundTransform(std::optional<double> lower, std::optional<double> upper,
                               double scale)
    : lower_(lower), upper_(upper), scale_(scale) {}

double BoundTransform::parameter(double z) const {
    if (lower_ && upper_)
        return *lower_ + (*upper_ - *lower_) * (std::sin(z) + 1) / 2;
    if (lower_)
        return *lower_ + scale_ * (std::hypot(z, 1.0) - 1);
    if (upper_)
        return *upper_ - scale_ * (std::hypot(z, 1.0) - 1);
    return scale_ * z;
}

double BoundTransform::derivative(double z) const {
    if (lower_ && upper_)
        return (*upper_ - *lower_) * std::cos(z) / 2;
    if (lower_)
        return scale_ * z / std::hypot(z, 1.0);
    if (upper_)
        return -scale_ * z / std::hypot(z, 1.0);
    return scale_;
}

double BoundTransform::variable(double p) const {
    if (lower_ && upper_) {
        const double width = *upper_ - *lower_;
        const double inside = std::clamp(p, *lower_ + INSIDE * width, *upper_ - INSIDE * width);
        return std::asin(std::clamp(2 * (inside - *lower_) / width - 1, -1.0, 1.0));
    }
    if (lower_ || upper_) {
        const double distance = std::max(lower_ ? p - *lower_ : *upper_ - p, INSIDE * scale_);
        const double t = distance / scale_ + 1;
        return std::sqrt(t * t - 1);
    }
    return p / scale_;
}

bool BoundTransform::atLower(double p) const {
    if (!lower_)
        return false;
    const double reach = upper_ ? *upper_ - *lower_ : scale_;
    return p - *lower_ <= ON_BOUND * reach;
}

bool BoundTransform::atUpper(double p) const {
    if (!upper_)
        return false;
    const double reach = lower_ ? *upper_ - *lower_ : scale_;
    return *upper_ - p <= ON_BOUND * reach;
}
