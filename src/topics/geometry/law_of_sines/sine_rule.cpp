// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_rule.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

namespace sb::law_of_sines {

using angles::sine;

Solution SolveXZB(double x, double z, double b) {
    const Real X = x, Z = z, B = b;
    const Real y = (180 - X) - Z;
    const Real sinZ = sine(Z), sinX = sine(X), sinY = sine(y);
    const Real c = (sinZ * B) / sinX;
    const Real a = (sinY * c) / sinZ;
    const bool exists = y > 0 && c > 0 && a > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {a.value(), b, c.value(), x, y.value(), z},
            {sinX.value(), sinY.value(), sinZ.value()}};
}

Solution SolveYZC(double y, double z, double c) {
    const Real Y = y, Z = z, C = c;
    const Real x = (180 - Y) - Z;
    const Real sinY = sine(Y), sinZ = sine(Z), sinX = sine(x);
    const Real a = (sinY * C) / sinZ;
    const Real b = (sinX * C) / sinZ;
    const bool exists = a > 0 && x > 0 && b > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {a.value(), b.value(), c, x.value(), y, z},
            {sinX.value(), sinY.value(), sinZ.value()}};
}

namespace {

// x the rest of 180 and b from the law of sines, once z is known
Solution fromZ(const Triangle& given, Real sinY, Real h, Real v, Real z) {
    const Real Y = given.y, A = given.a;
    const Real x = (180 - Y) - z;
    const Real sinX = sine(x);
    const Real b = (sinX * A) / sinY;
    const bool exists = z > 0 && x > 0 && b > 0;
    return {exists ? Verdict::Solved : Verdict::NoTriangle,
            {given.a, b.value(), given.c, x.value(), given.y, z.value()},
            {sinX.value(), sinY.value(), v.value()},
            h.value()};
}

} // namespace

Solution SolveYAC(double y, double a, double c) {
    const Real Y = y, A = a, C = c;
    const Real sinY = sine(Y);
    const Real h = sinY * C;
    if (h > A) return {Verdict::SideTooShort, {a, 0, c, 0, y, 0}, {0, sinY.value(), 0}, h.value()};
    const Real v = (sinY * C) / A; // at most 1, since h is at most a
    const Real z = angles::Arcsin(v) * angles::RadToDeg;
    return fromZ({a, 0, c, 0, y, 0}, sinY, h, v, z);
}

std::optional<Solution> OtherTriangle(const Solution& first) {
    const Triangle& t = first.triangle;
    const bool twoFit = first.verdict == Verdict::Solved && t.y < 90 && first.h < t.a && t.a < t.c;
    if (!twoFit) return std::nullopt;
    try {
        const Solution other = fromZ(t, first.sines.y, first.h, first.sines.z, 180 - Real(t.z));
        if (other.verdict == Verdict::Solved) return other;
    } catch (const ArithmeticFault&) { // b beyond the largest double: no second to draw
    }
    return std::nullopt;
}

} // namespace sb::law_of_sines
