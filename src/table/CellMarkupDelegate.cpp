#include "table/CellMarkupDelegate.h"

#include "table/CellMarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>
#include <QTextLine>

QString cellRichText(const std::string& text) {
    return QStringLiteral("<div style=\"white-space:pre\">%1</div>")
        .arg(QString::fromStdString(cellMarkupToHtml(text)));
}

namespace {

const QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

} // namespace

void CellMarkupDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const std::string text = opt.text.toStdString();
    if (!needsRichText(text)) {
        if (!paintLaidOutText(painter, opt))
            QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    opt.text.clear();
    const QStyle* style = styleOf(opt);
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QTextDocument document;
    document.setDefaultFont(opt.font);
    document.setDocumentMargin(1);
    document.setHtml(cellRichText(text));
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    const qreal height = document.size().height();
    // Bottom-aligned like the plain cells while the text fits; a taller text starts at the
    // top so that its first lines stay readable.
    const qreal top = height <= area.height() ? area.bottom() + 1 - height : area.top();

    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = opt.state & QStyle::State_Selected;
    context.palette.setColor(
        QPalette::Text, opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->setClipRect(area);
    painter->translate(area.left(), top);
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

// The steps of Qt's CE_ItemViewItem for a text: the background, the selection and the
// frame of the cell first, then the text in the text colour of the cell's state, at the
// left of the text area less the focus frame's margin and at its bottom. A text cut short,
// the current cell (its focus frame is drawn over the text) and an open editor's cell are
// left to Qt.
bool CellMarkupDelegate::paintLaidOutText(QPainter* painter,
                                          const QStyleOptionViewItem& option) const {
    if (option.text.isEmpty() || option.direction != Qt::LeftToRight ||
        option.displayAlignment != LaidOutCellTexts::ALIGNMENT ||
        (option.features & QStyleOptionViewItem::WrapText) ||
        (option.state & (QStyle::State_HasFocus | QStyle::State_Editing)))
        return false;
    const QStyle* style = styleOf(option);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect textArea =
        style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget)
            .adjusted(margin, 0, -margin, 0);
    const QTextLayout& layout = texts_.layout(option.text, option.font, textArea.width());
    if (layout.lineCount() != 1 || layout.lineAt(0).naturalTextWidth() > textArea.width())
        return false;
    const QRect placed = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                             layout.boundingRect().size().toSize(), textArea);
    if (placed.top() < textArea.top())
        return false;

    // A cell neither selected nor pointed at, without a background or an icon of its own,
    // has nothing under its text.
    const bool bare = !(option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) &&
                      option.backgroundBrush.style() == Qt::NoBrush &&
                      !(option.features & (QStyleOptionViewItem::HasCheckIndicator |
                                           QStyleOptionViewItem::HasDecoration));
    if (!bare) {
        QStyleOptionViewItem background = option;
        background.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);
    }
    QPalette::ColorGroup group =
        option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    painter->setPen(option.palette.color(
        group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(painter, QPointF(textArea.x(), placed.top()));
    painter->restore();
    return true;
}
