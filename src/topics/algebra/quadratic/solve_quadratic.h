// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

namespace sb::quadratic {

struct AIsZero {};
// The window shows no root; the two complex roots re ± im*i are kept for the working.
struct NoRealRoot {
    double re = 0; // -b / (a + a)
    double im = 0; // sqrt(-d) / |a + a|, never negative
};
struct Roots {
    double x1;
    double x2;
};
using Outcome = std::variant<AIsZero, NoRealRoot, Roots>;

// The solving with every value it passes through, for the working.
struct Solution {
    double a = 0, b = 0, c = 0;
    double bSquared = 0; // b*b
    double fourA = 0;    // a*4
    double fourAC = 0;   // c*(a*4)
    double d = 0;        // the discriminant, bSquared - fourAC
    double rootOfD = 0;  // sqrt(d), or sqrt(-d) when d is negative
    double twoA = 0;     // a + a
    Outcome outcome = AIsZero{};
};

// The real roots of a*x^2 + b*x + c = 0, evaluated in the program's order:
// d = b*b - c*(a*4); x1 = (-b + sqrt(d)) / (a + a); x2 = (-b - sqrt(d)) / (a + a).
// Not sorted, not rounded. A result beyond the range of a double raises ArithmeticFault; the
// complex roots of a negative d raise nothing (any coefficient a 5-character box can hold
// gives finite ones).
Solution Solve(double a, double b, double c);
inline Outcome SolveQuadratic(double a, double b, double c) { return Solve(a, b, c).outcome; }

} // namespace sb::quadratic
