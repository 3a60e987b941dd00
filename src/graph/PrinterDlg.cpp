#include "graph/PrinterDlg.h"

#include "graph/PrintCopies.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TPrinterDlg::TPrinterDlg(UiServices& ui, QWidget* parent)
    : OkCancelDialog(ui, QString(), parent), numPrintComboBox_(new QComboBox(this)) {
    setObjectName(QStringLiteral("PrinterDlg"));
    numPrintComboBox_->setObjectName(QStringLiteral("NumPrintComboBox"));
    numPrintComboBox_->setEditable(true);
    numPrintComboBox_->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= MOST_COPIES_UNASKED; ++n)
        numPrintComboBox_->addItem(QString::number(n));
    numPrintComboBox_->setCurrentIndex(0);
    // Digits only, typed or pasted; editing keys pass as usual.
    numPrintComboBox_->lineEdit()->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*")), numPrintComboBox_));
    auto* label = new QLabel(QStringLiteral("Number of Copies"), this);
    label->setBuddy(numPrintComboBox_);
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(numPrintComboBox_);
}

void TPrinterDlg::OKBtnClick() {
    const CopiesDecision decision = copiesDecision(numPrintComboBox_->currentText().toStdString());
    switch (decision.kind) {
    case CopiesDecision::Kind::Refused:
        refuse({decision.message});
        return;
    case CopiesDecision::Kind::Ask:
        if (!confirm(decision.message))
            return;
        break;
    case CopiesDecision::Kind::Accepted:
        break;
    }
    copies_ = decision.copies;
    acceptInput();
}

// Whenever the dialog opens, a number typed replaces the one shown and Enter takes it.
void TPrinterDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    numPrintComboBox_->setFocus();
    numPrintComboBox_->lineEdit()->selectAll();
}
