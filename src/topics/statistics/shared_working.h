// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the working of the statistics and traffic windows shares: the numbers of a step
// written out as a pupil's book writes them, exactly where the typed values allow.

#include "working/exact.h"
#include "working/exact_text.h"

#include <QString>

#include <optional>

namespace sb::statistics {

using working::equalsExact;
using working::exactText;
using working::isFraction;

// The exact value as the rounding note names it: "0.008", "1221/1400 ≈ 0.872142857142857",
// or "3.69134844444444 to 15 digits" where it has no short form.
QString exactForNote(const working::Rational& r);

// The window's power-of-ten form said in words ("The window writes this as 2E-06: E-06 means
// × 10⁻⁶, so 2E-06 is 0.000002."); nothing when the shown text has none.
std::optional<QString> powerOfTen(const QString& shown, double value);

} // namespace sb::statistics
