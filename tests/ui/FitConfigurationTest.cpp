#include "ColumnFormFixture.h"

#include <QLabel>

namespace {

const char* const Y_ERRORS_QUESTION = "You must have at least 3 columns of data for this error "
                                      "method. Do you want to add a new column?";
const char* const XY_ERRORS_QUESTION = "You must have at least 4 columns of data for this error "
                                       "method. Do you want to add a new column?";
const char* const POLYNOMIAL_REFUSAL =
    "You cannot choose a polynomial fit with the \"X & Y Error Bars\" error method selected. "
    "Polynomial fitting with this error method has not yet been implemented.  To perform a "
    "polynomial fit, please select either the \"Estimate dY\" or the \"Y Error Bars\" error "
    "method.";
const char* const XY_REFUSAL =
    "You cannot choose the \"X & Y Error Bars\" error method with a polynomial fit selected.  "
    "Polynomial fitting with the \"X & Y Error Bars\" error method has not yet been "
    "implemented.  To perform a polynomial fit, please select either the \"Estimate dY\" or the "
    "\"Y Error Bars\" error method.";

} // namespace

class FitConfigurationTest : public ColumnFormTest {
protected:
    QString equation() { return child<QLabel>("EquationLabel")->text(); }

    // The texts and marks that show the configuration, to compare before and after.
    QStringList shownConfiguration() {
        QStringList shown = {form->statusText(1), form->statusText(2), form->statusText(3),
                             equation()};
        for (const char* name :
             {"LinearFit", "LinearFitZeroIntercept", "SecondOrderFit", "ThirdOrderFit",
              "FourthOrderFit", "FifthOrderFit", "ExponentialFit", "PowerLawFit",
              "EstimateddYErrorMethod", "dYi", "dXidYi", "PopupEstimateddY", "PopupdYi",
              "PopupdXidYi", "UniformdY", "UniformdXdY"})
            if (action(name)->isChecked())
                shown << name;
        return shown;
    }

    // Straight to "X and Y Error Bars" with enough columns to need no question.
    void chooseXYErrors() {
        addColumns({"dX", "dY"});
        action("dXidYi")->trigger();
        ASSERT_EQ(form->document().errorMethod, ErrorMethod::DXIDYI);
        changeDocument([&](Document& d) { d.modified = false; });
    }
};

TEST_F(FitConfigurationTest, EachFittingFunctionShowsItsTextsAndClearsTheFit) {
    struct Case {
        const char* item;
        FitType type;
        const char* status;
        const char* equation;
    };
    const Case cases[] = {
        {"LinearFitZeroIntercept", FitType::LINEAR_NO_A, "Fit Type: Linear: Zero Intercept",
         "Fitting the equation:  y = bx"},
        {"SecondOrderFit", FitType::SECONDPOLY, "Fit Type: 2nd Order Polynomial",
         "Fitting the equation:  y = a + bx + c x^2"},
        {"ThirdOrderFit", FitType::THIRDPOLY, "Fit Type: 3rd Order Polynomial",
         "Fitting the equation:  y = a + b x + c x^2 + d x^3"},
        {"FourthOrderFit", FitType::FORTHPOLY, "Fit Type: 4th Order Polynomial",
         "Fitting the equation:  y = a + b x + c x^2 + d x^3 + e x^4"},
        {"FifthOrderFit", FitType::FIFTHPOLY, "Fit Type: 5th Order Polynomial",
         "Fitting the equation:  y = a + b x + c x^2 + d x^3 + e x^4 + f x^5"},
        {"ExponentialFit", FitType::EXPONENTIAL, "Fit Type: Exponential",
         "Fitting the equation:  y = a e^(bx)"},
        {"PowerLawFit", FitType::POWERLAW, "Fit Type: Power Law",
         "Fitting the equation:  y = a x^(b)"},
        {"LinearFit", FitType::LINEAR, "Fit Type: Linear", "Fitting the equation:  y = a + bx"},
        {"LinearFit", FitType::LINEAR, "Fit Type: Linear", "Fitting the equation:  y = a + bx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        showFakeFit();
        changeDocument([&](Document& d) { d.modified = false; });
        action(c.item)->trigger();
        EXPECT_EQ(form->document().fitType, c.type);
        EXPECT_EQ(form->statusText(2), c.status);
        EXPECT_EQ(equation(), c.equation);
        EXPECT_TRUE(action(c.item)->isChecked());
        EXPECT_TRUE(doc().modified);
        expectFitCleared(); // the current function chosen again too
    }
    EXPECT_EQ(form->statusText(1), "Error Method : Estimate dY") << "untouched";
}

TEST_F(FitConfigurationTest, PolynomialIsRefusedWithXAndYErrorBarsAndChangesNothing) {
    chooseXYErrors();
    action("ExponentialFit")->trigger();
    showFakeFit();
    changeDocument([&](Document& d) { d.modified = false; });
    const QStringList before = shownConfiguration();
    action("SecondOrderFit")->trigger();
    expectMessages({POLYNOMIAL_REFUSAL});
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);
    EXPECT_EQ(shownConfiguration(), before);
    EXPECT_EQ(form->document().fitType, FitType::EXPONENTIAL);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_FALSE(doc().modified);
}

TEST_F(FitConfigurationTest, XAndYErrorBarsAreRefusedWithAPolynomialButNotThroughTheOrigin) {
    addColumns({"dX", "dY"});
    action("ThirdOrderFit")->trigger();
    showFakeFit();
    changeDocument([&](Document& d) { d.modified = false; });
    const QStringList before = shownConfiguration();
    action("PopupdXidYi")->trigger();
    expectMessages({XY_REFUSAL});
    EXPECT_EQ(shownConfiguration(), before);
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::ESTDY);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_FALSE(doc().modified);

    action("LinearFitZeroIntercept")->trigger();
    ui.messages.clear();
    action("dXidYi")->trigger();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::DXIDYI);
    EXPECT_EQ(form->statusText(1), "Error Method: dXi & dYi");
    EXPECT_TRUE(action("dXidYi")->isChecked());
    EXPECT_TRUE(action("PopupdXidYi")->isChecked());
}

TEST_F(FitConfigurationTest, YErrorBarsOfferANewColumn) {
    const QStringList before = shownConfiguration();
    ui.answers = {Answer::No};
    action("dYi")->trigger();
    expectMessages({Y_ERRORS_QUESTION});
    EXPECT_EQ(ui.messages[0].caption, "Add A Column");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Information);
    EXPECT_EQ(ui.messages[0].buttons, UiServices::Buttons::YesNo);
    EXPECT_TRUE(ui.modalDialogTitles.empty());

    ui.answers = {Answer::Yes};
    ui.dialogScripts = {cancel()};
    action("dYi")->trigger();
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::ESTDY);
    EXPECT_EQ(shownConfiguration(), before);
    EXPECT_EQ(table().columnCount(), 3);
    EXPECT_FALSE(doc().modified);

    showFakeFit();
    ui.answers = {Answer::Yes};
    ui.dialogScripts = {newColumn("dY")};
    action("PopupdYi")->trigger();
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::DYI);
    EXPECT_EQ(table().columnName(3), "dY");
    EXPECT_EQ(doc().roles.dy, -1) << "its role is chosen later";
    EXPECT_EQ(form->statusText(1), "Error Method: dYi");
    EXPECT_TRUE(action("dYi")->isChecked());
    EXPECT_TRUE(action("PopupdYi")->isChecked());
    EXPECT_FALSE(action("PopupEstimateddY")->isChecked());
    EXPECT_TRUE(action("ShowErrorBars")->isEnabled());
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
}

// "Y Error Bars" adds one column and does not count again, even when it is not enough.
TEST_F(FitConfigurationTest, YErrorBarsOfferOneColumnOnly) {
    model().deleteColumn(2); // a one-column table, as an import may leave
    ui.answers = {Answer::Yes};
    ui.dialogScripts = {newColumn("Y")};
    action("dYi")->trigger();
    EXPECT_EQ(ui.modalDialogTitles.size(), 1u);
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::DYI);
}

TEST_F(FitConfigurationTest, XAndYErrorBarsOpenTheNameDialogTwice) {
    QStringList prompts;
    const auto named = [&prompts](const QString& name) {
        return [&prompts, name](QDialog& dialog) {
            prompts << dialog.findChild<QLabel*>("Label1")->text();
            return newColumn(name)(dialog);
        };
    };
    ui.answers = {Answer::Yes};
    ui.dialogScripts = {named("dX"), named("dY")};
    action("dXidYi")->trigger();
    expectMessages({XY_ERRORS_QUESTION});
    EXPECT_EQ(ui.messages[0].caption, "Add Columns");
    EXPECT_EQ(prompts, QStringList({"Enter a name for the new column:",
                                    "Enter a name for the 2nd new column:"}));
    EXPECT_EQ(table().columnCount(), 5);
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::DXIDYI);

    // With three data columns one new column is enough; a cancelled second prompt ends it.
    model().deleteColumn(4);
    action("EstimateddYErrorMethod")->trigger();
    ui.answers = {Answer::Yes};
    ui.dialogScripts = {named("dZ")};
    action("dXidYi")->trigger();
    EXPECT_EQ(prompts.size(), 3);
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::DXIDYI);

    model().deleteColumn(4);
    model().deleteColumn(3);
    action("EstimateddYErrorMethod")->trigger();
    ui.answers = {Answer::Yes};
    ui.dialogScripts = {named("dX"), cancel()};
    action("dXidYi")->trigger();
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::ESTDY);
    EXPECT_EQ(table().columnName(3), "dX") << "a column already added stays";
}

TEST_F(FitConfigurationTest, EstimateDyDisablesErrorBarsAndResetsThem) {
    chooseXYErrors();
    changeDocument([&](Document& d) { d.errorBarsShown = true; });
    showFakeFit();
    action("PopupEstimateddY")->trigger();
    EXPECT_EQ(form->document().errorMethod, ErrorMethod::ESTDY);
    EXPECT_EQ(form->statusText(1), "Error Method: Estimated dY");
    EXPECT_EQ(form->statusText(3), "Error Bars: OFF");
    EXPECT_FALSE(form->document().errorBarsShown);
    EXPECT_FALSE(action("ShowErrorBars")->isEnabled());
    EXPECT_TRUE(action("EstimateddYErrorMethod")->isChecked());
    EXPECT_TRUE(action("PopupEstimateddY")->isChecked());
    EXPECT_TRUE(doc().modified);
    expectFitCleared();

    // The current method chosen again still runs every step.
    showFakeFit();
    changeDocument([&](Document& d) { d.modified = false; });
    action("EstimateddYErrorMethod")->trigger();
    expectFitCleared();
    EXPECT_TRUE(doc().modified);
}
