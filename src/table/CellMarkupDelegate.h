#pragma once

#include <QStyledItemDelegate>

// Draws the cells of the data table: texts with markup or line breaks (the summary block,
// the chi-square label) as rich text, left- and bottom-aligned like the plain cells; the
// cell editor shows the text with its tags.
class CellMarkupDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
