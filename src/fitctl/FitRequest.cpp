#include "fitctl/FitRequest.h"

#include "fitctl/FitMessages.h"

#include <cmath>
#include <vector>

namespace {

// The columns a method reads, in the order their cells are converted.
std::vector<int> usedColumns(ErrorMethod method, const ColumnRoles& roles) {
    switch (method) {
    case ErrorMethod::ESTDY:
        return {roles.x, roles.y};
    case ErrorMethod::DYI:
        return {roles.x, roles.y, roles.dy};
    case ErrorMethod::DXIDYI:
        break;
    }
    return {roles.x, roles.y, roles.dx, roles.dy};
}

int filledCount(const DataTable& table, const std::vector<int>& columns, int row) {
    int filled = 0;
    for (int column : columns)
        if (table.isFilled(column, row))
            ++filled;
    return filled;
}

struct Point {
    long double x, y, dx, dy;
};

Point readPoint(const DataTable& table, const ColumnRoles& roles, ErrorMethod method, int row) {
    Point p{table.cellNumber(roles.x, row), table.cellNumber(roles.y, row), 0, 0};
    if (method == ErrorMethod::DXIDYI)
        p.dx = table.cellNumber(roles.dx, row);
    if (method != ErrorMethod::ESTDY)
        p.dy = table.cellNumber(roles.dy, row);
    return p;
}

bool insideLogDomain(FitType type, const Point& p) {
    if (type == FitType::EXPONENTIAL)
        return p.y > 0;
    if (type == FitType::POWERLAW)
        return p.x > 0 && p.y > 0;
    return true;
}

// The logarithms are taken in double precision.
long double lnD(long double v) {
    return std::log(static_cast<double>(v));
}
long double log10D(long double v) {
    return std::log10(static_cast<double>(v));
}

// Turns the models with logarithms into straight lines; each uncertainty is
// carried into the log scale with the value it belongs to, before that value
// itself is replaced.
void toLogScale(FitType type, ErrorMethod method, Point& p) {
    if (type == FitType::EXPONENTIAL) {
        if (method != ErrorMethod::ESTDY)
            p.dy = p.dy / p.y;
        p.y = lnD(p.y);
    } else if (type == FitType::POWERLAW) {
        if (method == ErrorMethod::DXIDYI)
            p.dx = LOG10_E * p.dx / p.x;
        p.x = log10D(p.x);
        if (method != ErrorMethod::ESTDY)
            p.dy = LOG10_E * p.dy / p.y;
        p.y = log10D(p.y);
    }
}

} // namespace

std::optional<UserMessage> missingColumnQuestionFor(ErrorMethod method, const ColumnRoles& roles) {
    const bool missing = (method == ErrorMethod::DYI && roles.dy == -1) ||
                         (method == ErrorMethod::DXIDYI && (roles.dx == -1 || roles.dy == -1));
    if (!missing)
        return std::nullopt;
    return missingColumnQuestion(method);
}

FitRows fitRowsOf(const Document& document) {
    if (!document.hasRowSelection())
        return {1, document.table.footerRow(), false};
    return {document.selectionTop, document.selectionBottom + 1, true};
}

std::optional<FitRefusal> decimalPointRefusal(const DataTable& table, const FitRows& rows) {
    if (!table.findCellWithExtraPoints(rows.fitFirstRow, rows.fitEndRow))
        return std::nullopt;
    return FitRefusal{tooManyDecimalPointsRefusal()};
}

bool hasIncompleteRows(const Document& document, const FitRows& rows) {
    const std::vector<int> columns = usedColumns(document.errorMethod, document.roles);
    const int all = static_cast<int>(columns.size());
    for (int row = rows.fitFirstRow; row < rows.fitEndRow; ++row) {
        const int filled = filledCount(document.table, columns, row);
        if (filled > 0 && filled < all)
            return true;
    }
    return false;
}

PointCollection collectFitPoints(const Document& document, const FitRows& rows) {
    const FitType type = document.fitType;
    const ErrorMethod method = document.errorMethod;
    const std::vector<int> columns = usedColumns(method, document.roles);
    const int all = static_cast<int>(columns.size());
    FitPoints points;
    for (int row = rows.fitFirstRow; row < rows.fitEndRow; ++row) {
        if (filledCount(document.table, columns, row) < all)
            continue;
        Point p = readPoint(document.table, document.roles, method, row);
        if (!insideLogDomain(type, p))
            return FitRefusal{logOfNegativeRefusal()};
        toLogScale(type, method, p);
        points.add(p.x, p.y, p.dx, p.dy, row);
    }
    if (points.n < 3)
        return FitRefusal{tooFewPointsRefusal(rows.selectionInUse)};
    if (method == ErrorMethod::DXIDYI && !fitsWithXYErrors(type))
        return FitRefusal{unsupportedWithXYErrorsRefusal(type)};
    return points;
}
