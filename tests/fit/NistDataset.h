#pragma once

#include <string>
#include <vector>

// One NIST StRD linear-regression dataset, read from its .dat file: the
// certified estimates with their standard deviations from the header, and the
// observations from the lines the header names.
struct NistDataset {
    // Parameter k of the file (B0, B1, ...) is element k; a file without an
    // intercept has only B1, so element 0 stays 0.
    std::vector<long double> estimate;
    std::vector<long double> deviation;
    // 1-based point arrays, as the fits take them.
    std::vector<long double> x;
    std::vector<long double> y;

    int pointCount() const { return static_cast<int>(x.size()) - 1; }
};

// Reads tests/data/nist/<name>.dat; fails the calling test on a malformed file.
NistDataset loadNistDataset(const std::string& name);

// Log relative error: the number of significant digits of value that agree
// with the certified one.
double correctDigits(long double value, long double certified);
