// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_conversion.h"

#include "entry/conversions.h"
#include "entry/real.h"
#include "entry/value_entry.h"
#include "topics/algebra/fractions/integer_routines.h"

#include <QStringList>

#include <cmath>

namespace sb::conversion {

namespace {

Fraction refuse(const QString& message) { return {message, {}, {}, {}}; }

// A zero fraction part shows as the whole part alone.
Fraction dropZeroFraction(Fraction f, const QLocale& locale) {
    if (numberOf(f.numerator, locale) == 0) {
        f.numerator.clear();
        f.denominator.clear();
    }
    return f;
}

bool allDigits(const QString& text) {
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return !text.isEmpty();
}

} // namespace

Fraction FractionToImproper(const QString& whole, const QString& numerator,
                            const QString& denominator, const QLocale& locale) {
    if (!isNumeric(whole, locale) || !isNumeric(numerator, locale) ||
        !isNumeric(denominator, locale))
        return refuse(entry_messages::mustEnterNumeric);
    const Real d = numberOf(denominator, locale);
    if (d == 0) return refuse(entry_messages::denominatorZero);
    const Real m = numberOf(numerator, locale);
    const Real w = integerOf(whole, locale);
    return {std::nullopt, {}, resultText((m + d * w).value(), locale), denominator};
}

Fraction ImproperToFraction(const QString& numerator, const QString& denominator,
                            const QLocale& locale) {
    if (!isNumeric(numerator, locale) || !isNumeric(denominator, locale))
        return refuse(entry_messages::mustEnterNumeric);
    if (numberOf(denominator, locale) == 0) return refuse(entry_messages::denominatorZero);
    // a denominator such as 0.4 passed the test above, but its integer 0 divides nothing:
    // tomixed raises the division-by-zero fault for it
    const fractions::MixedNumber x =
        fractions::tomixed(integerOf(numerator, locale), integerOf(denominator, locale));
    return dropZeroFraction(
        {std::nullopt, integerText(x.whole), integerText(x.numerator), denominator}, locale);
}

Decimal FractionToDecimal(const QString& whole, const QString& numerator,
                          const QString& denominator, const QLocale& locale) {
    if (!isNumeric(numerator, locale) || !isNumeric(denominator, locale))
        return {entry_messages::mustEnterNumeric, {}, {}};
    const Real d = numberOf(denominator, locale);
    if (d == 0) return {entry_messages::denominatorZero, {}, {}};
    if (!whole.isEmpty() && !isNumeric(whole, locale)) return {std::nullopt, "0", {}};
    const QString w = whole.isEmpty() ? QStringLiteral("0") : whole;
    const Real value = Real(integerOf(numerator, locale)) / d + Real(integerOf(w, locale));
    return {std::nullopt, w, resultText(value.value(), locale)};
}

Fraction DecimalToFraction(const QString& decimal, const QLocale& locale) {
    if (!isNumeric(decimal, locale)) return refuse(entry_messages::mustEnterNumeric);
    // split at the decimal mark the number was typed with ("." in most locales)
    const QStringList parts = decimal.split(locale.decimalPoint());
    if (parts.size() != 2 || !isNumeric(parts[0], locale)) return refuse(messages::decimalForm);
    // the places are the digits after the mark: blanks after them are no places, and an
    // exponent (1.5e1 is 15) makes the digits no decimal part at all
    const QString places = parts[1].trimmed();
    if (!allDigits(places)) return refuse(messages::decimalForm);
    const double tenths = std::pow(10.0, double(places.size()));
    return dropZeroFraction({std::nullopt, parts[0], integerText(integerOf(places, locale)),
                             resultText(tenths, locale)},
                            locale);
}

} // namespace sb::conversion
