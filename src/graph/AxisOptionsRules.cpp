#include "graph/AxisOptionsRules.h"

#include "common/KelvaneError.h"
#include "table/NumberText.h"

#include <string>

namespace {

const char* const EXPONENT = "E+00";
const char* const RESET_LABEL_FORMAT = "0.00";
constexpr int RESET_DECIMALS = 2;
constexpr int MOST_DECIMALS = 8;

UserMessage error(std::string text) {
    return {std::move(text), "Error", MessageIcon::Warning, MessageButtons::Ok};
}

const char* nameOf(PlotAxis axis) {
    return axis == PlotAxis::X ? "X" : "Y";
}

PlotAxis otherAxis(PlotAxis axis) {
    return axis == PlotAxis::X ? PlotAxis::Y : PlotAxis::X;
}

bool isBlankLimit(const std::string& text) {
    return text.empty() || text == "-";
}

std::string fixedPattern(int decimals) {
    return decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The refusal for the limits as they stand, or the range they give. A limit
// that is no number throws the conversion error.
LimitsOutcome checkLimits(const Document& document, PlotAxis axis) {
    const AxisSettings& s = axisSettings(document, axis);
    const std::string name = nameOf(axis);
    if (isBlankLimit(s.manualMaximum))
        return {error("Please enter a value for " + name + "max."), {}, {}};
    if (isBlankLimit(s.manualMinimum))
        return {error("Please enter a value for " + name + "min."), {}, {}};
    const char separator = document.table.decimalSeparator();
    double min = static_cast<double>(parseNumber(s.manualMinimum, separator));
    double max = static_cast<double>(parseNumber(s.manualMaximum, separator));
    if (max < min)
        return {error(name + "max must by greater than " + name + "min"), {}, {}};
    const bool logarithmic = isLogarithmic(document.graphType, axis);
    if (logarithmic && min <= 0)
        return {error("Values must be > 0 on a logarithmic axis."), {}, {}};
    openSingleValue(min, max, logarithmic);
    return {std::nullopt, AxisRange{min, max}, {}};
}

} // namespace

AxisSettings& axisSettings(Document& document, PlotAxis axis) {
    return axis == PlotAxis::X ? document.xAxis : document.yAxis;
}

const AxisSettings& axisSettings(const Document& document, PlotAxis axis) {
    return axis == PlotAxis::X ? document.xAxis : document.yAxis;
}

bool& formatFixed(Document& document, PlotAxis axis) {
    return axis == PlotAxis::X ? document.xFormatFixed : document.yFormatFixed;
}

ScaleState scaleState(const Document& document, const AxisOptionsState& state, PlotAxis axis) {
    if (axisSettings(document, axis).automatic)
        return ScaleState::Automatic;
    return state.pending == axis ? ScaleState::ManualPending : ScaleState::ManualApplied;
}

bool isScaleGroupLocked(const AxisOptionsState& state, PlotAxis axis) {
    return state.pending == otherAxis(axis);
}

void chooseManual(Document& document, AxisOptionsState& state, PlotAxis axis) {
    AxisSettings& s = axisSettings(document, axis);
    if (!s.automatic)
        return;
    s.automatic = false;
    state.pending = axis;
}

Cascade chooseAutomatic(Document& document, AxisOptionsState& state, PlotAxis axis) {
    AxisSettings& s = axisSettings(document, axis);
    if (s.automatic)
        return {};
    s.automatic = true;
    s.manualMinimum.clear();
    s.manualMaximum.clear();
    if (state.pending == axis)
        state.pending.reset();
    return {false, true, true};
}

LimitsOutcome applyManualLimits(Document& document, AxisOptionsState& state, PlotAxis axis) {
    if (axisSettings(document, axis).automatic)
        return {};
    LimitsOutcome outcome = checkLimits(document, axis);
    if (outcome.range) {
        if (state.pending == axis)
            state.pending.reset();
        outcome.cascade.refreshFit = true;
    }
    return outcome;
}

std::optional<AxisRange> manualRange(const Document& document, PlotAxis axis) {
    if (axisSettings(document, axis).automatic)
        return std::nullopt;
    try {
        return checkLimits(document, axis).range;
    } catch (const KelvaneError&) {
        return std::nullopt;
    }
}

OpenedAxisLimits openedAxisLimits(const Document& document) {
    OpenedAxisLimits opened;
    for (const PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
        if (axisSettings(document, axis).automatic)
            continue;
        LimitsOutcome outcome;
        try {
            outcome = checkLimits(document, axis);
        } catch (const KelvaneError& e) {
            outcome.refusal = error(e.what());
        }
        if (outcome.range)
            opened.ranges.emplace_back(axis, *outcome.range);
        else if (!opened.state.pending) {
            opened.state.pending = axis;
            opened.refusal = outcome.refusal;
        }
    }
    return opened;
}

void switchScientific(Document& document, PlotAxis axis, bool on) {
    AxisSettings& s = axisSettings(document, axis);
    s.scientific = on;
    if (on) {
        const bool decimalsChosen = s.decimals >= 0 && s.decimals <= MOST_DECIMALS;
        s.labelFormat = decimalsChosen ? s.labelFormat + EXPONENT : fixedPattern(2) + EXPONENT;
    } else {
        for (int decimals = 0; decimals <= MOST_DECIMALS; ++decimals)
            if (s.labelFormat == fixedPattern(decimals) + EXPONENT) {
                s.labelFormat = fixedPattern(decimals);
                break;
            }
    }
    formatFixed(document, axis) = true;
}

void chooseDecimals(Document& document, PlotAxis axis, int decimals) {
    AxisSettings& s = axisSettings(document, axis);
    s.decimals = decimals;
    s.labelFormat = fixedPattern(decimals) + (s.scientific ? EXPONENT : "");
    formatFixed(document, axis) = true;
}

Cascade resetAxisOptions(Document& document, AxisOptionsState& state) {
    Cascade cascade{false, true, false};
    for (PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
        AxisSettings& s = axisSettings(document, axis);
        cascade.refreshFit = cascade.refreshFit || !s.automatic;
        s.automatic = true;
        s.manualMinimum.clear();
        s.manualMaximum.clear();
        s.scientific = false;
        s.minorGrid = true;
        s.labelFormat = RESET_LABEL_FORMAT;
        s.decimals = RESET_DECIMALS;
        formatFixed(document, axis) = false;
    }
    state.pending.reset();
    return cascade;
}

std::optional<UserMessage> closeButtonRefusal(const AxisOptionsState& state) {
    if (!state.pending)
        return std::nullopt;
    return error("Please enter values for manually scaled axes\n OR\n Switch back to automatic "
                 "scalling.");
}

std::optional<UserMessage> closeBoxRefusal(const AxisOptionsState& state) {
    if (!state.pending)
        return std::nullopt;
    return error("Please enter values for manually scaled axes.\nOR\nSwitch back to automatic "
                 "scaling.");
}

std::optional<UserMessage> panelClickRefusal(const AxisOptionsState& state, PlotAxis panel) {
    if (!isScaleGroupLocked(state, panel))
        return std::nullopt;
    const std::string pending = nameOf(otherAxis(panel));
    return error("Please enter values for manually scaled " + pending + " axis.\nOR\nSwitch " +
                 pending + "-axis back to automatic scaling.");
}
