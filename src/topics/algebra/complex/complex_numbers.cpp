// SPDX-License-Identifier: GPL-3.0-or-later
#include "complex_numbers.h"

#include "entry/conversions.h"
#include "entry/real.h"
#include "topics/geometry/angles.h"

#include <cmath>

namespace sb::complex {

namespace {

using angles::RadToDeg;

// squares are taken as powers, the platform's power function, not the product x * x
Real square(Real x) { return pow(x, 2); }

// The angle of x + y*i in degrees, in (-180, 180], rounded to 2 places.
double polarAngle(double x, double y) {
    // on the imaginary axis, -0 included, there is nothing to divide by
    if (x == 0) return y > 0 ? 90 : y < 0 ? -90 : 0;
    // y / x may overflow to an infinity here; its arctangent is then the right angle
    double degrees = std::atan(y / x) * RadToDeg;
    // left of the imaginary axis the arctangent names the opposite quadrant: turn it back
    // (a typed -0 is 0 here too: -1 - 0*i lies at 180)
    if (x < 0) degrees += y >= 0 ? 180 : -180;
    const double rounded = roundToPlaces(degrees, 2);
    // just below the negative real axis the angle can round to -180, which is 180
    return rounded == -180 ? 180 : rounded;
}

} // namespace

Operated ComplexOperate(Pair first, const QString& op, Pair second) {
    const Real a = first.re, b = first.im, c = second.re, d = second.im;
    Real re, im;
    if (op == u"+") {
        re = a + c;
        im = b + d;
    } else if (op == u"-") {
        re = a - c;
        im = b - d;
    } else if (op == u"*") {
        re = c * a - d * b;
        im = b * c + d * a;
    } else if (op == u"/") {
        if (c == 0 && d == 0) return {{}, messages::secondIsZero};
        const Real q = square(d) + square(c);
        re = (d * b + c * a) / q;
        im = (b * c - d * a) / q;
    } else {
        return {{}, messages::setOperation};
    }
    return {{re.value(), im.value()}, std::nullopt};
}

QString PowerOfI(double n) {
    static const QString powers[] = {QStringLiteral("1"), QStringLiteral("i"), QStringLiteral("-1"),
                                     QStringLiteral("-i")};
    const std::int32_t k = roundToInt32(n);
    return powers[(k % 4 + 4) % 4];
}

QString PolarText(double x, double y, const QLocale& locale) {
    const QString s = resultText((square(x) + square(y)).value(), locale);
    const QString angle = resultText(polarAngle(x, y), locale);
    return "Root(" + s + ")*Cos(" + angle + ") + Root(" + s + ")*i*Sin(" + angle + ")";
}

} // namespace sb::complex
