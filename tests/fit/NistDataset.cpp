#include "NistDataset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

void addCertifiedValue(NistDataset& data, const std::smatch& match) {
    const auto k = std::stoul(match[1]);
    if (data.estimate.size() <= k) {
        data.estimate.resize(k + 1, 0);
        data.deviation.resize(k + 1, 0);
    }
    data.estimate[k] = std::stold(match[2]);
    data.deviation[k] = std::stold(match[3]);
}

} // namespace

NistDataset loadNistDataset(const std::string& name) {
    const std::string path = std::string(KELVANE_TEST_DATA_DIR) + "/nist/" + name + ".dat";
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot open " << path;

    const std::regex dataLines(R"(^\s*Data\s+\(lines (\d+) to (\d+)\))");
    const std::regex parameter(R"(^\s*B(\d)\s+(\S+)\s+(\S+)\s*$)");
    NistDataset data;
    data.x.push_back(0);
    data.y.push_back(0);
    int firstDataLine = 0, lastDataLine = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        std::smatch match;
        if (std::regex_search(line, match, dataLines)) {
            firstDataLine = std::stoi(match[1]);
            lastDataLine = std::stoi(match[2]);
        } else if (std::regex_match(line, match, parameter)) {
            addCertifiedValue(data, match);
        } else if (number >= firstDataLine && number <= lastDataLine) {
            // The observations list y before x.
            long double xi = 0, yi = 0;
            std::istringstream(line) >> yi >> xi;
            data.x.push_back(xi);
            data.y.push_back(yi);
        }
    }
    EXPECT_GT(data.pointCount(), 0) << path;
    EXPECT_FALSE(data.estimate.empty()) << path;
    return data;
}

double correctDigits(long double value, long double certified) {
    if (value == certified) {
        return 20;
    }
    return -std::log10(static_cast<double>(std::fabs((value - certified) / certified)));
}
