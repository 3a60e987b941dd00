#pragma once

#include "cli/RowRange.h"
#include "files/DelimitedTable.h"
#include "files/RowTake.h"
#include "fitctl/FitOutcome.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

// NAME=VALUE of --start and --fix.
struct ParameterValue {
    std::string name;
    double value;
};

// A data column as the command line gives it: its number from 1, or its name.
using ColumnChoice = std::variant<int, std::string>;

// What a batch fit is asked to do. An unset field keeps what the input file
// says; a plain-text table says what a new document does: X in column 1,
// Y in column 2, no dX or dY, a straight line with estimated dY, no selection.
struct BatchRequest {
    std::string path;
    std::optional<FitType> fitType;
    std::optional<ErrorMethod> errorMethod;
    // Data columns, numbered from 1 as the table numbers them, or named.
    std::optional<ColumnChoice> x, y, dx, dy;
    // How a text table is read where the detection is overridden, and which of its rows.
    LayoutChoice layout;
    RowTake take;
    std::optional<RowRange> rows;
    // Names for the table's columns from column 1 on, then NAME=EQUATION texts computed in
    // order before the fit.
    std::vector<std::string> columnNames;
    std::vector<std::string> columnFormulas;
    // A law to fit instead of a built-in model (the fitting function becomes USERMODEL),
    // and values for its parameters: where they start, and which are held.
    std::optional<std::string> userEquation;
    std::vector<ParameterValue> starts;
    std::vector<ParameterValue> fixes;
};

// The program's exit status: the fit was refused or failed, or the input
// could not be used as asked (an unreadable file, a column the table lacks).
enum class ExitStatus { Success = 0, FitFailed = 1, BadInput = 2 };

struct BatchResult {
    ExitStatus status = ExitStatus::Success;
    // Why the run stopped: the window's own message where the window has one.
    std::string error;
    // Warnings the window shows on the way; the fit goes on after them.
    std::vector<std::string> warnings;
    FitOutcome outcome; // valid on success
    int pointCount = 0; // the points that went into the fit

    bool succeeded() const { return status == ExitStatus::Success; }
};

// Reads the file and runs the window's fit request on it: the same checks,
// point collection, transforms, fit and results. Nothing is printed.
BatchResult runBatchFit(const BatchRequest& request);
