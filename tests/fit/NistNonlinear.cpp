#include "NistNonlinear.h"

#include "NistFile.h"

#include <fstream>
#include <regex>
#include <stdexcept>

const std::vector<NistNonlinearCase>& nistNonlinearCases() {
    static const std::vector<NistNonlinearCase> cases = {
        {"Misra1a", "y = b1*(1-exp(-b2*x))"},
        {"Chwirut2", "y = exp(-b1*x)/(b2+b3*x)"},
        {"Chwirut1", "y = exp(-b1*x)/(b2+b3*x)"},
        {"Lanczos3", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
        {"Gauss1", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
        {"Gauss2", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
        {"DanWood", "y = b1*x^b2"},
        {"Misra1b", "y = b1*(1-(1+b2*x/2)^(-2))"},
        {"Kirby2", "y = (b1 + b2*x + b3*x^2)/(1 + b4*x + b5*x^2)"},
        {"Hahn1", "y = (b1+b2*x+b3*x^2+b4*x^3)/(1+b5*x+b6*x^2+b7*x^3)"},
        {"MGH17", "y = b1 + b2*exp(-x*b4) + b3*exp(-x*b5)"},
        {"Lanczos1", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
        {"Lanczos2", "y = b1*exp(-b2*x) + b3*exp(-b4*x) + b5*exp(-b6*x)"},
        {"Gauss3", "y = b1*exp(-b2*x) + b3*exp(-(x-b4)^2/b5^2) + b6*exp(-(x-b7)^2/b8^2)"},
        {"Misra1c", "y = b1*(1-(1+2*b2*x)^(-.5))"},
        {"Misra1d", "y = b1*b2*x*((1+b2*x)^(-1))"},
        {"Roszman1", "y = b1 - b2*x - atan(b3/(x-b4))/pi"},
        {"ENSO", "y = b1 + b2*cos(2*pi*x/12) + b3*sin(2*pi*x/12) + b5*cos(2*pi*x/b4) + "
                 "b6*sin(2*pi*x/b4) + b8*cos(2*pi*x/b7) + b9*sin(2*pi*x/b7)"},
        {"MGH09", "y = b1*(x^2+x*b2) / (x^2+x*b3+b4)"},
        {"Thurber", "y = (b1 + b2*x + b3*x^2 + b4*x^3)/(1 + b5*x + b6*x^2 + b7*x^3)"},
        {"BoxBOD", "y = b1*(1-exp(-b2*x))"},
        {"Rat42", "y = b1 / (1+exp(b2-b3*x))"},
        {"MGH10", "y = b1 * exp(b2/(x+b3))"},
        {"Eckerle4", "y = (b1/b2) * exp(-0.5*((x-b3)/b2)^2)"},
        {"Rat43", "y = b1 / ((1+exp(b2-b3*x))^(1/b4))"},
        {"Bennett5", "y = b1 * (b2+x)^(-1/b3)"},
    };
    return cases;
}

NistNonlinearProblem loadNistNonlinear(const std::string& folder, const std::string& name) {
    const std::string path = folder + "/" + name + ".dat";
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot open " + path);

    // "  b1 =   1    100    2.1380940889E+02  1.2354515176E+01"
    const std::regex parameter(R"(^\s*b(\d+)\s*=\s*(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$)");
    const std::regex rss(R"(^\s*Residual Sum of Squares:\s+(\S+)\s*$)");
    NistNonlinearProblem problem;
    problem.starts.resize(2);
    NistObservations observations = readNistFile(file, [&](const std::string& line) {
        std::smatch match;
        if (std::regex_match(line, match, parameter)) {
            problem.starts[0].push_back(std::stod(match[2]));
            problem.starts[1].push_back(std::stod(match[3]));
            problem.estimate.push_back(std::stold(match[4]));
            problem.deviation.push_back(std::stold(match[5]));
        } else if (std::regex_match(line, match, rss)) {
            problem.residualSumOfSquares = std::stold(match[1]);
        }
    });
    problem.x = std::move(observations.x);
    problem.y = std::move(observations.y);
    if (problem.x.empty() || problem.estimate.empty() || !(problem.residualSumOfSquares > 0))
        throw std::runtime_error("malformed " + path);
    return problem;
}

std::size_t nistIndex(const std::string& parameter) {
    return std::stoul(parameter.substr(1)) - 1;
}

std::vector<ParameterSetting> nistStart(const UserModel& model, const NistNonlinearProblem& problem,
                                        int start) {
    std::vector<ParameterSetting> settings;
    for (const std::string& name : model.parameterNames()) {
        ParameterSetting setting;
        setting.start = problem.starts.at(static_cast<std::size_t>(start)).at(nistIndex(name));
        settings.push_back(setting);
    }
    return settings;
}
