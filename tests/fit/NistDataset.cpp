#include "NistDataset.h"

#include "NistFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>

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

    const std::regex parameter(R"(^\s*B(\d)\s+(\S+)\s+(\S+)\s*$)");
    NistDataset data;
    NistObservations observations = readNistFile(file, [&](const std::string& line) {
        std::smatch match;
        if (std::regex_match(line, match, parameter))
            addCertifiedValue(data, match);
    });
    // 1-based, as the fits take them.
    data.x = std::move(observations.x);
    data.y = std::move(observations.y);
    data.x.insert(data.x.begin(), 0);
    data.y.insert(data.y.begin(), 0);
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
