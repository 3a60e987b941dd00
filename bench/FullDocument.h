#pragma once

#include "document/Document.h"

// The largest document the window holds: 200 rows by 50 columns of numbers, X, dX, Y and
// dY chosen and fitted with X and Y error bars, error bars shown. Every number is positive,
// so that the exponential and power-law fits and the logarithmic graphs take the data.
inline constexpr int FULL_ROWS = 200;
inline constexpr int FULL_COLUMNS = 50;

Document fullDocument();
