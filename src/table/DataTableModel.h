#pragma once

#include "common/UserMessage.h"
#include "table/CellRange.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class DataTable;
struct Document;

// Shows the document's DataTable to the grid view, and is the one path by which a change
// of the table's structure or of its cells reaches the views. An edit (setData) passes the
// entry check first. The table's fixed names row and
// row-number column are the view's headers, so they stay in sight while scrolling and the
// columns can be resized by their borders; model cell (r, c) is table cell (c + 1, r + 1).
// The rows below the data form the summary block, whose text sits in its first cell.
class DataTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataTableModel(Document& document, QObject* parent = nullptr);

    static int tableColumn(const QModelIndex& index) { return index.column() + 1; }
    static int tableRow(const QModelIndex& index) { return index.row() + 1; }
    // The first model row of the summary block.
    int summaryRow() const;
    bool isDataCell(const QModelIndex& index) const;
    // The data cells, in table coordinates.
    CellRect editableCells() const;

    // The summary block's text: a shown fit's short results, or nothing.
    void setSummaryText(const std::string& text);
    // True while a column or the row count changes. The views then move their current
    // cell by themselves, which is no move of the user's.
    bool isChangingStructure() const { return changingStructure_; }

    // The document's structure changes, made through the model so that the views follow.
    // What else follows (ClearFit, RebuildPlot) is the calling command's.
    void addColumn(const std::string& name);
    void deleteColumn(int column);                          // the roles behind it move down
    void renameColumn(int column, const std::string& name); // axis titles follow the name
    // Names were changed with other fields of the document in one change.
    void columnNamesChanged();
    void setDataRowCount(int n);
    // New, Open and import put a whole other document in place.
    void replaceDocument(Document document);

    // Paste, cut and delete: texts written as they are, without the entry check. Cells
    // outside the data are left alone. What else follows is the calling command's.
    void writeCells(const std::vector<CellWrite>& writes);
    void clearCells(const CellRect& cells);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // An edit changed the text of a data cell (table coordinates).
    void cellEdited(int column, int row);
    // The entry check refused an edit; the cell keeps its text.
    void entryRefused(const QModelIndex& cell, const UserMessage& refusal);

private:
    const DataTable& table() const;

    Document& document_;
    bool changingStructure_ = false;
};
