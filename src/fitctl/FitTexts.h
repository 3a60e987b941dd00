#pragma once

#include "common/FitConfig.h"

#include <array>
#include <optional>
#include <string>

// Everything the program writes about one fitting function: the word the data
// file stores, its menu item, the status-bar and tool-bar texts, and the
// headings of its results.
struct FitTypeTexts {
    FitType type;
    const char* keyword;
    const char* menuItem; // polynomials sit in the POLYNOMIAL_SUBMENU
    const char* statusText;
    const char* equationLabel;
    const char* summaryHeader;  // first line of the summary block
    const char* footerEquation; // first line of the graph footer
};

// Everything the program writes about one error method. The fit button's
// pop-up holds the Y and XY items inside a submenu; for ESTDY popupSubmenu is
// empty and popupItem sits at the top level.
struct ErrorMethodTexts {
    ErrorMethod method;
    const char* keyword;
    const char* menuItem;
    const char* popupSubmenu;
    const char* popupItem;
    const char* hint;
    const char* statusText;
    int requiredDataColumns; // 0: any table will do
};

inline constexpr const char* FITTING_FUNCTION_MENU = "Fitting Function";
inline constexpr const char* POLYNOMIAL_SUBMENU = "P&olynomial Fit";
inline constexpr const char* ERROR_METHOD_MENU = "Error &Method";
// The check-mark-only items of the pop-up; they carry no command.
inline constexpr const char* UNIFORM_DY_ITEM = "&Uniform dY";
inline constexpr const char* UNIFORM_DX_DY_ITEM = "&Uniform dX,  dY";
// Status panel 1 before any error-method command has run (note the blank
// before the colon, which the commands' own texts do not have).
inline constexpr const char* STARTUP_ERROR_METHOD_STATUS = "Error Method : Estimate dY";
inline constexpr const char* FIT_DATA_ITEM = "&Fit Data";
inline constexpr const char* FIT_DATA_HINT = "Toggle Data Fit";

const FitTypeTexts& textsOf(FitType type);

// A user model's equation as its results head it: as typed when it starts with "y =",
// else with "y = " in front.
std::string userModelEquation(const std::string& equation);
// The tool bar's equation label; a user model's names its own equation.
std::string equationLabelOf(FitType type, const std::string& userEquation);
const ErrorMethodTexts& textsOf(ErrorMethod method);

// For the file reader: the enumeration a stored keyword names (exact,
// case-sensitive); nullopt for any other word.
std::optional<FitType> fitTypeFromKeyword(const std::string& keyword);
std::optional<ErrorMethod> errorMethodFromKeyword(const std::string& keyword);

// The built-in fitting functions, each a menu item that chooses it at once; the user's
// own law (USERMODEL) is chosen through its dialog.
inline constexpr std::array<FitType, 8> ALL_FIT_TYPES = {
    FitType::LINEAR,    FitType::LINEAR_NO_A, FitType::SECONDPOLY,  FitType::THIRDPOLY,
    FitType::FORTHPOLY, FitType::FIFTHPOLY,   FitType::EXPONENTIAL, FitType::POWERLAW};
inline constexpr std::array<ErrorMethod, 3> ALL_ERROR_METHODS = {
    ErrorMethod::ESTDY, ErrorMethod::DYI, ErrorMethod::DXIDYI};
