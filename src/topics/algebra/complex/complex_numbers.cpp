// SPDX-License-Identifier: GPL-3.0-or-later
#include "complex_numbers.h"

#include "entry/conversions.h"
#include "entry/real.h"
#include "topics/geometry/angles.h"

#include <QCoreApplication>

#include <cmath>

namespace sb::complex {

namespace {

struct ComplexNumbers {
    Q_DECLARE_TR_FUNCTIONS(ComplexNumbers)
};

using angles::RadToDeg;

// squares are taken as powers, the platform's power function, not the product x * x
Real square(Real x) { return pow(x, 2); }

// The angle of x + y*i in degrees, in (-180, 180], rounded to 2 places.
void polarAngle(double x, double y, Polar& p) {
    // on the imaginary axis, -0 included, there is nothing to divide by
    if (x == 0) {
        p.turned = p.angle = y > 0 ? 90 : y < 0 ? -90 : 0;
        return;
    }
    // y / x may overflow to an infinity here; its arctangent is then the right angle
    p.arctangent = std::atan(y / x) * RadToDeg;
    // left of the imaginary axis the arctangent names the opposite quadrant: turn it back
    // (a typed -0 is 0 here too: -1 - 0*i lies at 180)
    p.turned = x < 0 ? p.arctangent + (y >= 0 ? 180 : -180) : p.arctangent;
    const double rounded = roundToPlaces(p.turned, 2);
    // just below the negative real axis the angle can round to -180, which is 180
    p.angle = rounded == -180 ? 180 : rounded;
}

} // namespace

namespace messages {
QString setOperation() {
    return ComplexNumbers::tr("Please Set the operation [+ - * / < > =]!!!.");
}
QString secondIsZero() { return ComplexNumbers::tr("Complex Number two csn't be zero!!!."); }
} // namespace messages

Operated ComplexOperate(Pair first, const QString& op, Pair second) {
    const Real a = first.re, b = first.im, c = second.re, d = second.im;
    Operated o;
    Real re, im;
    if (op == u"+") {
        re = a + c;
        im = b + d;
    } else if (op == u"-") {
        re = a - c;
        im = b - d;
    } else if (op == u"*") {
        const Real ca = c * a, db = d * b, bc = b * c, da = d * a;
        re = ca - db;
        im = bc + da;
        o.ca = ca.value(), o.db = db.value(), o.bc = bc.value(), o.da = da.value();
    } else if (op == u"/") {
        if (c == 0 && d == 0) return {{}, messages::secondIsZero()};
        const Real dSquared = square(d), cSquared = square(c);
        const Real q = dSquared + cSquared;
        const Real db = d * b, ca = c * a;
        const Real reNumerator = db + ca;
        re = reNumerator / q;
        const Real bc = b * c, da = d * a;
        const Real imNumerator = bc - da;
        im = imNumerator / q;
        o.ca = ca.value(), o.db = db.value(), o.bc = bc.value(), o.da = da.value();
        o.dSquared = dSquared.value(), o.cSquared = cSquared.value(), o.q = q.value();
        o.numerator = {reNumerator.value(), imNumerator.value()};
    } else {
        return {{}, messages::setOperation()};
    }
    o.result = {re.value(), im.value()};
    return o;
}

Power PowerOfIWorked(double n) {
    static const QString powers[] = {QStringLiteral("1"), QStringLiteral("i"), QStringLiteral("-1"),
                                     QStringLiteral("-i")};
    const std::int32_t k = roundToInt32(n);
    const int r = (k % 4 + 4) % 4;
    return {k, r, powers[r]};
}

Polar PolarWorked(double x, double y, const QLocale& locale) {
    Polar p;
    const Real xSquared = square(x), ySquared = square(y);
    const Real sum = xSquared + ySquared;
    p.xSquared = xSquared.value(), p.ySquared = ySquared.value(), p.s = sum.value();
    polarAngle(x, y, p);
    const QString s = resultText(p.s, locale);
    const QString angle = resultText(p.angle, locale);
    p.text = "Root(" + s + ")*Cos(" + angle + ") + Root(" + s + ")*i*Sin(" + angle + ")";
    return p;
}

} // namespace sb::complex
