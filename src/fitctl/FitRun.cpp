#include "fitctl/FitRun.h"

#include "fit/Dxidyi.h"
#include "fit/Dyi.h"
#include "fit/Dyinoa.h"
#include "fit/Dyipolyfit.h"
#include "fit/Stdfit.h"
#include "fit/Stdfitnoa.h"
#include "fit/Stdpolyfit.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace {

using FitObject =
    std::variant<StdFit, StdFitNoA, DyiFit, DyiFitNoA, DxiDyiFit, StdPolyFit, DyiPolyFit>;

template <typename Fit, typename... Args> FitObject make(Args&&... args) {
    return FitObject(std::in_place_type<Fit>, std::forward<Args>(args)...);
}

FitObject makePolynomialFit(FitType type, ErrorMethod method, const FitPoints& p) {
    const int order = static_cast<int>(type); // the polynomial values are their order
    if (method == ErrorMethod::ESTDY)
        return make<StdPolyFit>(p.n, order, p.x.data(), p.y.data());
    return make<DyiPolyFit>(p.n, order, p.x.data(), p.y.data(), p.dy.data());
}

// The straight-line fits; exponential and power law are straight lines of
// the logarithms, which the points already are.
FitObject makeLineFit(FitType type, ErrorMethod method, const FitPoints& p) {
    const bool throughOrigin = type == FitType::LINEAR_NO_A;
    switch (method) {
    case ErrorMethod::ESTDY:
        return throughOrigin ? make<StdFitNoA>(p.n, p.x.data(), p.y.data())
                             : make<StdFit>(p.n, p.x.data(), p.y.data());
    case ErrorMethod::DYI:
        return throughOrigin ? make<DyiFitNoA>(p.n, p.x.data(), p.y.data(), p.dy.data())
                             : make<DyiFit>(p.n, p.x.data(), p.y.data(), p.dy.data());
    case ErrorMethod::DXIDYI:
        break;
    }
    return make<DxiDyiFit>(p.n, p.x.data(), p.y.data(), p.dx.data(), p.dy.data());
}

FitObject makeFitObject(FitType type, ErrorMethod method, const FitPoints& points) {
    if (method == ErrorMethod::DXIDYI && !fitsWithXYErrors(type))
        throw std::invalid_argument("no fit with X and Y error bars for this fitting function");
    if (points.n > MAX_FIT_POINTS)
        throw std::invalid_argument("more points than the built-in fits hold");
    if (isPolynomial(type))
        return makePolynomialFit(type, method, points);
    return makeLineFit(type, method, points);
}

long double pow10D(long double v) {
    return std::pow(10.0, static_cast<double>(v));
}

void readResults(const LineFit& fit, FitOutcome& outcome) {
    switch (outcome.fitType) {
    case FitType::LINEAR:
        outcome.parameters.push_back({"a", fit.GetA(), fit.GetSigmaA()});
        break;
    case FitType::EXPONENTIAL:
    case FitType::POWERLAW:
        outcome.parameters.push_back(
            factorFromIntercept(outcome.fitType, fit.GetA(), fit.GetSigmaA()));
        break;
    default: // through the origin: no a
        break;
    }
    outcome.parameters.push_back({"b", fit.GetB(), fit.GetSigmaB()});
    const long double varianceB = fit.GetSigmaB() * fit.GetSigmaB();
    if (outcome.fitType == FitType::LINEAR_NO_A) {
        outcome.covariance = {{varianceB}};
    } else {
        const long double varianceA = fit.GetSigmaA() * fit.GetSigmaA();
        outcome.covariance = {{varianceA, fit.GetCovarianceAB()},
                              {fit.GetCovarianceAB(), varianceB}};
    }
    outcome.r = fit.GetR();
    outcome.reducedChiSquare = fit.GetReducedChiSquare();
    outcome.xMin = fit.GetXMin();
    outcome.xMax = fit.GetXMax();
    if (outcome.fitType == FitType::POWERLAW) { // fitted on log10 x
        outcome.xMin = pow10D(outcome.xMin);
        outcome.xMax = pow10D(outcome.xMax);
    }
}

void readResults(const PolyFit& fit, FitOutcome& outcome) {
    const int count = fit.GetOrder() + 1;
    outcome.covariance.assign(count, std::vector<long double>(count));
    for (int k = 1; k <= count; ++k) {
        outcome.parameters.push_back({std::string(1, static_cast<char>('a' + k - 1)),
                                      fit.GetCoefficient(k), fit.GetCoefficientSigma(k)});
        for (int l = 1; l <= count; ++l)
            outcome.covariance[k - 1][l - 1] = fit.GetCovariance(k, l);
    }
    outcome.reducedChiSquare = fit.GetReducedChiSquare();
    outcome.xMin = fit.GetXMin();
    outcome.xMax = fit.GetXMax();
}

// Squares of values near the ends of the number range leave results that are
// infinite, not a number, or beyond a double (which the curve and a report
// need): shown as a fit they would pass for one.
bool allResultsFinite(const FitOutcome& outcome) {
    const auto finite = [](long double v) { return std::isfinite(static_cast<double>(v)); };
    for (const FitParameter& p : outcome.parameters)
        if (!finite(p.value) || !finite(p.sigma))
            return false;
    return finite(outcome.r) && finite(outcome.reducedChiSquare) && finite(outcome.xMin) &&
           finite(outcome.xMax);
}

} // namespace

FitParameter factorFromIntercept(FitType type, long double intercept, long double sigma) {
    if (type == FitType::POWERLAW) {
        const long double a = pow10D(intercept);
        return {"a", a, a * sigma / LOG10_E}; // d(10^A) = 10^A ln 10 dA
    }
    const long double a = std::exp(static_cast<double>(intercept));
    return {"a", a, a * sigma};
}

FitOutcome performFit(FitType type, ErrorMethod method, const FitPoints& points) {
    FitObject fit = makeFitObject(type, method, points);
    FitOutcome outcome;
    outcome.fitType = type;
    outcome.errorMethod = method;
    std::visit(
        [&outcome](auto& f) {
            outcome.status = static_cast<FitStatus>(f.Fit());
            if (outcome.succeeded())
                readResults(f, outcome);
        },
        fit);
    if (const auto* xy = std::get_if<DxiDyiFit>(&fit)) {
        outcome.iterations = xy->GetIterations();
        outcome.lastSlope = xy->GetLastSlope();
    }
    if (outcome.succeeded() && !allResultsFinite(outcome)) {
        outcome.status = FIT_NOT_FINITE;
        outcome.parameters.clear();
        outcome.covariance.clear();
    }
    return outcome;
}
