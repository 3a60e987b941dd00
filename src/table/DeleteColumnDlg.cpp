#include "table/DeleteColumnDlg.h"

#include "document/Document.h"
#include "table/ColumnNameList.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

TDeleteColumnDlg::TDeleteColumnDlg(UiServices& ui, const Document& document, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Delete Column"), parent), document_(document),
      deleteComboBox_(new QComboBox(this)) {
    setObjectName(QStringLiteral("DeleteColumnDlg"));
    deleteComboBox_->setObjectName(QStringLiteral("DeleteComboBox"));
    deleteComboBox_->setEditable(false);
    auto* label = new QLabel(QStringLiteral("Select Name of Column to Delete:"), this);
    label->setBuddy(deleteComboBox_);
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(deleteComboBox_);
}

int TDeleteColumnDlg::chosenColumn() const {
    const int entry = deleteComboBox_->currentIndex();
    return entry < 0 ? -1 : entry + 1;
}

void TDeleteColumnDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    fillWithColumnNames(*deleteComboBox_, document_.table);
    deletion_ = ColumnDeletion{};
}

void TDeleteColumnDlg::OKBtnClick() {
    const int column = chosenColumn();
    if (column == -1) {
        refuse({noColumnChosenRefusal()});
        return;
    }
    deletion_ = decideColumnDeletion(document_.roles, document_.errorMethod, column);
    if (deletion_.refusal) {
        refuse({*deletion_.refusal});
        return;
    }
    acceptInput();
}
