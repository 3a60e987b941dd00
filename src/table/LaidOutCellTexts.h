#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <utility>

// The plain texts of the table's cells, each laid out once on one line as Qt's item views
// lay a cell's text out on every paint. A long table's numbers are drawn again at every
// repaint, and their layout was most of the cost of painting a cell.
class LaidOutCellTexts {
public:
    // The table's cells are left-aligned, written left to right, and bottom-aligned.
    static constexpr Qt::Alignment ALIGNMENT = Qt::AlignLeft | Qt::AlignBottom;

    // `text` in `font` on lines `width` pixels wide, laid out from the origin.
    const QTextLayout& layout(const QString& text, const QFont& font, int width);

private:
    // Enough for every cell a maximised window shows, several times over; past it the
    // cache starts again rather than grow with a long table scrolled through.
    static constexpr int MOST_TEXTS = 2048;

    QFont font_;
    QHash<std::pair<QString, int>, std::shared_ptr<QTextLayout>> layouts_;
};
