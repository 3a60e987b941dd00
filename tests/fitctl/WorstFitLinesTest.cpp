#include "fitctl/WorstFitLines.h"

#include "../support/TableFixture.h"
#include "fitctl/FitRequestRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <random>

namespace {

using Kind = WorstFitLines::Kind;

std::vector<ErrorBox> bars(const std::vector<std::array<double, 3>>& points) {
    std::vector<ErrorBox> boxes;
    for (const auto& p : points)
        boxes.push_back({p[0], p[1], 0, p[2], static_cast<int>(boxes.size()) + 1});
    return boxes;
}

void expectLine(const StraightLine& line, double intercept, double slope, const char* what) {
    EXPECT_NEAR(double(line.intercept), intercept, 1e-12) << what;
    EXPECT_NEAR(double(line.slope), slope, 1e-12) << what;
}

// The line meets the box: its four corners do not all lie strictly on one side.
bool meets(double a, double b, const ErrorBox& box) {
    const double dx = std::fabs(double(box.dx)), dy = std::fabs(double(box.dy));
    double below = INFINITY, above = -INFINITY;
    for (double cx : {double(box.x) - dx, double(box.x) + dx})
        for (double cy : {double(box.y) - dy, double(box.y) + dy}) {
            const double d = cy - (a + b * cx);
            below = std::min(below, d);
            above = std::max(above, d);
        }
    const double tolerance =
        1e-9 * (1 + std::fabs(a) + std::fabs(b * double(box.x)) + std::fabs(double(box.y)));
    return below <= tolerance && above >= -tolerance;
}

bool meetsAll(double a, double b, const std::vector<ErrorBox>& boxes) {
    return std::all_of(boxes.begin(), boxes.end(),
                       [a, b](const ErrorBox& box) { return meets(a, b, box); });
}

// An independent brute force in the picture of the boxes: an extreme line through every box
// touches two box corners, or is level through one, so among those lines the ones that meet
// every box include the steepest and the shallowest.
struct SlopeSpan {
    double lowest, highest;
};

std::optional<SlopeSpan> bruteForce(const std::vector<ErrorBox>& boxes) {
    std::vector<std::pair<double, double>> corners;
    for (const ErrorBox& box : boxes)
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0})
                corners.emplace_back(double(box.x) + sx * double(box.dx),
                                     double(box.y) + sy * double(box.dy));
    std::optional<SlopeSpan> span;
    const auto consider = [&](double a, double b) {
        if (!meetsAll(a, b, boxes))
            return;
        if (!span)
            span = SlopeSpan{b, b};
        span->lowest = std::min(span->lowest, b);
        span->highest = std::max(span->highest, b);
    };
    for (const auto& p : corners) {
        consider(p.second, 0);
        for (const auto& q : corners)
            if (q.first != p.first) {
                const double b = (q.second - p.second) / (q.first - p.first);
                consider(p.second - b * p.first, b);
            }
    }
    return span;
}

std::vector<ErrorBox> ofRows(const std::vector<ErrorBox>& boxes, const std::vector<int>& rows) {
    std::vector<ErrorBox> chosen;
    for (const ErrorBox& box : boxes)
        if (std::find(rows.begin(), rows.end(), box.row) != rows.end())
            chosen.push_back(box);
    return chosen;
}

TEST(WorstFitLines, HandSolvedBars) {
    // Bars of ±1 about y = x at x = 0, 1, 2: the steepest line runs from the bottom of the
    // first bar to the top of the last, the shallowest is level along the top of the first
    // and the bottom of the last; each is the only line of its slope.
    const WorstFitLines rising = worstFitLines(bars({{0, 0, 1}, {1, 1, 1}, {2, 2, 1}}));
    ASSERT_EQ(rising.kind, Kind::Lines);
    expectLine(rising.steepest, -1, 2, "steepest");
    expectLine(rising.shallowest, 1, 0, "shallowest");
    EXPECT_NEAR(double(rising.halfSlopeDifference()), 1, 1e-12);

    // The same bars about y = -x: the lines are mirrored.
    const WorstFitLines falling = worstFitLines(bars({{0, 0, 1}, {1, -1, 1}, {2, -2, 1}}));
    expectLine(falling.steepest, -1, 0, "mirrored steepest");
    expectLine(falling.shallowest, 1, -2, "mirrored shallowest");

    // Bars that only y = x passes through: one line is both extremes.
    const WorstFitLines one = worstFitLines(bars({{0, -0.5, 0.5}, {1, 1.5, 0.5}, {2, 1.5, 0.5}}));
    expectLine(one.steepest, 0, 1, "the one line");
    expectLine(one.shallowest, 0, 1, "the one line");

    // Negative half-widths act through their size.
    const WorstFitLines negative = worstFitLines(bars({{0, 0, -1}, {1, 1, -1}, {2, 2, -1}}));
    expectLine(negative.steepest, -1, 2, "negative dY");
}

TEST(WorstFitLines, HandSolvedBoxes) {
    // Boxes of ±1 at (0, 0) and (4, 4): the steepest line runs through the lower right corner
    // of the first and the upper left of the second; the wide box between them is met anyway.
    const std::vector<ErrorBox> boxes{{0, 0, 1, 1, 1}, {2, 2, 0.5, 3, 2}, {4, 4, 1, 1, 3}};
    const WorstFitLines lines = worstFitLines(boxes);
    ASSERT_EQ(lines.kind, Kind::Lines);
    expectLine(lines.steepest, -4, 3, "steepest");
    expectLine(lines.shallowest, 4.0 / 3, 1.0 / 3, "shallowest");
    // As bars alone the same points give 1.5 and 0.5.
    std::vector<ErrorBox> flat = boxes;
    for (ErrorBox& box : flat)
        box.dx = 0;
    EXPECT_NEAR(double(worstFitLines(flat).steepest.slope), 1.5, 1e-12);
    EXPECT_NEAR(double(worstFitLines(flat).shallowest.slope), 0.5, 1e-12);

    // Boxes whose X ranges share a point: lines as steep as one likes pass through them.
    EXPECT_EQ(worstFitLines({{0, 0, 1, 1, 1}, {0.5, 5, 1, 1, 2}, {1, -3, 1, 1, 3}}).kind,
              Kind::Unbounded);
}

TEST(WorstFitLines, PointsThatNoLineReachesTogether) {
    struct Case {
        std::vector<ErrorBox> boxes;
        std::vector<int> rows;
    };
    const Case cases[] = {
        // A peak that no line follows.
        {bars({{0, 0, 1}, {1, 5, 1}, {2, 0, 1}}), {1, 2, 3}},
        // Two bars at one X that do not overlap; the points after them do not matter.
        {bars({{1, 0, 1}, {1, 5, 1}, {2, 3, 1.5}, {3, 3, 1}}), {1, 2}},
    };
    for (const Case& c : cases) {
        const WorstFitLines lines = worstFitLines(c.boxes);
        ASSERT_EQ(lines.kind, Kind::NoLine);
        EXPECT_EQ(lines.unreachableRows, c.rows);
    }
}

// Random sets of bars and of boxes, spread in X so that slopes stay bounded, about a line
// with scatter that often leaves no line through them all.
TEST(WorstFitLines, AgreesWithBruteForceOnRandomSets) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0, 1);
    int withLines = 0, withoutLine = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 3 + trial % 6;
        const bool boxesToo = trial % 2 == 1;
        const double slope = 4 * unit(random) - 2;
        std::vector<ErrorBox> boxes;
        for (int i = 0; i < n; ++i) {
            const double x = i + 0.6 * unit(random) - 0.3;
            boxes.push_back({x, slope * x + 2 * unit(random) - 1, boxesToo ? 0.3 * unit(random) : 0,
                             0.1 + unit(random), 10 + i});
        }
        const WorstFitLines lines = worstFitLines(boxes);
        const std::optional<SlopeSpan> expected = bruteForce(boxes);
        ASSERT_NE(lines.kind, Kind::Unbounded) << trial;
        ASSERT_EQ(lines.kind == Kind::Lines, expected.has_value()) << trial;
        if (expected) {
            ++withLines;
            EXPECT_NEAR(double(lines.steepest.slope), expected->highest, 1e-9) << trial;
            EXPECT_NEAR(double(lines.shallowest.slope), expected->lowest, 1e-9) << trial;
            for (const StraightLine& l : {lines.steepest, lines.shallowest})
                EXPECT_TRUE(meetsAll(double(l.intercept), double(l.slope), boxes)) << trial;
            continue;
        }
        ++withoutLine;
        const std::vector<int>& rows = lines.unreachableRows;
        EXPECT_FALSE(bruteForce(ofRows(boxes, rows))) << trial;
        for (int left : rows) { // irreducible: without any one of them a line passes
            std::vector<int> others;
            std::copy_if(rows.begin(), rows.end(), std::back_inserter(others),
                         [left](int r) { return r != left; });
            EXPECT_TRUE(bruteForce(ofRows(boxes, others))) << trial;
        }
    }
    EXPECT_GT(withLines, 500);
    EXPECT_GT(withoutLine, 500);
}

// The window's fit hands over its points with the rows they came from and, with Y error
// bars alone, no X widths.
TEST(WorstFitLines, BoxesOfAFitNameTheirRows) {
    Document d = documentWith(
        {{"1", "2", "0.5", "1"}, {"", "", "", ""}, {"2", "4", "0.5", "1"}, {"3", "7", "0.5", "1"}});
    d.roles.dx = 3;
    d.roles.dy = 4;
    d.fitType = FitType::LINEAR;
    for (ErrorMethod method : {ErrorMethod::DYI, ErrorMethod::DXIDYI}) {
        d.errorMethod = method;
        const FitRequestResult r = runFitRequest(d, true);
        const std::vector<ErrorBox> boxes = errorBoxesOf(r.points, method);
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[1].row, 3);
        EXPECT_EQ(double(boxes[1].dx), method == ErrorMethod::DXIDYI ? 0.5 : 0);
        EXPECT_EQ(double(boxes[2].dy), 1);
    }
    EXPECT_TRUE(hasWorstFitLines(FitType::LINEAR, ErrorMethod::DXIDYI));
    EXPECT_FALSE(hasWorstFitLines(FitType::LINEAR, ErrorMethod::ESTDY));
    EXPECT_FALSE(hasWorstFitLines(FitType::LINEAR_NO_A, ErrorMethod::DYI));
}

// Drawn like the fitted curve, solid from end to end of the bottom axis.
TEST(WorstFitLines, LinePointsSpanTheBottomAxis) {
    const std::vector<CurvePoint> points = linePoints({1, 2}, {0, 10});
    ASSERT_EQ(points.size(), std::size_t(CURVE_STEPS + 1));
    EXPECT_EQ(points.front().y, 1);
    EXPECT_NEAR(points.back().x, 10, 1e-12);
    EXPECT_NEAR(points.back().y, 21, 1e-12);
}

} // namespace
