#include "graph/Chartoptions.h"

#include "graph/Chart.h"
#include "shell/UiServices.h"
#include "table/TypingFilter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int MOST_DECIMALS = 8;

std::size_t indexOf(PlotAxis axis) {
    return axis == PlotAxis::X ? 0 : 1;
}

ChartAxis chartAxisOf(PlotAxis axis) {
    return axis == PlotAxis::X ? ChartAxis::BottomAxis : ChartAxis::LeftAxis;
}

// A component's name with the axis's letter in front: "X" + "MinEdit" is XMinEdit.
QString named(PlotAxis axis, const char* name) {
    return QLatin1String(axis == PlotAxis::X ? "X" : "Y") + QLatin1String(name);
}

template <class Widget> Widget* make(QWidget* parent, const QString& name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

} // namespace

TChartOptionsForm::TChartOptionsForm(UiServices& ui, Document& document, Chart& chart,
                                     ChartOptionsHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), ui_(ui), document_(document),
      chart_(chart), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("ChartOptionsForm"));
    setWindowTitle(QStringLiteral("Axis Options"));
    setModal(false);

    auto* panels = new QHBoxLayout;
    panels->addWidget(createPanel(PlotAxis::X));
    panels->addWidget(createPanel(PlotAxis::Y));

    auto* reset = make<QPushButton>(this, QStringLiteral("ResetButton"));
    reset->setText(QStringLiteral("Reset"));
    reset->setToolTip(QStringLiteral("Reset all Chart Option settings to default values"));
    reset->setAutoDefault(false);
    auto* close = make<QPushButton>(this, QStringLiteral("CancelButton"));
    close->setText(QStringLiteral("Close"));
    close->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, [this] { run([this] { ResetButtonClick(); }); });
    connect(close, &QPushButton::clicked, this, &TChartOptionsForm::CancelButtonClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a dialog border: no resizing
    layout->addLayout(panels);
    layout->addLayout(buttons);

    connectPanel(PlotAxis::X);
    connectPanel(PlotAxis::Y);
    showSettings();
}

QGroupBox* TChartOptionsForm::createPanel(PlotAxis axis) {
    const QString letter = QLatin1String(axis == PlotAxis::X ? "X" : "Y");
    AxisControls& c = controls_[indexOf(axis)];
    c.panel = make<QGroupBox>(this, named(axis, "axisPanel"));
    c.panel->setTitle(letter + QStringLiteral("-Axis Options"));
    c.panel->installEventFilter(this);

    c.scaleGroup = make<QGroupBox>(c.panel, named(axis, "ScaleGroupBox"));
    c.scaleGroup->setTitle(letter + QStringLiteral("-Axis Scale"));
    c.automatic = make<QRadioButton>(c.scaleGroup, named(axis, "AutoRadioButton"));
    c.automatic->setText(QStringLiteral("Automatic"));
    c.manual = make<QRadioButton>(c.scaleGroup, named(axis, "ManualRadioButton"));
    c.manual->setText(QStringLiteral("Manual"));
    c.minLabel = make<QLabel>(c.scaleGroup, named(axis, "MinLabel"));
    c.minLabel->setText(letter + QStringLiteral("Min "));
    c.maxLabel = make<QLabel>(c.scaleGroup, named(axis, "MaxLabel"));
    c.maxLabel->setText(letter + QStringLiteral("Max"));
    c.betweenLabel = make<QLabel>(c.scaleGroup, named(axis, "BetweenLabel"));
    c.betweenLabel->setText(QStringLiteral("< ") + letter + QStringLiteral(" <"));
    c.minEdit = make<QLineEdit>(c.scaleGroup, named(axis, "MinEdit"));
    c.maxEdit = make<QLineEdit>(c.scaleGroup, named(axis, "MaxEdit"));
    c.minLabel->setBuddy(c.minEdit);
    c.maxLabel->setBuddy(c.maxEdit);
    for (QLineEdit* edit : {c.minEdit, c.maxEdit}) {
        edit->setMaximumWidth(90);
        edit->installEventFilter(this);
    }
    c.apply = make<QPushButton>(c.scaleGroup, named(axis, "ApplyButton"));
    c.apply->setText(QStringLiteral("Apply Changes"));
    c.apply->setToolTip(QStringLiteral("Apply Changes to %1min & %1Max").arg(letter));
    c.apply->setAutoDefault(false);
    // Disabled buttons keep their clicks; those of a locked group are clicks on the panel.
    for (QWidget* button : std::initializer_list<QWidget*>{c.automatic, c.manual, c.apply})
        button->installEventFilter(this);

    auto* scale = new QGridLayout(c.scaleGroup);
    scale->addWidget(c.automatic, 0, 0);
    scale->addWidget(c.manual, 0, 2);
    scale->addWidget(c.minLabel, 1, 0);
    scale->addWidget(c.maxLabel, 1, 2);
    scale->addWidget(c.minEdit, 2, 0);
    scale->addWidget(c.betweenLabel, 2, 1);
    scale->addWidget(c.maxEdit, 2, 2);
    scale->addWidget(c.apply, 3, 0, 1, 3);

    c.scientific = make<QCheckBox>(c.panel, named(axis, "expCheckBox"));
    c.scientific->setText(QStringLiteral("Use Scientific Notation"));
    auto* decimalsLabel = make<QLabel>(c.panel, named(axis, "DecimalLabel"));
    decimalsLabel->setText(QStringLiteral("Number of decimal points:"));
    c.decimals = make<QComboBox>(c.panel, named(axis, "DecimalComboBox"));
    for (int n = 0; n <= MOST_DECIMALS; ++n)
        c.decimals->addItem(QString::number(n));
    decimalsLabel->setBuddy(c.decimals);
    c.minorGrid = make<QCheckBox>(c.panel, named(axis, "MinorGridCheckBox"));
    c.minorGrid->setText(QStringLiteral("Show Minor Grid"));

    auto* decimalsRow = new QHBoxLayout;
    decimalsRow->addWidget(decimalsLabel);
    decimalsRow->addWidget(c.decimals);
    decimalsRow->addStretch();
    auto* column = new QVBoxLayout(c.panel);
    column->addWidget(c.scaleGroup);
    column->addWidget(c.scientific);
    column->addLayout(decimalsRow);
    column->addWidget(c.minorGrid);
    return c.panel;
}

// Only what the user does runs a rule: setting a control from the program emits none of
// these signals.
void TChartOptionsForm::connectPanel(PlotAxis axis) {
    const AxisControls& c = controls_[indexOf(axis)];
    const auto onClick = [this, axis](QAbstractButton* button,
                                      void (TChartOptionsForm::*rule)(PlotAxis)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, axis, rule] { run([this, axis, rule] { (this->*rule)(axis); }); });
    };
    onClick(c.automatic, &TChartOptionsForm::AutoRadioButtonClick);
    onClick(c.manual, &TChartOptionsForm::ManualRadioButtonClick);
    onClick(c.apply, &TChartOptionsForm::ApplyButtonClick);
    onClick(c.scientific, &TChartOptionsForm::expCheckBoxClick);
    onClick(c.minorGrid, &TChartOptionsForm::MinorGridCheckBoxClick);
    connect(c.decimals, &QComboBox::activated, this, [this, axis](int entry) {
        run([this, axis, entry] { DecimalComboBoxChange(axis, entry); });
    });
    // The limit texts belong to the document as they are typed, so Save writes them.
    connect(c.minEdit, &QLineEdit::textEdited, this, [this, axis](const QString& text) {
        axisSettings(document_, axis).manualMinimum = text.toStdString();
    });
    connect(c.maxEdit, &QLineEdit::textEdited, this, [this, axis](const QString& text) {
        axisSettings(document_, axis).manualMaximum = text.toStdString();
    });
}

void TChartOptionsForm::run(const std::function<void()>& handler) {
    hooks_.runCommand(handler);
}

void TChartOptionsForm::showSettings() {
    if (state_.pending && axisSettings(document_, *state_.pending).automatic)
        state_.pending.reset();
    showAxis(PlotAxis::X);
    showAxis(PlotAxis::Y);
}

void TChartOptionsForm::showAxis(PlotAxis axis) {
    const AxisControls& c = controls_[indexOf(axis)];
    const AxisSettings& s = axisSettings(document_, axis);
    c.automatic->setChecked(s.automatic);
    c.manual->setChecked(!s.automatic);
    c.minEdit->setText(QString::fromStdString(s.manualMinimum));
    c.maxEdit->setText(QString::fromStdString(s.manualMaximum));
    c.scientific->setChecked(s.scientific);
    c.decimals->setCurrentIndex(s.decimals >= 0 && s.decimals <= MOST_DECIMALS ? s.decimals : -1);
    c.minorGrid->setChecked(s.minorGrid);
    for (QWidget* limit : std::initializer_list<QWidget*>{c.minLabel, c.maxLabel, c.betweenLabel,
                                                          c.minEdit, c.maxEdit, c.apply})
        limit->setEnabled(!s.automatic);
    c.scaleGroup->setEnabled(!isScaleGroupLocked(state_, axis));
}

// The label format and the minor grid the document holds, on the chart.
void TChartOptionsForm::showOnChart(PlotAxis axis) {
    const AxisSettings& s = axisSettings(document_, axis);
    chart_.setLabelFormat(chartAxisOf(axis), s.labelFormat);
    chart_.setMinorGridVisible(chartAxisOf(axis), s.minorGrid);
    chart_.replot();
}

Cascade TChartOptionsForm::resetSettings() {
    const Cascade cascade = resetAxisOptions(document_, state_);
    showSettings();
    showOnChart(PlotAxis::X);
    showOnChart(PlotAxis::Y);
    return cascade;
}

void TChartOptionsForm::AutoRadioButtonClick(PlotAxis axis) {
    const Cascade cascade = chooseAutomatic(document_, state_, axis);
    showSettings();
    hooks_.runCascade(cascade);
}

void TChartOptionsForm::ManualRadioButtonClick(PlotAxis axis) {
    chooseManual(document_, state_, axis);
    showSettings();
    controls_[indexOf(axis)].minEdit->setFocus();
}

// The limits go on the axis in one step; the plot is not rebuilt, so the data stay where
// they are and only a shown fit is drawn again over the new range.
void TChartOptionsForm::ApplyButtonClick(PlotAxis axis) {
    const LimitsOutcome outcome = applyManualLimits(document_, state_, axis);
    if (outcome.refusal) {
        ui_.show(*outcome.refusal);
        return;
    }
    if (outcome.range) {
        chart_.setRange(chartAxisOf(axis), *outcome.range);
        chart_.replot();
    }
    showSettings();
    hooks_.runCascade(outcome.cascade);
}

void TChartOptionsForm::expCheckBoxClick(PlotAxis axis) {
    switchScientific(document_, axis, controls_[indexOf(axis)].scientific->isChecked());
    showOnChart(axis);
}

void TChartOptionsForm::DecimalComboBoxChange(PlotAxis axis, int decimals) {
    chooseDecimals(document_, axis, decimals);
    showOnChart(axis);
}

void TChartOptionsForm::MinorGridCheckBoxClick(PlotAxis axis) {
    axisSettings(document_, axis).minorGrid = controls_[indexOf(axis)].minorGrid->isChecked();
    showOnChart(axis);
}

void TChartOptionsForm::axisPanelClick(PlotAxis axis) {
    if (const auto refusal = panelClickRefusal(state_, axis))
        ui_.show(*refusal);
}

void TChartOptionsForm::ResetButtonClick() {
    hooks_.runCascade(resetSettings());
}

void TChartOptionsForm::CancelButtonClick() {
    if (const auto refusal = closeButtonRefusal(state_)) {
        ui_.show(*refusal);
        return;
    }
    hide();
}

void TChartOptionsForm::reject() {
    CancelButtonClick();
}

// The window's own close box (FormCloseQuery).
void TChartOptionsForm::closeEvent(QCloseEvent* event) {
    if (const auto refusal = closeBoxRefusal(state_)) {
        ui_.show(*refusal);
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// Centred on the screen when first shown; afterwards it opens where the user left it.
void TChartOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_ || !screen())
        return;
    placed_ = true;
    move(screen()->availableGeometry().center() - rect().center());
}

// A click on a panel is one that no enabled control takes: on the panel itself or anywhere
// in its locked scale group. Typed characters other than those of a number never reach the
// limit fields; keys that type nothing (Enter, Escape, arrows, shortcuts) pass.
bool TChartOptionsForm::eventFilter(QObject* watched, QEvent* event) {
    for (PlotAxis axis : {PlotAxis::X, PlotAxis::Y}) {
        const AxisControls& c = controls_[indexOf(axis)];
        const auto* widget = qobject_cast<const QWidget*>(watched);
        const bool onPanel =
            widget == c.panel || (widget && !widget->isEnabled() && c.panel->isAncestorOf(widget));
        if (onPanel && event->type() == QEvent::MouseButtonRelease) {
            run([this, axis] { axisPanelClick(axis); });
            return true;
        }
        if ((watched == c.minEdit || watched == c.maxEdit) && event->type() == QEvent::KeyPress)
            return dropsTypedKey(static_cast<const QKeyEvent&>(*event),
                                 document_.table.decimalSeparator());
    }
    return QDialog::eventFilter(watched, event);
}

// The limits are numbers as the table's cells are: the same characters may be typed.
bool TChartOptionsForm::dropsTypedKey(const QKeyEvent& event, char separator) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (const QChar ch : event.text())
        if (ch.isPrint() && !passesTypingFilter(ch.unicode(), separator))
            return true;
    return false;
}
