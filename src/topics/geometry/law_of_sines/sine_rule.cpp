// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_rule.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

namespace sb::law_of_sines {

using angles::sine;

Solution SolveXZB(double x, double z, double b) {
    const Real X = x, Z = z, B = b;
    const Real y = (180 - X) - Z;
    const Real c = (sine(Z) * B) / sine(X);
    const Real a = (sine(y) * c) / sine(Z);
    const bool exists = y > 0 && c > 0 && a > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {a.value(), b, c.value(), x, y.value(), z}};
}

Solution SolveYZC(double y, double z, double c) {
    const Real Y = y, Z = z, C = c;
    const Real x = (180 - Y) - Z;
    const Real a = (sine(Y) * C) / sine(Z);
    const Real b = (sine(x) * C) / sine(Z);
    const bool exists = a > 0 && x > 0 && b > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {a.value(), b.value(), c, x.value(), y, z}};
}

Solution SolveYAC(double y, double a, double c) {
    const Real Y = y, A = a, C = c;
    const Real h = sine(Y) * C;
    if (h > A) return {Verdict::SideTooShort, {a, 0, c, 0, y, 0}};
    const Real v = (sine(Y) * C) / A; // at most 1, since h is at most a
    const Real z = angles::Arcsin(v) * angles::RadToDeg;
    const Real x = (180 - Y) - z;
    const Real b = (sine(x) * A) / sine(Y);
    const bool exists = z > 0 && x > 0 && b > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {a, b.value(), c, x.value(), y, z.value()}};
}

} // namespace sb::law_of_sines
