// "User Defined..." in the window: the dialog's wiring, the preview, the fit of the law
// with its results, a failure, Undo, and the law saved with the document and reopened.

#include "DataEntryFixture.h"

#include "../support/TempFiles.h"

#include "app/MainActions.h"
#include "fitctl/FitRequestRun.h"
#include "fitctl/UserModelDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// A capacitor charging: V = V0 (1 - e^(-t/tau)) with V0 = 5 and tau = 2, measured to a
// few hundredths, in rows 1 to 8.
class UserModelTest : public DataEntryTest {
protected:
    using Script = ScriptedUiServices::DialogScript;
    static constexpr const char* CHARGING = "V0*(1 - exp(-x/tau))";

    void SetUp() override {
        DataEntryTest::SetUp();
        enterColumn(1, {"0.5", "1", "1.5", "2", "3", "4", "5", "6"});
        enterColumn(2, {"1.096", "1.988", "2.629", "3.148", "3.876", "4.340", "4.600", "4.758"});
    }

    static QLineEdit* equationEdit(QDialog& d) {
        return d.findChild<QLineEdit*>(QStringLiteral("EquationEdit"));
    }
    static QTableWidget* parameters(QDialog& d) {
        return d.findChild<QTableWidget*>(QStringLiteral("ParameterTable"));
    }
    static void press(QDialog& d, const char* button) {
        QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    static void setCell(QDialog& d, int row, int column, const QString& text) {
        parameters(d)->item(row, column)->setText(text);
    }
    // Types the law and the start values (one per row, in order), then OK; a refused
    // input is cancelled.
    static Script typeLaw(const QString& law, const QStringList& starts = {},
                          bool preview = false) {
        return [law, starts, preview](QDialog& d) {
            equationEdit(d)->setText(law);
            for (int row = 0; row < starts.size(); ++row)
                setCell(d, row, TUserModelDlg::StartColumn, starts[row]);
            if (preview)
                press(d, "PreviewBtn");
            press(d, "OKBtn");
            if (d.isVisible())
                press(d, "CancelBtn");
            return d.result();
        };
    }
    void chooseLaw(const Script& script) {
        ui.dialogScripts.push_back(script);
        action("UserDefinedFit")->trigger();
    }
    QString equationLabel() { return child<QLabel>("EquationLabel")->text(); }
};

TEST_F(UserModelTest, TheDialogsTableFollowsTheLawAndOKChoosesIt) {
    QStringList namesSeen;
    ui.dialogScripts.push_back([&namesSeen](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "User Defined Fit");
        equationEdit(d)->setText("a*x");
        equationEdit(d)->setText("a*exp(-x/"); // half typed: the rows stay
        EXPECT_EQ(parameters(d)->rowCount(), 1);
        EXPECT_FALSE(d.findChild<QLabel*>("ParseLabel")->text().isEmpty());
        setCell(d, 0, TUserModelDlg::StartColumn, "4");
        equationEdit(d)->setText(CHARGING); // V0 is new, a has gone
        equationEdit(d)->setText("a*V0*(1 - exp(-x/tau))");
        equationEdit(d)->setText(CHARGING);
        for (int row = 0; row < parameters(d)->rowCount(); ++row)
            namesSeen << parameters(d)->item(row, TUserModelDlg::NameColumn)->text();
        setCell(d, 1, TUserModelDlg::StartColumn, "1.5");
        setCell(d, 1, TUserModelDlg::LowerColumn, "0");
        parameters(d)->item(1, TUserModelDlg::FixedColumn)->setCheckState(Qt::Checked);
        press(d, "OKBtn");
        return d.result();
    });
    action("UserDefinedFit")->trigger();
    EXPECT_EQ(namesSeen, QStringList({"V0", "tau"}));
    EXPECT_EQ(doc().fitType, FitType::USERMODEL);
    EXPECT_EQ(doc().userModel.equation, CHARGING);
    EXPECT_EQ(doc().userModel.parameters,
              (std::vector<UserParameterSettings>{{"V0", 1, false, {}, {}},
                                                  {"tau", 1.5, true, 0.0, {}}}));
    EXPECT_TRUE(doc().modified);
    EXPECT_EQ(form->statusText(2), "Fit Type: User Defined");
    EXPECT_EQ(equationLabel(), QString("Fitting the equation:  y = ") + CHARGING);
    EXPECT_TRUE(action("UserDefinedFit")->isChecked());
}

// Bad input is refused with its message and changes nothing; Cancel changes nothing.
TEST_F(UserModelTest, RefusedOrCancelledTheDocumentStaysAsItWas) {
    const Document before = doc();
    chooseLaw(typeLaw("V0*(1 - exp(-x/", {}));
    chooseLaw(typeLaw(CHARGING, {"five"}));
    chooseLaw([](QDialog& d) {
        equationEdit(d)->setText(CHARGING);
        press(d, "CancelBtn");
        return d.result();
    });
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_TRUE(doc() == before);
    EXPECT_TRUE(action("LinearFit")->isChecked());
    EXPECT_EQ(equationLabel(), "Fitting the equation:  y = a + bx");
}

// Preview draws the law at its start values where a fit's curve goes, and takes it away
// when the dialog closes; a start at which the law has no value is named.
TEST_F(UserModelTest, PreviewDrawsTheStartValuesOverTheData) {
    int previewPoints = 0;
    ui.dialogScripts.push_back([this, &previewPoints](QDialog& d) {
        equationEdit(d)->setText(CHARGING);
        setCell(d, 0, TUserModelDlg::StartColumn, "5");
        setCell(d, 1, TUserModelDlg::StartColumn, "2");
        press(d, "PreviewBtn");
        previewPoints = fitLinePoints();
        expectCurveSplitAt(0.5, 6);
        equationEdit(d)->setText("log(x - c)");
        setCell(d, 0, TUserModelDlg::StartColumn, "0.75");
        press(d, "PreviewBtn");
        press(d, "CancelBtn");
        return d.result();
    });
    action("UserDefinedFit")->trigger();
    EXPECT_EQ(previewPoints, 1001);
    EXPECT_EQ(fitLinePoints(), 0) << "the preview goes with the dialog";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.contains("x = 0.5"));
    EXPECT_FALSE(fitButton()->isChecked());
}

TEST_F(UserModelTest, TheFitToggleFitsTheLawWithItsResultsCurveAndExtras) {
    chooseLaw(typeLaw(CHARGING, {"4", "1"}));
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked())
        << (ui.messages.empty() ? "" : ui.messages.back().text.toStdString());
    const QStringList footer = chart().footerLines();
    ASSERT_GE(footer.size(), 4);
    EXPECT_EQ(footer[0], QString("y = ") + CHARGING);
    EXPECT_TRUE(footer[1].startsWith("V0 = 5.0")) << footer[1].toStdString();
    EXPECT_TRUE(footer[2].startsWith("tau = 2.0")) << footer[2].toStdString();
    EXPECT_TRUE(footer[3].startsWith("Residual Std Dev = ")) << footer[3].toStdString();
    EXPECT_TRUE(footer[3].contains("Iterations = "));
    expectCurveSplitAt(0.5, 6);
    action("ShowResiduals")->trigger();
    action("ShowConfidenceBand")->trigger();
    EXPECT_EQ(chart().residualCount(), 8);
    EXPECT_EQ(chart().confidenceBandPointCount(), 1001);
    EXPECT_TRUE(action("CopyResults")->isEnabled());
    action("ShowResiduals")->trigger();
}

TEST_F(UserModelTest, AFailedFitSaysWhyAndShowsNothing) {
    chooseLaw(typeLaw("a + b*x + c*x^2 + d*x^3 + e*x^4 + f*x^5 + g*x^6 + h*x^7"));
    ui.messages.clear();
    fitButton()->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), runFitRequest(doc(), true).failure->text);
    expectNoFit();
}

TEST_F(UserModelTest, UndoTakesTheLawBack) {
    chooseLaw(typeLaw(CHARGING, {"4", "1"}));
    chooseLaw(typeLaw("A*x^n"));
    action("editUndo")->trigger();
    EXPECT_EQ(doc().userModel.equation, CHARGING);
    EXPECT_EQ(equationLabel(), QString("Fitting the equation:  y = ") + CHARGING);
    action("editUndo")->trigger();
    EXPECT_EQ(doc().fitType, FitType::LINEAR);
    EXPECT_TRUE(doc().userModel.empty());
    EXPECT_EQ(equationLabel(), "Fitting the equation:  y = a + bx");
}

TEST_F(UserModelTest, TheLawIsSavedAndReopened) {
    chooseLaw(typeLaw(CHARGING, {"4", "1"}));
    const QString path = QString::fromStdString(tempFolder() + "/charging.dat");
    ui.fileNames.push_back(path);
    action("FileSaveAs1")->trigger();
    const Document saved = doc();
    action("FileNew")->trigger();
    EXPECT_EQ(doc().fitType, FitType::LINEAR);
    ui.fileNames.push_back(path);
    action("FileOpen1")->trigger();
    EXPECT_EQ(doc().userModel, saved.userModel);
    EXPECT_EQ(doc().fitType, FitType::USERMODEL);
    EXPECT_EQ(equationLabel(), QString("Fitting the equation:  y = ") + CHARGING);
    fitButton()->click();
    EXPECT_TRUE(fitButton()->isChecked());
}

} // namespace
