#include "files/ImportPreviewDlg.h"

#include "common/KelvaneError.h"
#include "files/ColumnRoleGuess.h"
#include "table/DataTable.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::size_t MOST_ROWS = DataTable::ROW_COUNT_CHOICES.back();
// The order of the separator list.
constexpr Separator SEPARATORS[] = {Separator::Tab, Separator::Semicolon, Separator::Comma,
                                    Separator::Blanks};
constexpr char DECIMAL_MARKS[] = {'.', ','};

QString roleText(const std::optional<ColumnRoles>& roles, const std::vector<std::string>& names) {
    if (!roles)
        return QStringLiteral("Roles: as the table has them; the header names no uncertainty "
                              "column.");
    const auto name = [&](int column) {
        return QString::fromStdString(names[static_cast<std::size_t>(column - 1)]);
    };
    QString text = QStringLiteral("Roles: X = %1, Y = %2").arg(name(roles->x), name(roles->y));
    if (roles->dx != -1)
        text += QStringLiteral(", dX = %1").arg(name(roles->dx));
    if (roles->dy != -1)
        text += QStringLiteral(", dY = %1").arg(name(roles->dy));
    return text + QLatin1Char('.');
}

} // namespace

TImportPreviewDlg::TImportPreviewDlg(UiServices& ui, char tableSeparator, QWidget* parent)
    : OkCancelDialog(ui, QStringLiteral("Import Data File"), parent),
      tableSeparator_(tableSeparator), encoding_(new QLabel(this)),
      separator_(addChoice("SeparatorComboBox", QStringLiteral("Separator:"),
                           {QStringLiteral("Tab"), QStringLiteral("Semicolon ;"),
                            QStringLiteral("Comma ,"), QStringLiteral("Blanks")})),
      decimalMark_(addChoice("DecimalMarkComboBox", QStringLiteral("Decimal mark:"),
                             {QStringLiteral("Point ."), QStringLiteral("Comma ,")})),
      headerRows_(addChoice(
          "HeaderRowsComboBox", QStringLiteral("Header rows:"),
          {QStringLiteral("None"), QStringLiteral("Names"), QStringLiteral("Names and units")})),
      notice_(new QLabel(this)), roles_(new QLabel(this)), problemLabel_(new QLabel(this)),
      preview_(new QTableWidget(this)) {
    setObjectName(QStringLiteral("ImportPreviewDlg"));
    encoding_->setObjectName(QStringLiteral("EncodingLabel"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Encoding:"), encoding_);
    for (QComboBox* list : {separator_, decimalMark_, headerRows_})
        form->addRow(list->accessibleName(), list);
    contentLayout()->addLayout(form);
    addRowChoice();
    for (QLabel* label : {notice_, roles_, problemLabel_}) {
        label->setWordWrap(true);
        contentLayout()->addWidget(label);
    }
    notice_->setObjectName(QStringLiteral("NoticeLabel"));
    roles_->setObjectName(QStringLiteral("RolesLabel"));
    problemLabel_->setObjectName(QStringLiteral("ProblemLabel"));
    problemLabel_->setStyleSheet(QStringLiteral("color: #b00000"));
    preview_->setObjectName(QStringLiteral("PreviewTable"));
    preview_->setAccessibleName(QStringLiteral("Rows as they will be imported"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setMinimumSize(720, 380);
    contentLayout()->addWidget(preview_);

    connect(separator_, &QComboBox::activated, this, [this](int entry) {
        choice_.separator = SEPARATORS[entry];
        reread();
    });
    connect(decimalMark_, &QComboBox::activated, this, [this](int entry) {
        choice_.decimalMark = DECIMAL_MARKS[entry];
        reread();
    });
    connect(headerRows_, &QComboBox::activated, this, [this](int entry) {
        choice_.headerRows = entry;
        reread();
    });
}

QComboBox* TImportPreviewDlg::addChoice(const char* name, const QString& caption,
                                        const QStringList& entries) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(caption);
    list->addItems(entries);
    return list;
}

void TImportPreviewDlg::addRowChoice() {
    const auto spin = [this](const char* name, const char* accessibleName) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setAccessibleName(QLatin1String(accessibleName));
        connect(box, &QSpinBox::valueChanged, this, [this] { showRows(); });
        return box;
    };
    firstRow_ = spin("FirstRowSpinBox", "First data row");
    lastRow_ = spin("LastRowSpinBox", "Last data row");
    everyRow_ = spin("EveryRowSpinBox", "One in every");
    auto* rows = new QHBoxLayout;
    rows->addWidget(new QLabel(QStringLiteral("Data rows"), this));
    rows->addWidget(firstRow_);
    rows->addWidget(new QLabel(QStringLiteral("to"), this));
    rows->addWidget(lastRow_);
    rows->addWidget(new QLabel(QStringLiteral(", one in every"), this));
    rows->addWidget(everyRow_);
    rows->addStretch();
    contentLayout()->addLayout(rows);
}

void TImportPreviewDlg::showFile(DelimitedFile file) {
    file_ = std::move(file);
    choice_ = {};
    problem_.reset();
    showLayout();
}

void TImportPreviewDlg::reread() {
    try {
        file_.table = readDelimited(file_.text, choice_, tableSeparator_);
        problem_.reset();
    } catch (const KelvaneError& error) {
        problem_ = error.what();
    }
    showLayout();
}

// The settings as the table was read, the row range over its rows (by default all of
// them, evenly thinned to what the table holds), then the rows.
void TImportPreviewDlg::showLayout() {
    const DelimitedTable& table = file_.table;
    const DelimitedLayout& layout = table.layout;
    encoding_->setText(QString::fromLatin1(encodingName(file_.text.encoding)));
    const Separator separator = choice_.separator.value_or(layout.separator);
    separator_->setCurrentIndex(static_cast<int>(
        std::find(std::begin(SEPARATORS), std::end(SEPARATORS), separator) - SEPARATORS));
    decimalMark_->setCurrentIndex(choice_.decimalMark.value_or(layout.decimalMark) == ',' ? 1 : 0);
    headerRows_->setCurrentIndex(choice_.headerRows.value_or(layout.headerRows));
    problemLabel_->setText(problem_ ? QString::fromStdString(*problem_) : QString());
    problemLabel_->setVisible(problem_.has_value());

    const int rows = std::max(1, static_cast<int>(table.rows.size()));
    const QSignalBlocker blockFirst(firstRow_), blockLast(lastRow_), blockEvery(everyRow_);
    firstRow_->setRange(1, rows);
    firstRow_->setValue(1);
    lastRow_->setRange(1, rows);
    lastRow_->setValue(rows);
    everyRow_->setRange(1, rows);
    everyRow_->setValue(static_cast<int>(evenTake(table.rows.size(), MOST_ROWS).every));
    showRows();
}

std::vector<std::size_t> TImportPreviewDlg::takenRowIndexes() const {
    const RowTake take{static_cast<std::size_t>(firstRow_->value()),
                       static_cast<std::size_t>(lastRow_->value()),
                       static_cast<std::size_t>(everyRow_->value())};
    return takenRows(file_.table.rows.size(), take, MOST_ROWS);
}

void TImportPreviewDlg::showRows() {
    const DelimitedTable& table = file_.table;
    const bool readable = !problem_;
    const std::vector<std::size_t> taken =
        readable ? takenRowIndexes() : std::vector<std::size_t>{};
    const std::optional<ColumnRoles> roles =
        readable && table.layout.headerRows > 0 ? guessRoles(table.names) : std::nullopt;
    const std::size_t total = table.rows.size();
    notice_->setText(readable ? QString::fromStdString(importNotice(total, taken.size(), MOST_ROWS))
                              : QString());
    roles_->setText(readable ? roleText(roles, table.names) : QString());
    notice_->setVisible(readable);
    roles_->setVisible(readable);

    preview_->clear();
    preview_->setColumnCount(readable ? table.columnCount() : 0);
    const int shown = static_cast<int>(std::min<std::size_t>(taken.size(), PREVIEW_ROWS));
    preview_->setRowCount(shown);
    QStringList headers;
    for (int c = 0; c < preview_->columnCount(); ++c)
        headers << QString::fromStdString(table.names[static_cast<std::size_t>(c)]);
    preview_->setHorizontalHeaderLabels(headers);
    QStringList lines;
    for (int r = 0; r < shown; ++r) {
        const std::size_t row = taken[static_cast<std::size_t>(r)];
        lines << QString::number(row + 1);
        for (int c = 0; c < preview_->columnCount(); ++c)
            preview_->setItem(r, c,
                              new QTableWidgetItem(QString::fromStdString(
                                  table.rows[row][static_cast<std::size_t>(c)])));
    }
    preview_->setVerticalHeaderLabels(lines);
    preview_->resizeColumnsToContents();
}

void TImportPreviewDlg::OKBtnClick() {
    if (problem_) {
        refuse({{*problem_, "Import Data File", MessageIcon::Warning, MessageButtons::Ok}});
        return;
    }
    acceptInput();
}
