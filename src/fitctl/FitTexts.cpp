#include "fitctl/FitTexts.h"

namespace {

// Indexed by the enumeration values, which are declared in this order.
const FitTypeTexts FIT_TYPE_TEXTS[] = {
    {FitType::LINEAR, "LINEAR", "&Linear Fit (y = a + bx)", "Fit Type: Linear",
     "Fitting the equation:  y = a + bx", "y = a + bx:", "y = a + bx"},
    {FitType::LINEAR_NO_A, "LINEAR_NO_A", "Linear Fit: &Zero y-Intercept (y = bx)",
     "Fit Type: Linear: Zero Intercept", "Fitting the equation:  y = bx", "y = bx:", "y = bx"},
    {FitType::SECONDPOLY, "SECONDPOLY", "&2nd Order", "Fit Type: 2nd Order Polynomial",
     "Fitting the equation:  y = a + bx + c x^2", "y = a + bx + cx^2:", "y = a + bx + cx^2"},
    {FitType::THIRDPOLY, "THIRDPOLY", "&3rd Order", "Fit Type: 3rd Order Polynomial",
     "Fitting the equation:  y = a + b x + c x^2 + d x^3",
     "y = a + bx + cx^2 + dx^3:", "y = a + bx + cx^2 + dx^3"},
    {FitType::FORTHPOLY, "FORTHPOLY", "&4th Order", "Fit Type: 4th Order Polynomial",
     "Fitting the equation:  y = a + b x + c x^2 + d x^3 + e x^4",
     "y = a + bx + cx^2 + dx^3 + ex^4:", "y = a + bx + cx^2 + dx^3 + ex^4"},
    {FitType::FIFTHPOLY, "FIFTHPOLY", "&5th Order", "Fit Type: 5th Order Polynomial",
     "Fitting the equation:  y = a + b x + c x^2 + d x^3 + e x^4 + f x^5",
     "y = a + bx + cx^2 + dx^3 + ex^4 + fx^5:", "y = a + bx + cx^2 + dx^3 + ex^4 + fx^5"},
    {FitType::EXPONENTIAL, "EXPONENTIAL", "&Exponential Fit:  y = a e^(bx)",
     "Fit Type: Exponential", "Fitting the equation:  y = a e^(bx)",
     "y = a e^(bx):", "y = a e^(bx)"},
    {FitType::POWERLAW, "POWERLAW", "&Power Law Fit: y=ax^b", "Fit Type: Power Law",
     "Fitting the equation:  y = a x^(b)", "y = a x^b:", "y = a x^b"},
    // The user's law names itself: these are the texts until one is typed, and the
    // prefixes the typed law follows (userModelTexts).
    {FitType::USERMODEL, "USERMODEL", "&User Defined...", "Fit Type: User Defined",
     "Fitting the equation:  ", "", ""},
};

const ErrorMethodTexts ERROR_METHOD_TEXTS[] = {
    {ErrorMethod::ESTDY, "ESTDY", "&Estimate dY", "", "&Estimate dY",
     "Use variance in Y to estimate dY", "Error Method: Estimated dY", 0},
    {ErrorMethod::DYI, "DYI", "&Y Error Bars", "Input d&Y", "&dYi", "Input dY for all Y.",
     "Error Method: dYi", 3},
    {ErrorMethod::DXIDYI, "DXIDYI", "&X and Y Error Bars", "Input d&X, dY", "d&Xi, dYi",
     "Input dX & dY for all X & Y respectively.", "Error Method: dXi & dYi", 4},
};

} // namespace

const FitTypeTexts& textsOf(FitType type) {
    return FIT_TYPE_TEXTS[static_cast<int>(type)];
}

const ErrorMethodTexts& textsOf(ErrorMethod method) {
    return ERROR_METHOD_TEXTS[static_cast<int>(method)];
}

std::string userModelEquation(const std::string& equation) {
    const std::size_t first = equation.find_first_not_of(' ');
    if (first == std::string::npos)
        return "y = ";
    const std::string typed = equation.substr(first, equation.find_last_not_of(' ') - first + 1);
    // "y = ..." and "y=..." are kept as typed; a bare law gets its "y = ".
    if (typed[0] == 'y') {
        const std::size_t next = typed.find_first_not_of(' ', 1);
        if (next != std::string::npos && typed[next] == '=')
            return typed;
    }
    return "y = " + typed;
}

std::string equationLabelOf(FitType type, const std::string& userEquation) {
    if (type != FitType::USERMODEL)
        return textsOf(type).equationLabel;
    return textsOf(type).equationLabel + userModelEquation(userEquation);
}

std::optional<FitType> fitTypeFromKeyword(const std::string& keyword) {
    for (const FitTypeTexts& t : FIT_TYPE_TEXTS)
        if (keyword == t.keyword)
            return t.type;
    return std::nullopt;
}

std::optional<ErrorMethod> errorMethodFromKeyword(const std::string& keyword) {
    for (const ErrorMethodTexts& t : ERROR_METHOD_TEXTS)
        if (keyword == t.keyword)
            return t.method;
    return std::nullopt;
}
