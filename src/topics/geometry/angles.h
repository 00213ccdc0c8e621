// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Angles as the geometry windows take them: typed and shown in degrees, turned into radians
// for the sine and cosine and back with the program's own factors, and the inverse cosine
// and sine built from the arctangent. Every step is one double operation in the order
// written, so the last digit of a shown angle comes out as the program has always shown it.

#include "entry/real.h"

#include <cmath>

namespace sb::angles {

// The program's pi: the double nearest to 3.14159265358979 (bits 400921FB54442D11), a little
// below the double nearest to the true constant, so some results differ from a computation
// with the full constant in their 15th digit.
inline constexpr double pi = 3.14159265358979;
// the doubles nearest to pi / 180 and 180 / pi with the pi above
inline constexpr double DegToRad = 0.017453292519943278;
inline constexpr double RadToDeg = 57.29577951308238;

inline Real arctangent(Real v) { return Real(std::atan(v.value())); }

// sine and cosine of an angle in degrees: the angle times DegToRad, then the function
inline Real sine(Real degrees) { return Real(std::sin((degrees * DegToRad).value())); }
inline Real cosine(Real degrees) { return Real(std::cos((degrees * DegToRad).value())); }

// The angle in radians, 0 to pi, whose cosine is v. Beyond -1..1 the square root of a
// negative number is the invalid-operation fault.
inline Real Arccos(Real v) {
    if (v == 1) return 0;
    if (v == -1) return pi;
    const Real s = sqrt(-v * v + 1);
    return arctangent(-v / s) + (arctangent(1) + arctangent(1));
}

// The angle in radians, -pi/2 to pi/2, whose sine is v; beyond -1..1 it is a fault as above.
inline Real Arcsin(Real v) {
    if (v == 1) return Real(pi) / 2;
    if (v == -1) return -Real(pi) / 2;
    const Real s = sqrt(-v * v + 1);
    return arctangent(v / s);
}

} // namespace sb::angles
