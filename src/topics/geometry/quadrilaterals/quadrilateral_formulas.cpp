// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrilateral_formulas.h"

#include "entry/conversions.h"
#include "entry/real.h"

#include <cmath>

namespace sb::quadrilaterals {

namespace {

// P - (A + A): what a rectangle with side A and perimeter P has left for its two B sides
std::optional<Real> twoSidesB(Real A, Real P) {
    const Real left = P - (A + A);
    if (!(left > 0)) return std::nullopt;
    return left;
}

} // namespace

double squareArea(double s) { return pow(Real(s), 2).value(); }

double squarePerimeter(double s) { return (Real(s) * 4).value(); }

double squareSideFromArea(double S) { return sqrt(Real(S)).value(); }

double squarePerimeterFromArea(double S) { return (sqrt(Real(S)) * 4).value(); }

double squareSideFromPerimeter(double P) { return (Real(P) / 4).value(); }

double squareAreaFromPerimeter(double P) { return pow(Real(P) / 4, 2).value(); }

double trapeziumArea(double A, double B, double H) { return (((Real(B) + A) * H) / 2).value(); }

double diagonalsArea(double d1, double d2) { return ((Real(d2) * d1) / 2).value(); }

double rectangleArea(double A, double B) { return (Real(B) * A).value(); }

double rectanglePerimeter(double A, double B) { return ((Real(B) + A) * 2).value(); }

double rectangleSideFromArea(double A, double S) { return (Real(S) / A).value(); }

double rectanglePerimeterFromArea(double A, double S) { return (((Real(S) / A) + A) * 2).value(); }

std::optional<double> rectangleSideFromPerimeter(double A, double P) {
    const auto left = twoSidesB(A, P);
    if (!left) return std::nullopt;
    // the platform's rounding is modelled as rounding the double's exact value, a true half to even
    return roundToPlaces((*left / 2).value(), 4);
}

std::optional<double> rectangleAreaFromPerimeter(double A, double P) {
    const auto left = twoSidesB(A, P);
    if (!left) return std::nullopt;
    return ((*left / 2) * A).value();
}

double parallelogramArea(double b, double h) { return (Real(h) * b).value(); }

double parallelogramHeightOrBase(double x, double S) { return (Real(S) / x).value(); }

double parallelogramPerimeter(double A, double B) { return ((Real(B) + A) * 2).value(); }

} // namespace sb::quadrilaterals
