// The fit configuration commands: the fitting function and the error method.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "fitctl/FitMessages.h"
#include "fitctl/FitTexts.h"
#include "formula/Function.h"
#include "shell/UiServices.h"

#include <QAction>
#include <QLabel>

// Choosing a function, even the current one, removes a shown fit: its results belong to
// the function it was made with.
void TMainForm::SelectFitType(FitType type) {
    if (isPolynomial(type) && document_.errorMethod == ErrorMethod::DXIDYI) {
        ui_.show(polynomialWithXYErrorsRefusal());
        return;
    }
    document_.fitType = type;
    document_.modified = true;
    ClearFit();
    const FitTypeTexts& texts = textsOf(type);
    setStatusText(2, QLatin1String(texts.statusText));
    equationLabel_->setText(
        QString::fromStdString(equationLabelOf(type, document_.userModel.equation)));
    actions_->fitTypeItems[static_cast<std::size_t>(type)]->setChecked(true);
}

// A refusal or a declined offer of new columns leaves everything as it was, but for the
// columns the user has already added.
void TMainForm::SelectErrorMethod(ErrorMethod method) {
    if (method == ErrorMethod::DXIDYI && isPolynomial(document_.fitType)) {
        ui_.show(xyErrorsWithPolynomialRefusal());
        return;
    }
    if (!offerNewColumns(method))
        return;
    // ClearFit below releases the fit button. The error bars start hidden with every
    // method, and only the methods with uncertainty columns can show them.
    actions_->ShowErrorBars->setEnabled(method != ErrorMethod::ESTDY);
    document_.errorBarsShown = false;
    setStatusText(3, QStringLiteral("Error Bars: OFF"));
    hideFunctionForm();
    ClearFit();
    document_.modified = true;
    setStatusText(1, QLatin1String(textsOf(method).statusText));
    markErrorMethod(method);
    document_.errorMethod = method;
}

// The uncertainty methods need their columns. The offer adds one column for "Y Error
// Bars" without counting again, and up to two for "X and Y Error Bars".
bool TMainForm::offerNewColumns(ErrorMethod method) {
    const int needed = textsOf(method).requiredDataColumns;
    const auto dataColumns = [this] { return document_.table.columnCount() - 1; };
    if (dataColumns() >= needed)
        return true;
    if (ui_.show(addColumnQuestion(method)) != UiServices::Answer::Yes)
        return false;
    if (!addNamedColumn(QLatin1String(NEW_COLUMN_PROMPT)))
        return false;
    if (method == ErrorMethod::DXIDYI && dataColumns() < needed)
        return addNamedColumn(QLatin1String(SECOND_NEW_COLUMN_PROMPT));
    return true;
}

// The main menu and the fit button's pop-up mark the method; the pop-up's "Uniform" items
// share its radio group and so lose their marks too.
void TMainForm::markErrorMethod(ErrorMethod method) {
    const auto index = static_cast<std::size_t>(method);
    actions_->errorMethodItems[index]->setChecked(true);
    actions_->popupErrorMethodItems[index]->setChecked(true);
}
