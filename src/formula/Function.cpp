#include "formula/Function.h"

#include "formula/ComputedColumn.h"
#include "shell/UiServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// The instructions, line by line; a line that goes on from the one above is indented.
struct InstructionLine {
    const char* text;
    bool continuation;
};
constexpr InstructionLine INSTRUCTIONS[] = {
    {"1. Enter a column name for the calculation results to be placed in.", false},
    {"(You can enter an existing column name or create a new one.)", true},
    {"", false},
    {"2. Type the equation.  To use existing columns in a calculation, select", false},
    {"the column from the 'Use Column'  selection menu to insert it into the", true},
    {"equation OR you can type the name of the column with \" \".", true},
    {"(Note: Column names are case sensitive.)", true},
    {"", false},
    {"3. Once you've finshed editing your equation click OK.", false},
};
constexpr int CONTINUATION_INDENT = 16; // pixels

// Whether the widget is this window, one of its controls, or in a window it opened (the
// message boxes of OK are parented to it).
bool belongsTo(const QObject* widget, const QObject* window) {
    for (const QObject* o = widget; o; o = o->parent())
        if (o == window)
            return true;
    return false;
}

} // namespace

TFunctionForm::TFunctionForm(UiServices& ui, const DataTable& table, QWidget* parent)
    : QDialog(parent), ui_(ui), table_(table) {
    setObjectName(QStringLiteral("FunctionForm"));
    setWindowTitle(QStringLiteral("Define Function"));
    setModal(false);
    createControls();
    fillInstructions();
    connect(qApp, &QApplication::focusChanged, this, &TFunctionForm::focusChanged);
}

// The dialog hides itself as it goes, which moves the focus; by then this part of the
// window is gone and must not hear of it.
TFunctionForm::~TFunctionForm() {
    disconnect(qApp, &QApplication::focusChanged, this, &TFunctionForm::focusChanged);
}

void TFunctionForm::createControls() {
    const QString prompt =
        QStringLiteral("Enter the name of column that you want to         place the results in:");
    label1_ = new QLabel(prompt, this);
    label1_->setObjectName(QStringLiteral("Label1"));
    // The run of blanks marks where the prompt breaks into its two lines.
    label1_->setWordWrap(true);
    label1_->setFixedWidth(
        label1_->fontMetrics().horizontalAdvance(prompt.section(QStringLiteral("   "), 0, 0)) + 8);
    label1_->setFixedHeight(label1_->heightForWidth(label1_->width()));
    newColNameEdit_ = new QLineEdit(this);
    newColNameEdit_->setObjectName(QStringLiteral("NewColNameEdit"));
    newColNameEdit_->setToolTip(QStringLiteral("Enter column name for results."));
    label1_->setBuddy(newColNameEdit_);

    label2_ = new QLabel(QStringLiteral("Enter the equation.  To use existing columns in your "
                                        "calculation, select them from 'Use Column':"),
                         this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setWordWrap(true);
    functionLabel_ = new QLabel(QLatin1String(EQUATION_LABEL), this);
    functionLabel_->setObjectName(QStringLiteral("FunctionLabel"));
    functionEdit_ = new QLineEdit(this);
    functionEdit_->setObjectName(QStringLiteral("FunctionEdit"));
    functionEdit_->setToolTip(QStringLiteral("Type your function"));
    functionEdit_->setMinimumWidth(320);
    functionLabel_->setBuddy(functionEdit_);

    variableLabel_ = new QLabel(QStringLiteral("Use column:"), this);
    variableLabel_->setObjectName(QStringLiteral("VariableLabel"));
    variableComboBox_ = new QComboBox(this);
    variableComboBox_->setObjectName(QStringLiteral("VariableComboBox"));
    variableComboBox_->setToolTip(QStringLiteral("Insert column name into equation."));
    variableComboBox_->setEditable(false);
    variableComboBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    variableComboBox_->setMinimumContentsLength(12);
    variableLabel_->setBuddy(variableComboBox_);

    // Enter belongs to the equation box alone; no button takes it.
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setAutoDefault(false);

    richEdit1_ = new QTextEdit(this);
    richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit1_->setAccessibleName(QStringLiteral("Instructions"));
    richEdit1_->setReadOnly(true);
    richEdit1_->setFocusPolicy(Qt::NoFocus);
    richEdit1_->setLineWrapMode(QTextEdit::NoWrap);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1_, 0, 0, 1, 3);
    layout->addWidget(newColNameEdit_, 1, 0, 1, 3);
    layout->addWidget(label2_, 2, 0, 1, 3);
    layout->addWidget(functionLabel_, 3, 0);
    layout->addWidget(functionEdit_, 3, 1, 1, 2);
    layout->addWidget(variableLabel_, 4, 0, 1, 2, Qt::AlignRight);
    layout->addWidget(variableComboBox_, 4, 2, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons, 5, 0, 1, 3);
    layout->addWidget(richEdit1_, 6, 0, 1, 3);
    layout->setColumnStretch(2, 1);

    connect(variableComboBox_, &QComboBox::activated, this, &TFunctionForm::VariableComboBoxSelect);
    connect(functionEdit_, &QLineEdit::returnPressed, this, &TFunctionForm::OKButtonClick);
    connect(okButton_, &QPushButton::clicked, this, &TFunctionForm::OKButtonClick);
    connect(cancelButton_, &QPushButton::clicked, this, &TFunctionForm::CancelButtonClick);
}

// Red text; the heading centred, continuation lines indented.
void TFunctionForm::fillInstructions() {
    QTextCursor cursor(richEdit1_->document());
    QTextCharFormat red;
    red.setForeground(Qt::red);
    QTextBlockFormat heading;
    heading.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(heading);
    cursor.insertText(QStringLiteral("Instructions:"), red);
    for (const InstructionLine& line : INSTRUCTIONS) {
        QTextBlockFormat format;
        format.setAlignment(Qt::AlignLeft);
        if (line.continuation)
            format.setLeftMargin(CONTINUATION_INDENT);
        cursor.insertBlock(format, red);
        cursor.insertText(QLatin1String(line.text), red);
    }
    // Every line in sight at once, the longest included.
    QTextDocument& text = *richEdit1_->document();
    text.adjustSize();
    const int frame = 2 * richEdit1_->frameWidth();
    richEdit1_->setMinimumWidth(int(text.size().width()) + frame);
    richEdit1_->setFixedHeight(int(text.size().height()) + frame);
    richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TFunctionForm::showActivated() {
    show();
    raise();
    activateWindow();
    FormActivate();
}

// The activation that follows one of this window's own message boxes is no new visit:
// the name the user typed stays.
void TFunctionForm::focusChanged(QWidget* old, QWidget* now) {
    if (now && now->window() == this && old && !belongsTo(old, this))
        FormActivate();
}

void TFunctionForm::FormActivate() {
    references_ = columnReferences(table_);
    variableList_ = ::variableList(table_);
    variableComboBox_->clear();
    for (const std::string& reference : references_)
        variableComboBox_->addItem(QString::fromStdString(reference));
    variableComboBox_->setCurrentIndex(-1);
    newColNameEdit_->clear();
    newColNameEdit_->setFocus();
}

void TFunctionForm::VariableComboBoxSelect(int entry) {
    functionEdit_->setText(functionEdit_->text() + variableComboBox_->itemText(entry));
    functionEdit_->setFocus();
    functionEdit_->end(false);
}

// The name is settled first: an existing column is overwritten only after the user agreed.
// Nothing changes in the table before the equation has parsed.
void TFunctionForm::OKButtonClick() {
    const std::string name = newColNameEdit_->text().toStdString();
    if (name.empty()) {
        ui_.show(blankResultNameRefusal());
        refuseName();
        return;
    }
    const int existing = table_.findColumn(name);
    if (existing != -1 && ui_.show(overwriteQuestion()) != UiServices::Answer::Yes) {
        refuseName();
        return;
    }
    keepOpen_ = false;
    auto checked = checkEquation(functionEdit_->text().toStdString(), references_, variableList_);
    if (const auto* refusal = std::get_if<UserMessage>(&checked)) {
        ui_.show(*refusal);
        return;
    }
    ColumnFormula formula{name, existing == -1 ? NEW_COLUMN : existing,
                          std::move(std::get<Equation>(checked))};
    emit formulaAccepted(formula);
}

void TFunctionForm::refuseName() {
    newColNameEdit_->setFocus();
    keepOpen_ = true;
}

void TFunctionForm::CancelButtonClick() {
    functionEdit_->clear();
    keepOpen_ = false;
    hide();
}

void TFunctionForm::reject() {
    if (!keepOpen_)
        QDialog::reject();
}

void TFunctionForm::closeEvent(QCloseEvent* event) {
    if (keepOpen_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Shown anew, the window starts in the middle of the screen, and a refusal from an
// earlier visit no longer holds it open.
void TFunctionForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        keepOpen_ = false;
        adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}
