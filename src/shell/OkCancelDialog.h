#pragma once

#include "common/UserMessage.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QVBoxLayout;
class UiServices;

// The common frame of the column dialogs: a fixed-size modal dialog with "OK" (the default
// button, Enter) and "Cancel" (Escape) under its controls. It remembers a refused OK and
// will not close until the input is corrected or Cancel is pressed, so a user who missed
// the message still sees that the input was not taken.
class OkCancelDialog : public QDialog {
    Q_OBJECT
public:
    OkCancelDialog(UiServices& ui, const QString& caption, QWidget* parent);

    bool isInputRefused() const { return inputRefused_; }

public slots:
    // Cancel and Escape: the refusal is forgotten and the dialog closes with Cancel.
    void reject() override;

protected:
    // Checks the input and either accepts it or refuses it through refuse().
    virtual void OKBtnClick() = 0;
    // Shows the messages in order; with at least one, the input is refused and the dialog
    // stays open. Returns whether it refused.
    bool refuse(const std::vector<UserMessage>& problems);
    // Asks a Yes/No question about the input; anything but Yes refuses it, silently.
    // Returns whether the answer was Yes.
    bool confirm(const UserMessage& question);
    void acceptInput();

    QVBoxLayout* contentLayout() const { return content_; }
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    UiServices& ui_;
    QVBoxLayout* content_;
    QPushButton* okBtn_;
    bool inputRefused_ = false;
};
