#pragma once

#include "shell/OkCancelDialog.h"

class QComboBox;

// The copies dialog (PrinterDlg): asks how many copies to print, "1" to "5" offered and
// any number typed in digits. The caller sets the caption. Created once: the text typed
// and the number last accepted stay from one use to the next.
class TPrinterDlg : public OkCancelDialog {
    Q_OBJECT
public:
    explicit TPrinterDlg(UiServices& ui, QWidget* parent = nullptr);

    // The number of copies of the last OK that closed the dialog.
    int copies() const { return copies_; }

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* numPrintComboBox_;
    int copies_ = 1;
};
