#include "fit/NonlinearFit.h"

#include "fit/JacobianAnalysis.h"
#include "fit/NonlinearMessages.h"
#include "fit/NonlinearProblem.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace msg = nonlinear_messages;

namespace {

// Iterations of one solver run and of the whole fit with its restarts.
constexpr int RUN_ITERATIONS = 500;
constexpr int MOST_ITERATIONS = 3000;
// A run stops early once the point is this close to the minimum (|Q1'r| / |r|) ...
constexpr double STOP_OFFSET = 1e-10;
// ... and a stalled run's best point counts as the minimum if it is this close and the
// Gauss-Newton step from it is negligible beside the parameters or their uncertainties.
constexpr double ACCEPT_OFFSET = 1e-6;
constexpr double STEP_RELATIVE = 1e-8;
constexpr double STEP_OF_SIGMA = 1e-4;
// Residuals of this size or less beside the data are an exact fit, whatever the offset.
constexpr double EXACT_FIT = 1e-13;
// What a failed evaluation during the fit reports, so that the solver rejects the step.
constexpr double REJECTED = 1e100;
// Gauss-Newton steps at most after the solver.
constexpr int POLISH_STEPS = 5;
constexpr double COST_ROUNDING = 1e-14;
// A polishing step that moves no variable by more than this fraction is the last.
constexpr double STEP_NEGLIGIBLE = 1e-12;

// ---- The solver's callbacks. GSL hands the residual function a column of its Jacobian as
// the output vector when it differences numerically: read and write through gsl_vector_*.

struct Callbacks {
    NonlinearProblem* problem;
    std::vector<double> r;
    bool derivativesFailed = false;
};

std::vector<double> toVector(const gsl_vector* v) {
    std::vector<double> out(v->size);
    for (std::size_t i = 0; i < v->size; ++i)
        out[i] = gsl_vector_get(v, i);
    return out;
}

int residualCallback(const gsl_vector* z, void* data, gsl_vector* f) {
    auto& c = *static_cast<Callbacks*>(data);
    const std::vector<double> p = c.problem->parameters(toVector(z).data());
    c.r.resize(f->size);
    const bool ok = c.problem->residuals(p, c.r.data());
    for (std::size_t i = 0; i < f->size; ++i)
        gsl_vector_set(f, i, ok ? c.r[i] : REJECTED);
    return GSL_SUCCESS;
}

int jacobianCallback(const gsl_vector* zv, void* data, gsl_matrix* Jz) {
    auto& c = *static_cast<Callbacks*>(data);
    const std::vector<double> z = toVector(zv);
    const NonlinearEvaluation& e = c.problem->evaluate(c.problem->parameters(z.data()));
    if (!e.ok) {
        c.derivativesFailed = true;
        return GSL_EDOM;
    }
    const std::size_t m = c.problem->freeCount();
    for (std::size_t i = 0; i < c.problem->pointCount(); ++i)
        for (std::size_t j = 0; j < m; ++j)
            gsl_matrix_set(Jz, i, j, e.J[i * m + j] * c.problem->transform(j).derivative(z[j]));
    return GSL_SUCCESS;
}

// ---- Judging a point.

enum class Verdict { Minimum, NotYet, Flat, Dependent, CannotEvaluate };

struct Judgement {
    Verdict verdict = Verdict::NotYet;
    JacobianAnalysis analysis;
    std::vector<int> columns; // the free parameters (indices into free()) analysed
    double rss = 0;
};

// Parameters on a bound are held there: they leave the analysis, as fixed ones.
Judgement judge(NonlinearProblem& problem, const std::vector<double>& z, double offsetLimit) {
    Judgement j;
    const std::vector<double> p = problem.parameters(z.data());
    const NonlinearEvaluation& e = problem.evaluate(p);
    if (!e.ok) {
        j.verdict = Verdict::CannotEvaluate;
        return j;
    }
    const std::vector<double>& r = e.r;
    const std::vector<double>& J = e.J;
    for (double ri : r)
        j.rss += ri * ri;
    const std::size_t m = problem.freeCount();
    std::vector<double> sizes;
    for (std::size_t k = 0; k < m; ++k) {
        const double pk = p[static_cast<std::size_t>(problem.free()[k])];
        if (problem.transform(k).atLower(pk) || problem.transform(k).atUpper(pk))
            continue;
        j.columns.push_back(static_cast<int>(k));
        // The scale is the parameter's size from the variable's unit step.
        sizes.push_back(std::max(std::fabs(pk), std::fabs(problem.transform(k).derivative(z[k]))));
    }
    if (j.columns.empty()) {
        j.verdict = Verdict::Minimum;
        return j;
    }
    const std::size_t c = j.columns.size();
    std::vector<double> Jc(problem.pointCount() * c);
    for (std::size_t i = 0; i < problem.pointCount(); ++i)
        for (std::size_t k = 0; k < c; ++k)
            Jc[i * c + k] = J[i * m + static_cast<std::size_t>(j.columns[k])];
    const double norm = problem.valueNorm(r);
    j.analysis = analyseJacobian(Jc, r, c, sizes, norm);
    if (j.analysis.flatColumn >= 0) {
        j.verdict = Verdict::Flat;
        return j;
    }
    if (!j.analysis.dependent.empty()) {
        j.verdict = Verdict::Dependent;
        return j;
    }
    const double dof = static_cast<double>(problem.pointCount() - m);
    const double s2 = j.rss / dof;
    bool stepSmall = true;
    for (std::size_t k = 0; k < c; ++k) {
        const double pk =
            p[static_cast<std::size_t>(problem.free()[static_cast<std::size_t>(j.columns[k])])];
        const double sigma = std::sqrt(s2 * j.analysis.inverse[k * c + k]);
        const double step = std::fabs(j.analysis.step[k]);
        stepSmall =
            stepSmall && (step <= STEP_RELATIVE * std::fabs(pk) || step <= STEP_OF_SIGMA * sigma);
    }
    const bool exact = j.analysis.residualNorm <= EXACT_FIT * norm;
    j.verdict = (exact || (j.analysis.offset <= offsetLimit && stepSmall)) ? Verdict::Minimum
                                                                           : Verdict::NotYet;
    return j;
}

// ---- Solver runs.

struct Search {
    NonlinearProblem& problem;
    std::vector<double> best; // z of the lowest cost seen
    double bestCost = std::numeric_limits<double>::infinity();
    int iterations = 0;
    bool derivativesFailed = false;
};

double cost(const gsl_vector* f) {
    double s = 0;
    for (std::size_t i = 0; i < f->size; ++i)
        s += gsl_vector_get(f, i) * gsl_vector_get(f, i);
    return s;
}

// One run of a trust-region method from z0, until it is at the minimum, stalls or runs
// out of iterations.
void run(Search& search, const gsl_multifit_nlinear_trs* method, const std::vector<double>& z0) {
    NonlinearProblem& problem = search.problem;
    const std::size_t n = problem.pointCount(), m = problem.freeCount();
    Callbacks callbacks{&problem, {}, false};
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualCallback;
    fdf.df = jacobianCallback;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = m;
    fdf.params = &callbacks;

    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = method;
    parameters.scale = gsl_multifit_nlinear_scale_more;
    parameters.solver = gsl_multifit_nlinear_solver_qr;
    std::unique_ptr<gsl_multifit_nlinear_workspace, void (*)(gsl_multifit_nlinear_workspace*)> w(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, m),
        gsl_multifit_nlinear_free);
    gsl_vector* start = gsl_vector_alloc(m);
    for (std::size_t j = 0; j < m; ++j)
        gsl_vector_set(start, j, z0[j]);
    const int initialised = gsl_multifit_nlinear_init(start, &fdf, w.get());
    gsl_vector_free(start);
    if (initialised != GSL_SUCCESS) {
        search.derivativesFailed = callbacks.derivativesFailed;
        return;
    }
    double previous = cost(gsl_multifit_nlinear_residual(w.get()));
    for (int i = 0; i < RUN_ITERATIONS && search.iterations < MOST_ITERATIONS; ++i) {
        const int status = gsl_multifit_nlinear_iterate(w.get());
        if (status != GSL_SUCCESS) {
            // No step found (GSL_ENOPROG), or the derivatives failed at the new point.
            search.derivativesFailed = callbacks.derivativesFailed;
            return;
        }
        ++search.iterations;
        const double now = cost(gsl_multifit_nlinear_residual(w.get()));
        const std::vector<double> z = toVector(gsl_multifit_nlinear_position(w.get()));
        if (now < search.bestCost) {
            search.bestCost = now;
            search.best = z;
        }
        // Judging costs a factorisation: only once the cost has settled.
        if (now >= previous * (1 - 1e-6) || now == 0) {
            if (judge(problem, z, STOP_OFFSET).verdict == Verdict::Minimum)
                return;
        }
        previous = now;
    }
}

// Gauss-Newton steps from a minimum the solver stopped near, while they lower the cost:
// the trust-region methods stop once their step no longer pays, a little short of where
// the linearised problem puts the minimum.
void polish(Search& search) {
    NonlinearProblem& problem = search.problem;
    // In extended precision: the step is only as good as the residuals it is formed from,
    // and for ill-conditioned problems the rounding of double precision shows in it.
    problem.setPrecise(true);
    std::vector<double> r(problem.pointCount());
    if (!problem.residuals(problem.parameters(search.best.data()), r.data()))
        return;
    search.bestCost = 0;
    for (double ri : r)
        search.bestCost += ri * ri;
    for (int i = 0; i < POLISH_STEPS; ++i) {
        const Judgement j = judge(problem, search.best, 0);
        if (!j.analysis.fullRank() || j.analysis.step.empty())
            return;
        std::vector<double> z = search.best;
        bool moved = false;
        for (std::size_t c = 0; c < j.columns.size(); ++c) {
            const auto k = static_cast<std::size_t>(j.columns[c]);
            const double before = z[k];
            z[k] += j.analysis.step[c] / problem.transform(k).derivative(z[k]);
            moved = moved || std::fabs(z[k] - before) > STEP_NEGLIGIBLE * std::fabs(before);
        }
        if (!moved) {
            search.best = z; // below the digits that matter: nothing to verify
            return;
        }
        const NonlinearEvaluation& e = problem.evaluate(problem.parameters(z.data()));
        if (!e.ok)
            return;
        double cost = 0;
        for (double ri : e.r)
            cost += ri * ri;
        // The step is the better estimate of the minimum as long as the cost does not rise
        // beyond its rounding: near it, the cost can no longer tell the points apart.
        if (!(cost <= search.bestCost * (1 + COST_ROUNDING)))
            return;
        search.best = z;
        search.bestCost = cost;
    }
}

// The solver's methods in turn, each from the best point so far and then from the start,
// until one ends at a verified minimum. A parameter that wandered onto a plateau is taken
// back to its start value before the next method. The judgement of the last point tried.
Judgement minimise(Search& search, const std::vector<double>& z0) {
    const gsl_multifit_nlinear_trs* methods[] = {
        gsl_multifit_nlinear_trs_lm, gsl_multifit_nlinear_trs_ddogleg,
        gsl_multifit_nlinear_trs_subspace2D, gsl_multifit_nlinear_trs_lmaccel};
    Judgement last;
    bool first = true;
    for (const auto* trs : methods) {
        for (const bool fromStart : {false, true}) {
            if (first && fromStart)
                continue; // the first method's first run starts at the start
            const std::vector<double> from = fromStart ? z0 : search.best;
            if (!first && fromStart && from == search.best)
                continue;
            first = false;
            run(search, trs, from);
            last = judge(search.problem, search.best, ACCEPT_OFFSET);
            if (last.verdict == Verdict::Minimum) {
                polish(search);
                return judge(search.problem, search.best, ACCEPT_OFFSET);
            }
            if (search.iterations >= MOST_ITERATIONS || last.verdict == Verdict::CannotEvaluate)
                return last;
            if (last.verdict == Verdict::Flat) {
                const auto k = static_cast<std::size_t>(
                    last.columns[static_cast<std::size_t>(last.analysis.flatColumn)]);
                search.best[k] = z0[k];
                search.bestCost = std::numeric_limits<double>::infinity();
            }
        }
    }
    return last;
}

// ---- Checks of the input.

std::string checkSettings(const UserModel& model, const std::vector<ParameterSetting>& settings) {
    const auto& names = model.parameterNames();
    if (settings.size() != names.size())
        return msg::settingsMismatch(model.parameterCount(), static_cast<int>(settings.size()));
    for (std::size_t k = 0; k < names.size(); ++k) {
        const ParameterSetting& s = settings[k];
        if (!std::isfinite(s.start))
            return msg::startNotNumber(names[k]);
        if ((s.lower && std::isnan(*s.lower)) || (s.upper && std::isnan(*s.upper)))
            return msg::boundNotNumber(names[k]);
        if (s.lower && s.upper && !(*s.lower < *s.upper))
            return msg::lowerNotBelowUpper(names[k]);
        if ((s.lower && s.start < *s.lower) || (s.upper && s.start > *s.upper))
            return msg::startOutsideBounds(names[k]);
    }
    if (std::all_of(settings.begin(), settings.end(),
                    [](const ParameterSetting& s) { return s.fixed; }))
        return msg::everythingFixed();
    return {};
}

std::string checkData(ErrorMethod method, const NonlinearData& data) {
    const std::size_t n = data.x.size();
    const bool needsDy = method != ErrorMethod::ESTDY, needsDx = method == ErrorMethod::DXIDYI;
    if (data.y.size() != n || (needsDy && data.dy.size() != n) || (needsDx && data.dx.size() != n))
        return msg::dataMismatch();
    // Finite in double precision, which the model is evaluated in.
    const auto finite = [](long double v) { return std::isfinite(static_cast<double>(v)); };
    for (std::size_t i = 0; i < n; ++i) {
        const int point = static_cast<int>(i) + 1;
        if (!finite(data.x[i]) || !finite(data.y[i]) || (needsDy && !finite(data.dy[i])) ||
            (needsDx && !finite(data.dx[i])))
            return msg::notFinite(point);
        if (needsDy && !(static_cast<double>(data.dy[i]) > 0))
            return msg::errorBarNotPositive("dY", point, static_cast<double>(data.dy[i]));
        if (needsDx && !(static_cast<double>(data.dx[i]) > 0))
            return msg::errorBarNotPositive("dX", point, static_cast<double>(data.dx[i]));
    }
    return {};
}

// An infinite bound is no bound.
std::optional<double> finiteBound(const std::optional<double>& b) {
    return b && std::isfinite(*b) ? b : std::nullopt;
}

NonlinearResult failed(std::string message, int iterations = 0) {
    NonlinearResult r;
    r.failure = std::move(message);
    r.iterations = iterations;
    return r;
}

} // namespace

NonlinearResult fitNonlinear(const UserModel& model, ErrorMethod method, const NonlinearData& data,
                             const std::vector<ParameterSetting>& settings) {
    // GSL's default handler aborts the program.
    gsl_set_error_handler_off();
    if (std::string refusal = checkSettings(model, settings); !refusal.empty())
        return failed(refusal);
    if (std::string refusal = checkData(method, data); !refusal.empty())
        return failed(refusal);

    const auto& names = model.parameterNames();
    std::vector<double> values;
    std::vector<int> free;
    std::vector<BoundTransform> transforms;
    for (std::size_t k = 0; k < settings.size(); ++k) {
        const ParameterSetting& s = settings[k];
        values.push_back(s.start);
        if (s.fixed)
            continue;
        free.push_back(static_cast<int>(k));
        const double scale = s.start != 0 ? std::fabs(s.start) : 1.0;
        transforms.emplace_back(finiteBound(s.lower), finiteBound(s.upper), scale);
    }
    const std::size_t n = data.x.size(), m = free.size();
    if (n < m + 1)
        return failed(msg::tooFewPoints(static_cast<int>(m), static_cast<int>(n)));

    std::vector<NonlinearPoint> points(n);
    for (std::size_t i = 0; i < n; ++i)
        points[i] = {static_cast<double>(data.x[i]), data.y[i],
                     method == ErrorMethod::DXIDYI ? static_cast<double>(data.dx[i]) : 0,
                     method == ErrorMethod::ESTDY ? 1 : static_cast<double>(data.dy[i]), data.x[i]};
    // At the start values, every point must be evaluable, derivatives too.
    std::vector<double> gradient(values.size());
    for (const NonlinearPoint& q : points) {
        if (!std::isfinite(model.value(q.x, values.data())) ||
            (method == ErrorMethod::DXIDYI && !std::isfinite(model.slope(q.x, values.data()))))
            return failed(msg::cannotEvaluateAtStart(q.x));
        if (!model.parameterGradient(q.x, values.data(), gradient.data()))
            return failed(msg::derivativeAtStart(q.x));
    }

    NonlinearProblem problem(model, method, points, values, free, transforms);
    std::vector<double> z0(m);
    for (std::size_t j = 0; j < m; ++j)
        z0[j] = transforms[j].variable(values[static_cast<std::size_t>(free[j])]);

    Search search{problem, z0, std::numeric_limits<double>::infinity(), 0, false};
    const Judgement last = minimise(search, z0);
    if (last.verdict != Verdict::Minimum) {
        const auto nameOf = [&](int column) {
            const auto j = static_cast<std::size_t>(last.columns[static_cast<std::size_t>(column)]);
            return names[static_cast<std::size_t>(free[j])];
        };
        if (search.derivativesFailed || last.verdict == Verdict::CannotEvaluate)
            return failed(msg::cannotEvaluateDuringFit(problem.failedX()), search.iterations);
        if (last.verdict == Verdict::Flat)
            return failed(msg::plateau(nameOf(last.analysis.flatColumn)), search.iterations);
        if (last.verdict == Verdict::Dependent) {
            std::vector<std::string> involved;
            for (int c : last.analysis.dependent)
                involved.push_back(nameOf(c));
            return failed(msg::cannotBeDetermined(involved), search.iterations);
        }
        return failed(msg::notConverged(search.iterations), search.iterations);
    }

    const Judgement final = judge(problem, search.best, ACCEPT_OFFSET);
    NonlinearResult result;
    result.iterations = search.iterations;
    result.values = problem.parameters(search.best.data());
    result.sigmas.assign(values.size(), 0.0);
    result.covariance.assign(values.size(), std::vector<double>(values.size(), 0.0));
    // In extended precision (polish() left the problem so): where the residuals are little
    // more than the rounding of the model's values, only that gives their sum, and with it
    // the uncertainties, correct digits.
    result.residualSumOfSquares = final.rss;
    result.degreesOfFreedom = static_cast<int>(n - m);
    const double perDegree = result.residualSumOfSquares / result.degreesOfFreedom;
    const double factor = method == ErrorMethod::ESTDY ? perDegree : 1.0;
    const std::size_t c = final.columns.size();
    for (std::size_t a = 0; a < c; ++a)
        for (std::size_t b = 0; b < c; ++b) {
            const auto ka =
                static_cast<std::size_t>(free[static_cast<std::size_t>(final.columns[a])]);
            const auto kb =
                static_cast<std::size_t>(free[static_cast<std::size_t>(final.columns[b])]);
            result.covariance[ka][kb] = factor * final.analysis.inverse[a * c + b];
        }
    for (std::size_t k = 0; k < values.size(); ++k)
        result.sigmas[k] = std::sqrt(result.covariance[k][k]);
    if (method == ErrorMethod::ESTDY)
        result.residualStandardDeviation = std::sqrt(perDegree);
    else
        result.reducedChiSquare = perDegree;
    for (std::size_t j = 0; j < m; ++j) {
        const double p = result.values[static_cast<std::size_t>(free[j])];
        const std::string& name = names[static_cast<std::size_t>(free[j])];
        if (transforms[j].atLower(p))
            result.warnings.push_back(msg::endedAtLowerBound(name));
        else if (transforms[j].atUpper(p))
            result.warnings.push_back(msg::endedAtUpperBound(name));
    }
    return result;
}
