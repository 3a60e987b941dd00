#include "table/GridEvents.h"

#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>

GridEvents::GridEvents(DataStringGrid& grid) : QObject(&grid), grid_(grid) {
    // Over the cells the selection is read once the view has handled the release; the names
    // row and the row numbers select nothing, and are part of the table for the mouse too.
    connect(&grid, &DataStringGrid::mouseReleased, this, &GridEvents::emitMouseUp);
    for (QWidget* area : {grid.horizontalHeader()->viewport(), grid.verticalHeader()->viewport()})
        area->installEventFilter(this);
    const DataTableModel* model = &grid.tableModel();
    connect(grid.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, model](const QModelIndex& current) {
                // A column or rows taken away under the current cell move it without the
                // user, and such commands neither clear a fit nor count as a change.
                if (current.isValid() && !model->isChangingStructure())
                    emit currentCellMoved(DataTableModel::tableRow(current));
            });
    // The names are the header of the view: a double-click there is one on row 0.
    connect(grid.horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit cellDoubleClicked(section + 1, 0); });
}

bool GridEvents::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        emitMouseUp();
    return QObject::eventFilter(watched, event);
}

// The selection rectangle's rows; without a selection the current cell stands for it, as
// the grid always has one cell selected.
void GridEvents::emitMouseUp() {
    if (const auto cells = grid_.selectedCells())
        emit mouseUp(cells->top, cells->bottom);
}
