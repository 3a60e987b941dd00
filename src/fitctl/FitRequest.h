#pragma once

#include "common/FitConfig.h"
#include "common/UserMessage.h"
#include "document/Document.h"
#include "fit/Linefit.h"

#include <optional>
#include <variant>
#include <vector>

// The checks and the point collection of one fit request, in the order the
// request runs them; runFitRequest (FitRequestRun.h) runs them all for the
// window and for kelvane-fit alike:
//
//   missingColumnQuestionFor  -> ask; the caller offers the column dialog
//   fitRowsOf                 -> the rows in use
//   decimalPointRefusal       -> refuse
//   (button released: stop here)
//   hasIncompleteRows         -> warn once, then go on
//   collectFitPoints          -> the points, or a refusal
//
// A cell that does not convert throws KelvaneError from collectFitPoints.

// log10 e to eight places: carries an uncertainty into the log10 scale and
// back out of it.
inline constexpr long double LOG10_E = 0.43429448L;

// The rows the fit reads: fitFirstRow up to fitEndRow - 1.
struct FitRows {
    int fitFirstRow = 1;
    int fitEndRow = 1;
    bool selectionInUse = false; // a selection of two or more rows limits the fit
};

// The fit's input, 1-based as the fit engine expects; element 0 is unused.
// dx and dy hold values only where the error method reads them. The built-in fits take
// at most MAX_FIT_POINTS; a user model fitted by kelvane-fit takes a whole long table.
struct FitPoints {
    int n = 0;
    std::vector<long double> x{0}, y{0}, dx{0}, dy{0};
    std::vector<int> row{0}; // the data-table row each point came from

    void add(long double px, long double py, long double pdx, long double pdy, int fromRow = 0) {
        ++n;
        x.push_back(px);
        y.push_back(py);
        dx.push_back(pdx);
        dy.push_back(pdy);
        row.push_back(fromRow);
    }
};

// A message that ends the request; the fit button goes up with it.
struct FitRefusal {
    UserMessage message;
};

using PointCollection = std::variant<FitPoints, FitRefusal>;

std::optional<UserMessage> missingColumnQuestionFor(ErrorMethod method, const ColumnRoles& roles);
FitRows fitRowsOf(const Document& document);
std::optional<FitRefusal> decimalPointRefusal(const DataTable& table, const FitRows& rows);
bool hasIncompleteRows(const Document& document, const FitRows& rows);
PointCollection collectFitPoints(const Document& document, const FitRows& rows);
