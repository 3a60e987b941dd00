#pragma once

#include <tnt/tnt_array2d.h>

// Inverts the square matrix N in place by Gauss-Jordan elimination with full
// pivoting. A pivot counts as zero when its magnitude is at most
// relativeTolerance times the largest magnitude in N as given (0 asks for an
// exact zero). Returns false on a zero pivot; N is then left half-eliminated.
bool invertInPlace(TNT::Array2D<long double>& N, long double relativeTolerance);
