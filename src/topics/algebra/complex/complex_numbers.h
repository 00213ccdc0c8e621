// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The complex numbers window's computing: the four operations on two numbers written as
// <R, Im>, the powers of i, and the polar text of one number.

#include <QLocale>
#include <QString>

#include <optional>

namespace sb::complex {

namespace messages {
inline const QString setOperation = QStringLiteral("Please Set the operation [+ - * / < > =]!!!.");
inline const QString secondIsZero = QStringLiteral("Complex Number two csn't be zero!!!.");
} // namespace messages

// re + im*i
struct Pair {
    double re = 0;
    double im = 0;
    friend bool operator==(const Pair&, const Pair&) = default;
};

struct Operated {
    Pair result;
    std::optional<QString> refusal; // told instead of a result
};

// first op second, op being the text typed for the operator and compared exactly: " +" is
// no operator. A result beyond the range of a double raises ArithmeticFault.
Operated ComplexOperate(Pair first, const QString& op, Pair second);

// i to the power n, n first rounded to the nearest 32-bit integer (halves to even): "1",
// "i", "-1" or "-i". An n beyond the 32-bit range raises ArithmeticFault.
QString PowerOfI(double n);

// x + y*i as Root(x^2 + y^2)*Cos(angle) + Root(x^2 + y^2)*i*Sin(angle), the angle in degrees
// rounded to 2 places. A square beyond the range of a double raises ArithmeticFault.
QString PolarText(double x, double y, const QLocale& locale = QLocale());

} // namespace sb::complex
