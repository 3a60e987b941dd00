#pragma once

#include "fitctl/FitRequestRun.h"

#include <gtest/gtest.h>

// The outcome of the whole fit request on the document with the given fitting function
// and error method. A request refused before the fit ran is a test failure; a fit that ran
// and failed returns its status.
inline FitOutcome fitDocument(Document d, FitType type, ErrorMethod method) {
    d.fitType = type;
    d.errorMethod = method;
    const FitRequestResult r = runFitRequest(d, true);
    if (r.failure && r.outcome.succeeded())
        ADD_FAILURE() << "refused: " << r.failure->text;
    return r.outcome;
}
