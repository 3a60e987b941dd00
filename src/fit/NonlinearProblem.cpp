#include "fit/NonlinearProblem.h"

#include <cmath>

NonlinearProblem::NonlinearProblem(const UserModel& model, ErrorMethod method,
                                   std::vector<NonlinearPoint> points, std::vector<double> values,
                                   std::vector<int> free, std::vector<BoundTransform> transforms)
    : model_(model), method_(method), points_(std::move(points)), values_(std::move(values)),
      free_(std::move(free)), transforms_(std::move(transforms)), gradient_(values_.size()),
      slopeGradient_(values_.size()) {}

std::vector<double> NonlinearProblem::parameters(const double* z) const {
    std::vector<double> p = values_;
    for (std::size_t j = 0; j < free_.size(); ++j)
        p[static_cast<std::size_t>(free_[j])] = transforms_[j].parameter(z[j]);
    return p;
}

double NonlinearProblem::weight(const NonlinearPoint& q, const std::vector<double>& p,
                                double& s) const {
    s = 0;
    if (method_ != ErrorMethod::DXIDYI)
        return q.dy;
    s = model_.slope(q.x, p.data());
    return std::sqrt(q.dy * q.dy + s * s * q.dx * q.dx);
}

bool NonlinearProblem::residuals(const std::vector<double>& p, double* r) {
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const NonlinearPoint& q = points_[i];
        double s = 0;
        const double w = weight(q, p, s);
        // In extended precision the difference keeps the digits that the rounding of f to
        // double would take from residuals near the rounding of the data.
        r[i] = precise_ ? static_cast<double>((model_.preciseValue(q.preciseX, p.data()) - q.y) / w)
                        : (model_.value(q.x, p.data()) - static_cast<double>(q.y)) / w;
        if (!std::isfinite(r[i]))
            return failAt(q.x);
    }
    return true;
}

bool NonlinearProblem::jacobian(const std::vector<double>& p, std::vector<double>& J) {
    const std::size_t m = free_.size();
    J.resize(points_.size() * m);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const NonlinearPoint& q = points_[i];
        if (!model_.parameterGradient(q.x, p.data(), gradient_.data()))
            return failAt(q.x);
        double s = 0;
        const double S = weight(q, p, s);
        if (method_ != ErrorMethod::DXIDYI) {
            for (std::size_t j = 0; j < m; ++j)
                J[i * m + j] = gradient_[static_cast<std::size_t>(free_[j])] / S;
            continue;
        }
        // r = (f - y) / S with S^2 = dy^2 + f'^2 dx^2, whose weight moves with p too:
        // dr/dp = g / S - r f' dx^2 (df'/dp) / S^2.
        if (!model_.slopeGradient(q.x, p.data(), slopeGradient_.data()) || !std::isfinite(s))
            return failAt(q.x);
        const double r = (model_.value(q.x, p.data()) - static_cast<double>(q.y)) / S;
        for (std::size_t j = 0; j < m; ++j) {
            const auto k = static_cast<std::size_t>(free_[j]);
            J[i * m + j] = gradient_[k] / S - r * s * q.dx * q.dx * slopeGradient_[k] / (S * S);
        }
    }
    for (double v : J)
        if (!std::isfinite(v))
            return failAt(points_.front().x);
    return true;
}

const NonlinearEvaluation& NonlinearProblem::evaluate(const std::vector<double>& p) {
    if (last_.p == p && last_.precise == precise_)
        return last_;
    last_.p = p;
    last_.precise = precise_;
    last_.r.resize(points_.size());
    last_.ok = residuals(p, last_.r.data()) && jacobian(p, last_.J);
    return last_;
}

double NonlinearProblem::valueNorm(const std::vector<double>& r) const {
    double sum = 0;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const double y = static_cast<double>(points_[i].y) / points_[i].dy;
        sum += (r[i] + y) * (r[i] + y) + y * y;
    }
    return std::sqrt(sum);
}

bool NonlinearProblem::failAt(double x) {
    failedX_ = x;
    return false;
}
