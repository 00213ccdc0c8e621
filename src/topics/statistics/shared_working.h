// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the working of the statistics and traffic windows shares: the numbers of a step
// written out as a pupil's book writes them, exactly where the typed values allow.

#include "working/exact.h"

#include <QString>

#include <optional>

namespace sb::statistics {

// A number of a step computed in doubles, with no E-notation unless it is far too large or
// too small to be written out.
QString written(double value);

// Whether an exact value is a fraction with no decimal that ends (1/3, not 1/4).
bool isFraction(const working::Rational& r);

// An exact value as a pupil's book writes it: a decimal of at most 15 significant digits
// ("0.00015625"), or a fraction in lowest terms with a denominator below a million ("38/9");
// nothing when it has neither short form.
std::optional<QString> exactText(const working::Rational& r);

// What follows a computation in a step: "= 2.5", "= 10/3 ≈ 3.33333333333333", or, where the
// exact value has no short form or is unknown, "≈ " and the fallback.
QString equalsExact(const working::Rational& r, const QString& fallback);

// The exact value as the rounding note names it: "0.008", "1221/1400 ≈ 0.872142857142857",
// or "3.69134844444444 to 15 digits" where it has no short form.
QString exactForNote(const working::Rational& r);

// The window's power-of-ten form said in words ("The window writes this as 2E-06: E-06 means
// × 10⁻⁶, so 2E-06 is 0.000002."); nothing when the shown text has none.
std::optional<QString> powerOfTen(const QString& shown, double value);

} // namespace sb::statistics
