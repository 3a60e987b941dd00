#include "fitctl/WorstFitLines.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numeric>

namespace {

// Bounds that meet to within this share of the numbers involved count as met: rounding
// must not lose the extreme line that touches a bar's end exactly.
constexpr long double RELATIVE_TOLERANCE = 1e-12L;
constexpr long double INFINITE = std::numeric_limits<long double>::infinity();

// The bound c - b·x on the intercept a that one end of a box sets for a slope b.
struct Bound {
    long double c;
    long double x;
    long double at(long double b) const { return c - b * x; }
};

// The slopes of one sign with the two bounds of every chosen box: from below
// (a >= y - dy - b·(highest end)) and from above (a <= y + dy - b·(lowest end)).
struct Half {
    int sign; // +1: b >= 0, -1: b <= 0
    std::vector<Bound> below;
    std::vector<Bound> above;
};

Half halfOf(const std::vector<ErrorBox>& boxes, const std::vector<int>& chosen, int sign) {
    Half half{sign, {}, {}};
    for (int i : chosen) {
        const ErrorBox& box = boxes[static_cast<std::size_t>(i)];
        const long double dx = std::fabs(box.dx), dy = std::fabs(box.dy);
        // A rising line is lowest at the box's left edge, a falling one at its right edge.
        const long double lowestAt = box.x - sign * dx, highestAt = box.x + sign * dx;
        half.below.push_back({box.y - dy, highestAt});
        half.above.push_back({box.y + dy, lowestAt});
    }
    return half;
}

// The intercepts the bounds allow at a slope; empty when low lies above high.
struct Intercepts {
    long double low = -INFINITE;
    long double high = INFINITE;
    long double scale = 0; // the size of the numbers compared
    bool allowed() const { return low - high <= RELATIVE_TOLERANCE * scale; }
    long double middle() const { return (low + high) / 2; }
};

Intercepts interceptsAt(const Half& half, long double b) {
    Intercepts range;
    for (const Bound& bound : half.below) {
        range.low = std::max(range.low, bound.at(b));
        range.scale = std::max(range.scale, std::fabs(bound.c) + std::fabs(b * bound.x));
    }
    for (const Bound& bound : half.above) {
        range.high = std::min(range.high, bound.at(b));
        range.scale = std::max(range.scale, std::fabs(bound.c) + std::fabs(b * bound.x));
    }
    return range;
}

// A line of slope b has an intercept between the bounds when every bound from below lies
// under every bound from above: for each such pair, c_low - b·x_low <= c_high - b·x_high, a
// limit on b alone. So the slopes that the half allows are an interval, and each of its
// ends is set by one pair of bounds or by the half's own b = 0.
struct SlopeLimits {
    long double low = -INFINITE;
    long double high = INFINITE;
    std::vector<int> lowSetBy; // the boxes of the deciding pair; empty: b = 0 or no limit
    std::vector<int> highSetBy;
    std::vector<int> contradiction; // a pair at one X that no slope reconciles

    bool allowsSome() const { return contradiction.empty() && low <= high; }
};

SlopeLimits slopeLimitsOf(const Half& half, const std::vector<int>& chosen) {
    SlopeLimits limits;
    (half.sign > 0 ? limits.low : limits.high) = 0;
    for (std::size_t j = 0; j < half.below.size(); ++j)
        for (std::size_t i = 0; i < half.above.size(); ++i) {
            const Bound& under = half.below[j];
            const Bound& over = half.above[i];
            const long double d = over.x - under.x, e = over.c - under.c;
            if (d == 0) {
                if (e < -RELATIVE_TOLERANCE * (std::fabs(over.c) + std::fabs(under.c)))
                    limits.contradiction = {chosen[j], chosen[i]};
            } else if (d > 0 && e / d < limits.high) {
                limits.high = e / d;
                limits.highSetBy = {chosen[j], chosen[i]};
            } else if (d < 0 && e / d > limits.low) {
                limits.low = e / d;
                limits.lowSetBy = {chosen[j], chosen[i]};
            }
        }
    // Limits that cross by a rounding error leave the one line that touches both: the
    // intercepts at their middle decide.
    if (limits.contradiction.empty() && limits.low > limits.high) {
        const long double middle = (limits.low + limits.high) / 2;
        if (interceptsAt(half, middle).allowed())
            limits.low = limits.high = middle;
    }
    return limits;
}

SlopeLimits limitsOf(const std::vector<ErrorBox>& boxes, const std::vector<int>& chosen, int sign) {
    return slopeLimitsOf(halfOf(boxes, chosen, sign), chosen);
}

bool noLineThrough(const std::vector<ErrorBox>& boxes, const std::vector<int>& chosen) {
    return !limitsOf(boxes, chosen, +1).allowsSome() && !limitsOf(boxes, chosen, -1).allowsSome();
}

// The boxes whose pairs already exclude every line of a half.
std::vector<int> decidingBoxes(const SlopeLimits& limits) {
    if (!limits.contradiction.empty())
        return limits.contradiction;
    std::vector<int> boxes = limits.lowSetBy;
    boxes.insert(boxes.end(), limits.highSetBy.begin(), limits.highSetBy.end());
    return boxes;
}

// A set of boxes that no line passes through while one passes through all but any one of
// them: the boxes that decide each half, then each box whose removal still leaves no line
// is dropped in turn.
std::vector<int> unreachableRows(const std::vector<ErrorBox>& boxes) {
    std::vector<int> all(boxes.size());
    std::iota(all.begin(), all.end(), 0);
    std::vector<int> set = decidingBoxes(limitsOf(boxes, all, +1));
    const std::vector<int> falling = decidingBoxes(limitsOf(boxes, all, -1));
    set.insert(set.end(), falling.begin(), falling.end());
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    if (!noLineThrough(boxes, set)) // rounding misled the choice: start from every box
        set = all;
    for (const int i : std::vector<int>(set)) {
        std::vector<int> without;
        std::copy_if(set.begin(), set.end(), std::back_inserter(without),
                     [i](int k) { return k != i; });
        if (noLineThrough(boxes, without))
            set = without;
    }
    std::vector<int> rows;
    for (int i : set)
        rows.push_back(boxes[static_cast<std::size_t>(i)].row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

StraightLine lineAt(const Half& half, long double slope) {
    return {interceptsAt(half, slope).middle(), slope};
}

} // namespace

WorstFitLines worstFitLines(const std::vector<ErrorBox>& boxes) {
    std::vector<int> all(boxes.size());
    std::iota(all.begin(), all.end(), 0);
    const Half rising = halfOf(boxes, all, +1);
    const Half falling = halfOf(boxes, all, -1);
    const SlopeLimits up = slopeLimitsOf(rising, all);
    const SlopeLimits down = slopeLimitsOf(falling, all);
    WorstFitLines lines;
    if (!up.allowsSome() && !down.allowsSome()) {
        lines.kind = WorstFitLines::Kind::NoLine;
        lines.unreachableRows = unreachableRows(boxes);
        return lines;
    }
    // The steepest line rises if any line does; the shallowest falls if any line does.
    const long double steepest = up.allowsSome() ? up.high : down.high;
    const long double shallowest = down.allowsSome() ? down.low : up.low;
    if (!std::isfinite(steepest) || !std::isfinite(shallowest)) {
        lines.kind = WorstFitLines::Kind::Unbounded;
        return lines;
    }
    lines.steepest = lineAt(up.allowsSome() ? rising : falling, steepest);
    lines.shallowest = lineAt(down.allowsSome() ? falling : rising, shallowest);
    return lines;
}

bool hasWorstFitLines(FitType type, ErrorMethod method) {
    return type == FitType::LINEAR && method != ErrorMethod::ESTDY;
}

std::vector<ErrorBox> errorBoxesOf(const FitPoints& points, ErrorMethod method) {
    std::vector<ErrorBox> boxes;
    const bool withDx = method == ErrorMethod::DXIDYI;
    for (int i = 1; i <= points.n; ++i)
        boxes.push_back(
            {points.x[i], points.y[i], withDx ? points.dx[i] : 0, points.dy[i], points.row[i]});
    return boxes;
}

std::vector<CurvePoint> linePoints(const StraightLine& line, const AxisRange& bottomAxis) {
    FitOutcome asFit;
    asFit.fitType = FitType::LINEAR;
    asFit.parameters.resize(2);
    asFit.parameters[0].value = line.intercept;
    asFit.parameters[1].value = line.slope;
    asFit.xMin = -INFINITE; // all of it solid
    asFit.xMax = INFINITE;
    return fitCurve(asFit, bottomAxis).withinRange;
}
