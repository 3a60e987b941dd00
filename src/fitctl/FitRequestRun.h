#pragma once

#include "fitctl/FitOutcome.h"
#include "fitctl/FitRequest.h"

#include <optional>
#include <vector>

// What one fit request comes to, once the columns its error method needs are
// there (the caller settles missingColumnQuestionFor first: the window asks,
// kelvane-fit names the option).
struct FitRequestResult {
    FitRows rows;
    // Shown on the way; the request went on after them.
    std::vector<UserMessage> warnings;
    // The message that ended the request: a refusal of the data, a cell that
    // does not convert, or a fit that failed. Nothing of a fit is shown then.
    std::optional<UserMessage> failure;
    // The fit was being switched off: the checks ran and nothing was fitted.
    bool released = false;
    FitOutcome outcome; // the fit's results when it succeeded
    int pointCount = 0; // the points that went into the fit
    FitPoints points;   // those points, as the fit took them (logarithms for exp and power)

    bool succeeded() const { return !released && !failure; }
};

// Runs the request's steps in order on the document — rows in use, decimal
// points, (released: stop), incomplete rows, point collection, the fit — so
// that the window and kelvane-fit share every rule. `fitting` is false when
// the user released the fit button.
FitRequestResult runFitRequest(const Document& document, bool fitting);
