// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact numbers as the algebra windows' steps write them: a fraction in lowest terms or a
// decimal that ends, square roots taken out of the root as far as they go (√12 = 2√3), sums
// such as 1 - √3/3, and the decimal each stands for, to set beside the window's own.

#include "working/exact.h"

#include <QString>

#include <optional>
#include <vector>

namespace sb::algebra {

using working::Rational;
using working::Surd;

// A number as the window writes it, but as a textbook writes what the window puts in
// E-notation: 0.00001 for 1E-05, 1 × 10³⁰ for 1E+30.
QString bookNumber(double value);

// "2", "-1.5", "1/3": the decimal when it ends within 18 digits, 1 × 10³⁰ for a number of
// many zeros, else the fraction.
QString exactText(const Rational& value);
// The same as a factor or a base: in brackets when negative or a fraction ("(-1/3)²").
QString exactFactor(const Rational& value);

// √value as q√r with r free of squares; nothing when value is negative or unknown, or its
// parts are too large to take apart.
std::optional<Surd> squareRoot(const Rational& value);

// The sum of the terms, each a fraction times a root (r = 1: a fraction alone), written
// with its own sign: "4/3 - 2√3/3", "-4 + 2√3 + 6". Zero terms are left out; "0" when all are.
QString termsText(const std::vector<Surd>& terms);
// p + t: "1 - √3/3", "2", "√2".
QString sumText(const Rational& p, const Surd& t);

// A value with 34 digits: enough to tell which way the 15 digits the windows show round,
// where a double or a long double cannot (1000 + 3√111111 = 1999.99949999987|4999937...).
using Precise = __float128;

// The value of p + t: where the two nearly cancel it is taken as (p² - t²) / (p - t), so no
// digits are lost. NaN when unknown.
Precise valueOf(const Rational& p, const Surd& t);
Precise valueOf(const Rational& value);
// √value, for a value ≥ 0; NaN otherwise.
Precise rootValue(const Rational& value);

// The value rounded to the 15 significant digits the windows show, as the double nearest them.
double nearest15(Precise value);

// Whether the window's number is the exact value to the digits it shows.
bool shownRight(Precise exact, double shown);

// "⁷", "⁻¹²": a whole number as a superscript.
QString superscript(long long value);

} // namespace sb::algebra
