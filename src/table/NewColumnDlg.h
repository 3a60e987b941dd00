#pragma once

#include "shell/OkCancelDialog.h"

#include <string>

class DataTable;
class QLabel;
class QLineEdit;

// "Name New Column" (NewColumnDlg): asks for the name of a column to append. The opening
// command sets the prompt; the name must be neither blank nor in use.
class TNewColumnDlg : public OkCancelDialog {
    Q_OBJECT
public:
    TNewColumnDlg(UiServices& ui, const DataTable& table, QWidget* parent = nullptr);

    void setPrompt(const QString& prompt);
    std::string columnName() const;

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    const DataTable& table_;
    QLabel* label1_;
    QLineEdit* colNameEdit_;
};
