#pragma once

#include "shell/OkCancelDialog.h"

#include <array>

struct Document;
class QComboBox;
class QLabel;

// "Select Columns for Graph" (FitDlg): the columns shown and fitted as X, dX, Y and dY.
// Each opening shows the document's roles; the lists of uncertainties the error method does
// not use are disabled and keep the roles they were opened with.
class TFitDlg : public OkCancelDialog {
    Q_OBJECT
public:
    // The four lists, in the order of the dialog.
    enum Role { X, DX, Y, DY };

    TFitDlg(UiServices& ui, const Document& document, QWidget* parent = nullptr);

    // The chosen column of a role (-1 for none).
    int chosen(Role role) const { return chosen_[role]; }

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    void addList(Role role, const char* name, const QString& caption);
    void showRole(Role role, int column);
    void enableLists();

    const Document& document_;
    std::array<QComboBox*, 4> lists_{};
    std::array<QLabel*, 4> labels_{};
    std::array<int, 4> chosen_{-1, -1, -1, -1};
};
