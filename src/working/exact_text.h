// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the steps of every window write them: one rule for each, decided here, so that
// the same number reads the same in every window's working.

#include "working/exact.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace sb::working {

// A number for a step, as the window writes it (15 significant digits, the locale's decimal
// mark), never in E-notation: where the window writes one, the step writes the number out
// while that needs at most 8 zeros after the point ("0.0000125"), else in standard form as
// a book does ("2.23816327058517 × 10⁷⁷", "3 × 10⁻¹²").
QString plain(double value, const QLocale& locale = QLocale());

// "⁷", "⁻¹²": a whole number as a superscript, for powers and standard form.
QString superscript(long long value);

// Every digit written out, with no power of ten ("0.000002", "120000000000000000"): only to
// say what the window's own E-notation stands for.
QString writtenOut(double value, const QLocale& locale = QLocale());

// The longest denominator a fraction may have to be written as one: a pupil reads 38/9 or
// 1221/1400 at a glance, not 123457/999983.
inline constexpr Rational::Int shortDenominator = 1'000'000;

// An exact value written short, as a pupil's book writes it: its decimal when that ends
// within 15 significant digits (written as plain writes a number: "0.1875", "1 × 10³⁰"),
// else the fraction in lowest terms when its denominator is below shortDenominator and its
// numerator has at most 15 digits ("50/3"); nothing otherwise (the step then writes "≈"
// and the window's decimal).
std::optional<QString> exactText(const Rational& value, const QLocale& locale = QLocale());

// The exact value where a step must state it however long: exactText, else its decimal
// when that ends, else the fraction in lowest terms.
QString exactWritten(const Rational& value, const QLocale& locale = QLocale());

// The exact value with its digits beside it where its decimal never ends: "0.008",
// "1221/1400 ≈ 0.872142857142857"; nothing when it has no short form.
std::optional<QString> exactBeside(const Rational& value);

// Whether the value is a fraction whose decimal never ends (1/3, not 1/4).
bool isFraction(const Rational& value);

// The sign after a computation: " = " only when the written result (as the window writes
// it, 15 digits) is exactly the value of the computation on the numbers written before it;
// " ≈ " when it is rounded or the exact value is unknown.
QString equalsSign(const Rational& exact, double written);

// What follows a computation, with that sign: "= 2.5", "= 10/3 ≈ 3.33333333333333", or, where
// the exact value has no short form or is unknown, "≈ " and the fallback.
QString equalsExact(const Rational& value, const QString& fallback);

// √value as q√r with r free of squares, as a book leaves a root (√12 = 2√3, √(3/16) = √3/4,
// √(1/2) = √2/2); nothing when value is negative or unknown, or its numbers are too large to
// take apart.
std::optional<Surd> squareRoot(const Rational& value);

// A value with 34 digits: enough to tell which way the 15 digits the windows show round,
// where a double or a long double cannot (1000 + 3√111111 = 1999.99949999987|4999937...).
using Precise = __float128;

Precise valueOf(const Rational& value); // NaN when unknown
Precise valueOf(const Surd& value);
// The value of p + t: where the two nearly cancel it is taken as (p² - t²) / (p - t), so no
// digits are lost. NaN when unknown.
Precise valueOf(const Rational& p, const Surd& t);
// √value, for a value ≥ 0; NaN otherwise.
Precise rootValue(const Rational& value);
Precise rootValue(Precise value);

// The value rounded to the 15 significant digits the windows show, as the double nearest
// them: the number the window would show if it had no rounding.
double nearest15(Precise value);

// Its 15 significant digits as plain writes a number: what the window would show for the
// value if it had no rounding ("8.66025403784439" for 5√3).
QString plainDigits(Precise value);

// Whether the window's number is the exact value to the digits it shows.
bool shownRight(Precise exact, double shown);

} // namespace sb::working
