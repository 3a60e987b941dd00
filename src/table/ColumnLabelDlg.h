#pragma once

#include "shell/OkCancelDialog.h"

#include <string>

class DataTable;
class QLineEdit;

// "Rename Column" (ColumnLabelDlg): asks for a column's new name, which must be neither
// blank nor in use, the column's own present name included.
class TColumnLabelDlg : public OkCancelDialog {
    Q_OBJECT
public:
    TColumnLabelDlg(UiServices& ui, const DataTable& table, QWidget* parent = nullptr);

    std::string newName() const;

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    const DataTable& table_;
    QLineEdit* columnEdit_;
};
