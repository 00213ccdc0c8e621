// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The complex numbers window's computing: the four operations on two numbers written as
// <R, Im>, the powers of i, and the polar text of one number.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace sb::complex {

// The window's messages, in the language spoken.
namespace messages {
QString setOperation();
QString secondIsZero();
} // namespace messages

// re + im*i
struct Pair {
    double re = 0;
    double im = 0;
    friend bool operator==(const Pair&, const Pair&) = default;
};

// (a + b*i) op (c + d*i) with the values it passes through, for the working: * and /
// multiply each part of one number by each part of the other; / divides by d^2 + c^2.
struct Operated {
    Pair result;
    std::optional<QString> refusal; // told instead of a result
    double ca = 0, db = 0, bc = 0, da = 0; // the products, * and / only
    double dSquared = 0, cSquared = 0, q = 0; // q = dSquared + cSquared, / only
    Pair numerator;                          // d*b + c*a and b*c - d*a, / only
};

// first op second, op being the text typed for the operator and compared exactly: " +" is
// no operator. A result beyond the range of a double raises ArithmeticFault.
Operated ComplexOperate(Pair first, const QString& op, Pair second);

// i to the power n: the exponent n rounded to the nearest 32-bit integer (halves to even),
// its remainder by 4 (0 to 3, for a negative exponent too), and the power "1", "i", "-1" or
// "-i". An n beyond the 32-bit range raises ArithmeticFault.
struct Power {
    std::int32_t exponent;
    int remainder;
    QString text;
};
Power PowerOfIWorked(double n);
inline QString PowerOfI(double n) { return PowerOfIWorked(n).text; }

// x + y*i as Root(x^2 + y^2)*Cos(angle) + Root(x^2 + y^2)*i*Sin(angle), the angle in degrees
// rounded to 2 places. A square beyond the range of a double raises ArithmeticFault.
struct Polar {
    double xSquared = 0, ySquared = 0, s = 0; // s = xSquared + ySquared
    double arctangent = 0; // of y / x, in degrees, when x is not 0
    double turned = 0;     // the angle before rounding: the arctangent turned by half a
                           // circle left of the imaginary axis, or 90, -90 or 0 on it
    double angle = 0;      // rounded to 2 places, -180 taken as 180
    QString text;
};
Polar PolarWorked(double x, double y, const QLocale& locale = QLocale());
inline QString PolarText(double x, double y, const QLocale& locale = QLocale()) {
    return PolarWorked(x, y, locale).text;
}

} // namespace sb::complex
