#include "table/DataStringGrid.h"

#include "document/Document.h"
#include "shell/ScreenScale.h"
#include "table/CellMarkupDelegate.h"
#include "table/DataTableModel.h"
#include "table/TypingFilter.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <iterator>

namespace {

constexpr int ROW_HEIGHT = 21;
constexpr int ROW_NUMBER_WIDTH = 45;
constexpr int NEW_COLUMN_WIDTH = 75;
constexpr int START_UP_COLUMN_WIDTHS[] = {75, 83}; // columns "X" and "Y"
constexpr int FONT_POINTS = 8;

// A key that would type a character the cells do not take. Keys that type nothing (arrows,
// Enter, Escape, backspace) and combinations with Ctrl, which belong to the menus and the
// editor, go their usual way.
bool typesRefusedCharacter(const QKeyEvent& key, char decimalSeparator) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (const char32_t c : key.text().toUcs4())
        if (QChar::isPrint(c) && !passesTypingFilter(c, decimalSeparator))
            return true;
    return false;
}

} // namespace

DataStringGrid::DataStringGrid(Document& document, const ScreenScale& scale, QWidget* parent)
    : QTableView(parent), model_(new DataTableModel(document, this)) {
    setModel(model_);
    setItemDelegate(new CellMarkupDelegate(this));
    QFont small = font();
    small.setPointSize(FONT_POINTS);
    setFont(small);
    setCornerButtonEnabled(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    // Composed input would reach the cells past the typing filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    QHeaderView* names = horizontalHeader();
    names->setFont(small);
    names->setFixedHeight(scale(ROW_HEIGHT));
    names->setSectionResizeMode(QHeaderView::Interactive);
    names->setDefaultSectionSize(scale(NEW_COLUMN_WIDTH));
    names->setHighlightSections(false);
    // The names and row numbers are fixed cells: clicking them selects nothing.
    names->setSectionsClickable(false);
    for (int c = 0; c < int(std::size(START_UP_COLUMN_WIDTHS)) && c < model_->columnCount(); ++c)
        names->resizeSection(c, scale(START_UP_COLUMN_WIDTHS[c]));

    QHeaderView* numbers = verticalHeader();
    numbers->setFont(small);
    numbers->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setMinimumSectionSize(1);
    numbers->setDefaultSectionSize(scale(ROW_HEIGHT));
    numbers->setFixedWidth(scale(ROW_NUMBER_WIDTH));
    numbers->setHighlightSections(false);
    numbers->setSectionsClickable(false);
    applySummarySpan();
    // The summary block spans all columns under the last data row, wherever that is now.
    for (auto signal : {&DataTableModel::rowsInserted, &DataTableModel::rowsRemoved,
                        &DataTableModel::columnsInserted, &DataTableModel::columnsRemoved})
        connect(model_, signal, this, &DataStringGrid::applySummarySpan);
    connect(model_, &DataTableModel::modelReset, this, &DataStringGrid::applySummarySpan);
    connect(model_, &DataTableModel::entryRefused, this, &DataStringGrid::holdRefusal);
}

bool DataStringGrid::commitOpenEdit() {
    QWidget* editor =
        state() == QAbstractItemView::EditingState ? indexWidget(currentIndex()) : nullptr;
    if (editor) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    if (!refusal_)
        return true;
    settleRefusal();
    return false;
}

void DataStringGrid::selectCurrentCellOnly() {
    const QModelIndex current = currentIndex();
    if (current.isValid())
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    else
        clearSelection();
}

std::optional<CellRect> DataStringGrid::selectedCells() const {
    std::optional<CellRect> cells;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        const CellRect block{range.left() + 1, range.top() + 1, range.right() + 1,
                             range.bottom() + 1};
        cells = cells ? cells->united(block) : block;
    }
    const QModelIndex current = currentIndex();
    if (cells || !current.isValid())
        return cells;
    const int column = DataTableModel::tableColumn(current);
    const int row = DataTableModel::tableRow(current);
    return CellRect{column, row, column, row};
}

bool DataStringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (!QTableView::edit(index, trigger, event))
        return false;
    if (QWidget* editor = indexWidget(index)) {
        editor->installEventFilter(this);
        editor->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    return true;
}

// The typing filter, for a key that opens an editor and for the editor's own keys.
void DataStringGrid::keyPressEvent(QKeyEvent* event) {
    if (typesRefusedCharacter(*event, model_->decimalSeparator())) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The cell editors live in the viewport.
bool DataStringGrid::eventFilter(QObject* watched, QEvent* event) {
    const auto* editor = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && editor && editor->parentWidget() == viewport() &&
        typesRefusedCharacter(*static_cast<QKeyEvent*>(event), model_->decimalSeparator()))
        return true;
    return QTableView::eventFilter(watched, event);
}

void DataStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    emit mouseReleased();
}

// Enter ends an edit and moves on to the cell below, so that a column of readings can be
// typed one after the other. The item delegate ends an edit closed by Enter with
// SubmitModelCache; Tab, Escape and a click elsewhere end it with other hints. A refused
// entry goes nowhere: neither Enter nor Tab moves on from it.
void DataStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (refusal_) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
    QTableView::closeEditor(editor, hint);
    if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    const QModelIndex current = currentIndex();
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (model_->isDataCell(below))
        setCurrentIndex(below);
}

// The refusal is reported once the view has closed the editor and finished what ended the
// edit (a click elsewhere moves the current cell after the editor has lost the focus).
void DataStringGrid::holdRefusal(const QModelIndex& cell, const UserMessage& refusal) {
    refusal_ = Refusal{QPersistentModelIndex(cell), refusal};
    QMetaObject::invokeMethod(this, &DataStringGrid::settleRefusal, Qt::QueuedConnection);
}

// The cell still holds its former text; the user is taken back to it to try again, or to
// leave it with Escape.
void DataStringGrid::settleRefusal() {
    if (!refusal_)
        return;
    const Refusal refusal = std::move(*refusal_);
    refusal_.reset();
    emit entryRefused(refusal.message);
    if (!refusal.cell.isValid())
        return; // its column or row went while the message was shown
    setCurrentIndex(refusal.cell);
    edit(refusal.cell);
}

void DataStringGrid::applySummarySpan() {
    clearSpans();
    // A file may hold a table without data columns: nothing to span then.
    if (model_->columnCount() > 0)
        setSpan(model_->summaryRow(), 0, DataTable::SUMMARY_ROWS, model_->columnCount());
}
