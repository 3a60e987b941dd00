#include "table/TypingFilter.h"

bool passesTypingFilter(char32_t c, char decimalSeparator) {
    if ((c >= U'0' && c <= U'9') || c == static_cast<unsigned char>(decimalSeparator))
        return true;
    switch (c) {
    case U'\b':
    case U'\t':
    case U'-':
    case U'.':
    case U'E':
    case U'e':
        return true;
    default:
        return false;
    }
}
