// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of the circle window, one routine per button. Each takes the one positive
// value of its box and evaluates its formula in the program's order with the program's pi
// (geometry/angles.h). No result is rounded. A result beyond the range of a double raises
// ArithmeticFault.

namespace sb::circle {

enum class Measure { Radius, Diameter, Area, Perimeter };

// One button's answer with the values it went through, for the working.
struct Circle {
    Measure given, found;
    double value = 0;    // the box's number
    double radius = 0;   // the circle's: typed, half the diameter, or worked out
    double product = 0;  // r * pi, from a radius or a diameter
    double quotient = 0; // area / pi or p / pi
    double square = 0;   // r to the power 2.0 (area from the perimeter)
    double twice = 0;    // 2 * r (perimeter from the area)
    double result = 0;
};

// The answer of the button that finds found from given (one of the ten pairs below).
Circle solve(Measure given, Measure found, double value);

double areaFromRadius(double r);        // (r * pi) * r
double perimeterFromRadius(double r);   // (r * pi) * 2
double areaFromDiameter(double d);      // h = d / 2; (h * pi) * h
double perimeterFromDiameter(double d); // h = d / 2; (h * pi) * 2
double radiusFromArea(double area);     // sqrt(area / pi)
double diameterFromArea(double area);   // 2 * sqrt(area / pi)
double perimeterFromArea(double area);  // s = sqrt(area / pi); (2 * s) * pi
double radiusFromPerimeter(double p);   // (p / pi) / 2
double diameterFromPerimeter(double p); // p / pi
double areaFromPerimeter(double p);     // h = (p / pi) / 2; (h to the power 2.0) * pi

} // namespace sb::circle
