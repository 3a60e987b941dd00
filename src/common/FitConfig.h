#pragma once

#include <cstdint>

// The fitting function. The polynomial values equal their order.
enum class FitType : std::uint8_t {
    LINEAR = 0,
    LINEAR_NO_A = 1,
    SECONDPOLY = 2,
    THIRDPOLY = 3,
    FORTHPOLY = 4,
    FIFTHPOLY = 5,
    EXPONENTIAL = 6,
    POWERLAW = 7,
    USERMODEL = 8, // the law the user typed, fitted by nonlinear least squares
};

// How the uncertainties of the points are known.
enum class ErrorMethod : std::uint8_t {
    ESTDY = 0,  // the scatter of Y estimates them
    DYI = 1,    // a dY for every point
    DXIDYI = 2, // a dX and a dY for every point
};

inline bool isPolynomial(FitType t) {
    return t >= FitType::SECONDPOLY && t <= FitType::FIFTHPOLY;
}

// The iterative fit with X and Y error bars exists for the straight line,
// the two models fitted as straight lines and the user's own law; through the
// origin and the polynomials have no such fit.
inline bool fitsWithXYErrors(FitType t) {
    return t != FitType::LINEAR_NO_A && !isPolynomial(t);
}
