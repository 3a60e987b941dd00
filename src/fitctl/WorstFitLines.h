#pragma once

#include "common/FitConfig.h"
#include "fitctl/FitCurve.h"
#include "fitctl/FitRequest.h"

#include <vector>

// The worst-fit lines that lab courses ask for: the steepest and the shallowest straight
// lines that still pass through every point's error bar, or with X and Y error bars through
// every error box. Their half-difference of slopes is the course's uncertainty of the slope.

// A point with its half-widths (dx = 0: a plain Y error bar); `row` is its data-table row.
struct ErrorBox {
    long double x = 0;
    long double y = 0;
    long double dx = 0;
    long double dy = 0;
    int row = 0;
};

struct StraightLine {
    long double intercept = 0;
    long double slope = 0;
};

struct WorstFitLines {
    enum class Kind {
        Lines,     // steepest and shallowest are set
        Unbounded, // lines as steep as one likes pass through every box (their X ranges meet)
        NoLine,    // no line passes through every box; unreachableRows names why
    };
    Kind kind = Kind::Lines;
    StraightLine steepest;
    StraightLine shallowest;
    // No line passes through the boxes of these rows together, while one passes through
    // them all but any one of them (an irreducible set), in ascending order.
    std::vector<int> unreachableRows;

    long double halfSlopeDifference() const { return (steepest.slope - shallowest.slope) / 2; }
};

// Solves the linear program in the intercept a and the slope b exactly. A line y = a + bx
// meets the box [x - dx, x + dx] x [y - dy, y + dy] when its lowest value over the box's X
// range is at most y + dy and its highest at least y - dy. For b >= 0 the lowest value is
// at x - dx and the highest at x + dx, for b <= 0 the other way round, so within each sign
// of the slope every box gives two linear inequalities, a bound on a from below and one
// from above. An intercept exists when every bound from below lies under every bound from
// above, and each such pair limits the slope alone: the extreme slopes of each half are the
// tightest of those limits (or b = 0), found exactly over all pairs.
// When several lines share the extreme slope, the one in the middle of their intercepts is
// taken. Boxes' half-widths act through their size, whatever their sign.
WorstFitLines worstFitLines(const std::vector<ErrorBox>& boxes);

// The fits that have worst-fit lines: the straight line with Y or with X and Y error bars.
bool hasWorstFitLines(FitType type, ErrorMethod method);

// The fitted points as boxes; with Y error bars their X half-widths are 0.
std::vector<ErrorBox> errorBoxesOf(const FitPoints& points, ErrorMethod method);

// A line drawn as the fitted curve is, at 1001 points across the bottom axis, so that it is
// the same straight line of the data on logarithmic axes too.
std::vector<CurvePoint> linePoints(const StraightLine& line, const AxisRange& bottomAxis);
