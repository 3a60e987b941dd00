#pragma once

#include <optional>
#include <string>
#include <vector>

// How the user set up one parameter of their law: where the fit starts, whether it is
// held there, and the range it may take.
struct UserParameterSettings {
    std::string name;
    double start = 1;
    bool fixed = false;
    std::optional<double> lower;
    std::optional<double> upper;

    bool operator==(const UserParameterSettings& o) const {
        return name == o.name && start == o.start && fixed == o.fixed && lower == o.lower &&
               upper == o.upper;
    }
    bool operator!=(const UserParameterSettings& o) const { return !(*this == o); }
};

// The law the user typed and their settings of its parameters, in the order the
// equation names them. Empty until a law is typed; the document keeps it even while
// another fitting function is chosen, so that choosing it again finds it as it was.
struct UserModelSettings {
    std::string equation;
    std::vector<UserParameterSettings> parameters;

    bool empty() const { return equation.empty(); }
    // The settings of the parameter called `name`; nullptr when it has none.
    const UserParameterSettings* parameter(const std::string& name) const {
        for (const UserParameterSettings& p : parameters)
            if (p.name == name)
                return &p;
        return nullptr;
    }

    bool operator==(const UserModelSettings& o) const {
        return equation == o.equation && parameters == o.parameters;
    }
    bool operator!=(const UserModelSettings& o) const { return !(*this == o); }
};
