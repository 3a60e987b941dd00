#pragma once

#include "common/FitConfig.h"
#include "fit/BoundTransform.h"
#include "fit/UserModel.h"

#include <cstddef>
#include <vector>

// One point of a nonlinear fit: x for the model in double precision and in the extended
// precision of the data; dy is 1 with "Estimate dY", dx 0 unless "X and Y Error Bars".
struct NonlinearPoint {
    double x;
    long double y;
    double dx, dy;
    long double preciseX;
};

// The residuals and the Jacobian (over the free parameters) at the parameters p.
struct NonlinearEvaluation {
    std::vector<double> p, r, J;
    bool precise = false;
    bool ok = false;
};

// The least-squares problem the solver sees: residuals r = (f - y) / w, w the point's
// uncertainty under the error method, over the free parameters in their unbounded,
// scaled variables z.
class NonlinearProblem {
public:
    NonlinearProblem(const UserModel& model, ErrorMethod method, std::vector<NonlinearPoint> points,
                     std::vector<double> values, std::vector<int> free,
                     std::vector<BoundTransform> transforms);

    std::size_t pointCount() const { return points_.size(); }
    std::size_t freeCount() const { return free_.size(); }
    const std::vector<int>& free() const { return free_; }
    const BoundTransform& transform(std::size_t j) const { return transforms_[j]; }
    // Where the last residuals or Jacobian could not be evaluated.
    double failedX() const { return failedX_; }
    // Whether the residuals take the model's values in extended precision: slower, for the
    // last steps and the final sums.
    void setPrecise(bool precise) { precise_ = precise; }

    // Every parameter, fixed ones included, for the variables z.
    std::vector<double> parameters(const double* z) const;
    // The residuals at p; false (and failedX()) where one cannot be evaluated.
    bool residuals(const std::vector<double>& p, double* r);
    // dr_i/dp_k for the free parameters, n x m row-major; false where it fails.
    bool jacobian(const std::vector<double>& p, std::vector<double>& J);
    // Residuals and Jacobian at p, kept for the next request of the same p: the solver, the
    // checks and the polish ask for the same point in turn.
    const NonlinearEvaluation& evaluate(const std::vector<double>& p);
    // The size of the model's values and the data in the residuals' units, from the
    // residuals (with dy for w: a yardstick, not a result): the measure of a flat parameter
    // and of an exact fit.
    double valueNorm(const std::vector<double>& r) const;

private:
    // w of the point at p, with the slope s of the curve there (0 unless X errors count).
    double weight(const NonlinearPoint& q, const std::vector<double>& p, double& s) const;
    bool failAt(double x);

    const UserModel& model_;
    ErrorMethod method_;
    std::vector<NonlinearPoint> points_;
    std::vector<double> values_;
    std::vector<int> free_;
    std::vector<BoundTransform> transforms_;
    std::vector<double> gradient_, slopeGradient_;
    double failedX_ = 0;
    bool precise_ = false;
    NonlinearEvaluation last_;
};
