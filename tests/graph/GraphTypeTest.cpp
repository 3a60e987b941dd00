#include "graph/GraphTypeAxes.h"
#include "graph/GraphTypeChecks.h"

#include "common/KelvaneError.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string SEMI_LOG_Y = "Y values must be > 0 on a Semi-Log graph.";
const std::string LOG_LOG_X = "X values must be > 0 on a Log-Log graph.";
const std::string LOG_LOG_Y = "Y values must be > 0 on a Log-Log graph.";

struct CheckCase {
    const char* what;
    GraphType type;
    std::vector<std::vector<std::string>> rows; // X, Y
    std::string refusal;                        // empty: the type may be chosen
};

TEST(GraphTypeChecks, FirstValueALogarithmicAxisCannotShow) {
    const std::vector<CheckCase> cases = {
        {"a linear graph takes anything", GraphType::Linear, {{"-1", "-2"}, {"0", "0"}}, ""},
        {"semi-log: a negative Y in a row without X",
         GraphType::SemiLog,
         {{"1", "2"}, {"", "-3"}},
         SEMI_LOG_Y},
        {"semi-log: X is not looked at", GraphType::SemiLog, {{"-1", "2"}, {"abc", "3"}}, ""},
        {"log-log: X before Y in a row", GraphType::LogLog, {{"1", "1"}, {"-1", "-1"}}, LOG_LOG_X},
        {"log-log: Y of a row without X", GraphType::LogLog, {{"", "0"}}, LOG_LOG_Y},
        {"log-log: rows in order", GraphType::LogLog, {{"2", "-1"}, {"-2", "1"}}, LOG_LOG_Y},
    };
    for (const CheckCase& c : cases) {
        const auto refusal = graphTypeRefusal(tableWith(c.rows), ColumnRoles{}, c.type);
        EXPECT_EQ(refusal ? refusal->text : "", c.refusal) << c.what;
        if (refusal) {
            EXPECT_EQ(refusal->caption, "Doh!") << c.what;
            EXPECT_EQ(refusal->icon, MessageIcon::Stop) << c.what;
        }
    }
}

TEST(GraphTypeChecks, ANonNumberInACheckedCellIsAConversionError) {
    EXPECT_THROW(graphTypeRefusal(tableWith({{"1", "x1"}}), ColumnRoles{}, GraphType::SemiLog),
                 KelvaneError);
    EXPECT_THROW(graphTypeRefusal(tableWith({{"-", "1"}}), ColumnRoles{}, GraphType::LogLog),
                 KelvaneError);
}

struct AxesCase {
    GraphType type;
    AxisRange x, y;
    AxisScale expectedX, expectedY;
};

TEST(GraphTypeAxes, ScalesAndStartingRanges) {
    const AxisScale linearReset{false, 1, {-1, 1}};
    const std::vector<AxesCase> cases = {
        // Linear axes start again from -1 .. 1, from anywhere.
        {GraphType::Linear, {2, 50}, {10, 1000}, linearReset, linearReset},
        // Semi-log: X is reset; a Y range reaching below 0 starts from 0 .. 10.
        {GraphType::SemiLog, {-5, 5}, {-1, 1}, linearReset, {true, 10, {0, 10}}},
        {GraphType::SemiLog, {1, 2}, {0, 40}, linearReset, {true, 10, {0, 40}}},
        // Log-log: each axis on its own.
        {GraphType::LogLog, {-3, -1}, {2, 8}, {true, 10, {0, 10}}, {true, 10, {2, 8}}},
    };
    for (const AxesCase& c : cases) {
        const GraphTypeAxes axes = graphTypeAxes(c.type, c.x, c.y);
        EXPECT_EQ(axes.x, c.expectedX) << int(c.type) << " from " << c.x.min;
        EXPECT_EQ(axes.y, c.expectedY) << int(c.type) << " from " << c.y.min;
    }
}

} // namespace
