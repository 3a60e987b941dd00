#include "table/NewColumnDlg.h"

#include "table/ColumnRules.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TNewColumnDlg::TNewColumnDlg(UiServices& ui, const DataTable& table, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Name New Column"), parent), table_(table),
      label1_(new QLabel(this)), colNameEdit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("NewColumnDlg"));
    label1_->setObjectName(QStringLiteral("Label1"));
    colNameEdit_->setObjectName(QStringLiteral("ColNameEdit"));
    label1_->setBuddy(colNameEdit_);
    contentLayout()->addWidget(label1_);
    contentLayout()->addWidget(colNameEdit_);
}

void TNewColumnDlg::setPrompt(const QString& prompt) {
    label1_->setText(prompt);
}

std::string TNewColumnDlg::columnName() const {
    return colNameEdit_->text().toStdString();
}

void TNewColumnDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    colNameEdit_->clear();
    colNameEdit_->setFocus();
}

void TNewColumnDlg::OKBtnClick() {
    if (!refuse(newColumnNameProblems(table_, columnName())))
        acceptInput();
}
