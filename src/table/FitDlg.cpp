#include "table/FitDlg.h"

#include "document/Document.h"
#include "table/ColumnNameList.h"
#include "table/ColumnRules.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

TFitDlg::TFitDlg(UiServices& ui, const Document& document, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Select Columns for Graph"), parent), document_(document) {
    setObjectName(QStringLiteral("FitDlg"));
    addList(X, "XComboBox", QStringLiteral("Choose Column for X-Axis:"));
    addList(DX, "dXComboBox", QStringLiteral("Choose Column for dX:"));
    addList(Y, "YComboBox", QStringLiteral("Choose Column for Y-Axis:"));
    addList(DY, "dYComboBox", QStringLiteral("Choose Column for dY:"));
}

void TFitDlg::addList(Role role, const char* name, const QString& caption) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setEditable(false);
    auto* label = new QLabel(caption, this);
    label->setObjectName(
        QString::fromLatin1(name).replace(QStringLiteral("ComboBox"), QStringLiteral("Label")));
    label->setBuddy(list);
    contentLayout()->addWidget(label);
    contentLayout()->addWidget(list);
    // Only the user's choice counts: the lists filled and selected on opening do not
    // emit activated.
    connect(list, &QComboBox::activated, this,
            [this, role](int entry) { chosen_[role] = entry + 1; });
    lists_[role] = list;
    labels_[role] = label;
}

void TFitDlg::showEvent(QShowEvent* event) {
    OkCancelDialog::showEvent(event);
    const ColumnRoles& roles = document_.roles;
    showRole(X, roles.x);
    showRole(DX, roles.dx);
    showRole(Y, roles.y);
    showRole(DY, roles.dy);
    enableLists();
}

// A role that names no column of the table (none, or lost to an import with fewer
// columns) selects nothing.
void TFitDlg::showRole(Role role, int column) {
    QComboBox& list = *lists_[role];
    fillWithColumnNames(list, document_.table);
    if (column >= 1 && column <= list.count())
        list.setCurrentIndex(column - 1);
    chosen_[role] = list.currentIndex() < 0 ? -1 : list.currentIndex() + 1;
}

void TFitDlg::enableLists() {
    const ErrorMethod method = document_.errorMethod;
    const std::array<bool, 4> used = {true, method == ErrorMethod::DXIDYI, true,
                                      method != ErrorMethod::ESTDY};
    for (Role role : {X, DX, Y, DY}) {
        lists_[role]->setEnabled(used[role]);
        labels_[role]->setEnabled(used[role]);
    }
}

void TFitDlg::OKBtnClick() {
    const auto refusal = selectColumnsRefusal(document_.errorMethod, chosen_[DX], chosen_[DY]);
    if (refusal) {
        refuse({*refusal});
        return;
    }
    acceptInput();
}
