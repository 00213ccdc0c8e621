#include "quadrilateral_formulas.h"

#include "entry/real.h"
#include "round_half_even.h"

#include <cmath>

namespace sb::quadrilaterals {

namespace {

// The power function itself. With a constant 2 the compiler would turn std::pow into the
// product x * x, which differs from it in the last bit for some inputs; the exponent is
// read through a volatile so that the call stays.
Real squared(Real x) {
    volatile double exponent = 2;
    const double result = std::pow(x.value(), exponent);
    if (!std::isfinite(result)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return result;
}

// P - (A + A): what a rectangle with side A and perimeter P has left for its two B sides
std::optional<Real> twoSidesB(Real A, Real P) {
    const Real left = P - (A + A);
    if (!(left > 0)) return std::nullopt;
    return left;
}

} // namespace

double squareArea(double s) { return squared(s).value(); }

double squarePerimeter(double s) { return (Real(s) * 4).value(); }

double squareSideFromArea(double S) { return sqrt(Real(S)).value(); }

double squarePerimeterFromArea(double S) { return (sqrt(Real(S)) * 4).value(); }

double squareSideFromPerimeter(double P) { return (Real(P) / 4).value(); }

double squareAreaFromPerimeter(double P) { return squared(Real(P) / 4).value(); }

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
    return roundHalfEven((*left / 2).value(), 4);
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
