#include "table/TypingFilter.h"

bool passesTypingFilter(char32_t c) {
    if (c >= U'0' && c <= U'9')
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
