// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb::law_of_sines {

// Sides and angles of one triangle; the angles in degrees. z lies between the sides a and b
// (opposite c), x between a and c (opposite b), y between b and c (opposite a).
struct Triangle {
    double a, b, c, x, y, z;
};

enum class Verdict {
    Solved,
    SideTooShort, // the side opposite the given angle cannot reach the third side
    NoTriangle,   // an angle or a side came out zero or negative
};

// What a solve gives: the triangle's six values (the given ones as they were) and whether
// they make a triangle. Values computed before a verdict is known are filled in even when
// there is no triangle; the window then shows none of them.
struct Solution {
    Verdict verdict;
    Triangle triangle;
};

// From the angles x and z and the side b: y the rest of 180, c from b, then a from that c.
Solution SolveXZB(double x, double z, double b);

// From the angles y and z and the side c: x the rest of 180, then a and b both from c.
Solution SolveYZC(double y, double z, double c);

// From the angle y, the side a opposite it and the side c: the triangle whose angle z
// (opposite c) is at most 90 degrees; when two triangles fit, the other one is not given.
Solution SolveYAC(double y, double a, double c);

// Sides whose products overflow raise ArithmeticFault in all three.

} // namespace sb::law_of_sines
