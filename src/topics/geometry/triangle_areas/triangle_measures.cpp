// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle_measures.h"

#include "entry/real.h"

namespace sb::triangle_areas {

double areaFromBaseAndHeight(double base, double height) {
    return ((Real(height) * base) / 2).value();
}

double heightFromAreaAndBase(double base, double area) {
    return ((Real(area) + area) / base).value();
}

double baseFromAreaAndHeight(double height, double area) {
    return ((Real(area) + area) / height).value();
}

double perimeter(double a, double b, double c) { return ((Real(b) + a) + c).value(); }

double heronArea(double a, double b, double c) {
    const Real s = ((Real(b) + a) + c) / 2;
    Real x = (s - a) * s;
    x = x * (s - b);
    x = x * (s - c);
    // sides that make no triangle (or rounding on a flat one) leave x below zero: its root
    // is the fault, told with the fault message; an x of exactly zero gives the area 0
    return sqrt(x).value();
}

} // namespace sb::triangle_areas
