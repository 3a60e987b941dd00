#include "fitctl/ShownFigures.h"

bool showsR(FitType type, ErrorMethod method) {
    const bool straightLine = type == FitType::LINEAR || type == FitType::LINEAR_NO_A;
    return straightLine && method != ErrorMethod::DXIDYI;
}

bool showsReducedChiSquare(ErrorMethod method) {
    return method != ErrorMethod::ESTDY;
}
