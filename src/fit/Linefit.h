#pragma once

// The result of every fit. The fit control shows a message for each failure;
// on any status other than FIT_OK the results stay as the constructor set them.
enum FitStatus {
    FIT_OK = 0,
    FIT_ZERO_ERROR_BAR = 1,  // a dY (or dX) is zero
    FIT_SINGULAR_MATRIX = 2, // the normal matrix of a polynomial fit cannot be inverted
    FIT_ZERO_VARIANCE = 3,   // the points lie exactly on the polynomial
    FIT_TOO_FEW_POINTS = 4,  // not more points than polynomial coefficients
    FIT_SAME_X = 5,          // all X equal (all X zero for a line through the origin)
    FIT_SAME_Y = 6,          // all Y equal (all Y zero for a line through the origin)
    FIT_DIVERGED = 7,        // the iterative fit did not settle
    // Set by the fit control, never by a fit: the results overflowed (data
    // near the ends of the number range), so they are no results at all.
    FIT_NOT_FINITE = 8,
};

struct CentredSums;

// The most points a fit takes: the largest number of data rows the table
// offers. Point arrays are 1-based and hold MAX_FIT_POINTS + 1 elements.
constexpr int MAX_FIT_POINTS = 200;

// Base of the straight-line fits. A fit object copies its points, is fitted
// once and read through the accessors; a result a fit does not compute reads 0.
// The caller guarantees 0 <= n <= MAX_FIT_POINTS.
class LineFit {
public:
    LineFit(int n, const long double x[], const long double y[]);

    virtual int Fit() = 0;

    long double GetA() const { return a; }
    long double GetB() const { return b; }
    long double GetSigmaA() const { return sigmaA; }
    long double GetSigmaB() const { return sigmaB; }
    // cov(a, b): how the errors of intercept and slope go together, which the uncertainty
    // of the line at x, sqrt(σa² + 2x·cov(a, b) + x²σb²), needs. 0 through the origin.
    long double GetCovarianceAB() const { return covarianceAB; }
    long double GetReducedChiSquare() const { return reducedChiSquare; }
    long double GetR() const { return r; }
    long double GetXMin() const;
    long double GetXMax() const;

protected:
    // Fit objects are owned by value and never deleted through this base.
    ~LineFit() = default;

    // a, b and r of the line through the weighted means, from the sums about
    // them, and the uncertainties of a and b for points whose variance is
    // unitVariance divided by their weight.
    void setLine(const CentredSums& sums);
    void setUncertainties(const CentredSums& sums, long double unitVariance);

    long double a = 0;
    long double b = 0;
    long double sigmaA = 0;
    long double sigmaB = 0;
    long double covarianceAB = 0;
    long double reducedChiSquare = 0;
    long double x[MAX_FIT_POINTS + 1] = {};
    long double y[MAX_FIT_POINTS + 1] = {};
    long double r = 0;
    int n;
};
