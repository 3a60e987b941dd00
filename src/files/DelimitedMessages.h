#pragma once

#include <cstddef>
#include <string>

// The texts with which reading a delimited text file stops, shown in the window and
// printed by kelvane-fit.

std::string notTextMessage();
std::string unclosedQuoteMessage(std::size_t line);
std::string noNumericRowsMessage();
std::string numericUnitsRowMessage(std::size_t line);
std::string commaBothWaysMessage();
std::string tooManyLinesMessage(std::size_t mostLines);
