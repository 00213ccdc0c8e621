// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_conversion.h"

#include "entry/conversions.h"
#include "entry/real.h"
#include "entry/value_entry.h"
#include "topics/algebra/fractions/integer_routines.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace sb::conversion {

namespace {

struct ConversionWorking {
    Q_DECLARE_TR_FUNCTIONS(ConversionWorking)
};

} // namespace

QString messages::decimalForm() {
    return ConversionWorking::tr("You must enter a decimal number in form ab.def");
}

namespace {

Fraction refuse(const QString& message) { return {message, {}, {}, {}, {}}; }

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
    Trace trace;
    trace.denominator = numberOf(denominator, locale);
    if (trace.denominator == 0) return refuse(entry_messages::denominatorZero);
    trace.numerator = numberOf(numerator, locale);
    trace.whole = integerOf(whole, locale);
    trace.product = (Real(trace.denominator) * Real(trace.whole)).value();
    trace.sum = (Real(trace.numerator) + Real(trace.product)).value();
    trace.value = trace.sum / trace.denominator;
    return {std::nullopt, {}, resultText(trace.sum, locale), denominator, trace};
}

Fraction ImproperToFraction(const QString& numerator, const QString& denominator,
                            const QLocale& locale) {
    if (!isNumeric(numerator, locale) || !isNumeric(denominator, locale))
        return refuse(entry_messages::mustEnterNumeric);
    if (numberOf(denominator, locale) == 0) return refuse(entry_messages::denominatorZero);
    // a denominator such as 0.4 passed the test above, but its integer 0 divides nothing:
    // tomixed raises the division-by-zero fault for it
    Trace trace;
    trace.numerator = integerOf(numerator, locale);
    trace.denominator = integerOf(denominator, locale);
    const fractions::MixedNumber x =
        fractions::tomixed(std::int32_t(trace.numerator), std::int32_t(trace.denominator));
    trace.mixed = x;
    trace.value = trace.numerator / trace.denominator;
    return dropZeroFraction(
        {std::nullopt, integerText(x.whole), integerText(x.numerator), denominator, trace}, locale);
}

Decimal FractionToDecimal(const QString& whole, const QString& numerator,
                          const QString& denominator, const QLocale& locale) {
    if (!isNumeric(numerator, locale) || !isNumeric(denominator, locale))
        return {entry_messages::mustEnterNumeric, {}, {}, {}};
    const Real d = numberOf(denominator, locale);
    if (d == 0) return {entry_messages::denominatorZero, {}, {}, {}};
    if (!whole.isEmpty() && !isNumeric(whole, locale)) return {std::nullopt, "0", {}, {}};
    const QString w = whole.isEmpty() ? QStringLiteral("0") : whole;
    Trace trace;
    trace.denominator = d.value();
    trace.numerator = integerOf(numerator, locale);
    trace.quotient = (Real(trace.numerator) / d).value();
    trace.whole = integerOf(w, locale);
    trace.value = (Real(trace.quotient) + Real(trace.whole)).value();
    return {std::nullopt, w, resultText(trace.value, locale), trace};
}

Fraction DecimalToFraction(const QString& decimal, const QLocale& locale) {
    if (!isNumeric(decimal, locale)) return refuse(entry_messages::mustEnterNumeric);
    // split at the decimal mark the number was typed with ("." in most locales)
    const QStringList parts = decimal.split(locale.decimalPoint());
    if (parts.size() != 2 || !isNumeric(parts[0], locale)) return refuse(messages::decimalForm());
    // the places are the digits after the mark: blanks after them are no places, and an
    // exponent (1.5e1 is 15) makes the digits no decimal part at all
    const QString places = parts[1].trimmed();
    if (!allDigits(places)) return refuse(messages::decimalForm());
    Trace trace;
    trace.places = places;
    trace.whole = numberOf(parts[0], locale);
    trace.numerator = integerOf(places, locale);
    trace.denominator = std::pow(10.0, double(places.size()));
    trace.value = numberOf(decimal, locale);
    return dropZeroFraction({std::nullopt, parts[0], integerText(std::int32_t(trace.numerator)),
                             resultText(trace.denominator, locale), trace},
                            locale);
}

} // namespace sb::conversion
