#include "table/ColumnLabelDlg.h"

#include "table/ColumnRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TColumnLabelDlg::TColumnLabelDlg(UiServices& ui, const DataTable& table, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Rename Column"), parent), table_(table),
      columnEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("ColumnLabelDlg"));
    columnEdit_->setObjectName(QStringLiteral("ColumnEdit"));
    auto* label = new QLabel(QStringLiteral("Enter a new name for this column:"), this);
    label->setBuddy(columnEdit_);
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(columnEdit_);
}

std::string TColumnLabelDlg::newName() const {
    return columnEdit_->text().toStdString();
}

void TColumnLabelDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    columnEdit_->clear();
    columnEdit_->setFocus();
}

void TColumnLabelDlg::OKBtnClick() {
    if (!refuse(renameColumnProblems(table_, newName())))
        acceptInput();
}
