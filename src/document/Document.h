#pragma once

#include "common/FitConfig.h"
#include "common/GraphType.h"
#include "common/PointStyle.h"
#include "document/UserModelSettings.h"
#include "table/DataTable.h"

#include <cstdint>
#include <string>

// Colours as 0xBBGGRR values, the way the document file stores them
// (red is 255, green 32768, black 0).
using ColorRef = std::uint32_t;

inline constexpr ColorRef RED = 0x0000FF;
inline constexpr ColorRef GREEN = 0x008000;
inline constexpr ColorRef BLACK = 0x000000;

// The settings of one axis that the Axis Options window shows and the
// document file keeps.
// The value labels' pattern until a re-plot, the Axis Options or a new document chooses
// another: thousands separators and two decimals.
inline constexpr const char* START_UP_LABEL_FORMAT = "#,##0.00";

struct AxisSettings {
    bool automatic = true;     // scale mode "Automatic"; false for "Manual"
    std::string manualMinimum; // the XMin (YMin) field's text
    std::string manualMaximum; // the XMax (YMax) field's text
    // New sets "0.00".
    std::string labelFormat = START_UP_LABEL_FORMAT;
    bool scientific = false; // "Use Scientific Notation"
    int decimals = 2;        // "Number of decimal points:", 0..8
    bool minorGrid = true;   // "Show Minor Grid"

    bool operator==(const AxisSettings& o) const;
    bool operator!=(const AxisSettings& o) const { return !(*this == o); }
};

// Everything a document holds, in one value owned by the main window: the
// table with its roles and selection, the file name and the unsaved-changes
// flag, the fit configuration and every setting of the graph. Widgets show
// it and commands change it; the state of the screen alone (a shown fit, the
// zoom, the cursor readout, dialog contents) stays in the shell.
struct Document {
    static constexpr const char* DEFAULT_FILE_NAME = "Untitled.dat";

    DataTable table;
    ColumnRoles roles;
    // The last mouse selection's rows; equal when there is no multi-row selection.
    int selectionTop = 0;
    int selectionBottom = 0;
    std::string currentFileName = DEFAULT_FILE_NAME;
    bool modified = false;

    FitType fitType = FitType::LINEAR;
    ErrorMethod errorMethod = ErrorMethod::ESTDY;
    // The law fitted when fitType is USERMODEL.
    UserModelSettings userModel;
    // Not kept in the file; a new document starts Linear.
    GraphType graphType = GraphType::Linear;

    std::string graphTitle = "Graph Title";
    std::string xAxisTitle = "X";
    std::string yAxisTitle = "Y";
    PointStyle pointStyle = PointStyle::Circle;
    ColorRef dataPointColor = RED;
    ColorRef fitLineColor = GREEN;

    bool errorBarsShown = false;
    ColorRef errorBarColor = BLACK;
    int errorBarWidth = 1;

    AxisSettings xAxis;
    AxisSettings yAxis;
    // The user chose the axis's label format: the re-plot leaves it alone.
    bool xFormatFixed = false;
    bool yFormatFixed = false;

    explicit Document(char decimalSeparator = '.') : table(decimalSeparator) {}

    // A selection of two or more rows limits the plot's highlight and the fit.
    bool hasRowSelection() const { return selectionTop != selectionBottom; }

    bool operator==(const Document& o) const;
    bool operator!=(const Document& o) const { return !(*this == o); }
};
