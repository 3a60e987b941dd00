#pragma once

#include "common/FitConfig.h"
#include "common/UserMessage.h"
#include "fit/Linefit.h"
#include "fitctl/FitOutcome.h"

#include <optional>

// The messages of the fit configuration commands and the fit request, with
// their exact wording (the misspellings are the program's own and users know
// them by heart).

// Refusals of the configuration commands: a polynomial with X and Y error
// bars cannot be reached from either side.
UserMessage polynomialWithXYErrorsRefusal();
UserMessage xyErrorsWithPolynomialRefusal();
// The question of the error-method commands DYI and DXIDYI when the table has
// too few data columns for them.
UserMessage addColumnQuestion(ErrorMethod method);
inline constexpr const char* NEW_COLUMN_PROMPT = "Enter a name for the new column:";
inline constexpr const char* SECOND_NEW_COLUMN_PROMPT = "Enter a name for the 2nd new column:";

// Yes/No question of the fit request when the error method needs a dX or dY
// column that has not been chosen.
UserMessage missingColumnQuestion(ErrorMethod method);
UserMessage tooManyDecimalPointsRefusal();
UserMessage incompleteRowsWarning();
UserMessage logOfNegativeRefusal();
UserMessage tooFewPointsRefusal(bool selectionInUse);
// The fit-type refusal for X and Y error bars (through the origin or polynomial).
UserMessage unsupportedWithXYErrorsRefusal(FitType type);

// Preview: the user's law has no value at a point with the start values typed.
UserMessage startValueProblem(long double x);

// A remark of the nonlinear fit on a result it stands by, such as a parameter that ended
// at a bound.
UserMessage fitWarning(const std::string& text);

// The message for a fit that did not succeed; nullopt for success, and for a
// divergence, whose message needs the outcome's iterations and slope.
std::optional<UserMessage> fitStatusMessage(FitStatus status);
// The message for a fit outcome that did not succeed, the divergence included;
// nullopt for success.
std::optional<UserMessage> fitStatusMessage(const FitOutcome& outcome);
