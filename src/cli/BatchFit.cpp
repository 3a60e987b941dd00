#include "cli/BatchFit.h"

#include "cli/ColumnOptions.h"
#include "cli/InputDocument.h"
#include "cli/UserModelOptions.h"
#include "common/KelvaneError.h"
#include "fitctl/FitRequestRun.h"

namespace {

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

void fit(const Document& document, BatchResult& result) {
    const FitRequestResult request = runFitRequest(document, true);
    for (const UserMessage& warning : request.warnings)
        result.warnings.push_back(warning.text);
    result.pointCount = request.pointCount;
    if (request.failure)
        stop(result, ExitStatus::FitFailed, request.failure->text);
    else
        result.outcome = request.outcome;
}

} // namespace

BatchResult runBatchFit(const BatchRequest& request) {
    BatchResult result;
    Document document;
    try {
        // A law given on the command line fits a long table whole.
        document = loadInputDocument(request.path, request.userEquation
                                                       ? DataTable::MOST_LONG_ROWS
                                                       : DataTable::ROW_COUNT_CHOICES.back());
    } catch (const KelvaneError& e) {
        return stop(result, ExitStatus::BadInput, e.what());
    }
    if (std::optional<std::string> problem = applyColumnOptions(
            document, request.columnNames, request.columnFormulas, result.warnings))
        return stop(result, ExitStatus::BadInput, *problem);
    applyRequest(request, document);
    if (std::optional<std::string> problem = applyUserModelOptions(request, document))
        return stop(result, ExitStatus::BadInput, *problem);
    if (std::optional<std::string> problem = missingRoleProblem(document))
        return stop(result, ExitStatus::BadInput, *problem);
    if (std::optional<std::string> problem = absentColumnProblem(document))
        return stop(result, ExitStatus::BadInput, *problem);
    fit(document, result);
    return result;
}
