#include "fitctl/FitRequestRun.h"

#include "common/AppInfo.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRun.h"
#include "fitctl/UserModelRun.h"

#include <variant>

namespace {

// A cell that does not convert is reported like any error of a command.
UserMessage conversionFailure(const KelvaneError& error) {
    return {error.what(), APPLICATION_TITLE, MessageIcon::Stop, MessageButtons::Ok};
}

} // namespace

FitRequestResult runFitRequest(const Document& document, bool fitting) {
    FitRequestResult result;
    result.rows = fitRowsOf(document);
    if (const std::optional<FitRefusal> refusal =
            decimalPointRefusal(document.table, result.rows)) {
        result.failure = refusal->message;
        return result;
    }
    if (!fitting) {
        result.released = true;
        return result;
    }
    if (hasIncompleteRows(document, result.rows))
        result.warnings.push_back(incompleteRowsWarning());

    PointCollection collected;
    try {
        collected = collectFitPoints(document, result.rows);
    } catch (const KelvaneError& error) {
        result.failure = conversionFailure(error);
        return result;
    }
    if (const FitRefusal* refusal = std::get_if<FitRefusal>(&collected)) {
        result.failure = refusal->message;
        return result;
    }
    const FitPoints& points = std::get<FitPoints>(collected);
    result.pointCount = points.n;
    result.points = points;
    result.outcome = document.fitType == FitType::USERMODEL
                         ? performUserModelFit(document.userModel, document.errorMethod, points)
                         : performFit(document.fitType, document.errorMethod, points);
    if (!result.outcome.succeeded())
        result.failure = fitStatusMessage(result.outcome);
    for (const std::string& warning : result.outcome.warnings)
        result.warnings.push_back(fitWarning(warning));
    return result;
}
