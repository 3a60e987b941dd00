#include "fitctl/UserModelRun.h"

#include "fitctl/FitCurve.h"

#include <algorithm>
#include <cmath>

namespace {

NonlinearData nonlinearData(ErrorMethod method, const FitPoints& p) {
    NonlinearData data;
    for (int i = 1; i <= p.n; ++i) {
        data.x.push_back(p.x[i]);
        data.y.push_back(p.y[i]);
        if (method == ErrorMethod::DXIDYI)
            data.dx.push_back(p.dx[i]);
        if (method != ErrorMethod::ESTDY)
            data.dy.push_back(p.dy[i]);
    }
    return data;
}

FitOutcome failed(ErrorMethod method, std::string why) {
    FitOutcome outcome;
    outcome.fitType = FitType::USERMODEL;
    outcome.errorMethod = method;
    outcome.status = FIT_DIVERGED;
    outcome.failure = std::move(why);
    return outcome;
}

void setXRange(FitOutcome& outcome, const FitPoints& p) {
    outcome.xMin = *std::min_element(p.x.begin() + 1, p.x.end());
    outcome.xMax = *std::max_element(p.x.begin() + 1, p.x.end());
}

} // namespace

std::variant<std::shared_ptr<const UserModel>, std::string>
parseUserModel(const std::string& equation) {
    auto parsed = UserModel::parse(equation);
    if (auto* failure = std::get_if<UserModel::ParseFailure>(&parsed))
        return failure->message;
    return std::make_shared<const UserModel>(std::move(std::get<UserModel>(parsed)));
}

std::vector<ParameterSetting> parameterSettingsFor(const UserModel& model,
                                                   const UserModelSettings& settings) {
    std::vector<ParameterSetting> engine;
    for (const std::string& name : model.parameterNames()) {
        ParameterSetting s;
        if (const UserParameterSettings* user = settings.parameter(name))
            s = {user->start, user->fixed, user->lower, user->upper};
        engine.push_back(s);
    }
    return engine;
}

std::vector<UserParameterSettings> refreshedParameters(const UserModel& model,
                                                       const UserModelSettings& previous) {
    std::vector<UserParameterSettings> parameters;
    for (const std::string& name : model.parameterNames()) {
        const UserParameterSettings* kept = previous.parameter(name);
        UserParameterSettings p = kept ? *kept : UserParameterSettings{};
        p.name = name;
        parameters.push_back(p);
    }
    return parameters;
}

FitOutcome performUserModelFit(const UserModelSettings& settings, ErrorMethod method,
                               const FitPoints& points) {
    auto parsed = parseUserModel(settings.equation);
    if (auto* why = std::get_if<std::string>(&parsed))
        return failed(method, *why);
    std::shared_ptr<const UserModel> model = std::get<std::shared_ptr<const UserModel>>(parsed);
    const std::vector<ParameterSetting> engineSettings = parameterSettingsFor(*model, settings);
    const NonlinearResult fit =
        fitNonlinear(*model, method, nonlinearData(method, points), engineSettings);
    if (!fit.converged()) {
        FitOutcome outcome = failed(method, fit.failure);
        outcome.iterations = fit.iterations;
        return outcome;
    }
    FitOutcome outcome;
    outcome.fitType = FitType::USERMODEL;
    outcome.errorMethod = method;
    for (int k = 0; k < model->parameterCount(); ++k)
        outcome.parameters.push_back(
            {model->parameterNames()[k], fit.values[k], fit.sigmas[k], engineSettings[k].fixed});
    for (const std::vector<double>& row : fit.covariance)
        outcome.covariance.emplace_back(row.begin(), row.end());
    outcome.residualSumOfSquares = fit.residualSumOfSquares;
    outcome.degreesOfFreedom = fit.degreesOfFreedom;
    outcome.residualStandardDeviation = fit.residualStandardDeviation;
    outcome.reducedChiSquare = method == ErrorMethod::ESTDY ? 0 : fit.reducedChiSquare;
    outcome.iterations = fit.iterations;
    outcome.warnings = fit.warnings;
    setXRange(outcome, points);
    outcome.userModel = std::move(model);
    return outcome;
}

FitOutcome startValueOutcome(std::shared_ptr<const UserModel> model,
                             const UserModelSettings& settings, const FitPoints& points) {
    FitOutcome outcome;
    outcome.fitType = FitType::USERMODEL;
    const std::vector<ParameterSetting> start = parameterSettingsFor(*model, settings);
    for (int k = 0; k < model->parameterCount(); ++k)
        outcome.parameters.push_back(
            {model->parameterNames()[k], start[k].start, 0, start[k].fixed});
    setXRange(outcome, points);
    outcome.userModel = std::move(model);
    return outcome;
}

std::optional<long double> firstUnevaluatedX(const FitOutcome& start, const FitPoints& points) {
    for (int i = 1; i <= points.n; ++i)
        if (std::isnan(static_cast<double>(evaluateFit(start, points.x[i]))))
            return points.x[i];
    return std::nullopt;
}
