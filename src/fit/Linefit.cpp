#include "fit/Linefit.h"

#include "fit/FitMath.h"

LineFit::LineFit(int n, const long double x[], const long double y[]) : n(n) {
    for (int i = 1; i <= n; ++i) {
        this->x[i] = x[i];
        this->y[i] = y[i];
    }
}

long double LineFit::GetXMin() const {
    return smallestOf(x, n);
}

long double LineFit::GetXMax() const {
    return largestOf(x, n);
}
