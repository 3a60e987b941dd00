#pragma once

#include <QObject>

class DataStringGrid;

// Turns the grid view's mouse and keyboard events into the data table's events, in table
// coordinates (row 0 is the names row, column 0 the row numbers): a mouse button released
// over the table, names and row numbers included, with the rows of the selection, a move
// of the current cell by the user, and a double-click on a column name.
class GridEvents : public QObject {
    Q_OBJECT
public:
    explicit GridEvents(DataStringGrid& grid);

signals:
    void mouseUp(int selectionTop, int selectionBottom);
    void currentCellMoved(int row);
    void cellDoubleClicked(int column, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void emitMouseUp();

    DataStringGrid& grid_;
};
