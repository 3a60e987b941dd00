#pragma once

#include "table/LaidOutCellTexts.h"

#include <QStyledItemDelegate>

#include <string>

// A cell's text with markup or line breaks as the rich text the grid and the printout draw.
// Blanks are counted in the results texts, so they are kept as typed.
QString cellRichText(const std::string& text);

// Draws the cells of the data table: texts with markup or line breaks (the summary block,
// the chi-square label) as rich text, left- and bottom-aligned like the plain cells; the
// cell editor shows the text with its tags.
class CellMarkupDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // A plain one-line text that fits its cell, drawn as Qt's style draws it but from a
    // layout made once; false where Qt's own drawing is needed.
    bool paintLaidOutText(QPainter* painter, const QStyleOptionViewItem& option) const;

    mutable LaidOutCellTexts texts_;
};
