#pragma once

#include "graph/AxisOptionsRules.h"

#include <QDialog>

#include <array>
#include <functional>

class Chart;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UiServices;

// What the Axis Options window asks of the main window.
struct ChartOptionsHooks {
    // Runs one handler of the window as a command: an error ends it, with its message shown.
    std::function<void(const std::function<void()>&)> runCommand;
    // The re-plot and the fit refresh that a rule asks for.
    std::function<void(const Cascade&)> runCascade;
};

// "Axis Options" (ChartOptionsForm): the scale mode and limits, the label format and the
// minor grid of each axis. Not modal and always on top; every change acts on the graph at
// once. The controls show the document's axis settings and change them through the rules;
// only which axis waits for its manual limits belongs to the window. Created once and only
// hidden and shown afterwards.
class TChartOptionsForm : public QDialog {
    Q_OBJECT
public:
    TChartOptionsForm(UiServices& ui, Document& document, Chart& chart, ChartOptionsHooks hooks,
                      QWidget* parent = nullptr);

    const AxisOptionsState& state() const { return state_; }
    // An opened document's axes: one whose limits were refused waits for new ones.
    void setState(const AxisOptionsState& state) { state_ = state; }
    // Shows the document's settings after others changed them (a re-plot choosing a format,
    // a new or opened document). An axis that is automatic no longer waits for its limits.
    void showSettings();
    // Every setting back to its default, as "Reset" and a new document leave them; returns
    // what follows.
    Cascade resetSettings();

public slots:
    // Escape is the "Close" button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct AxisControls {
        QGroupBox* panel;
        QGroupBox* scaleGroup;
        QRadioButton* automatic;
        QRadioButton* manual;
        QLabel* minLabel;
        QLabel* maxLabel;
        QLabel* betweenLabel;
        QLineEdit* minEdit;
        QLineEdit* maxEdit;
        QPushButton* apply;
        QCheckBox* scientific;
        QComboBox* decimals;
        QCheckBox* minorGrid;
    };

    QGroupBox* createPanel(PlotAxis axis);
    void connectPanel(PlotAxis axis);
    void showAxis(PlotAxis axis);
    void showOnChart(PlotAxis axis);
    void run(const std::function<void()>& handler);

    // The handlers; each serves the X and the Y control alike.
    void AutoRadioButtonClick(PlotAxis axis);
    void ManualRadioButtonClick(PlotAxis axis);
    void ApplyButtonClick(PlotAxis axis);
    void expCheckBoxClick(PlotAxis axis);
    void DecimalComboBoxChange(PlotAxis axis, int decimals);
    void MinorGridCheckBoxClick(PlotAxis axis);
    void axisPanelClick(PlotAxis axis);
    void ResetButtonClick();
    void CancelButtonClick();
    static bool dropsTypedKey(const QKeyEvent& event, char separator);

    UiServices& ui_;
    Document& document_;
    Chart& chart_;
    ChartOptionsHooks hooks_;
    AxisOptionsState state_;
    std::array<AxisControls, 2> controls_{};
    bool placed_ = false;
};
