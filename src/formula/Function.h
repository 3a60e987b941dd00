#pragma once

#include <QDialog>

#include <string>
#include <vector>

class DataTable;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class UiServices;
struct ColumnFormula;

// "Define Function" (FunctionForm): names a result column, new or existing, and takes an
// equation over the other columns, which are inserted from "Use column:" or typed as their
// names in double quotes. The window is not modal and stays over the main window, so the
// user can look at the table while writing; OK checks the name and the equation and hands
// the parsed equation to the main window, which fills the column.
class TFunctionForm : public QDialog {
    Q_OBJECT
public:
    TFunctionForm(UiServices& ui, const DataTable& table, QWidget* parent);
    ~TFunctionForm() override;

    // Shows the window, or brings it to the front, as the active window.
    void showActivated();

    // Each time the window becomes active from another window of the program: the column
    // list and the variables follow the table's columns of that moment, the result name
    // starts empty, and the equation stays.
    void FormActivate();

    // Set while the last OK was refused over the result column's name: the close box then
    // leaves the window open, so the refusal is not lost from sight. Cancel clears it.
    bool keepOpen() const { return keepOpen_; }
    const std::string& variableList() const { return variableList_; }

signals:
    // OK passed every check; the receiver computes the column, hides the window and
    // updates the fit and the plot.
    void formulaAccepted(ColumnFormula& formula);

public slots:
    // Escape is the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override; // FormCloseQuery
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void fillInstructions();
    void VariableComboBoxSelect(int entry);
    void OKButtonClick();
    void CancelButtonClick();
    void refuseName();
    void focusChanged(QWidget* old, QWidget* now);

    UiServices& ui_;
    const DataTable& table_;
    QLabel* label1_ = nullptr;
    QLineEdit* newColNameEdit_ = nullptr;
    QLabel* functionLabel_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* functionEdit_ = nullptr;
    QLabel* variableLabel_ = nullptr;
    QComboBox* variableComboBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTextEdit* richEdit1_ = nullptr;

    // The column references in the list and the variables, as the columns were at the
    // last activation.
    std::vector<std::string> references_;
    std::string variableList_;
    bool keepOpen_ = false;
};
