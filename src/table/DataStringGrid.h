#pragma once

#include <QTableView>

class DataTable;
class DataTableModel;
class ScreenScale;

// The data table's grid view (DataStringGrid): fixed names row and row-number column,
// 21-pixel rows, resizable columns, the merged summary block under the data, 8-point text
// and in-place editing of the data cells.
class DataStringGrid : public QTableView {
    Q_OBJECT
public:
    DataStringGrid(DataTable& table, const ScreenScale& scale, QWidget* parent = nullptr);

    DataTableModel& tableModel() { return *model_; }
    // Redraws the cells after the table's texts changed underneath.
    void refreshCells();
    // Ends an edit in progress as leaving the cell would, so that its text is in the table.
    void commitOpenEdit();

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void applySummarySpan();

    DataTableModel* model_;
};
