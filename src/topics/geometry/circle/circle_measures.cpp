// SPDX-License-Identifier: GPL-3.0-or-later
#include "circle_measures.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

#include <cmath>

namespace sb::circle {

namespace {

using angles::pi;

} // namespace

double areaFromRadius(double r) { return ((Real(r) * pi) * r).value(); }

double perimeterFromRadius(double r) { return ((Real(r) * pi) * 2).value(); }

double areaFromDiameter(double d) {
    const Real h = Real(d) / 2;
    return ((h * pi) * h).value();
}

double perimeterFromDiameter(double d) {
    const Real h = Real(d) / 2;
    return ((h * pi) * 2).value();
}

double radiusFromArea(double area) { return sqrt(Real(area) / pi).value(); }

double diameterFromArea(double area) { return (2 * sqrt(Real(area) / pi)).value(); }

double perimeterFromArea(double area) {
    const Real s = sqrt(Real(area) / pi);
    return ((2 * s) * pi).value();
}

double radiusFromPerimeter(double p) { return ((Real(p) / pi) / 2).value(); }

double diameterFromPerimeter(double p) { return (Real(p) / pi).value(); }

double areaFromPerimeter(double p) {
    const Real h = (Real(p) / pi) / 2;
    return (pow(h, 2.0) * pi).value();
}

} // namespace sb::circle
