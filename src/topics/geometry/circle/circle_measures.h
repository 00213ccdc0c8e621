// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of the circle window, one routine per button. Each takes the one positive
// value of its box and evaluates its formula in the program's order with the program's pi
// (geometry/angles.h). No result is rounded. A result beyond the range of a double raises
// ArithmeticFault.

namespace sb::circle {

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
