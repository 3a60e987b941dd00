#include "fit/UserModel.h"

#include "common/Equation.h"
#include "fit/NonlinearMessages.h"
#include "fit/SymbolicDerivatives.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// No law a person types has more; the limit keeps the work per point bounded.
constexpr int MOST_PARAMETERS = 30;

// The parser's functions: names that are never parameters.
bool isFunctionName(const std::string& word) {
    static const char* const FUNCTIONS[] = {
        "abs",   "acos", "acosh", "arg",  "asin", "asinh", "atan", "atan2", "atanh", "cbrt",
        "ceil",  "conj", "cos",   "cosh", "cot",  "csc",   "eval", "exp",   "exp2",  "floor",
        "hypot", "if",   "imag",  "int",  "log",  "log10", "log2", "max",   "min",   "polar",
        "pow",   "real", "sec",   "sin",  "sinh", "sqrt",  "tan",  "tanh",  "trunc"};
    return std::any_of(std::begin(FUNCTIONS), std::end(FUNCTIONS),
                       [&](const char* f) { return word == f; });
}

// Where the equation proper begins: after an optional "y =" (but not "y ==", a comparison).
std::size_t bodyStart(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    if (i >= text.size() || text[i] != 'y')
        return 0;
    std::size_t j = i + 1;
    while (j < text.size() && std::isspace(static_cast<unsigned char>(text[j])))
        ++j;
    if (j < text.size() && text[j] == '=' && (j + 1 >= text.size() || text[j + 1] != '='))
        return j + 1;
    return 0;
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
}

struct Names {
    std::vector<std::string> parameters;
    bool usesX = false;
};

// The parameters of the equation in order of first appearance: its names other than x,
// pi and the functions.
Names scanNames(const std::string& text) {
    Names names;
    for (std::string& word : Equation::words(text)) {
        if (word == "x")
            names.usesX = true;
        else if (word != "pi" && !isFunctionName(word))
            names.parameters.push_back(std::move(word));
    }
    return names;
}

std::string variableList(const std::vector<std::string>& parameters) {
    std::string list = "x";
    for (const std::string& name : parameters)
        list += "," + name;
    return list + ",pi";
}

// The step of a central difference at v: the cube root of the rounding error balances
// truncation against cancellation; the step is made exact in binary.
double centralStep(double v) {
    static const double ROOT = std::cbrt(std::numeric_limits<double>::epsilon());
    const double h = ROOT * (v == 0 ? 1.0 : std::fabs(v));
    const volatile double moved = v + h;
    return moved - v;
}

} // namespace

struct UserModel::Parts {
    std::string text;
    std::vector<std::string> names;
    mutable Equation value;
    // With symbolic derivatives: df/dp_k, df/dx and d2f/dx dp_k.
    mutable std::vector<Equation> parameterDerivatives;
    mutable std::optional<Equation> slope;
    mutable std::vector<Equation> slopeDerivatives;
    std::optional<PreciseExpression> precise;
    // x, the parameters, pi: the parser's variables.
    mutable std::vector<double> variables;

    explicit Parts(Equation e) : value(std::move(e)) {}

    void load(double x, const double* p) const {
        variables[0] = x;
        std::copy(p, p + names.size(), variables.begin() + 1);
    }
    double evaluate(Equation& e) const {
        const auto v = e.evaluate(variables.data());
        return v ? *v : std::numeric_limits<double>::quiet_NaN();
    }
};

namespace {

// The rewritten value must agree with the parser's own wherever both can be evaluated, at
// a spread of points, and at one of them at least; else the symbolic forms are not used.
bool sameValues(Equation& original, Equation& rewritten, std::size_t parameterCount) {
    const double trial[] = {0.7, 1.3, 2.9, 0.23, 5.1, 1.1, 0.41, 3.7, 1.9, 0.83};
    constexpr std::size_t TRIALS = sizeof trial / sizeof trial[0];
    std::vector<double> variables(parameterCount + 2);
    int agreed = 0;
    for (std::size_t t = 0; t < 12; ++t) {
        const double sign = t % 3 == 2 ? -1 : 1;
        for (std::size_t k = 0; k + 1 < variables.size(); ++k)
            variables[k] = sign * trial[(t + 3 * k) % TRIALS];
        variables.back() = M_PI;
        const auto a = original.evaluate(variables.data());
        const auto b = rewritten.evaluate(variables.data());
        if (a.has_value() != b.has_value())
            continue; // a domain the algebra simplified away, as sqrt(u)^2 = u
        if (!a)
            continue;
        if (std::fabs(*a - *b) > 1e-9 * std::max(std::fabs(*a), std::fabs(*b)) + 1e-300)
            return false;
        ++agreed;
    }
    return agreed > 0;
}

std::optional<Equation> parsed(const std::string& text, const std::string& variables) {
    auto e = Equation::parse(text, variables);
    if (auto* equation = std::get_if<Equation>(&e))
        return std::move(*equation);
    return std::nullopt;
}

} // namespace

UserModel::UserModel(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
UserModel::UserModel(UserModel&&) noexcept = default;
UserModel& UserModel::operator=(UserModel&&) noexcept = default;
UserModel::~UserModel() = default;

std::variant<UserModel, UserModel::ParseFailure> UserModel::parse(const std::string& text) {
    const std::size_t start = bodyStart(text);
    const std::string body = text.substr(start);
    if (isBlank(body))
        return ParseFailure{nonlinear_messages::blankEquation()};
    // The parser reads a text up to its first zero byte; the rest would go unread.
    if (const std::size_t zero = text.find('\0'); zero != std::string::npos)
        return ParseFailure{nonlinear_messages::syntaxError("Syntax error", text, zero)};
    const Names names = scanNames(body);
    if (static_cast<int>(names.parameters.size()) > MOST_PARAMETERS)
        return ParseFailure{nonlinear_messages::tooManyParameters(MOST_PARAMETERS)};
    const std::string variables = variableList(names.parameters);
    auto equation = Equation::parse(body, variables);
    if (auto* failure = std::get_if<Equation::ParseFailure>(&equation))
        return ParseFailure{nonlinear_messages::syntaxError(
            failure->message, text, start + static_cast<std::size_t>(failure->position))};
    if (!names.usesX)
        return ParseFailure{nonlinear_messages::noX()};
    if (names.parameters.empty())
        return ParseFailure{nonlinear_messages::noParameters()};

    auto parts = std::make_unique<Parts>(std::move(std::get<Equation>(equation)));
    parts->text = text;
    parts->names = names.parameters;
    parts->variables.assign(names.parameters.size() + 2, 0.0);
    parts->variables.back() = M_PI;

    if (const auto d = differentiate(body, names.parameters)) {
        auto rewritten = parsed(d->value, variables);
        auto slope = parsed(d->slope, variables);
        std::vector<Equation> gradient, slopeGradient;
        bool complete =
            rewritten && slope && sameValues(parts->value, *rewritten, names.parameters.size());
        for (std::size_t k = 0; complete && k < names.parameters.size(); ++k) {
            auto dp = parsed(d->parameter[k], variables);
            auto dxp = parsed(d->slopeParameter[k], variables);
            complete = dp && dxp;
            if (complete) {
                gradient.push_back(std::move(*dp));
                slopeGradient.push_back(std::move(*dxp));
            }
        }
        if (complete) {
            parts->parameterDerivatives = std::move(gradient);
            parts->slope = std::move(slope);
            parts->slopeDerivatives = std::move(slopeGradient);
            parts->precise = d->precise;
        }
    }
    return UserModel(std::move(parts));
}

const std::string& UserModel::text() const {
    return parts_->text;
}

const std::vector<std::string>& UserModel::parameterNames() const {
    return parts_->names;
}

int UserModel::parameterCount() const {
    return static_cast<int>(parts_->names.size());
}

bool UserModel::hasAnalyticDerivatives() const {
    return parts_->slope.has_value();
}

double UserModel::value(double x, const double* p) const {
    parts_->load(x, p);
    return parts_->evaluate(parts_->value);
}

long double UserModel::preciseValue(long double x, const double* p) const {
    if (!parts_->precise)
        return value(static_cast<double>(x), p);
    std::vector<long double> variables(parts_->names.size() + 2);
    variables[0] = x;
    std::copy(p, p + parts_->names.size(), variables.begin() + 1);
    variables.back() = 3.141592653589793238462643383279502884L;
    const long double v = parts_->precise->evaluate(variables.data());
    return std::isfinite(v) ? v : std::numeric_limits<long double>::quiet_NaN();
}

bool UserModel::parameterGradient(double x, const double* p, double* gradient) const {
    const std::size_t n = parts_->names.size();
    parts_->load(x, p);
    bool all = true;
    for (std::size_t k = 0; k < n; ++k) {
        gradient[k] = hasAnalyticDerivatives() ? parts_->evaluate(parts_->parameterDerivatives[k])
                                               : std::numeric_limits<double>::quiet_NaN();
        all = all && std::isfinite(gradient[k]);
    }
    if (all)
        return true;
    // Where a symbolic form fails but the function does not (abs at its kink, a removable
    // 0/0), and without symbolic forms, central differences.
    std::vector<double> moved(p, p + n);
    for (std::size_t k = 0; k < n; ++k) {
        if (std::isfinite(gradient[k]))
            continue;
        const double h = centralStep(p[k]);
        moved[k] = p[k] + h;
        const double up = value(x, moved.data());
        moved[k] = p[k] - h;
        const double down = value(x, moved.data());
        moved[k] = p[k];
        gradient[k] = (up - down) / (2 * h);
        if (!std::isfinite(gradient[k]))
            return false;
    }
    return true;
}

double UserModel::slope(double x, const double* p) const {
    if (hasAnalyticDerivatives()) {
        parts_->load(x, p);
        const double s = parts_->evaluate(*parts_->slope);
        if (std::isfinite(s))
            return s;
    }
    const double h = centralStep(x);
    const double s = (value(x + h, p) - value(x - h, p)) / (2 * h);
    return std::isfinite(s) ? s : std::numeric_limits<double>::quiet_NaN();
}

bool UserModel::slopeGradient(double x, const double* p, double* gradient) const {
    const std::size_t n = parts_->names.size();
    if (hasAnalyticDerivatives()) {
        parts_->load(x, p);
        bool all = true;
        for (std::size_t k = 0; k < n && all; ++k) {
            gradient[k] = parts_->evaluate(parts_->slopeDerivatives[k]);
            all = std::isfinite(gradient[k]);
        }
        if (all)
            return true;
    }
    std::vector<double> moved(p, p + n);
    for (std::size_t k = 0; k < n; ++k) {
        const double h = centralStep(p[k]);
        moved[k] = p[k] + h;
        const double up = slope(x, moved.data());
        moved[k] = p[k] - h;
        const double down = slope(x, moved.data());
        moved[k] = p[k];
        gradient[k] = (up - down) / (2 * h);
        if (!std::isfinite(gradient[k]))
            return false;
    }
    return true;
}
