#pragma once

#include "fitctl/FitTexts.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// One line of tests/data/fits/cases.txt: a table, the settings to fit it
// with, and <name>.expected, the result lines the window's footer and
// kelvane-fit both show for it. Header-only so the window's tests can read
// the same cases.
struct FitCase {
    std::string name;
    std::string table;
    FitType fitType = FitType::LINEAR;
    ErrorMethod errorMethod = ErrorMethod::ESTDY;
    std::string x, y, dx, dy; // data columns, "-" for none
    std::string rows;         // "first:last", "-" for no selection
};

inline std::vector<FitCase> readFitCases(const std::string& folder) {
    std::ifstream in(folder + "/cases.txt");
    if (!in)
        throw std::runtime_error("no cases.txt in " + folder);
    std::vector<FitCase> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        FitCase c;
        std::string fit, errors;
        fields >> c.name >> c.table >> fit >> errors >> c.x >> c.y >> c.dx >> c.dy >> c.rows;
        const auto type = fitTypeFromKeyword(fit);
        const auto method = errorMethodFromKeyword(errors);
        if (!fields || !type || !method)
            throw std::runtime_error("malformed case: " + line);
        c.fitType = *type;
        c.errorMethod = *method;
        cases.push_back(c);
    }
    return cases;
}

inline std::vector<std::string> expectedLines(const std::string& folder, const FitCase& c) {
    std::ifstream in(folder + "/" + c.name + ".expected");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
