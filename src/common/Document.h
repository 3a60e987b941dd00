#pragma once

#include "fitctl/FitConfig.h"
#include "graph/GraphType.h"
#include "table/DataTable.h"

#include <cstdint>

// Colours as 0xBBGGRR values, the way the document file stores them
// (red is 255, green 32768, black 0).
using ColorRef = std::uint32_t;

// Everything the document file stores, in one value owned by the main
// window. Widgets show it and commands change it; transient state (a shown
// fit, the zoom, dialog contents) stays in the shell.
struct Document {
    DataTable table;
    FitType fitType = FitType::LINEAR;
    ErrorMethod errorMethod = ErrorMethod::ESTDY;
    GraphType graphType = GraphType::Linear;
    bool errorBarsShown = false;
    int errorBarWidth = 1;
    ColorRef dataPointColor = 255;
    ColorRef fitLineColor = 32768;
    ColorRef errorBarColor = 0;
    bool xFormatFixed = false;
    bool yFormatFixed = false;

    explicit Document(char decimalSeparator = '.') : table(decimalSeparator) {}
};
