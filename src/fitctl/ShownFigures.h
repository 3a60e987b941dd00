#pragma once

#include "common/FitConfig.h"

// Which goodness-of-fit figures the window's results show for a fitting
// function and error method, so a report lists exactly those: r for the
// straight lines unless X and Y error bars are given, the reduced chi-square
// whenever error bars are given.
bool showsR(FitType type, ErrorMethod method);
bool showsReducedChiSquare(ErrorMethod method);
