#pragma once

#include "document/UserModelSettings.h"
#include "fit/NonlinearFit.h"
#include "fitctl/FitOutcome.h"
#include "fitctl/FitRequest.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The user's law parsed, shared by the outcomes that draw it; or the parser's message.
std::variant<std::shared_ptr<const UserModel>, std::string>
parseUserModel(const std::string& equation);

// The engine's setting for every parameter of the model in the model's order, taken from
// the user's by name; a parameter the user has not set starts at 1, free, unbounded.
std::vector<ParameterSetting> parameterSettingsFor(const UserModel& model,
                                                   const UserModelSettings& settings);

// The user's settings refreshed for the parameters the model names, in its order: a
// parameter keeps what the user set for its name, a new one starts at 1, free.
std::vector<UserParameterSettings> refreshedParameters(const UserModel& model,
                                                       const UserModelSettings& previous);

// Fits the document's user model to the collected points with the error method. A law
// that does not parse, and every refusal of the fit, come back as a failed outcome
// (status FIT_DIVERGED with `failure` saying why) and nothing else.
FitOutcome performUserModelFit(const UserModelSettings& settings, ErrorMethod method,
                               const FitPoints& points);

// The law at its start values, with no uncertainties, over the X range of the points:
// what Preview draws as the curve of a fit, so the user sees a bad start before fitting.
FitOutcome startValueOutcome(std::shared_ptr<const UserModel> model,
                             const UserModelSettings& settings, const FitPoints& points);

// The first point's X at which the start values give the law no value; nullopt when it has
// one at every point.
std::optional<long double> firstUnevaluatedX(const FitOutcome& start, const FitPoints& points);
