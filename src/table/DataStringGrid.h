#pragma once

#include <QTableView>

struct Document;
class DataTableModel;
class ScreenScale;

// The data table's grid view (DataStringGrid): fixed names row and row-number column,
// 21-pixel rows, resizable columns, the merged summary block under the data, 8-point text
// and in-place editing of the data cells.
class DataStringGrid : public QTableView {
    Q_OBJECT
public:
    DataStringGrid(Document& document, const ScreenScale& scale, QWidget* parent = nullptr);

    DataTableModel& tableModel() { return *model_; }
    // Ends an edit in progress as leaving the cell would, so that its text is in the table.
    void commitOpenEdit();
    // Makes the current cell the whole selection, as a click on it would.
    void selectCurrentCellOnly();

signals:
    // A mouse button was released over the cells, after the view has settled its selection
    // (a click inside a selected block narrows it only on release).
    void mouseReleased();

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applySummarySpan();

    DataTableModel* model_;
};
