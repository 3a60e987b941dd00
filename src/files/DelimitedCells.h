#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the values of a delimited file are read: numbers as the file writes them, with
// its own decimal mark, and clock times.

// A number as files write it: an optional sign, digits with at most one decimal mark
// among or after them (at least one digit), an optional exponent ("E" or "e", an optional
// sign, digits).
bool isFileNumber(std::string_view text, char decimalMark);

// The number in the form the table's cells take: the file's decimal mark becomes the
// table's separator, every digit stays.
std::string tableNumber(std::string_view text, char decimalMark, char tableSeparator);

// A wall-clock time "H:MM", "H:MM:SS" or "H:MM:SS.fff" (the fraction after the file's
// decimal mark or a point): the whole seconds since midnight and the fraction's digits.
struct ClockTime {
    long seconds = 0;
    std::string fraction;
};
std::optional<ClockTime> clockTime(std::string_view text, char decimalMark);

// The seconds from `start` to `time` as a table number, a day later when the clock went
// past midnight.
std::string secondsSince(const ClockTime& start, const ClockTime& time, char tableSeparator);
