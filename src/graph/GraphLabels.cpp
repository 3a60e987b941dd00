#include "graph/GraphLabels.h"

GraphLabels labelsOf(const Document& document) {
    return {document.graphTitle, document.xAxisTitle, document.yAxisTitle};
}

LabelField firstEmptyLabelField(const GraphLabels& labels) {
    if (!labels.title.empty() && labels.x.empty())
        return LabelField::X;
    if (!labels.title.empty() && labels.y.empty())
        return LabelField::Y;
    return LabelField::Title;
}

std::optional<UserMessage> graphLabelsRefusal(const GraphLabels& labels) {
    if (labels.x == labels.y)
        return UserMessage{"X and Y axes cannot have the same name.", "Error"};
    if (labels.x.empty() || labels.y.empty() || labels.title.empty())
        return UserMessage{"Labels cannot be blank.", "Error"};
    return std::nullopt;
}

void applyGraphLabels(Document& document, const GraphLabels& labels) {
    document.modified = true;
    document.xAxisTitle = labels.x;
    document.table.renameColumn(document.roles.x, labels.x);
    document.yAxisTitle = labels.y;
    document.table.renameColumn(document.roles.y, labels.y);
    document.graphTitle = labels.title;
}

PointStyle pointStyleOfTag(int tag) {
    if (tag < 1 || tag > 5)
        return PointStyle::Circle;
    return static_cast<PointStyle>(tag - 1);
}
