#include "cli/BatchFit.h"

#include "cli/InputDocument.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRequest.h"
#include "fitctl/FitRun.h"

#include <variant>

namespace {

// Collects the message the X-and-Y fit shows when its series does not
// settle; there is nobody to click it away.
class MessageCollector : public FitHost {
public:
    void showModalError(const std::string& text, const std::string& /*caption*/) override {
        last = text;
    }
    std::string last;
};

BatchResult& stop(BatchResult& result, ExitStatus status, const std::string& error) {
    result.status = status;
    result.error = error;
    return result;
}

void applyRequest(const BatchRequest& request, Document& document) {
    document.fitType = request.fitType.value_or(document.fitType);
    document.errorMethod = request.errorMethod.value_or(document.errorMethod);
    ColumnRoles& roles = document.roles;
    roles.x = request.x.value_or(roles.x);
    roles.y = request.y.value_or(roles.y);
    roles.dx = request.dx.value_or(roles.dx);
    roles.dy = request.dy.value_or(roles.dy);
    if (request.rows) {
        document.selectionTop = request.rows->first;
        document.selectionBottom = request.rows->last;
    }
}

// The window asks for the missing column here; a script has to name it.
std::optional<std::string> missingRoleProblem(const Document& document) {
    if (!missingColumnQuestionFor(document.errorMethod, document.roles))
        return std::nullopt;
    if (document.errorMethod == ErrorMethod::DXIDYI)
        return "--errors dxdy needs the columns of dX and dY: give --dx N and --dy N.";
    return "--errors dy needs the column of dY: give --dy N.";
}

std::string columnsText(int count) {
    return std::to_string(count) + (count == 1 ? " column" : " columns");
}

// A role beyond the table would read as empty cells and end in a puzzling
// point count, so it is named instead.
std::optional<std::string> absentColumnProblem(const Document& document) {
    struct Role {
        const char* name;
        const char* option;
        int column;
    };
    const ColumnRoles& roles = document.roles;
    const int dataColumns = document.table.columnCount() - 1;
    for (const Role& role : {Role{"X", "--x", roles.x}, Role{"Y", "--y", roles.y},
                             Role{"dX", "--dx", roles.dx}, Role{"dY", "--dy", roles.dy}}) {
        if (role.column == -1 || (role.column >= 1 && role.column <= dataColumns))
            continue;
        return "Column " + std::to_string(role.column) + " for " + role.name + " (" + role.option +
               ") is not in the table: it has " + columnsText(dataColumns) + ".";
    }
    return std::nullopt;
}

std::string failureText(const FitOutcome& outcome, const MessageCollector& host) {
    if (const std::optional<UserMessage> message = fitStatusMessage(outcome.status))
        return message->text;
    return host.last; // the divergence, already told through the host
}

void fit(const Document& document, BatchResult& result) {
    const FitRows rows = fitRowsOf(document);
    if (const std::optional<FitRefusal> refusal = decimalPointRefusal(document.table, rows)) {
        stop(result, ExitStatus::FitFailed, refusal->message.text);
        return;
    }
    if (hasIncompleteRows(document, rows))
        result.warnings.push_back(incompleteRowsWarning().text);

    const PointCollection collection = collectFitPoints(document, rows);
    if (const FitRefusal* refusal = std::get_if<FitRefusal>(&collection)) {
        stop(result, ExitStatus::FitFailed, refusal->message.text);
        return;
    }
    const FitPoints& points = std::get<FitPoints>(collection);
    MessageCollector host;
    result.outcome = performFit(document.fitType, document.errorMethod, points, &host);
    result.pointCount = points.n;
    if (!result.outcome.succeeded())
        stop(result, ExitStatus::FitFailed, failureText(result.outcome, host));
}

} // namespace

BatchResult runBatchFit(const BatchRequest& request) {
    BatchResult result;
    Document document;
    try {
        document = loadInputDocument(request.path);
    } catch (const KelvaneError& e) {
        return stop(result, ExitStatus::BadInput, e.what());
    }
    applyRequest(request, document);
    if (std::optional<std::string> problem = missingRoleProblem(document))
        return stop(result, ExitStatus::BadInput, *problem);
    if (std::optional<std::string> problem = absentColumnProblem(document))
        return stop(result, ExitStatus::BadInput, *problem);
    try {
        fit(document, result);
    } catch (const KelvaneError& e) { // a used cell that is not a number
        stop(result, ExitStatus::FitFailed, e.what());
    }
    return result;
}
