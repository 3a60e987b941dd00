#include "table/NumberText.h"

#include "common/KelvaneError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void refuse(const std::string& text) {
    throw KelvaneError("'" + text + "' is not a valid floating point value");
}

// The "C" numbers, made once: the table converts thousands of cells on every re-plot, and a
// stream set up for each of them cost more than the conversion itself.
locale_t classicNumbers() {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return classic;
}

} // namespace

long double parseNumber(const std::string& text, char decimalSeparator) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;

    // The text is rebuilt in the classic "C" spelling so that the conversion
    // itself does not depend on the process locale.
    std::string canonical;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        canonical += text[i++];

    std::string intDigits, fracDigits;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            (separatorSeen ? fracDigits : intDigits) += text[i];
        } else if (text[i] == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else {
            break;
        }
        ++i;
    }
    if (intDigits.empty() && fracDigits.empty() && !separatorSeen)
        refuse(text);
    canonical +=
        (intDigits.empty() ? "0" : intDigits) + "." + (fracDigits.empty() ? "0" : fracDigits);

    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        std::string exponent = "e";
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponent += text[i++];
        std::string expDigits;
        while (i < n && isDigit(text[i]))
            expDigits += text[i++];
        canonical += exponent + (expDigits.empty() ? "0" : expDigits);
    }

    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        refuse(text);

    // Too small a value becomes 0 or a denormal; too large a one is refused.
    char* end = nullptr;
    const long double value = strtold_l(canonical.c_str(), &end, classicNumbers());
    if (end != canonical.c_str() + canonical.size() || std::isinf(value))
        refuse(text);
    return value;
}

int decimalPointCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '.'));
}

bool isPositiveNumber(const std::string& text, char decimalSeparator) {
    return parseNumber(text, decimalSeparator) > 0;
}
