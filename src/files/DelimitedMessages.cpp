#include "files/DelimitedMessages.h"

std::string notTextMessage() {
    return "The file is not a text table: it holds binary data.";
}

std::string unclosedQuoteMessage(std::size_t line) {
    return "The quote opened on line " + std::to_string(line) + " is never closed.";
}

std::string noNumericRowsMessage() {
    return "The file holds no rows of numbers.";
}

std::string numericUnitsRowMessage(std::size_t line) {
    return "Line " + std::to_string(line) +
           ", taken as the units row, holds numbers: take one header row instead of two.";
}

std::string commaBothWaysMessage() {
    return "The comma cannot both separate the values and mark the decimals.";
}

std::string tooManyLinesMessage(std::size_t mostLines) {
    return "The file has more than " + std::to_string(mostLines) +
           " lines; Kelvane reads at most that many.";
}
