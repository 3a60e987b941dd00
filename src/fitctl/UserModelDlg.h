#pragma once

#include "document/UserModelSettings.h"
#include "fitctl/UserModelEntries.h"
#include "shell/OkCancelDialog.h"

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "User Defined Fit" (UserModelDlg): the law to fit, typed after "y =", and a table of the
// parameters it names, refreshed as the law is typed: each with its start value, a fixed
// box and optional lower and upper bounds. "Preview" hands the checked law to the main
// window, which draws it at the start values over the data; OK keeps it only when every
// field is sound.
class TUserModelDlg : public OkCancelDialog {
    Q_OBJECT
public:
    enum Column { NameColumn, StartColumn, FixedColumn, LowerColumn, UpperColumn };

    explicit TUserModelDlg(UiServices& ui, QWidget* parent = nullptr);

    // The fields show the document's law (an empty equation for none).
    void setUserModel(const UserModelSettings& model);
    // The law that OK accepted.
    const UserModelSettings& userModel() const { return accepted_; }
    // What Preview does with a sound law: the main window draws it.
    void setPreview(std::function<void(const UserModelSettings&)> preview);

protected:
    void OKBtnClick() override;

private:
    void equationChanged();
    void showEntries(const std::vector<UserParameterEntry>& entries);
    std::vector<UserParameterEntry> typedEntries() const;
    void PreviewBtnClick();

    UiServices& ui_;
    QLineEdit* equationEdit_;
    QLabel* parseLabel_;
    QTableWidget* parameterTable_;
    QPushButton* previewBtn_;
    UserModelSettings accepted_;
    std::function<void(const UserModelSettings&)> preview_;
};
