#pragma once

#include "MainFormFixture.h"

#include "graph/Chart.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

// The main window with helpers for the column dialogs and a fit that looks shown.
class ColumnFormTest : public MainFormTest {
protected:
    using Script = ScriptedUiServices::DialogScript;
    using Answer = UiServices::Answer;

    const Document& doc() const { return form->document(); }
    const DataTable& table() const { return form->document().table; }
    DataTableModel& model() { return form->grid().tableModel(); }

    static void press(QDialog& dialog, const char* button) {
        auto* b = dialog.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    // Presses OK; a dialog that refused the input stays open and is then cancelled.
    static int okOrCancel(QDialog& dialog) {
        press(dialog, "OKBtn");
        if (dialog.isVisible())
            press(dialog, "CancelBtn");
        return dialog.result();
    }

    // Types the text into the dialog's text field, then okOrCancel.
    static Script typeName(const char* field, const QString& text) {
        return [field, text](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
            EXPECT_NE(edit, nullptr) << field;
            if (edit)
                QTest::keyClicks(edit, text);
            return okOrCancel(dialog);
        };
    }
    static Script newColumn(const QString& name) { return typeName("ColNameEdit", name); }
    static Script rename(const QString& name) { return typeName("ColumnEdit", name); }

    // Chooses entry `entry` of "Delete Column"'s list, then okOrCancel.
    static Script deleteEntry(int entry) {
        return [entry](QDialog& dialog) {
            dialog.findChild<QComboBox*>("DeleteComboBox")->setCurrentIndex(entry);
            return okOrCancel(dialog);
        };
    }

    // "Define a Function" with a new column's name and its equation, then OK.
    void defineColumn(const QString& name, const QString& equation) {
        action("DefineFunctionAction")->trigger();
        auto* window = form->findChild<QDialog*>("FunctionForm");
        ASSERT_NE(window, nullptr);
        window->findChild<QLineEdit*>("NewColNameEdit")->setText(name);
        window->findChild<QLineEdit*>("FunctionEdit")->setText(equation);
        press(*window, "OKButton");
    }

    static Script cancel() {
        return [](QDialog& dialog) {
            press(dialog, "CancelBtn");
            return dialog.result();
        };
    }

    // Chooses entries (-1 leaves a list as it was opened) in the four lists of "Select
    // Columns for Graph" as the user would, then okOrCancel.
    static Script chooseColumns(int x, int dx, int y, int dy) {
        return [=](QDialog& dialog) {
            const std::pair<const char*, int> choices[] = {
                {"XComboBox", x}, {"dXComboBox", dx}, {"YComboBox", y}, {"dYComboBox", dy}};
            for (const auto& [name, entry] : choices) {
                auto* list = dialog.findChild<QComboBox*>(QLatin1String(name));
                if (entry < 0 || !list->isEnabled())
                    continue;
                list->setCurrentIndex(entry);
                emit list->activated(entry);
            }
            return okOrCancel(dialog);
        };
    }

    // What a fit leaves on the screen, without running one.
    void showFakeFit() {
        model().setSummaryText("y = a + bx:");
        form->chart().setFooterLines({"y = a + bx"});
        form->chart().setFooterVisible(true);
        form->chart().setPoints(ChartSeries::FitLineSeries, {0, 1}, {0, 1});
        child<QToolButton>("FitToolButton")->setChecked(true);
    }
    void expectFitCleared() {
        EXPECT_FALSE(form->isFitShown());
        EXPECT_EQ(table().summaryText(), "");
        EXPECT_FALSE(form->chart().isFooterShown());
        EXPECT_EQ(form->chart().pointCount(ChartSeries::FitLineSeries), 0);
    }

    void addColumns(const std::vector<std::string>& names) {
        for (const std::string& name : names)
            model().addColumn(name);
    }

    void expectMessages(const std::vector<QString>& texts) {
        ASSERT_EQ(ui.messages.size(), texts.size());
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(ui.messages[i].text, texts[i]) << i;
    }
};
