// libFuzzer target: arbitrary text as the equation of a user-defined fit, through the
// reader (names, the parser, the symbolic derivatives and their check) and one evaluation
// of the value, the derivatives and the extended-precision value at a few points. Besides
// crashes, undefined behaviour and runaway time it stops on answers a fit could not take:
// a refusal without text, a parameter list with x, pi, a repeat or an empty name, a value
// that is infinite, or derivatives reported as evaluated that are not finite numbers.

#include "fit/UserModel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool finiteOrNaN(double v) {
    return std::isfinite(v) || std::isnan(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    auto parsed = UserModel::parse(text);
    if (const auto* failure = std::get_if<UserModel::ParseFailure>(&parsed)) {
        check(!failure->message.empty());
        return 0;
    }
    const UserModel& model = std::get<UserModel>(parsed);
    const std::vector<std::string>& names = model.parameterNames();
    check(model.parameterCount() == static_cast<int>(names.size()) && !names.empty());
    for (std::size_t k = 0; k < names.size(); ++k) {
        check(!names[k].empty() && names[k] != "x" && names[k] != "pi");
        check(std::find(names.begin() + static_cast<long>(k) + 1, names.end(), names[k]) ==
              names.end());
    }

    std::vector<double> p(names.size()), gradient(names.size());
    for (std::size_t k = 0; k < p.size(); ++k)
        p[k] = 0.5 + 0.37 * static_cast<double>(k);
    for (const double x : {0.0, 1.5, -2.25}) {
        check(finiteOrNaN(model.value(x, p.data())));
        check(finiteOrNaN(model.slope(x, p.data())));
        const long double precise = model.preciseValue(x, p.data());
        check(std::isfinite(precise) || std::isnan(precise));
        if (model.parameterGradient(x, p.data(), gradient.data()))
            check(std::all_of(gradient.begin(), gradient.end(),
                              [](double g) { return std::isfinite(g); }));
        if (model.slopeGradient(x, p.data(), gradient.data()))
            check(std::all_of(gradient.begin(), gradient.end(),
                              [](double g) { return std::isfinite(g); }));
    }
    return 0;
}
