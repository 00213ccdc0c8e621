// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb::law_of_cosines {

// The cosine of an angle from the three sides, ((p^2 + q^2) - r^2) / ((p + p) * q), with
// its top and bottom: r is the side opposite the angle, p and q the sides beside it.
struct Cosine {
    double top, bottom, value;
};

// Sides and angles of one triangle; the angles in degrees. z lies between the sides a and b
// (opposite c), x between a and c (opposite b), y between b and c (opposite a).
struct FromSides {
    double c, x, y; // two sides and the angle between them give these
    // how they came: cos(z), a^2, b^2, ((a + a) * b) * cos(z), their c^2, and x's cosine
    double k, aSquared, bSquared, product, cSquared;
    Cosine ofX;
};
struct Angles {
    double z, x, y;
    Cosine ofX, ofY; // the cosines x and y were found from
};

// The third side and the two other angles from the sides a and b and the angle z between
// them: c from the law of cosines, x from the cosine it gives, y the rest of 180.
// Overflowing squares, a rounded cosine outside -1..1 and a zero third side raise
// ArithmeticFault.
FromSides SolveSAS(double a, double z, double b);

// The three angles from the three sides. Sides that make no triangle put a cosine outside
// -1..1 and raise ArithmeticFault; a flat triangle whose cosines come out exactly 1 or -1
// is solved (angles 0, 0 and 180).
Angles SolveSSS(double a, double b, double c);

// The cosine of the angle opposite r, even where it lies outside -1..1 and has no angle;
// overflowing squares raise ArithmeticFault.
Cosine cosineFrom(double p, double q, double r);

} // namespace sb::law_of_cosines
