#pragma once

// Straight-line sums taken about the weighted means of the points.
//
// Lab data often share their leading digits: years, time stamps in seconds,
// frequencies in Hz. Sums of raw products such as n·Σx² − (Σx)² cancel those
// digits and, with them, every digit of the spread when the shared part is
// large enough. Deviations from the means keep them, so every straight-line
// fit with an intercept works on deviations; the fits through the origin have
// no mean to remove.

// The weighted mean of some values, held as one of the values (the origin)
// and the mean deviation from it (the offset). A mean near 1e12 can only be
// stored to about 1e-7; a deviation taken from the stored mean would carry
// that error into every point. The deviation from a data value is exact or
// nearly so, and the offset is only as large as the spread of the data, so
// deviations taken in two steps are good to the last digits of the spread.
struct Centre {
    long double origin = 0;
    long double offset = 0;

    long double value() const { return origin + offset; }
    long double deviation(long double v) const { return (v - origin) - offset; }
};

// The weighted means of x[1..n] and y[1..n] with weights w[1..n] (unit
// weights when w is null), and the sum of the weights.
struct Centres {
    long double sumW = 0;
    Centre x;
    Centre y;
};
Centres weightedCentres(int n, const long double x[], const long double y[], const long double w[]);

// With u = x − x̄ and v = y − ȳ about the weighted means: Σw·u², Σw·v², Σw·u·v.
struct CentredSums : Centres {
    long double Suu = 0;
    long double Svv = 0;
    long double Suv = 0;
};

// w as for weightedCentres.
CentredSums centredSums(int n, const long double x[], const long double y[], const long double w[]);

// Σ w·(v − slope·u)²: the weighted squared residuals about the line through
// the means, whose intercept is ȳ − slope·x̄. The squares stay in extended
// precision like the sums (a round trip through double on every point made
// the whole line fit a sixth slower).
long double residualSquares(const CentredSums& sums, long double slope, int n,
                            const long double x[], const long double y[], const long double w[]);
