// SPDX-License-Identifier: GPL-3.0-or-later
#include "circle_measures.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

#include <cmath>

namespace sb::circle {

namespace {

using angles::pi;

// each step is one checked double operation, kept as its value for the working
void fromRadius(Circle& c, double r) {
    c.radius = r;
    c.product = (Real(r) * pi).value();
    c.result =
        c.found == Measure::Area ? (Real(c.product) * r).value() : (Real(c.product) * 2).value();
}

void fromArea(Circle& c) {
    c.quotient = (Real(c.value) / pi).value();
    c.radius = sqrt(Real(c.quotient)).value();
    switch (c.found) {
    case Measure::Diameter: c.result = (2 * Real(c.radius)).value(); break;
    case Measure::Perimeter:
        c.twice = (2 * Real(c.radius)).value();
        c.result = (Real(c.twice) * pi).value();
        break;
    default: c.result = c.radius;
    }
}

void fromPerimeter(Circle& c) {
    c.quotient = (Real(c.value) / pi).value();
    if (c.found == Measure::Diameter) {
        c.result = c.quotient;
        c.radius = c.quotient / 2; // drawn only
        return;
    }
    c.radius = (Real(c.quotient) / 2).value();
    if (c.found == Measure::Area) {
        c.square = pow(Real(c.radius), 2.0).value();
        c.result = (Real(c.square) * pi).value();
    } else {
        c.result = c.radius;
    }
}

} // namespace

Circle solve(Measure given, Measure found, double value) {
    Circle c{given, found, value};
    switch (given) {
    case Measure::Radius: fromRadius(c, value); break;
    case Measure::Diameter: fromRadius(c, (Real(value) / 2).value()); break;
    case Measure::Area: fromArea(c); break;
    case Measure::Perimeter: fromPerimeter(c); break;
    }
    return c;
}

using enum Measure;

double areaFromRadius(double r) { return solve(Radius, Area, r).result; }
double perimeterFromRadius(double r) { return solve(Radius, Perimeter, r).result; }
double areaFromDiameter(double d) { return solve(Diameter, Area, d).result; }
double perimeterFromDiameter(double d) { return solve(Diameter, Perimeter, d).result; }
double radiusFromArea(double area) { return solve(Area, Radius, area).result; }
double diameterFromArea(double area) { return solve(Area, Diameter, area).result; }
double perimeterFromArea(double area) { return solve(Area, Perimeter, area).result; }
double radiusFromPerimeter(double p) { return solve(Perimeter, Radius, p).result; }
double diameterFromPerimeter(double p) { return solve(Perimeter, Diameter, p).result; }
double areaFromPerimeter(double p) { return solve(Perimeter, Area, p).result; }

} // namespace sb::circle
