#include "NistFile.h"

#include <regex>
#include <sstream>

NistObservations readNistFile(std::istream& file,
                              const std::function<void(const std::string&)>& headerLine) {
    const std::regex dataLines(R"(^\s*Data\s+\(lines (\d+) to (\d+)\))");
    NistObservations observations;
    int firstDataLine = 0, lastDataLine = 0;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        std::smatch match;
        if (std::regex_search(line, match, dataLines)) {
            firstDataLine = std::stoi(match[1]);
            lastDataLine = std::stoi(match[2]);
        } else if (number >= firstDataLine && number <= lastDataLine) {
            long double xi = 0, yi = 0;
            std::istringstream(line) >> yi >> xi;
            observations.x.push_back(xi);
            observations.y.push_back(yi);
        } else {
            headerLine(line);
        }
    }
    return observations;
}
