#include "shell/OkCancelDialog.h"

#include "shell/UiServices.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

OkCancelDialog::OkCancelDialog(UiServices& ui, const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ui_(ui),
      content_(new QVBoxLayout), okBtn_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(caption);
    setModal(true);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    okBtn_->setDefault(true);
    auto* cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    cancelBtn->setAutoDefault(false);
    connect(okBtn_, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(cancelBtn, &QPushButton::clicked, this, &OkCancelDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void OkCancelDialog::reject() {
    inputRefused_ = false;
    QDialog::reject();
}

bool OkCancelDialog::refuse(const std::vector<UserMessage>& problems) {
    for (const UserMessage& problem : problems)
        ui_.show(problem);
    inputRefused_ = !problems.empty();
    return inputRefused_;
}

bool OkCancelDialog::confirm(const UserMessage& question) {
    inputRefused_ = ui_.show(question) != UiServices::Answer::Yes;
    return !inputRefused_;
}

void OkCancelDialog::acceptInput() {
    inputRefused_ = false;
    accept();
}

// The window's close box must not slip past a refusal; Cancel is the way out.
void OkCancelDialog::closeEvent(QCloseEvent* event) {
    if (inputRefused_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Every opening starts with a clean slate and OK as the button Enter presses.
void OkCancelDialog::showEvent(QShowEvent* event) {
    inputRefused_ = false;
    okBtn_->setDefault(true);
    QDialog::showEvent(event);
}
