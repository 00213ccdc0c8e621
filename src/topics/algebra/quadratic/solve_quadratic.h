// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

namespace sb::quadratic {

struct AIsZero {};
struct NoRealRoot {};
struct Roots {
    double x1;
    double x2;
};
using Outcome = std::variant<AIsZero, NoRealRoot, Roots>;

// The real roots of a*x^2 + b*x + c = 0, evaluated in the program's order:
// d = b*b - c*(a*4); x1 = (-b + sqrt(d)) / (a + a); x2 = (-b - sqrt(d)) / (a + a).
// Not sorted, not rounded. A result beyond the range of a double raises ArithmeticFault.
Outcome SolveQuadratic(double a, double b, double c);

} // namespace sb::quadratic
