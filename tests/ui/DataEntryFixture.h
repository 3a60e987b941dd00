#pragma once

#include "MainFormFixture.h"
#include "graph/Chart.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QTest>
#include <QToolButton>

#include <initializer_list>

// A main window whose table is filled the way the grid's editor fills it, so that every
// entry runs the same clear-and-replot path as a typed one.
class DataEntryTest : public MainFormTest {
protected:
    const Document& doc() const { return form->document(); }
    const DataTable& table() const { return form->document().table; }
    Chart& chart() { return form->chart(); }
    QToolButton* fitButton() { return child<QToolButton>("FitToolButton"); }

    void enter(int column, int row, const QString& text) {
        DataTableModel& model = form->grid().tableModel();
        ASSERT_TRUE(model.setData(model.index(row - 1, column - 1), text));
    }
    // Rows 1, 2, ... of one column.
    void enterColumn(int column, std::initializer_list<const char*> texts) {
        int row = 1;
        for (const char* text : texts)
            enter(column, row++, QString::fromLatin1(text));
    }
    // Gives the table the columns the error methods read, with their roles.
    void addErrorColumns(bool withDx) {
        changeDocument([withDx](Document& d) {
            d.table.addColumn("dY");
            d.roles.dy = 3;
            if (withDx) {
                d.table.addColumn("dX");
                d.roles.dx = 4;
            }
        });
    }
    // Selects rows top..bottom with the mouse, as the user would.
    void selectRows(int top, int bottom) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        DataStringGrid& grid = form->grid();
        const auto centreOf = [&grid](int row) {
            const QModelIndex cell = grid.tableModel().index(row - 1, 0);
            grid.scrollTo(cell);
            return grid.visualRect(cell).center();
        };
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(top));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, centreOf(bottom));
    }

    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : ui.messages)
            texts << m.text;
        return texts;
    }
    int fitLinePoints() {
        return chart().pointCount(ChartSeries::FitLineBelowRangeSeries) +
               chart().pointCount(ChartSeries::FitLineSeries) +
               chart().pointCount(ChartSeries::FitLineAboveRangeSeries);
    }
    // The solid part covers [from, to] of the bottom axis, the dotted parts the rest.
    void expectCurveSplitAt(double from, double to) {
        const double low = chart().minimum(ChartAxis::BottomAxis);
        const double high = chart().maximum(ChartAxis::BottomAxis);
        const double step = (high - low) / 1000;
        EXPECT_EQ(fitLinePoints(), 1001);
        EXPECT_NEAR(chart().pointCount(ChartSeries::FitLineBelowRangeSeries), (from - low) / step,
                    1.0);
        EXPECT_NEAR(chart().pointCount(ChartSeries::FitLineSeries), (to - from) / step, 1.0);
        EXPECT_NEAR(chart().pointCount(ChartSeries::FitLineAboveRangeSeries), (high - to) / step,
                    1.0);
    }
    // Nothing of a fit on screen and the button up.
    void expectNoFit() {
        EXPECT_FALSE(fitButton()->isChecked());
        EXPECT_EQ(table().summaryText(), "");
        EXPECT_FALSE(chart().isFooterShown());
        EXPECT_EQ(fitLinePoints(), 0);
    }
};
