#include "graph/AxisOptionsRules.h"

#include "common/KelvaneError.h"
#include "graph/PlotRanges.h"

#include "../support/TableFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const Cascade NOTHING{};
const Cascade REBUILD_AND_REFRESH{false, true, true};

TEST(AxisOptionsRules, ManualPendingLocksTheOtherGroupUntilAppliedOrAutomatic) {
    Document d;
    AxisOptionsState s;
    EXPECT_EQ(scaleState(d, s, PlotAxis::X), ScaleState::Automatic);

    chooseManual(d, s, PlotAxis::X);
    EXPECT_EQ(scaleState(d, s, PlotAxis::X), ScaleState::ManualPending);
    EXPECT_TRUE(isScaleGroupLocked(s, PlotAxis::Y));

    d.xAxis.manualMinimum = "1";
    d.xAxis.manualMaximum = "2";
    const LimitsOutcome applied = applyManualLimits(d, s, PlotAxis::X);
    EXPECT_EQ(scaleState(d, s, PlotAxis::X), ScaleState::ManualApplied);
    EXPECT_FALSE(isScaleGroupLocked(s, PlotAxis::Y));
    EXPECT_EQ(applied.cascade, (Cascade{false, false, true})) << "refreshed, not rebuilt";

    chooseManual(d, s, PlotAxis::X); // checked already: its rule does not run
    EXPECT_EQ(scaleState(d, s, PlotAxis::X), ScaleState::ManualApplied);

    chooseManual(d, s, PlotAxis::Y);
    EXPECT_EQ(chooseAutomatic(d, s, PlotAxis::Y), REBUILD_AND_REFRESH);
    EXPECT_FALSE(isScaleGroupLocked(s, PlotAxis::X));
    EXPECT_EQ(chooseAutomatic(d, s, PlotAxis::X), REBUILD_AND_REFRESH);
    EXPECT_EQ(d.xAxis, AxisSettings()) << "limits emptied";
    EXPECT_EQ(chooseAutomatic(d, s, PlotAxis::X), NOTHING);
}

struct ApplyCase {
    PlotAxis axis;
    GraphType graph;
    std::string min, max;
    std::string refusal; // empty when applied
    AxisRange range;
};

TEST(AxisOptionsRules, ApplyChecksTheLimits) {
    const PlotAxis X = PlotAxis::X;
    const PlotAxis Y = PlotAxis::Y;
    const GraphType LINEAR = GraphType::Linear;
    const std::vector<ApplyCase> cases = {
        {X, LINEAR, "-2", "3", "", {-2, 3}}, // a minus sign with digits is a value
        {X, LINEAR, "", "", "Please enter a value for Xmax.", {}},
        {X, LINEAR, "-", "5", "Please enter a value for Xmin.", {}},
        {X, LINEAR, "6", "5", "Xmax must by greater than Xmin", {}},
        // Equal limits are accepted and opened the way the automatic range opens them.
        {X, LINEAR, "5", "5", "", {4, 6}},
        {Y, LINEAR, "", "1", "Please enter a value for Ymin.", {}},
        {Y, LINEAR, "3", "1", "Ymax must by greater than Ymin", {}},
        {Y, GraphType::SemiLog, "0", "10", "Values must be > 0 on a logarithmic axis.", {}},
        {Y, GraphType::SemiLog, "0.5", "0.5", "", {0.05, 1.5}},
        {X, GraphType::SemiLog, "-1", "10", "", {-1, 10}}, // X stays linear
    };
    for (const ApplyCase& c : cases) {
        Document d;
        d.graphType = c.graph;
        AxisOptionsState s;
        chooseManual(d, s, c.axis);
        axisSettings(d, c.axis).manualMinimum = c.min;
        axisSettings(d, c.axis).manualMaximum = c.max;
        const std::string what = c.min + " < " + c.max;
        const LimitsOutcome o = applyManualLimits(d, s, c.axis);
        if (c.refusal.empty()) {
            ASSERT_TRUE(o.range) << what;
            EXPECT_DOUBLE_EQ(o.range->min, c.range.min) << what;
            EXPECT_DOUBLE_EQ(o.range->max, c.range.max) << what;
            EXPECT_FALSE(s.pending) << what;
        } else {
            ASSERT_TRUE(o.refusal) << what;
            EXPECT_EQ(o.refusal->text, c.refusal) << what;
            EXPECT_EQ(o.refusal->caption, "Error");
            EXPECT_EQ(o.refusal->icon, MessageIcon::Warning);
            EXPECT_FALSE(o.range) << what;
            EXPECT_EQ(o.cascade, NOTHING) << what;
            EXPECT_EQ(s.pending, c.axis) << what << ": the other group stays locked";
        }
    }
}

// A limit that is no number stops Apply with the conversion error; a graph type change
// puts back only limits the axis can show, without a message.
TEST(AxisOptionsRules, LimitsThatCannotBeApplied) {
    Document d;
    AxisOptionsState s;
    chooseManual(d, s, PlotAxis::X);
    d.xAxis.manualMinimum = "1e";
    d.xAxis.manualMaximum = "2-";
    EXPECT_THROW(applyManualLimits(d, s, PlotAxis::X), KelvaneError);
    EXPECT_EQ(s.pending, PlotAxis::X);
    EXPECT_FALSE(manualRange(d, PlotAxis::X));
    d.xAxis.manualMaximum = "3";
    EXPECT_EQ(manualRange(d, PlotAxis::X)->max, 3);
    d.graphType = GraphType::LogLog;
    d.xAxis.manualMinimum = "0";
    EXPECT_FALSE(manualRange(d, PlotAxis::X));
}

struct FormatCase {
    const char* what;
    std::string format;
    int decimals;
    bool scientific;
    void (*change)(Document&);
    std::string expected;
};

TEST(AxisOptionsRules, ScientificNotationAndDecimalsMakeTheLabelFormat) {
    const auto on = [](Document& d) { switchScientific(d, PlotAxis::X, true); };
    const auto off = [](Document& d) { switchScientific(d, PlotAxis::X, false); };
    const std::vector<FormatCase> cases = {
        {"box on", "0.000", 3, false, on, "0.000E+00"},
        {"box off", "0.000E+00", 3, true, off, "0.000"},
        {"a loaded scientific format gets a second exponent", "0.000E+00", 3, false, on,
         "0.000E+00E+00"},
        {"box off leaves other formats", "0.00E+00E+00", 2, true, off, "0.00E+00E+00"},
        {"8 decimals, scientific", "0.00E+00", 2, true,
         [](Document& d) { chooseDecimals(d, PlotAxis::X, 8); }, "0.00000000E+00"},
        {"0 decimals with scientific, then the box off", "0.00E+00", 2, true,
         [](Document& d) {
             chooseDecimals(d, PlotAxis::X, 0);
             EXPECT_EQ(d.xAxis.labelFormat, "0E+00");
             switchScientific(d, PlotAxis::X, false);
         },
         "0"},
    };
    for (const FormatCase& c : cases) {
        Document d;
        d.xAxis.labelFormat = c.format;
        d.xAxis.decimals = c.decimals;
        d.xAxis.scientific = c.scientific;
        c.change(d);
        EXPECT_EQ(d.xAxis.labelFormat, c.expected) << c.what;
        EXPECT_TRUE(d.xFormatFixed && !d.yFormatFixed) << c.what;
    }
}

// A chosen format is kept by the re-plot until Reset gives the choice back.
TEST(AxisOptionsRules, ResetReturnsEverythingToTheAutomaticChoice) {
    Document d = documentWith({{"0.0005", "1"}, {"2", "3"}});
    chooseDecimals(d, PlotAxis::X, 1);
    EXPECT_FALSE(computePlotUpdate(d, {725, 400}).x->format);

    AxisOptionsState s;
    switchScientific(d, PlotAxis::Y, true);
    d.yAxis.minorGrid = false;
    EXPECT_EQ(resetAxisOptions(d, s), (Cascade{false, true, false}));
    AxisSettings reset;
    reset.labelFormat = "0.00";
    EXPECT_EQ(d.xAxis, reset);
    EXPECT_EQ(d.yAxis, reset);
    EXPECT_FALSE(d.xFormatFixed || d.yFormatFixed);
    EXPECT_EQ(computePlotUpdate(d, {725, 400}).x->format->pattern, "0.0000");

    // A manual axis is made automatic again; the fit follows its new range.
    chooseManual(d, s, PlotAxis::Y);
    d.yAxis.manualMinimum = "1";
    EXPECT_EQ(resetAxisOptions(d, s), (Cascade{false, true, true}));
    EXPECT_EQ(d.yAxis, reset);
    EXPECT_FALSE(s.pending);
}

TEST(AxisOptionsRules, ClosingAndPanelClicksWhileAnAxisIsPending) {
    AxisOptionsState free;
    EXPECT_FALSE(closeButtonRefusal(free) || closeBoxRefusal(free));

    const AxisOptionsState xPending{PlotAxis::X};
    EXPECT_EQ(closeButtonRefusal(xPending)->text,
              "Please enter values for manually scaled axes\n OR\n Switch back to automatic "
              "scalling.");
    EXPECT_EQ(closeBoxRefusal(xPending)->text,
              "Please enter values for manually scaled axes.\nOR\nSwitch back to automatic "
              "scaling.");
    EXPECT_FALSE(panelClickRefusal(xPending, PlotAxis::X)) << "its own group is not locked";
    EXPECT_EQ(panelClickRefusal(xPending, PlotAxis::Y)->text,
              "Please enter values for manually scaled X axis.\nOR\nSwitch X-axis back to "
              "automatic scaling.");
    EXPECT_EQ(panelClickRefusal(AxisOptionsState{PlotAxis::Y}, PlotAxis::X)->text,
              "Please enter values for manually scaled Y axis.\nOR\nSwitch Y-axis back to "
              "automatic scaling.");
    EXPECT_EQ(closeButtonRefusal(xPending)->caption, "Error");
}

} // namespace

// Open applies each manual axis's limits; the first axis it refuses waits for new limits.
TEST(AxisOptionsRules, OpenedLimitsApplyOrLeaveTheFirstRefusedAxisPending) {
    const struct {
        const char* what;
        std::pair<const char*, const char*> x, y; // nullptr: automatic
        std::vector<PlotAxis> applied;
        std::optional<PlotAxis> pending;
        const char* refusal;
    } cases[] = {
        {"both apply", {"0", "10"}, {"-5", "5"}, {PlotAxis::X, PlotAxis::Y}, {}, nullptr},
        {"automatic axes", {nullptr, nullptr}, {nullptr, nullptr}, {}, {}, nullptr},
        {"x reversed", {"5", "1"}, {"0", "4"}, {PlotAxis::Y}, PlotAxis::X,
         "Xmax must by greater than Xmin"},
        {"y missing", {"0", "1"}, {"", "4"}, {PlotAxis::X}, PlotAxis::Y,
         "Please enter a value for Ymin."},
        {"both refused: x waits", {"", ""}, {"2", "1"}, {}, PlotAxis::X,
         "Please enter a value for Xmax."},
        {"not a number", {"1", "2-"}, {nullptr, nullptr}, {}, PlotAxis::X, nullptr},
    };
    for (const auto& c : cases) {
        Document d;
        for (const auto& [axis, limits] : {std::pair(&d.xAxis, c.x), std::pair(&d.yAxis, c.y)}) {
            axis->automatic = limits.first == nullptr;
            axis->manualMinimum = limits.first ? limits.first : "";
            axis->manualMaximum = limits.second ? limits.second : "";
        }
        const OpenedAxisLimits opened = openedAxisLimits(d);
        std::vector<PlotAxis> applied;
        for (const auto& [axis, range] : opened.ranges)
            applied.push_back(axis);
        EXPECT_EQ(applied, c.applied) << c.what;
        EXPECT_EQ(opened.state.pending, c.pending) << c.what;
        EXPECT_EQ(opened.refusal.has_value(), c.pending.has_value()) << c.what;
        if (c.refusal) {
            EXPECT_EQ(opened.refusal->text, c.refusal) << c.what;
        }
    }
}
