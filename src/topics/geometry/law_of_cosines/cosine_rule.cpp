// SPDX-License-Identifier: GPL-3.0-or-later
#include "cosine_rule.h"

#include "entry/real.h"
#include "topics/geometry/angles.h"

namespace sb::law_of_cosines {

namespace {

// a squared as the program raises it to the power 2: the platform's power function, which
// for a few sides in ten thousand differs from a * a in the last bit
Real squared(Real a) { return pow(a, 2); }

struct Quotient {
    Real top, bottom;
    Real value() const { return top / bottom; }
    Cosine shown() const { return {top.value(), bottom.value(), value().value()}; }
};

// the cosine ((p^2 + q^2) - r^2) / ((p + p) * q) as a quotient, top over bottom
Quotient cosineQuotient(Real p, Real q, Real r) {
    return {(squared(p) + squared(q)) - squared(r), (p + p) * q};
}

Real degreesOf(const Quotient& cosine) { return angles::Arccos(cosine.value()) * angles::RadToDeg; }

} // namespace

FromSides SolveSAS(double a, double z, double b) {
    const Real A = a, Z = z, B = b;
    const Real k = angles::cosine(Z);
    const Real aSquared = squared(A), bSquared = squared(B), product = ((A + A) * B) * k;
    const Real cSquared = (aSquared + bSquared) - product;
    const Real c = sqrt(cSquared);
    const Quotient ofX = cosineQuotient(A, c, B);
    const Real x = degreesOf(ofX);
    const Real y = (180 - x) - Z;
    return {c.value(),        x.value(),       y.value(),        k.value(),  aSquared.value(),
            bSquared.value(), product.value(), cSquared.value(), ofX.shown()};
}

Angles SolveSSS(double a, double b, double c) {
    const Real A = a, B = b, C = c;
    const Quotient ofX = cosineQuotient(A, C, B);
    const Real x = degreesOf(ofX);
    const Quotient ofY = cosineQuotient(B, C, A);
    const Real y = degreesOf(ofY);
    const Real z = (180 - x) - y;
    return {z.value(), x.value(), y.value(), ofX.shown(), ofY.shown()};
}

Cosine cosineFrom(double p, double q, double r) { return cosineQuotient(p, q, r).shown(); }

} // namespace sb::law_of_cosines
