// The one rule that turns a cell's text into a value, on arbitrary text. The first byte
// picks the table's decimal separator ('.' when even, ',' when odd). Besides crashes and
// undefined behaviour it stops when a text converts to a value that is not finite, when
// blanks around the text change its value, when the separator matters to a text that holds
// neither, or when the log-axis check disagrees with the value.

#include "common/KelvaneError.h"
#include "table/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

std::optional<long double> converted(const std::string& text, char separator) {
    try {
        return parseNumber(text, separator);
    } catch (const KelvaneError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char separator = data[0] % 2 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::optional<long double> value = converted(text, separator);

    const std::optional<long double> padded = converted("  " + text + " ", separator);
    check(value.has_value() == padded.has_value());
    if (text.find_first_of(".,") == std::string::npos) {
        const std::optional<long double> other = converted(text, separator == '.' ? ',' : '.');
        check(value.has_value() == other.has_value() && (!value || *value == *other));
    }
    if (!value)
        return 0;
    check(std::isfinite(*value));
    check(*padded == *value);
    check(isPositiveNumber(text, separator) == (*value > 0));
    return 0;
}
