#pragma once

#include "common/GraphType.h"
#include "common/UserMessage.h"
#include "document/Document.h"
#include "document/DocumentEdits.h"
#include "graph/AxisRange.h"

#include <optional>
#include <utility>
#include <vector>

// The rules of the Axis Options window, as changes of the document's axis
// settings. Each axis is automatic, manual pending (Manual chosen, its limits
// not yet applied) or manual applied. While one axis is pending the other
// axis's scale group is locked, so at most one axis is ever pending. The
// document holds the scale modes, the limit texts, the label formats and the
// format flags; which axis is pending is the window's own state.

enum class ScaleState { Automatic, ManualPending, ManualApplied };

struct AxisOptionsState {
    std::optional<PlotAxis> pending;
};

AxisSettings& axisSettings(Document& document, PlotAxis axis);
const AxisSettings& axisSettings(const Document& document, PlotAxis axis);
// The user chose the axis's label format; the re-plot leaves it alone.
bool& formatFixed(Document& document, PlotAxis axis);

ScaleState scaleState(const Document& document, const AxisOptionsState& state, PlotAxis axis);
// The scale group of an axis is locked while the other axis is pending.
bool isScaleGroupLocked(const AxisOptionsState& state, PlotAxis axis);

// "Manual" checked: the axis waits for its limits. Nothing when it is manual
// already.
void chooseManual(Document& document, AxisOptionsState& state, PlotAxis axis);

// "Automatic" checked: the limit texts are emptied and the plot is rebuilt
// around the data; a shown fit follows the new range. Nothing when the axis is
// automatic already.
Cascade chooseAutomatic(Document& document, AxisOptionsState& state, PlotAxis axis);

// What "Apply Changes" leads to: a refusal to show (the axis stays pending),
// or the range to put on the axis with both limits at once and the cascade
// after it; neither while the axis is automatic.
struct LimitsOutcome {
    std::optional<UserMessage> refusal;
    std::optional<AxisRange> range;
    Cascade cascade;
};

// "Apply Changes": both limits must be given ("-" alone is none), the maximum
// not below the minimum and, on a logarithmic axis, both above 0. Equal limits
// are accepted and opened as the automatic range opens a single value. A
// limit that is no number throws the conversion error; the axis stays pending.
LimitsOutcome applyManualLimits(Document& document, AxisOptionsState& state, PlotAxis axis);

// The range of a manual axis on the scale it has now, or nothing when its
// limits cannot be applied there. No message: a graph type change puts applied
// limits back on the axes that can still show them.
std::optional<AxisRange> manualRange(const Document& document, PlotAxis axis);

// Open puts a document's manual limits on the axes as "Apply Changes" would. An axis whose
// limits are refused (missing, the wrong way round, not a number, not above 0 on a
// logarithmic axis) is left pending — "Manual" checked and waiting for limits, the other
// scale group locked — rather than shown as manual with limits that are not on it. Only the
// first refused axis can be pending; its refusal is Open's message.
struct OpenedAxisLimits {
    AxisOptionsState state;
    std::vector<std::pair<PlotAxis, AxisRange>> ranges;
    std::optional<UserMessage> refusal;
};
OpenedAxisLimits openedAxisLimits(const Document& document);

// "Use Scientific Notation" switched on appends "E+00" to the label format
// (even to one that has it already); switched off removes it from the plain
// scientific formats "0E+00" to "0.00000000E+00" and leaves any other. Either
// way the user has chosen the format.
void switchScientific(Document& document, PlotAxis axis, bool on);

// "Number of decimal points:" set to 0..8: "0" or "0." with that many zeros,
// scientific while the box is on. The user has chosen the format.
void chooseDecimals(Document& document, PlotAxis axis, int decimals);

// "Reset": both axes automatic with empty limits, scientific notation off,
// minor grids on, label formats "0.00" with 2 decimals chosen by the re-plot
// again. The plot is rebuilt; a shown fit follows an axis that was manual.
Cascade resetAxisOptions(Document& document, AxisOptionsState& state);

// Closing the window while an axis is pending: the refusal of the "Close"
// button and that of the window's own close box. Nothing when it may close.
std::optional<UserMessage> closeButtonRefusal(const AxisOptionsState& state);
std::optional<UserMessage> closeBoxRefusal(const AxisOptionsState& state);

// A click on an axis's panel while its scale group is locked explains why.
std::optional<UserMessage> panelClickRefusal(const AxisOptionsState& state, PlotAxis panel);
