#include "table/DataStringGrid.h"

#include "document/Document.h"
#include "shell/ScreenScale.h"
#include "table/CellMarkupDelegate.h"
#include "table/DataTableModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <iterator>

namespace {

constexpr int ROW_HEIGHT = 21;
constexpr int ROW_NUMBER_WIDTH = 45;
constexpr int NEW_COLUMN_WIDTH = 75;
constexpr int START_UP_COLUMN_WIDTHS[] = {75, 83}; // columns "X" and "Y"
constexpr int FONT_POINTS = 8;

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
}

void DataStringGrid::commitOpenEdit() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void DataStringGrid::selectCurrentCellOnly() {
    const QModelIndex current = currentIndex();
    if (current.isValid())
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    else
        clearSelection();
}

void DataStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    emit mouseReleased();
}

// Enter ends an edit and moves on to the cell below, so that a column of readings can be
// typed one after the other. The item delegate ends an edit closed by Enter with
// SubmitModelCache; Tab, Escape and a click elsewhere end it with other hints.
void DataStringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint != QAbstractItemDelegate::SubmitModelCache)
        return;
    const QModelIndex current = currentIndex();
    const QModelIndex below = current.sibling(current.row() + 1, current.column());
    if (model_->isDataCell(below))
        setCurrentIndex(below);
}

void DataStringGrid::applySummarySpan() {
    clearSpans();
    setSpan(model_->summaryRow(), 0, DataTable::SUMMARY_ROWS, model_->columnCount());
}
