#include "table/TablePrinter.h"

#include "table/CellMarkup.h"
#include "table/CellMarkupDelegate.h"
#include "table/PrintMarking.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace {

// The page's margins and the space under the title, in hundredths of an inch.
constexpr int HEADER_MARGIN = 102;
constexpr int FOOTER_MARGIN = 25;
constexpr int LEFT_MARGIN = 76;
constexpr int RIGHT_MARGIN = 25;
constexpr int TITLE_SPACING = 51;
constexpr int CELL_PADDING = 2; // printer points between a cell's border and its text

QColor markColor() {
    return QColor(PRINT_MARK_COLOR & 0xFF, (PRINT_MARK_COLOR >> 8) & 0xFF,
                  (PRINT_MARK_COLOR >> 16) & 0xFF);
}

QFont printFont() {
    return QFont(QStringLiteral("Times New Roman"), 8);
}

PrintFrame frameFor(const QPrinter& printer, const GridGeometry& grid, const QFont& font) {
    const int dpi = printer.resolution();
    const auto inches = [dpi](int hundredths) { return hundredths * dpi / 100; };
    const auto fromScreen = [&](int pixels) { return pixels * dpi / grid.dpi; };
    const QRect page = printer.pageLayout().paintRectPixels(dpi);
    PrintFrame frame;
    frame.width = page.width();
    frame.height = page.height();
    frame.left = inches(LEFT_MARGIN);
    frame.right = inches(RIGHT_MARGIN);
    frame.top = inches(HEADER_MARGIN);
    frame.bottom = inches(FOOTER_MARGIN);
    frame.titleSpacing = inches(TITLE_SPACING);
    frame.lineHeight = QFontMetrics(font, &printer).height();
    frame.rowHeight = fromScreen(grid.rowHeight);
    for (const int width : grid.columnWidths)
        frame.columnWidths.push_back(fromScreen(width));
    return frame;
}

void drawCellText(QPainter& painter, const PrintCell& cell, const QRect& box) {
    const QString text = QString::fromStdString(cell.text);
    if (!needsRichText(cell.text)) {
        const int align = (cell.fixed ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        painter.drawText(box, align, text);
        return;
    }
    QTextDocument document;
    document.setDefaultFont(painter.font());
    document.setDocumentMargin(0);
    document.setHtml(cellRichText(cell.text));
    painter.save();
    painter.translate(box.topLeft());
    document.drawContents(&painter, QRectF(0, 0, box.width(), box.height()));
    painter.restore();
}

void drawCell(QPainter& painter, const PrintCell& cell, const QFont& font, int padding) {
    const QRect rect(cell.rect.x, cell.rect.y, cell.rect.width, cell.rect.height);
    if (cell.marked)
        painter.fillRect(rect, markColor());
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(rect);
    QFont cellFont = font;
    cellFont.setBold(cell.marked);
    painter.setFont(cellFont);
    const QRect box = rect.adjusted(padding, 0, -padding, 0);
    painter.save();
    painter.setClipRect(rect);
    drawCellText(painter, cell, box);
    painter.restore();
}

QString dateLine() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::fromStdString(
        printDateLine(d.day(), d.month(), d.year(), t.hour(), t.minute()));
}

bool printPages(QPrinter& printer, const TablePrintLayout& layout, const QFont& font,
                const QString& title) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A print engine keeps the transformation of the job before (a scaled graph) until a
    // painter sets one; this job's drawing is unscaled.
    painter.resetTransform();
    const int padding = CELL_PADDING * printer.resolution() / 72;
    const QString date = dateLine();
    const auto rectOf = [](const PrintRect& r) { return QRect(r.x, r.y, r.width, r.height); };
    for (std::size_t i = 0; i < layout.pages.size(); ++i) {
        if (i > 0 && !printer.newPage())
            break;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rectOf(layout.titleRect), Qt::AlignHCenter | Qt::AlignVCenter, title);
        painter.drawText(rectOf(layout.dateRect), Qt::AlignLeft | Qt::AlignVCenter, date);
        for (const PrintCell& cell : layout.pages[i].cells)
            drawCell(painter, cell, font, padding);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

bool printTable(QPrinter& printer, const DataTable& table, const PrintMarks& marks,
                const GridGeometry& grid, const QString& title) {
    const QPageLayout::Orientation chosen = printer.pageLayout().orientation();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(title);
    const QFont font = printFont();
    const TablePrintLayout layout = layOutTable(table, marks, frameFor(printer, grid, font));
    const bool printed = printPages(printer, layout, font, title);
    printer.setPageOrientation(chosen);
    return printed;
}
