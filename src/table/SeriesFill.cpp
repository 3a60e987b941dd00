#include "table/SeriesFill.h"

#include "common/KelvaneError.h"
#include "table/NumberText.h"

#include <cstdio>
#include <string_view>

namespace {

using Series = std::optional<std::vector<std::string>>;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// ---- whole numbers ----------------------------------------------------------------------

std::optional<long long> wholeNumber(const std::string& text) {
    std::size_t i = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        if (__builtin_mul_overflow(value, 10, &value) ||
            __builtin_add_overflow(value, text[i] - '0', &value))
            return std::nullopt; // beyond the integer range: an ordinary number
    }
    return text[0] == '-' ? -value : value;
}

Series wholeSeries(long long first, long long second, int count) {
    long long step = 0;
    if (__builtin_sub_overflow(second, first, &step))
        return std::nullopt;
    std::vector<std::string> values;
    long long value = first;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && __builtin_add_overflow(value, step, &value))
            return std::nullopt;
        values.push_back(std::to_string(value));
    }
    return values;
}

// ---- other numbers ----------------------------------------------------------------------

std::optional<long double> number(const std::string& text, char decimalSeparator) {
    try {
        return parseNumber(text, decimalSeparator);
    } catch (const KelvaneError&) {
        return std::nullopt;
    }
}

std::string twoDecimals(long double value, char decimalSeparator) {
    const int size = std::snprintf(nullptr, 0, "%.2Lf", value);
    std::string text(std::size_t(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.2Lf", value);
    text.resize(std::size_t(size));
    if (text == "-0.00")
        text = "0.00"; // a value just below zero rounds to no value at all
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = decimalSeparator;
    return text;
}

Series decimalSeries(long double first, long double second, int count, char decimalSeparator) {
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i)
        values.push_back(twoDecimals(first + i * (second - first), decimalSeparator));
    return values;
}

// ---- dates ------------------------------------------------------------------------------

struct Date {
    int year;
    int month;
    int day;
};

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
long long dayNumber(const Date& date) {
    const int y = date.year - (date.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const int m = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfYear = (153 * m + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date dateOf(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const int year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

bool isValid(const Date& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    static constexpr int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    return date.day <= DAYS[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
}

// One field of a date form: a number of the given kind, or literal text between them.
struct DateField {
    char kind;  // 'd', 'M' or 'y'; 0 for literal text
    int digits; // fixed width when written (1 = as few as needed); years: 2 or 4
    std::string literal;
};
using DateForm = std::vector<DateField>;

const DateForm& isoForm() {
    static const DateForm form = {
        {'y', 4, {}}, {0, 0, "-"}, {'M', 2, {}}, {0, 0, "-"}, {'d', 2, {}}};
    return form;
}

// The fields of a short-date pattern; empty when the pattern has fields this fill does not
// write, lacks a day, month or year, or puts two numbers side by side.
DateForm formOfPattern(const std::string& pattern) {
    DateForm form;
    std::string seen;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == 'd' || c == 'M' || c == 'y') {
            std::size_t n = 1;
            while (i + n < pattern.size() && pattern[i + n] == c)
                ++n;
            const bool widthOk = c == 'y' ? (n == 2 || n == 4) : n <= 2;
            if (!widthOk || seen.find(c) != std::string::npos ||
                (!form.empty() && form.back().kind != 0))
                return {};
            seen += c;
            form.push_back({c, int(n), {}});
            i += n;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || isDigit(c)) {
            return {};
        } else {
            if (form.empty() || form.back().kind != 0)
                form.push_back({0, 0, {}});
            form.back().literal += c;
            ++i;
        }
    }
    return seen.size() == 3 ? form : DateForm{};
}

std::optional<Date> readDate(std::string_view text, const DateForm& form) {
    if (form.empty())
        return std::nullopt;
    Date date{0, 0, 0};
    std::size_t i = 0;
    for (const DateField& field : form) {
        if (field.kind == 0) {
            if (text.substr(i, field.literal.size()) != field.literal)
                return std::nullopt;
            i += field.literal.size();
            continue;
        }
        const std::size_t maxDigits = field.kind == 'y' ? std::size_t(field.digits) : 2;
        const std::size_t minDigits = field.kind == 'y' ? maxDigits : 1;
        std::size_t n = 0;
        int value = 0;
        while (i + n < text.size() && n < maxDigits && isDigit(text[i + n]))
            value = value * 10 + (text[i + n++] - '0');
        if (n < minDigits)
            return std::nullopt;
        i += n;
        if (field.kind == 'd')
            date.day = value;
        else if (field.kind == 'M')
            date.month = value;
        else
            date.year = field.digits == 2 ? 2000 + value : value;
    }
    if (i != text.size() || !isValid(date))
        return std::nullopt;
    return date;
}

std::string padded(int value, int digits) {
    std::string text = std::to_string(value);
    if (int(text.size()) < digits)
        text.insert(0, std::size_t(digits) - text.size(), '0');
    return text;
}

std::string writeDate(const Date& date, const DateForm& form) {
    std::string text;
    for (const DateField& field : form) {
        if (field.kind == 'd')
            text += padded(date.day, field.digits);
        else if (field.kind == 'M')
            text += padded(date.month, field.digits);
        else if (field.kind == 'y')
            text += padded(field.digits == 2 ? date.year % 100 : date.year, field.digits);
        else
            text += field.literal;
    }
    return text;
}

// A date in one of the two forms, with the form it was read in.
std::optional<std::pair<Date, const DateForm*>> readAnyDate(const std::string& text,
                                                            const DateForm& localForm) {
    if (auto date = readDate(text, isoForm()))
        return std::make_pair(*date, &isoForm());
    if (auto date = readDate(text, localForm))
        return std::make_pair(*date, &localForm);
    return std::nullopt;
}

Series dateSeries(const Date& first, const Date& second, const DateForm& form, int count) {
    const long long start = dayNumber(first);
    const long long step = dayNumber(second) - start;
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        const Date date = dateOf(start + i * step);
        if (!isValid(date))
            return std::nullopt;
        values.push_back(writeDate(date, form));
    }
    return values;
}

// ---- times ------------------------------------------------------------------------------

constexpr long long SECONDS_PER_DAY = 24 * 60 * 60;

struct Time {
    long long seconds; // since midnight
    bool twoDigitHour; // "09:05" rather than "9:05"
    bool withSeconds;
};

std::optional<Time> readTime(const std::string& text) {
    const auto twoDigits = [&text](std::size_t at) -> std::optional<int> {
        if (at + 2 > text.size() || !isDigit(text[at]) || !isDigit(text[at + 1]))
            return std::nullopt;
        return (text[at] - '0') * 10 + (text[at + 1] - '0');
    };
    const std::size_t colon = text.find(':');
    if (colon == 0 || colon > 2 || !isDigit(text[0]) || !isDigit(text[colon - 1]))
        return std::nullopt;
    const int hours = colon == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    const auto minutes = twoDigits(colon + 1);
    if (!minutes || hours > 23 || *minutes > 59)
        return std::nullopt;
    int seconds = 0;
    const bool withSeconds = text.size() > colon + 3;
    if (withSeconds) {
        const auto s = twoDigits(colon + 4);
        if (text[colon + 3] != ':' || !s || *s > 59 || text.size() != colon + 6)
            return std::nullopt;
        seconds = *s;
    } else if (text.size() != colon + 3) {
        return std::nullopt;
    }
    return Time{hours * 3600LL + *minutes * 60LL + seconds, colon == 2, withSeconds};
}

Series timeSeries(const Time& first, const Time& second, int count) {
    const long long step = second.seconds - first.seconds;
    const bool withSeconds = first.withSeconds || step % 60 != 0;
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
        const long long t =
            ((first.seconds + i * step) % SECONDS_PER_DAY + SECONDS_PER_DAY) % SECONDS_PER_DAY;
        std::string text =
            padded(int(t / 3600), first.twoDigitHour ? 2 : 1) + ":" + padded(int(t / 60 % 60), 2);
        if (withSeconds)
            text += ":" + padded(int(t % 60), 2);
        values.push_back(std::move(text));
    }
    return values;
}

} // namespace

Series continueSeries(const std::string& first, const std::string& second, int count,
                      const SeriesFormats& formats) {
    const auto wholeFirst = wholeNumber(first);
    const auto wholeSecond = wholeNumber(second);
    if (wholeFirst && wholeSecond)
        return wholeSeries(*wholeFirst, *wholeSecond, count);

    const auto numberFirst = number(first, formats.decimalSeparator);
    const auto numberSecond = number(second, formats.decimalSeparator);
    if (numberFirst && numberSecond)
        return decimalSeries(*numberFirst, *numberSecond, count, formats.decimalSeparator);

    const DateForm localForm = formOfPattern(formats.shortDatePattern);
    const auto dateFirst = readAnyDate(first, localForm);
    const auto dateSecond = readAnyDate(second, localForm);
    if (dateFirst && dateSecond)
        return dateSeries(dateFirst->first, dateSecond->first, *dateFirst->second, count);

    const auto timeFirst = readTime(first);
    const auto timeSecond = readTime(second);
    if (timeFirst && timeSecond)
        return timeSeries(*timeFirst, *timeSecond, count);
    return std::nullopt;
}
