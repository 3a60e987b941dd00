#pragma once

#include "common/PointStyle.h"
#include "common/UserMessage.h"
#include "document/Document.h"

#include <optional>
#include <string>

// The three texts of the "Graph Labels" dialog.
struct GraphLabels {
    std::string title;
    std::string x;
    std::string y;
};

// The labels the dialog opens with: the document's titles.
GraphLabels labelsOf(const Document& document);

// The field that takes the focus when the dialog opens: the first empty one in
// the order title, X, Y; the title when none is empty.
enum class LabelField { Title, X, Y };
LabelField firstEmptyLabelField(const GraphLabels& labels);

// Why OK is refused, in the order the checks run: the same X and Y text
// (compared exactly), then an empty text.
std::optional<UserMessage> graphLabelsRefusal(const GraphLabels& labels);

// OK accepted: the axis titles and the names of the X and Y columns take the
// texts (no other column is compared, so names may repeat), and the graph
// title its text, as one change that counts as unsaved.
void applyGraphLabels(Document& document, const GraphLabels& labels);

// The style of a "Data Point Type" item's tag: 1 circle ... 5 star; any other
// tag gives a circle.
PointStyle pointStyleOfTag(int tag);
