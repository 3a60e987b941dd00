#pragma once

#include "common/UserMessage.h"
#include "table/CellRange.h"

#include <QPersistentModelIndex>
#include <QTableView>

#include <optional>

struct Document;
class DataTableModel;
class ScreenScale;

// The data table's grid view (DataStringGrid): fixed names row and row-number column,
// 21-pixel rows, resizable columns, the merged summary block under the data, 8-point text
// and in-place editing of the data cells. Typing passes the typing filter, in the cells and
// in their editor; an edit that the entry check refuses is reported, and the user is taken
// back to the cell, with its former text, to correct it.
class DataStringGrid : public QTableView {
    Q_OBJECT
public:
    DataStringGrid(Document& document, const ScreenScale& scale, QWidget* parent = nullptr);
    using QTableView::edit;

    DataTableModel& tableModel() { return *model_; }
    // Ends an edit in progress as leaving the cell would, so that its text is in the table.
    // False when the entry was refused: the refusal has been reported and the cell's
    // editor is open again.
    bool commitOpenEdit();
    // Makes the current cell the whole selection, as a click on it would.
    void selectCurrentCellOnly();
    // The rectangle around the selection in table coordinates; the current cell when
    // nothing is selected; nothing when the view has no current cell yet.
    std::optional<CellRect> selectedCells() const;

signals:
    // A mouse button was released over the cells, after the view has settled its selection
    // (a click inside a selected block narrows it only on release).
    void mouseReleased();
    // An edit was refused. The receiver shows the refusal; when it returns, the refused
    // cell becomes current again and its editor opens.
    void entryRefused(const UserMessage& refusal);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Refusal {
        QPersistentModelIndex cell;
        UserMessage message;
    };

    void applySummarySpan();
    void holdRefusal(const QModelIndex& cell, const UserMessage& refusal);
    void settleRefusal();

    DataTableModel* model_;
    // An edit refused while its editor was closing; reported once the editor is closed
    // and the view has finished the event that ended the edit.
    std::optional<Refusal> refusal_;
};
