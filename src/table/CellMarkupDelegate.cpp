#include "table/CellMarkupDelegate.h"

#include "table/CellMarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

QString cellRichText(const std::string& text) {
    return QStringLiteral("<div style=\"white-space:pre\">%1</div>")
        .arg(QString::fromStdString(cellMarkupToHtml(text)));
}

void CellMarkupDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const std::string text = index.data(Qt::DisplayRole).toString().toStdString();
    if (!needsRichText(text)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
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
