#include "files/DelimitedCells.h"

#include <algorithm>
#include <utility>

namespace {

constexpr long SECONDS_PER_DAY = 24 * 60 * 60;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t i) {
    std::size_t end = i;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - i;
}

// Two digits below `limit` at text[i], as one number; -1 when there are none.
int twoDigits(std::string_view text, std::size_t i, int limit) {
    if (digitsFrom(text, i) != 2)
        return -1;
    const int value = (text[i] - '0') * 10 + (text[i + 1] - '0');
    return value < limit ? value : -1;
}

} // namespace

bool isFileNumber(std::string_view text, char decimalMark) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = digitsFrom(text, i);
    i += digits;
    if (i < text.size() && text[i] == decimalMark) {
        ++i;
        const std::size_t decimals = digitsFrom(text, i);
        digits += decimals;
        i += decimals;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponent = digitsFrom(text, i);
        if (exponent == 0)
            return false;
        i += exponent;
    }
    return i == text.size();
}

std::string tableNumber(std::string_view text, char decimalMark, char tableSeparator) {
    std::string number(text);
    const std::size_t mark = number.find(decimalMark);
    if (mark != std::string::npos)
        number[mark] = tableSeparator;
    return number;
}

std::optional<ClockTime> clockTime(std::string_view text, char decimalMark) {
    const std::size_t hourDigits = digitsFrom(text, 0);
    if (hourDigits < 1 || hourDigits > 2 || hourDigits >= text.size() || text[hourDigits] != ':')
        return std::nullopt;
    const int hours = hourDigits == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    std::size_t i = hourDigits + 1;
    const int minutes = twoDigits(text, i, 60);
    if (hours > 23 || minutes < 0)
        return std::nullopt;
    i += 2;
    int seconds = 0;
    ClockTime time;
    if (i < text.size()) {
        if (text[i] != ':' || (seconds = twoDigits(text, i + 1, 60)) < 0)
            return std::nullopt;
        i += 3;
        if (i < text.size()) {
            if ((text[i] != decimalMark && text[i] != '.') || digitsFrom(text, i + 1) == 0 ||
                i + 1 + digitsFrom(text, i + 1) != text.size())
                return std::nullopt;
            time.fraction = std::string(text.substr(i + 1));
        }
    }
    time.seconds = (hours * 60L + minutes) * 60L + seconds;
    return time;
}

std::string secondsSince(const ClockTime& start, const ClockTime& time, char tableSeparator) {
    // The fractions are digit strings; subtracting them as text keeps every digit.
    const std::size_t places = std::max(start.fraction.size(), time.fraction.size());
    const auto scaled = [places](const ClockTime& t) {
        std::string digits = t.fraction + std::string(places - t.fraction.size(), '0');
        return std::make_pair(t.seconds, digits);
    };
    auto [startSeconds, startDigits] = scaled(start);
    auto [seconds, digits] = scaled(time);
    if (seconds < startSeconds || (seconds == startSeconds && digits < startDigits))
        seconds += SECONDS_PER_DAY;
    seconds -= startSeconds;
    // A fraction smaller than the start's borrows a second: digits - startDigits + 10^places.
    if (digits < startDigits)
        --seconds;
    int borrow = 0;
    for (std::size_t k = places; k-- > 0;) {
        const int d = (digits[k] - '0') - (startDigits[k] - '0') - borrow;
        borrow = d < 0 ? 1 : 0;
        digits[k] = static_cast<char>('0' + (d < 0 ? d + 10 : d));
    }
    std::string text = std::to_string(seconds);
    if (places > 0)
        text += tableSeparator + digits;
    return text;
}
