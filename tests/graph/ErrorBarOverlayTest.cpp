#include "graph/ErrorBarOverlay.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

void PrintTo(const PixelSegment& s, std::ostream* os) {
    *os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

namespace {

// X 0..100 on pixels 50..250 and Y 0..100 on pixels 300..100: two pixels a unit, so the
// plot area is left 50, top 100, right 250, bottom 300 and a point (X, Y) sits at
// (50 + 2X, 300 - 2Y).
const PixelAxis X_AXIS{0, 100, false, 50, 250};
const PixelAxis Y_AXIS{0, 100, false, 300, 100};

// Rows of X, Y, dY, dX with the bars shown.
Document shownBars(ErrorMethod method, const std::vector<std::vector<std::string>>& rows) {
    Document d = documentWith(rows);
    while (d.table.columnCount() < 5)
        d.table.addColumn("d");
    d.errorMethod = method;
    d.errorBarsShown = true;
    d.roles.dy = 3;
    d.roles.dx = method == ErrorMethod::DXIDYI ? 4 : -1;
    return d;
}

struct OverlayCase {
    const char* what;
    ErrorMethod method;
    std::vector<std::string> row; // X, Y, dY, dX
    PixelAxis y;
    std::vector<PixelSegment> segments;
};

TEST(ErrorBarOverlay, BarsAndCapsOfOnePoint) {
    const ErrorMethod DYI = ErrorMethod::DYI;
    const ErrorMethod DXIDYI = ErrorMethod::DXIDYI;
    // Y 1..100 on a logarithmic axis over the same pixels.
    const PixelAxis logY{1, 100, true, 300, 100};
    const std::vector<OverlayCase> cases = {
        {"a bar with a cap at each end",
         DYI,
         {"50", "50", "10"},
         Y_AXIS,
         {{150, 180, 150, 220}, {145, 180, 155, 180}, {145, 220, 155, 220}}},
        {"a negative uncertainty spans the same bar",
         DYI,
         {"50", "50", "-10"},
         Y_AXIS,
         {{150, 180, 150, 220}, {145, 180, 155, 180}, {145, 220, 155, 220}}},
        {"no dY, no bar", DYI, {"50", "50", ""}, Y_AXIS, {}},
        {"X and Y bars; an empty dY makes the vertical caps coincide",
         DXIDYI,
         {"50", "50", "", "5"},
         Y_AXIS,
         {{150, 200, 150, 200},
          {145, 200, 155, 200},
          {145, 200, 155, 200},
          {160, 200, 140, 200},
          {160, 195, 160, 205},
          {140, 195, 140, 205}}},
        {"a point on the right edge, its caps shortened there",
         DYI,
         {"100", "50", "10"},
         Y_AXIS,
         {{250, 180, 250, 220}, {245, 180, 250, 180}, {245, 220, 250, 220}}},
        {"a point one pixel outside gets nothing", DXIDYI, {"100.5", "50", "10", "50"}, Y_AXIS, {}},
        {"an end cut at the top has no cap",
         DYI,
         {"50", "90", "20"},
         Y_AXIS,
         {{150, 100, 150, 160}, {145, 160, 155, 160}}},
        {"an end landing on the top edge has no cap either",
         DYI,
         {"50", "90", "10"},
         Y_AXIS,
         {{150, 100, 150, 140}, {145, 140, 155, 140}}},
        {"caps near the left edge start at the edge",
         DYI,
         {"1", "50", "10"},
         Y_AXIS,
         {{52, 180, 52, 220}, {50, 180, 57, 180}, {50, 220, 57, 220}}},
        {"horizontal ends cut at both edges have no caps",
         DXIDYI,
         {"50", "50", "0", "80"},
         Y_AXIS,
         {{150, 200, 150, 200}, {145, 200, 155, 200}, {145, 200, 155, 200}, {250, 200, 50, 200}}},
        {"below 0 on a logarithmic axis the bar runs to the low edge, uncapped",
         DYI,
         {"50", "10", "20"},
         logY,
         {{150, 152, 150, 300}, {145, 152, 155, 152}}},
    };
    for (const OverlayCase& c : cases) {
        const ErrorBarDrawing drawing = errorBarDrawing(shownBars(c.method, {c.row}), X_AXIS, c.y);
        EXPECT_EQ(drawing.segments, c.segments) << c.what;
    }
}

TEST(ErrorBarOverlay, DrawsOnlyShownBarsWithTheirColumns) {
    const std::vector<std::vector<std::string>> rows = {{"50", "50", "10", "5"}};
    Document hidden = shownBars(ErrorMethod::DYI, rows);
    hidden.errorBarsShown = false;
    Document noDy = shownBars(ErrorMethod::DYI, rows);
    noDy.roles.dy = -1;
    Document noDx = shownBars(ErrorMethod::DXIDYI, rows);
    noDx.roles.dx = -1;
    Document estimate = shownBars(ErrorMethod::ESTDY, rows);
    for (const Document* d : {&hidden, &noDy, &noDx, &estimate})
        EXPECT_TRUE(errorBarDrawing(*d, X_AXIS, Y_AXIS).segments.empty());
}

// The overlay runs inside every paint: a cell that does not convert costs its row the bars,
// and the others are drawn.
TEST(ErrorBarOverlay, SkipsARowThatDoesNotConvert) {
    const Document d =
        shownBars(ErrorMethod::DXIDYI, {{"50", "50", "10", "abc"}, {"20", "20", "5", ""}});
    const ErrorBarDrawing drawing = errorBarDrawing(d, X_AXIS, Y_AXIS);
    ASSERT_FALSE(drawing.segments.empty());
    for (const PixelSegment& s : drawing.segments)
        EXPECT_TRUE(s.x1 <= 100 && s.x2 <= 100) << "only the point at X 20 (pixel 90)";
}

} // namespace

// A file may hold any width; the pen keeps to the widths the menu offers.
TEST(ErrorBarOverlay, DrawsAWidthTheMenuDoesNotOfferAsOne) {
    for (const auto& [stored, drawn] :
         std::vector<std::pair<int, int>>{{1, 1}, {5, 5}, {0, 1}, {6, 1}, {-3, 1}, {100000, 1}}) {
        Document d = shownBars(ErrorMethod::DYI, {{"50", "50", "10", "5"}});
        d.errorBarWidth = stored;
        EXPECT_EQ(errorBarDrawing(d, X_AXIS, Y_AXIS).penWidth, drawn) << stored;
    }
}
