#include "fitctl/UserModelDlg.h"

#include "fitctl/UserModelRun.h"
#include "shell/UiServices.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <variant>

namespace {

QTableWidgetItem* textItem(const std::string& text) {
    return new QTableWidgetItem(QString::fromStdString(text));
}

std::string textAt(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toStdString() : std::string();
}

} // namespace

TUserModelDlg::TUserModelDlg(UiServices& ui, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("User Defined Fit"), parent), ui_(ui),
      equationEdit_(new QLineEdit(this)), parseLabel_(new QLabel(this)),
      parameterTable_(new QTableWidget(0, 5, this)),
      previewBtn_(new QPushButton(QStringLiteral("&Preview"), this)) {
    setObjectName(QStringLiteral("UserModelDlg"));
    equationEdit_->setObjectName(QStringLiteral("EquationEdit"));
    equationEdit_->setMinimumWidth(420);
    equationEdit_->setPlaceholderText(QStringLiteral("V0*(1 - exp(-x/tau))"));
    parseLabel_->setObjectName(QStringLiteral("ParseLabel"));
    parseLabel_->setWordWrap(true);
    parameterTable_->setObjectName(QStringLiteral("ParameterTable"));
    parameterTable_->setAccessibleName(QStringLiteral("Parameters"));
    parameterTable_->setHorizontalHeaderLabels({QStringLiteral("Parameter"),
                                                QStringLiteral("Start"), QStringLiteral("Fixed"),
                                                QStringLiteral("Lower"), QStringLiteral("Upper")});
    parameterTable_->verticalHeader()->hide();
    parameterTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    parameterTable_->setMinimumHeight(170);
    previewBtn_->setObjectName(QStringLiteral("PreviewBtn"));
    previewBtn_->setAutoDefault(false);

    auto* equationRow = new QHBoxLayout;
    auto* y = new QLabel(QStringLiteral("&y ="), this);
    y->setBuddy(equationEdit_);
    equationRow->addWidget(y);
    equationRow->addWidget(equationEdit_);
    contentLayout()->addWidget(new QLabel(
        QStringLiteral("The law to fit, in x; every other name is a parameter:"), this));
    contentLayout()->addLayout(equationRow);
    contentLayout()->addWidget(parseLabel_);
    contentLayout()->addWidget(parameterTable_);
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(
        new QLabel(QStringLiteral("Blank bounds leave a parameter unbounded."), this));
    previewRow->addStretch();
    previewRow->addWidget(previewBtn_);
    contentLayout()->addLayout(previewRow);

    connect(equationEdit_, &QLineEdit::textChanged, this, [this] { equationChanged(); });
    connect(previewBtn_, &QPushButton::clicked, this, [this] { PreviewBtnClick(); });
}

void TUserModelDlg::setUserModel(const UserModelSettings& model) {
    accepted_ = model;
    const QSignalBlocker quiet(equationEdit_);
    equationEdit_->setText(QString::fromStdString(model.equation));
    showEntries(entriesOf(model.parameters));
    equationChanged();
}

void TUserModelDlg::setPreview(std::function<void(const UserModelSettings&)> preview) {
    preview_ = std::move(preview);
}

// The table follows every equation that parses; while one does not, the label says why
// and the rows stay as they were, so a half-typed law loses none of them.
void TUserModelDlg::equationChanged() {
    const std::string equation = equationEdit_->text().toStdString();
    if (equation.find_first_not_of(' ') == std::string::npos) {
        parseLabel_->setText(QString());
        return;
    }
    auto parsed = parseUserModel(equation);
    if (const std::string* why = std::get_if<std::string>(&parsed)) {
        parseLabel_->setText(QString::fromStdString(*why));
        return;
    }
    const UserModel& model = *std::get<std::shared_ptr<const UserModel>>(parsed);
    showEntries(refreshedEntries(model.parameterNames(), typedEntries()));
    parseLabel_->setText(QString());
}

void TUserModelDlg::showEntries(const std::vector<UserParameterEntry>& entries) {
    parameterTable_->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < parameterTable_->rowCount(); ++row) {
        const UserParameterEntry& e = entries[static_cast<std::size_t>(row)];
        QTableWidgetItem* name = textItem(e.name);
        name->setFlags(Qt::ItemIsEnabled);
        parameterTable_->setItem(row, NameColumn, name);
        parameterTable_->setItem(row, StartColumn, textItem(e.start));
        auto* fixed = new QTableWidgetItem;
        fixed->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        fixed->setCheckState(e.fixed ? Qt::Checked : Qt::Unchecked);
        parameterTable_->setItem(row, FixedColumn, fixed);
        parameterTable_->setItem(row, LowerColumn, textItem(e.lower));
        parameterTable_->setItem(row, UpperColumn, textItem(e.upper));
    }
}

std::vector<UserParameterEntry> TUserModelDlg::typedEntries() const {
    std::vector<UserParameterEntry> entries;
    for (int row = 0; row < parameterTable_->rowCount(); ++row) {
        const QTableWidgetItem* fixed = parameterTable_->item(row, FixedColumn);
        entries.push_back({textAt(*parameterTable_, row, NameColumn),
                           textAt(*parameterTable_, row, StartColumn),
                           fixed && fixed->checkState() == Qt::Checked,
                           textAt(*parameterTable_, row, LowerColumn),
                           textAt(*parameterTable_, row, UpperColumn)});
    }
    return entries;
}

void TUserModelDlg::PreviewBtnClick() {
    auto checked = checkedUserModel(equationEdit_->text().toStdString(), typedEntries());
    if (const UserMessage* problem = std::get_if<UserMessage>(&checked)) {
        ui_.show(*problem);
        return;
    }
    if (preview_)
        preview_(std::get<UserModelSettings>(checked));
}

void TUserModelDlg::OKBtnClick() {
    auto checked = checkedUserModel(equationEdit_->text().toStdString(), typedEntries());
    if (const UserMessage* problem = std::get_if<UserMessage>(&checked)) {
        refuse({*problem});
        return;
    }
    accepted_ = std::get<UserModelSettings>(checked);
    acceptInput();
}
