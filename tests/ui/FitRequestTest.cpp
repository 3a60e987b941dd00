#include "DataEntryFixture.h"

#include <QAction>
#include <QDateTime>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

const QString CR = QStringLiteral("\r");
const QString CHI = QStringLiteral("<font face=\"symbol\">c<sub>n</sub><sup>2</sup></font> = ");

class FitRequestTest : public DataEntryTest {
protected:
    // X = 1, 2, 3 and Y = 2, 4, 7.
    void enterWorkedData() {
        enterColumn(1, {"1", "2", "3"});
        enterColumn(2, {"2", "4", "7"});
    }
    QString summary() { return QString::fromStdString(table().summaryText()); }
    // The footer without its "Created: " line, which carries the clock.
    QStringList footerResults() {
        QStringList lines = chart().footerLines();
        EXPECT_TRUE(!lines.isEmpty() && lines.last().startsWith("Created: "))
            << lines.join('|').toStdString();
        // The user's own time, without a zone name such as "UTC".
        EXPECT_FALSE(lines.last().contains(QDateTime::currentDateTime().timeZoneAbbreviation()))
            << lines.last().toStdString();
        if (!lines.isEmpty())
            lines.removeLast();
        return lines;
    }
    void expectOnlyMessage(const QString& text, const QString& caption,
                           UiServices::Icon icon = UiServices::Icon::Stop) {
        ASSERT_EQ(ui.messages.size(), 1u) << messageTexts().join('|').toStdString();
        EXPECT_EQ(ui.messages[0].text, text);
        EXPECT_EQ(ui.messages[0].caption, caption);
        EXPECT_EQ(ui.messages[0].icon, icon);
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
};

TEST_F(FitRequestTest, EstimatedDyFitShowsTheWorkedResults) {
    enterWorkedData();
    changeDocument([&](Document& d) { d.modified = false; });
    fitButton()->click();

    EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
    EXPECT_TRUE(fitButton()->isChecked());
    EXPECT_EQ(summary(), "y = a + bx:" + CR + "a = -0.666667  +/-  0.62361" + CR +
                             "b = 2.5  +/-  0.288675" + CR + "r = 0.9934");
    EXPECT_EQ(footerResults(), QStringList({"y = a + bx", "a = -0.666667 +/- 0.62361",
                                            "b = 2.5 +/- 0.288675", "r = 0.9934", ""}));
    EXPECT_TRUE(chart().isFooterShown());
    expectCurveSplitAt(1, 3);
    EXPECT_FALSE(doc().modified) << "the fit itself is not part of the document";
    EXPECT_EQ(form->fitRows().fitFirstRow, 1);
    EXPECT_EQ(form->fitRows().fitEndRow, 31);
}

TEST_F(FitRequestTest, YErrorBarsFitShowsChiSquareAndR) {
    addErrorColumns(false);
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    enterWorkedData();
    enterColumn(3, {"1", "1", "1"});
    fitButton()->click();

    EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(summary(), "y = a + bx:" + CR + "a = -0.666667  +/-  1.52753" + CR +
                             "b = 2.5  +/-  0.707107" + CR + CHI + "0.166667   r = 0.9934");
    EXPECT_EQ(footerResults(),
              QStringList({"y = a + bx", "a = -0.666667 +/- 1.52753", "b = 2.5 +/- 0.707107",
                           "r = 0.9934    Reduced Chi^2 = 0.166667", ""}));
    expectCurveSplitAt(1, 3);
}

TEST_F(FitRequestTest, XAndYErrorBarsFitShowsChiSquareOnly) {
    addErrorColumns(true);
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DXIDYI; });
    enterColumn(1, {"1", "2", "3", "4"});
    enterColumn(2, {"2.1", "3.9", "6.2", "7.8"});
    enterColumn(3, {"0.2", "0.2", "0.2", "0.2"});
    enterColumn(4, {"0.1", "0.1", "0.1", "0.1"});
    fitButton()->click();

    EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(summary(), "y = a + bx:" + CR + "a = 0.139744  +/-  0.342213" + CR +
                             "b = 1.9441  +/-  0.125003" + CR + CHI + "0.527565");
    EXPECT_EQ(footerResults(),
              QStringList({"y = a + bx", "a = 0.139744 +/- 0.342213", "b = 1.9441 +/- 0.125003",
                           "Reduced Chi^2 = 0.527565", ""}));
    expectCurveSplitAt(1, 4);
}

TEST_F(FitRequestTest, ReleasingTheButtonRemovesTheFitAndMarksTheDocument) {
    enterWorkedData();
    fitButton()->click();
    changeDocument([&](Document& d) { d.modified = false; });
    fitButton()->click();
    expectNoFit();
    EXPECT_TRUE(doc().modified);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FitRequestTest, FitDataTogglesLikeTheButtonAfterScanningTheWholeTable) {
    enterWorkedData();
    action("FitDataAction")->trigger();
    EXPECT_TRUE(fitButton()->isChecked());
    EXPECT_TRUE(chart().isFooterShown());

    // A bad cell outside any role or selection still stops the command, and the shown fit
    // and its button stay as they were.
    changeDocument([](Document& d) { d.table.setCellText(1, 30, "1.2.3"); });
    action("FitDataAction")->trigger();
    expectOnlyMessage("You have a data point with too many decimal points! Please Fix it.",
                      "ERROR");
    EXPECT_TRUE(fitButton()->isChecked());
    EXPECT_TRUE(chart().isFooterShown());

    changeDocument([](Document& d) { d.table.setCellText(1, 30, ""); });
    action("FitDataAction")->trigger();
    expectNoFit();
}

// The reading still being typed when the fit is asked for belongs to the fit.
TEST_F(FitRequestTest, ACellStillBeingEditedIsFittedWithTheRest) {
    enterColumn(1, {"1", "2", "3"});
    DataStringGrid& grid = form->grid();
    for (QAction* trigger : {static_cast<QAction*>(nullptr), action("FitDataAction")}) {
        enterColumn(2, {"2", "4", ""});
        ui.messages.clear();
        grid.setCurrentIndex(grid.tableModel().index(2, 1));
        QTest::keyClicks(&grid, "7");
        const auto editors = grid.viewport()->findChildren<QLineEdit*>();
        ASSERT_TRUE(std::any_of(editors.begin(), editors.end(),
                                [](const QLineEdit* e) { return e->isVisible(); }));

        if (trigger)
            trigger->trigger();
        else
            fitButton()->click();
        EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
        EXPECT_EQ(table().cellText(2, 3), "7");
        EXPECT_TRUE(fitButton()->isChecked());
        EXPECT_TRUE(summary().contains("b = 2.5  +/-  0.288675")) << summary().toStdString();
    }
}

TEST_F(FitRequestTest, RefreshRedrawsAShownFitOverTheNewBottomRange) {
    form->RefreshFit();
    expectNoFit();

    enterWorkedData();
    fitButton()->click();
    chart().setMaximum(ChartAxis::BottomAxis, 5);
    form->RefreshFit();
    EXPECT_TRUE(fitButton()->isChecked());
    EXPECT_EQ(footerResults().size(), 5);
    expectCurveSplitAt(1, 3);
}

TEST_F(FitRequestTest, SelectedRowsLimitTheFitAndTheSolidLine) {
    enterColumn(1, {"1", "2", "3", "4", "5", "6", "7"});
    enterColumn(2, {"1", "9", "2", "3", "4", "0", "8"});
    selectRows(3, 5);
    fitButton()->click();

    EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(form->fitRows().fitFirstRow, 3);
    EXPECT_EQ(form->fitRows().fitEndRow, 6);
    EXPECT_TRUE(summary().contains("b = 1  +/-  0")) << summary().toStdString();
    expectCurveSplitAt(3, 5);
}

TEST_F(FitRequestTest, TooFewPointsNameTheSelectionWhenThereIsOne) {
    enterColumn(1, {"1", "2", "3", "4"});
    enterColumn(2, {"1", "2", "", "4"});
    selectRows(1, 2);
    fitButton()->click();
    expectOnlyMessage("At least 3 data points are required to perform this fit. You're data "
                      "selection is too small.  Either (i) select more data from the grid or (ii) "
                      "remove selection in order to fit the entire data set.",
                      "Error");
    expectNoFit();

    ui.messages.clear();
    selectRows(1, 1); // a single row is no selection
    changeDocument([](Document& d) { d.table.setCellText(1, 4, ""); });
    fitButton()->click();
    // The half-filled row 3 is warned about first.
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].caption, "Warning");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Warning);
    EXPECT_EQ(ui.messages[1].text, "At least 3 data points are required to perform this fit.");
    expectNoFit();
}

TEST_F(FitRequestTest, MissingErrorColumnOffersTheColumnDialog) {
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    enterWorkedData();
    QSignalSpy selectColumns(action("SelectColumnsAction"), &QAction::triggered);

    ui.answers.push_back(UiServices::Answer::No);
    fitButton()->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Cannot perform fit. The dY column has not been undefined. Do "
                                   "you want to select a column for dY?");
    EXPECT_EQ(ui.messages[0].caption, "ERROR");
    EXPECT_EQ(ui.messages[0].buttons, UiServices::Buttons::YesNo);
    EXPECT_EQ(selectColumns.count(), 0);
    expectNoFit();

    ui.answers.push_back(UiServices::Answer::Yes);
    ui.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DXIDYI; });
    fitButton()->click();
    EXPECT_EQ(ui.messages.back().text,
              "Cannot perform fit. The dX and/or dY column has not been undefined. Do you want "
              "to select new columns for dX and dY?");
    EXPECT_EQ(selectColumns.count(), 1);
    EXPECT_EQ(ui.modalDialogTitles, std::vector<QString>{"Select Columns for Graph"});
    EXPECT_EQ(table().summaryText(), "") << "the fit does not run";
    expectNoFit(); // cancelling the column dialog releases the button
}

// The column check comes before the button's state is looked at, so releasing the button
// asks too, and the request ends there without marking the document.
TEST_F(FitRequestTest, ReleasingTheButtonWithoutTheDyColumnStillAsksForIt) {
    addErrorColumns(false);
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    enterWorkedData();
    enterColumn(3, {"1", "1", "1"});
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked());

    changeDocument([&](Document& d) { d.roles.dy = -1; });
    changeDocument([&](Document& d) { d.modified = false; });
    ui.answers.push_back(UiServices::Answer::No);
    fitButton()->click();
    expectOnlyMessage("Cannot perform fit. The dY column has not been undefined. Do you want to "
                      "select a column for dY?",
                      "ERROR");
    expectNoFit();
    EXPECT_FALSE(doc().modified);

    // Yes, then Cancel in the column dialog: the button the user released stays up, and no
    // fit is left under it.
    changeDocument([&](Document& d) { d.roles.dy = 3; });
    fitButton()->click();
    ASSERT_TRUE(fitButton()->isChecked());
    changeDocument([&](Document& d) { d.roles.dy = -1; });
    ui.answers.push_back(UiServices::Answer::Yes);
    ui.dialogScripts = {[](QDialog& dialog) {
        dialog.reject();
        return int(QDialog::Rejected);
    }};
    fitButton()->click();
    EXPECT_EQ(ui.modalDialogTitles.back(), "Select Columns for Graph");
    expectNoFit();
}

TEST_F(FitRequestTest, DecimalPointRefusalCountsOnlyTheRowsInUseAndReleasesTheButton) {
    enterColumn(1, {"1", "2", "3", "4"});
    enterColumn(2, {"2", "4", "7", "9"});
    form->grid().tableModel().addColumn("Notes");
    changeDocument([](Document& d) { d.table.setCellText(3, 4, "1.2.3"); });
    selectRows(1, 3);
    fitButton()->click();
    EXPECT_TRUE(ui.messages.empty()) << "row 4 is outside the selection";
    EXPECT_TRUE(fitButton()->isChecked());

    // Releasing the button runs the scan too; the refusal takes the fit away with the button.
    changeDocument([](Document& d) { d.selectionTop = d.selectionBottom = 0; });
    fitButton()->click();
    expectOnlyMessage("You have a data point with too many decimal points! Please Fix it.",
                      "ERROR");
    expectNoFit();
}

TEST_F(FitRequestTest, CellThatDoesNotConvertIsShownOnceAndReleasesTheButton) {
    addErrorColumns(false);
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    enterWorkedData();
    enterColumn(3, {"1", "-", "1"});
    fitButton()->click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "'-' is not a valid floating point value");
    expectNoFit();
}

// A reading still being typed that does not convert stops its own re-plot with the
// message; the fit that reads the same cell does not show it again.
TEST_F(FitRequestTest, AnUnconvertibleCellStillBeingEditedIsReportedOnce) {
    enterWorkedData();
    DataStringGrid& grid = form->grid();
    grid.setCurrentIndex(grid.tableModel().index(1, 0));
    QTest::keyClicks(&grid, "-");
    fitButton()->click();
    expectOnlyMessage("'-' is not a valid floating point value", "Kelvane");
    expectNoFit();
}

// One refusal of the point collection and the failing outcomes of the fit itself.
TEST_F(FitRequestTest, RefusalsOfTheDataLeaveTheButtonUp) {
    struct Case {
        FitType type;
        std::initializer_list<const char*> x, y;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        // clang-format off
        {FitType::EXPONENTIAL, {"1", "2", "3"}, {"2", "0", "7"},
         "The Log of a negative is undefined!", "Error"},
        {FitType::LINEAR, {"5", "5", "5"}, {"2", "4", "7"},
         "Cannot fit: all X values are the same.", "Error"},
        {FitType::LINEAR, {"1", "2", "3"}, {"4", "4", "4"},
         "Cannot fit: all Y values are the same.", "Error"},
        {FitType::SECONDPOLY, {"1", "2", "3"}, {"2", "4", "7"},
         "Not enough data for polynomial fit of this order.", "Opps!"},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ui.messages.clear();
        changeDocument([&](Document& d) { d.fitType = c.type; });
        enterColumn(1, c.x);
        enterColumn(2, c.y);
        fitButton()->click();
        ASSERT_EQ(ui.messages.size(), 1u) << messageTexts().join('|').toStdString();
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].caption, c.caption);
        expectNoFit();
    }
}

TEST_F(FitRequestTest, DivergingSeriesIsToldOnceAndNothingIsDrawn) {
    addErrorColumns(true);
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DXIDYI; });
    enterColumn(1, {"-4", "1", "0"});
    enterColumn(2, {"-3", "-6", "6"});
    enterColumn(3, {"9", "8", "5"});
    enterColumn(4, {"1", "3", "9"});
    fitButton()->click();
    ASSERT_EQ(ui.messages.size(), 1u) << messageTexts().join('|').toStdString();
    EXPECT_TRUE(ui.messages[0].text.startsWith("Series may be diverging! After501 iterations"));
    EXPECT_EQ(ui.messages[0].caption, "Divergent Series");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);
    expectNoFit();
}

TEST_F(FitRequestTest, PolynomialCurveWidensTheLeftAxisAStraightLineDoesNot) {
    enterColumn(1, {"0", "1", "2", "3", "4"});
    enterColumn(2, {"5", "1", "0", "1", "5"});
    const double top = chart().maximum(ChartAxis::LeftAxis);
    const double bottom = chart().minimum(ChartAxis::LeftAxis);

    fitButton()->click();
    EXPECT_EQ(chart().maximum(ChartAxis::LeftAxis), top);
    EXPECT_EQ(chart().minimum(ChartAxis::LeftAxis), bottom);

    fitButton()->click();
    changeDocument([&](Document& d) { d.fitType = FitType::SECONDPOLY; });
    fitButton()->click();
    EXPECT_TRUE(ui.messages.empty()) << messageTexts().join('|').toStdString();
    EXPECT_LT(chart().minimum(ChartAxis::LeftAxis), bottom) << "the curve dips below the points";
    EXPECT_EQ(footerResults().size(), 5) << "equation, a, b, c and the empty line";
}

} // namespace
