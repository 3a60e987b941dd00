#include "cli/BatchFit.h"

#include "cli/InputDocument.h"
#include "common/KelvaneError.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitRequest.h"
#include "fitctl/FitRun.h"

#include <variant>

namespace {

BatchResult& stop(BatchResult& result, ExitStatus status, const std::string& error) {
    result.status = status;
    result.error = error;
    return result;
}

void applyRequest(const BatchRequest& request, Document& document) {
    document.fitType = request.fitType.value_or(document.fitType);
    document.errorMethod = request.errorMethod.value_or(document.errorMethod);
    ColumnRoles& roles = document.table.roles;
    roles.x = request.x.value_or(roles.x);
    roles.y = request.y.value_or(roles.y);
    roles.dx = request.dx.value_or(roles.dx);
    roles.dy = request.dy.value_or(roles.dy);
    if (request.rows) {
        document.table.selectionTop = request.rows->first;
        document.table.selectionBottom = request.rows->last;
    }
}

// The window asks for the missing column here; a script has to name it.
std::optional<std::string> missingRoleProblem(const Document& document) {
    if (!missingColumnQuestionFor(document.errorMethod, document.table.roles))
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
std::optional<std::string> absentColumnProblem(const DataTable& table) {
    struct Role {
        const char* name;
        const char* option;
        int column;
    };
    const ColumnRoles& roles = table.roles;
    const int dataColumns = table.columnCount() - 1;
    for (const Role& role : {Role{"X", "--x", roles.x}, Role{"Y", "--y", roles.y},
                             Role{"dX", "--dx", roles.dx}, Role{"dY", "--dy", roles.dy}}) {
        if (role.column == -1 || (role.column >= 1 && role.column <= dataColumns))
            continue;
        return "Column " + std::to_string(role.column) + " for " + role.name + " (" + role.option +
               ") is not in the table: it has " + columnsText(dataColumns) + ".";
    }
    return std::nullopt;
}

void fit(const Document& document, BatchResult& result) {
    const DataTable& table = document.table;
    const FitRows rows = fitRowsOf(table);
    if (const std::optional<FitRefusal> refusal = decimalPointRefusal(table, rows)) {
        stop(result, ExitStatus::FitFailed, refusal->message.text);
        return;
    }
    if (hasIncompleteRows(table, rows, document.errorMethod))
        result.warnings.push_back(incompleteRowsWarning().text);

    const PointCollection collection =
        collectFitPoints(table, rows, document.fitType, document.errorMethod);
    if (const FitRefusal* refusal = std::get_if<FitRefusal>(&collection)) {
        stop(result, ExitStatus::FitFailed, refusal->message.text);
        return;
    }
    const FitPoints& points = std::get<FitPoints>(collection);
    result.outcome = performFit(document.fitType, document.errorMethod, points);
    result.pointCount = points.n;
    if (const std::optional<UserMessage> message = fitStatusMessage(result.outcome))
        stop(result, ExitStatus::FitFailed, message->text);
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
    if (std::optional<std::string> problem = absentColumnProblem(document.table))
        return stop(result, ExitStatus::BadInput, *problem);
    try {
        fit(document, result);
    } catch (const KelvaneError& e) { // a used cell that is not a number
        stop(result, ExitStatus::FitFailed, e.what());
    }
    return result;
}
