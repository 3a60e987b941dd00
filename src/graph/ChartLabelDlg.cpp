#include "graph/ChartLabelDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TchartLabelDlg::TchartLabelDlg(UiServices& ui, const Document& document, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Graph Labels"), parent), document_(document) {
    setObjectName(QStringLiteral("chartLabelDlg"));
    graphTitleEdit_ = addField("GraphTitleEdit", QStringLiteral("Enter Graph Title"));
    xAxisEdit_ = addField("xAxisEdit", QStringLiteral("Label X-Axis"));
    yAxisEdit_ = addField("yAxisEdit", QStringLiteral("Label Y-Axis "));
    setTabOrder(graphTitleEdit_, xAxisEdit_);
    setTabOrder(xAxisEdit_, yAxisEdit_);
    findChild<QPushButton*>(QStringLiteral("CancelBtn"))
        ->setToolTip(QStringLiteral("Close Window"));
}

QLineEdit* TchartLabelDlg::addField(const char* name, const QString& caption) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(field);
    connect(field, &QLineEdit::textChanged, this, &TchartLabelDlg::labelEdited);
    return field;
}

GraphLabels TchartLabelDlg::labels() const {
    return {graphTitleEdit_->text().toStdString(), xAxisEdit_->text().toStdString(),
            yAxisEdit_->text().toStdString()};
}

void TchartLabelDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    const GraphLabels shown = labelsOf(document_);
    graphTitleEdit_->setText(QString::fromStdString(shown.title));
    xAxisEdit_->setText(QString::fromStdString(shown.x));
    yAxisEdit_->setText(QString::fromStdString(shown.y));
    switch (firstEmptyLabelField(shown)) {
    case LabelField::Title:
        graphTitleEdit_->setFocus();
        break;
    case LabelField::X:
        xAxisEdit_->setFocus();
        break;
    case LabelField::Y:
        yAxisEdit_->setFocus();
        break;
    }
}

void TchartLabelDlg::OKBtnClick() {
    if (const auto refusal = graphLabelsRefusal(labels()))
        refuse({*refusal});
    else
        acceptInput();
}
