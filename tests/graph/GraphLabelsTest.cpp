#include "graph/GraphLabels.h"
#include "graph/CursorReadout.h"

#include <gtest/gtest.h>

namespace {

TEST(CursorReadout, FourSignificantDigitsAtMostThreeDecimalsShownWithThree) {
    const std::pair<double, const char*> cases[] = {
        {3.14159, "3.142"},   {123.456, "123.500"},   {0.0123456, "0.012"},  {-2.5, "-2.500"},
        {12345.6, "1.235E4"}, {-12345.6, "-1.235E4"}, {1234.56, "1235.000"}, {9999.7, "1E4"},
        {0, "0.000"},         {-0.0001, "0.000"},     {0.0005, "0.001"},     {2e20, "2E20"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(readoutValue(value), text) << value;
    EXPECT_EQ(readoutValue(-2.5, ','), "-2,500");
    EXPECT_EQ(readoutLines(1, 2), (std::vector<std::string>{" X: 1.000", " Y: 2.000"}));
}

TEST(CursorReadout, TheBoxStaysBesideTheCursorInsideThePlot) {
    const PixelRect plot{50, 20, 650, 420};
    EXPECT_EQ(*cursorBoxAt(100, 100, plot), (PixelRect{101, 101, 175, 150}));
    // 10 pixels from the right and the bottom edge it opens to the left and above.
    EXPECT_EQ(*cursorBoxAt(640, 410, plot), (PixelRect{565, 360, 639, 409}));
    EXPECT_TRUE(cursorBoxAt(650, 420, plot)) << "the edges belong to the plot";
    EXPECT_FALSE(cursorBoxAt(49, 100, plot)) << "over an axis label the box stays";
    EXPECT_FALSE(cursorBoxAt(100, 421, plot));
    EXPECT_EQ(centredCursorBox(plot), (PixelRect{350, 220, 425, 270}));
}

TEST(GraphLabels, TheTwoChecksInOrder) {
    EXPECT_FALSE(graphLabelsRefusal({"T", "Time", "time"})) << "case-sensitive";
    EXPECT_EQ(graphLabelsRefusal({"T", "t", "t"})->text, "X and Y axes cannot have the same name.");
    EXPECT_EQ(graphLabelsRefusal({"", "", ""})->text, "X and Y axes cannot have the same name.");
    const auto blank = graphLabelsRefusal({"", "a", "b"});
    EXPECT_EQ(blank->text, "Labels cannot be blank.");
    EXPECT_EQ(blank->caption, "Error");
    EXPECT_EQ(blank->icon, MessageIcon::Stop);
    EXPECT_TRUE(graphLabelsRefusal({"T", "a", ""}));
}

TEST(GraphLabels, FocusGoesToTheFirstEmptyField) {
    EXPECT_EQ(firstEmptyLabelField({"", "x", ""}), LabelField::Title);
    EXPECT_EQ(firstEmptyLabelField({"T", "x", ""}), LabelField::Y);
    EXPECT_EQ(firstEmptyLabelField({"T", "", ""}), LabelField::X);
    EXPECT_EQ(firstEmptyLabelField({"T", "x", "y"}), LabelField::Title);
}

TEST(GraphLabels, OkRenamesTheXAndYColumnsAndSetsTheTitle) {
    Document d;
    d.table.addColumn("Z");
    d.roles = {3, -1, 1, -1};
    applyGraphLabels(d, {"Fall", "Distance", "Z"}); // a third column's name may repeat
    EXPECT_EQ(d.table.columnName(3), "Distance");
    EXPECT_EQ(d.table.columnName(1), "Z");
    EXPECT_EQ(d.table.columnName(2), "Y");
    EXPECT_EQ(d.xAxisTitle, "Distance");
    EXPECT_EQ(d.yAxisTitle, "Z");
    EXPECT_EQ(d.graphTitle, "Fall");
    EXPECT_TRUE(d.modified);
    EXPECT_EQ(labelsOf(d).x, "Distance");
}

TEST(GraphLabels, PointStyleTags) {
    EXPECT_EQ(pointStyleOfTag(1), PointStyle::Circle);
    EXPECT_EQ(pointStyleOfTag(5), PointStyle::Star);
    EXPECT_EQ(pointStyleOfTag(0), PointStyle::Circle);
    EXPECT_EQ(pointStyleOfTag(9), PointStyle::Circle);
}

} // namespace
