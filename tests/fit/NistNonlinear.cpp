#include "NistNonlinear.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

NistNonlinearProblem loadNistNonlinear(const std::string& name) {
    const std::string path = std::string(KELVANE_TEST_DATA_DIR) + "/nist_nls/" + name + ".dat";
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot open " << path;

    const std::regex dataLines(R"(^\s*Data\s+\(lines (\d+) to (\d+)\))");
    // "  b1 =   1    100    2.1380940889E+02  1.2354515176E+01"
    const std::regex parameter(R"(^\s*b(\d+)\s*=\s*(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$)");
    const std::regex rss(R"(^\s*Residual Sum of Squares:\s+(\S+)\s*$)");
    NistNonlinearProblem problem;
    problem.starts.resize(2);
    int firstDataLine = 0, lastDataLine = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        std::smatch match;
        if (std::regex_search(line, match, dataLines)) {
            firstDataLine = std::stoi(match[1]);
            lastDataLine = std::stoi(match[2]);
        } else if (std::regex_match(line, match, parameter)) {
            problem.starts[0].push_back(std::stod(match[2]));
            problem.starts[1].push_back(std::stod(match[3]));
            problem.estimate.push_back(std::stold(match[4]));
            problem.deviation.push_back(std::stold(match[5]));
        } else if (std::regex_match(line, match, rss)) {
            problem.residualSumOfSquares = std::stold(match[1]);
        } else if (number >= firstDataLine && number <= lastDataLine) {
            // The observations list y before x.
            long double xi = 0, yi = 0;
            std::istringstream(line) >> yi >> xi;
            problem.x.push_back(xi);
            problem.y.push_back(yi);
        }
    }
    EXPECT_FALSE(problem.x.empty()) << path;
    EXPECT_FALSE(problem.estimate.empty()) << path;
    EXPECT_GT(problem.residualSumOfSquares, 0) << path;
    return problem;
}
