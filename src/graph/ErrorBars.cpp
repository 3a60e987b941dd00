#include "graph/ErrorBars.h"

bool errorBarColumnsChosen(ErrorMethod method, const ColumnRoles& roles) {
    switch (method) {
    case ErrorMethod::DYI:
        return roles.dy != -1;
    case ErrorMethod::DXIDYI:
        return roles.dx != -1 && roles.dy != -1;
    case ErrorMethod::ESTDY:
        break;
    }
    return false;
}

std::optional<UserMessage> errorBarColumnsQuestion(ErrorMethod method, const ColumnRoles& roles) {
    if (method == ErrorMethod::ESTDY || errorBarColumnsChosen(method, roles))
        return std::nullopt;
    if (method == ErrorMethod::DYI)
        return UserMessage{"To show Y error bars, you must select a column for dY. Do you want to "
                           "choose a dY column?",
                           "Choose A Column", MessageIcon::Question, MessageButtons::YesNo};
    return UserMessage{"To show X & Y error bars, you must select columns for dX & dY. Do you "
                       "want to choose dX & dY columns?",
                       "Choose Columns", MessageIcon::Question, MessageButtons::YesNo};
}

const char* errorBarStatusText(bool shown) {
    return shown ? "Error Bars: ON" : "Error Bars: OFF";
}

int shownErrorBarWidth(int documentWidth) {
    return documentWidth >= 1 && documentWidth <= MAX_ERROR_BAR_WIDTH ? documentWidth : 1;
}
