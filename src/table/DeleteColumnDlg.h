#pragma once

#include "shell/OkCancelDialog.h"
#include "table/ColumnRules.h"

struct Document;
class QComboBox;

// "Delete Column" (DeleteColumnDlg): the user picks a column by name. A column that is in
// use as X or Y, or as an error-bar column the error method needs, is refused.
class TDeleteColumnDlg : public OkCancelDialog {
    Q_OBJECT
public:
    TDeleteColumnDlg(UiServices& ui, const Document& document, QWidget* parent = nullptr);

    // After OK: the chosen column and what deleting it does to the dX and dY roles.
    int chosenColumn() const;
    const ColumnDeletion& deletion() const { return deletion_; }

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    const Document& document_;
    QComboBox* deleteComboBox_;
    ColumnDeletion deletion_;
};
