// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topics/geometry/solved_triangle.h"

#include <optional>

namespace sb::law_of_sines {

// Sides and angles of one triangle; the angles in degrees. z lies between the sides a and b
// (opposite c), x between a and c (opposite b), y between b and c (opposite a).
using Triangle = geometry::Triangle;

enum class Verdict {
    Solved,
    SideTooShort, // the side opposite the given angle cannot reach the third side
    NoTriangle,   // an angle or a side came out zero or negative
};

// The sines a solve used, of the angles x, y and z (0 where it did not need one). For two
// sides and an angle, z is the sine it computed, sin(y) * c / a, and not a sine taken.
struct Sines {
    double x = 0, y = 0, z = 0;
};

// What a solve gives: the triangle's six values (the given ones as they were) and whether
// they make a triangle. Values computed before a verdict is known are filled in even when
// there is no triangle; the window then shows none of them.
struct Solution {
    Verdict verdict;
    Triangle triangle;
    Sines sines{};
    double h = 0; // two sides and an angle: c * sin(y), how far side a has to reach
};

// From the angles x and z and the side b: y the rest of 180, c from b, then a from that c.
Solution SolveXZB(double x, double z, double b);

// From the angles y and z and the side c: x the rest of 180, then a and b both from c.
Solution SolveYZC(double y, double z, double c);

// From the angle y, the side a opposite it and the side c: the triangle whose angle z
// (opposite c) is at most 90 degrees; when two triangles fit, the other one is not given.
Solution SolveYAC(double y, double a, double c);

// Sides whose products overflow raise ArithmeticFault in all three.

// The triangle SolveYAC leaves out, when two fit (y below 90 and c * sin(y) < a < c): the
// angle 180 - z at z, x the rest of 180 and b from it as in the first. Nothing otherwise.
std::optional<Solution> OtherTriangle(const Solution& first);

} // namespace sb::law_of_sines
