// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrilateral_formulas.h"

#include "entry/conversions.h"
#include "entry/real.h"

#include <cmath>

namespace sb::quadrilaterals {

namespace {

using enum Question;

void square(Answer& a) {
    const Real given(a.given[0]);
    switch (a.question) {
    case SquareSideFromArea:
    case SquarePerimeterFromArea: a.side = sqrt(given).value(); break;
    case SquareSideFromPerimeter:
    case SquareAreaFromPerimeter: a.side = (given / 4).value(); break;
    default: a.side = given.value();
    }
    switch (a.question) {
    case SquareArea:
    case SquareAreaFromPerimeter: a.result = pow(Real(a.side), 2).value(); break;
    case SquarePerimeter:
    case SquarePerimeterFromArea: a.result = (Real(a.side) * 4).value(); break;
    default: a.result = a.side;
    }
}

// a rectangle with side A and perimeter P has P - (A + A) left for its two B sides, and is
// implausible data unless that is more than zero
void rectangleFromPerimeter(Answer& a) {
    const Real A(a.given[0]), P(a.given[1]);
    a.sum = (A + A).value();
    a.left = (P - a.sum).value();
    if (!(a.left > 0)) return;
    a.side = (Real(a.left) / 2).value();
    // the platform's rounding is modelled as rounding the double's exact value, a true half to even
    a.result = a.question == RectangleSideFromPerimeter ? roundToPlaces(a.side, 4)
                                                        : (Real(a.side) * A).value();
}

} // namespace

Answer solve(Question question, const std::vector<double>& given) {
    Answer a{question, given};
    const Real first(given[0]), second(given.size() > 1 ? given[1] : 0);
    switch (question) {
    case TrapeziumArea:
        a.sum = (second + first).value();
        a.product = (Real(a.sum) * given[2]).value();
        a.result = (Real(a.product) / 2).value();
        break;
    case DiagonalsArea:
        a.product = (second * first).value();
        a.result = (Real(a.product) / 2).value();
        break;
    case RectangleArea:
    case ParallelogramArea:
        a.side = second.value();
        a.result = (second * first).value();
        break;
    case RectanglePerimeter:
    case ParallelogramPerimeter:
        a.side = second.value();
        a.sum = (second + first).value();
        a.result = (Real(a.sum) * 2).value();
        break;
    case RectangleSideFromArea:
    case ParallelogramHeightOrBase:
        a.side = (second / first).value();
        a.result = a.side;
        break;
    case RectanglePerimeterFromArea:
        a.side = (second / first).value();
        a.sum = (Real(a.side) + first).value();
        a.result = (Real(a.sum) * 2).value();
        break;
    case RectangleSideFromPerimeter:
    case RectangleAreaFromPerimeter: rectangleFromPerimeter(a); break;
    default: square(a);
    }
    return a;
}

namespace {
double one(Question q, double x) { return *solve(q, {x}).result; }
double two(Question q, double x, double y) { return *solve(q, {x, y}).result; }
} // namespace

double squareArea(double s) { return one(SquareArea, s); }
double squarePerimeter(double s) { return one(SquarePerimeter, s); }
double squareSideFromArea(double S) { return one(SquareSideFromArea, S); }
double squarePerimeterFromArea(double S) { return one(SquarePerimeterFromArea, S); }
double squareSideFromPerimeter(double P) { return one(SquareSideFromPerimeter, P); }
double squareAreaFromPerimeter(double P) { return one(SquareAreaFromPerimeter, P); }

double trapeziumArea(double A, double B, double H) {
    return *solve(TrapeziumArea, {A, B, H}).result;
}

double diagonalsArea(double d1, double d2) { return two(DiagonalsArea, d1, d2); }

double rectangleArea(double A, double B) { return two(RectangleArea, A, B); }
double rectanglePerimeter(double A, double B) { return two(RectanglePerimeter, A, B); }
double rectangleSideFromArea(double A, double S) { return two(RectangleSideFromArea, A, S); }
double rectanglePerimeterFromArea(double A, double S) {
    return two(RectanglePerimeterFromArea, A, S);
}
std::optional<double> rectangleSideFromPerimeter(double A, double P) {
    return solve(RectangleSideFromPerimeter, {A, P}).result;
}
std::optional<double> rectangleAreaFromPerimeter(double A, double P) {
    return solve(RectangleAreaFromPerimeter, {A, P}).result;
}

double parallelogramArea(double b, double h) { return two(ParallelogramArea, b, h); }
double parallelogramHeightOrBase(double x, double S) {
    return two(ParallelogramHeightOrBase, x, S);
}
double parallelogramPerimeter(double A, double B) { return two(ParallelogramPerimeter, A, B); }

} // namespace sb::quadrilaterals
