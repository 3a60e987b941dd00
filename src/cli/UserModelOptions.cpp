#include "cli/UserModelOptions.h"

#include "common/ExactNumberText.h"
#include "fitctl/UserModelRun.h"

#include <algorithm>
#include <string_view>

namespace {

std::optional<ParameterValue> parameterValue(const std::string& piece) {
    const std::size_t equals = piece.find('=');
    if (equals == 0 || equals == std::string::npos)
        return std::nullopt;
    const std::optional<double> value = exactNumberIn(std::string_view(piece).substr(equals + 1));
    if (!value)
        return std::nullopt;
    return ParameterValue{piece.substr(0, equals), *value};
}

std::string parameterList(const std::vector<UserParameterSettings>& parameters) {
    std::string list;
    for (const UserParameterSettings& p : parameters)
        list += (list.empty() ? "" : ", ") + p.name;
    return list;
}

// Sets what `option` names on the parameters; the problem when a name is none of them.
std::optional<std::string> setValues(const char* option, const std::vector<ParameterValue>& values,
                                     bool fix, UserModelSettings& model) {
    for (const ParameterValue& v : values) {
        auto named =
            std::find_if(model.parameters.begin(), model.parameters.end(),
                         [&v](const UserParameterSettings& p) { return p.name == v.name; });
        if (named == model.parameters.end())
            return std::string(option) + ": " + v.name + " is not a parameter of the model; its " +
                   "parameters are " + parameterList(model.parameters) + ".";
        named->start = v.value;
        named->fixed = named->fixed || fix;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<ParameterValue>> parseParameterValues(const std::string& text) {
    std::vector<ParameterValue> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::optional<ParameterValue> v = parameterValue(text.substr(start, comma - start));
        if (!v)
            return std::nullopt;
        values.push_back(*v);
        if (comma == std::string::npos)
            return values;
        start = comma + 1;
    }
}

std::optional<std::string> applyUserModelOptions(const BatchRequest& request, Document& document) {
    if (request.userEquation) {
        document.fitType = FitType::USERMODEL;
        document.userModel.equation = *request.userEquation;
    }
    if (document.fitType != FitType::USERMODEL) {
        if (!request.starts.empty() || !request.fixes.empty())
            return "--start and --fix set the parameters of a law given with --model EQUATION.";
        return std::nullopt;
    }
    auto parsed = parseUserModel(document.userModel.equation);
    if (const std::string* why = std::get_if<std::string>(&parsed))
        return request.userEquation ? "--model: " + *why : *why;
    UserModelSettings& model = document.userModel;
    model.parameters =
        refreshedParameters(*std::get<std::shared_ptr<const UserModel>>(parsed), model);
    if (std::optional<std::string> problem = setValues("--start", request.starts, false, model))
        return problem;
    return setValues("--fix", request.fixes, true, model);
}
