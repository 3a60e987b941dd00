#include "table/LaidOutCellTexts.h"

#include <QTextLine>
#include <QTextOption>

const QTextLayout& LaidOutCellTexts::layout(const QString& text, const QFont& font, int width) {
    if (font != font_) {
        layouts_.clear();
        font_ = font;
    }
    const std::pair key(text, width);
    if (const auto found = layouts_.constFind(key); found != layouts_.constEnd())
        return **found;
    if (layouts_.size() >= MOST_TEXTS)
        layouts_.clear();
    auto laidOut = std::make_shared<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(ALIGNMENT);
    laidOut->setTextOption(option);
    laidOut->beginLayout();
    qreal height = 0;
    for (QTextLine line = laidOut->createLine(); line.isValid(); line = laidOut->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    laidOut->endLayout();
    return *layouts_.insert(key, std::move(laidOut)).value();
}
