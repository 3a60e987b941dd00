#pragma once

#include <optional>
#include <string>
#include <vector>

// How the user's locale writes what a series may hold.
struct SeriesFormats {
    char decimalSeparator = '.';
    // The locale's short date as a pattern of d, dd, M, MM, yy and yyyy between separators
    // ("M/d/yy", "dd.MM.yyyy"). A pattern with other fields (month names, quoted text)
    // leaves the ISO form (2026-12-09) as the only date form.
    std::string shortDatePattern;
};

// The `count` values of the series that `first` and `second` start, the two included,
// each step adding their difference:
// - whole numbers ("-3", "12"): whole numbers;
// - other numbers: values written with two decimals, like "%.2f";
// - dates, in ISO form or the locale's short form: the difference in days, written in the
//   form `first` has;
// - times hh:mm or hh:mm:ss: the difference in seconds, around the clock, written in the
//   form `first` has (with seconds when the step has some).
// Nothing when the two are not both of one kind, or when the series would leave what its
// kind can hold (a whole number beyond the integer range, a year beyond 9999).
std::optional<std::vector<std::string>> continueSeries(const std::string& first,
                                                       const std::string& second, int count,
                                                       const SeriesFormats& formats);
