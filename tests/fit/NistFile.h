#pragma once

#include <functional>
#include <istream>
#include <string>
#include <vector>

// The observations of a NIST StRD file: the lines its header names with "Data (lines A to
// B)", each listing y before x. Every other line goes to `headerLine`, which reads the
// certified values it needs.
struct NistObservations {
    std::vector<long double> x;
    std::vector<long double> y;
};
NistObservations readNistFile(std::istream& file,
                              const std::function<void(const std::string&)>& headerLine);
