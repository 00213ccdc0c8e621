// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of the triangle areas and perimeters window, one routine per button, each
// evaluated in the program's order from positive values. No result is rounded, and no
// routine tests whether three sides can make a triangle. A result beyond the range of a
// double, and the root of a negative product in heronArea, raise ArithmeticFault.

namespace sb::triangle_areas {

double areaFromBaseAndHeight(double base, double height); // (height * base) / 2
double heightFromAreaAndBase(double base, double area);   // (area + area) / base
double baseFromAreaAndHeight(double height, double area); // (area + area) / height
double perimeter(double a, double b, double c);           // (b + a) + c

// Heron's formula: s = ((b + a) + c) / 2; x = (s - a) * s; x = x * (s - b);
// x = x * (s - c); the area is the square root of x.
double heronArea(double a, double b, double c);

} // namespace sb::triangle_areas
