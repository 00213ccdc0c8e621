// SPDX-License-Identifier: GPL-3.0-or-later
#include "cosine_rule.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

namespace sb::law_of_cosines {

namespace {

// a squared as the program raises it to the power 2: the platform's power function, which
// for a few sides in ten thousand differs from a * a in the last bit
Real squared(Real a) { return pow(a, 2); }

// the angle in degrees whose cosine is ((p^2 + q^2) - r^2) / ((p + p) * q)
Real angleFrom(Real p, Real q, Real r) {
    return angles::Arccos(((squared(p) + squared(q)) - squared(r)) / ((p + p) * q)) *
           angles::RadToDeg;
}

} // namespace

FromSides SolveSAS(double a, double z, double b) {
    const Real A = a, Z = z, B = b;
    const Real k = angles::cosine(Z);
    const Real c = sqrt((squared(A) + squared(B)) - ((A + A) * B) * k);
    const Real x = angleFrom(A, c, B);
    const Real y = (180 - x) - Z;
    return {c.value(), x.value(), y.value()};
}

Angles SolveSSS(double a, double b, double c) {
    const Real A = a, B = b, C = c;
    const Real x = angleFrom(A, C, B);
    const Real y = angleFrom(B, C, A);
    const Real z = (180 - x) - y;
    return {z.value(), x.value(), y.value()};
}

} // namespace sb::law_of_cosines
