// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the fraction conversion window: the steps and the fraction bars of each
// conversion, built from the values the conversion computed, never computed again. The
// texts are the boxes' texts as the conversion read them.

#include "fraction_conversion.h"
#include "working/working.h"

namespace sb::conversion {

// " Fraction To Improper "
working::Working improperWorking(const QString& whole, const Fraction& result);
// "Improper To Fraction"
working::Working mixedWorking(const QString& numerator, const QString& denominator,
                              const Fraction& result);
// "Fraction To Decimal"; whole is the whole-part box as typed, before the window set it.
working::Working decimalWorking(const QString& whole, const QString& numerator,
                                const Decimal& result);
// "Decimal To Fraction"
working::Working decimalFractionWorking(const QString& decimal, const Fraction& result);

// What the boxes take, and 25/4 worked out.
working::Guide conversionGuide();

} // namespace sb::conversion
