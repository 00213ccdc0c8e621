// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fraction conversion window's four conversions, on the texts of its boxes. Each box
// holds one plain number (no "/"); where a result copies a typed text, it is shown as typed.

#include "topics/algebra/fractions/integer_routines.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace sb::conversion {

namespace messages {
// in the language spoken
QString decimalForm();
} // namespace messages

// The numbers a conversion was computed from and went through, kept for its working.
// Fields a conversion does not reach stay 0 or empty.
struct Trace {
    double whole = 0, numerator = 0, denominator = 0; // the boxes as the conversion read them
    double product = 0;                               // Fraction To Improper: denominator x whole
    double sum = 0;                 // Fraction To Improper: numerator + that product
    double quotient = 0;            // Fraction To Decimal: numerator / denominator
    fractions::MixedNumber mixed{}; // Improper To Fraction: the division with remainder
    QString places;                 // Decimal To Fraction: the digits after the point
    double value = 0;               // the value converted, as a plain double (for the figure)
};

// A fraction as the result labels show it: whole part, numerator over denominator. An
// empty numerator and denominator mean the fraction part is 0.
struct Fraction {
    std::optional<QString> refusal; // told instead of a result
    QString whole, numerator, denominator;
    Trace trace;
};

// whole + numerator / denominator as one fraction over the typed denominator (whole empty):
// 6, 1, 4 is 25 over 4; the whole part's sign does not reach the fraction (-2, 1, 2 is -3
// over 2). A whole part beyond the 32-bit range raises ArithmeticFault.
Fraction FractionToImproper(const QString& whole, const QString& numerator,
                            const QString& denominator, const QLocale& locale = QLocale());

// numerator / denominator as a whole part and the remainder over the typed denominator:
// 25 over 4 is 6 and 1 over 4, -7 over 2 is -3 and -1 over 2. An integer beyond the 32-bit
// range, or a denominator whose integer is 0 (0.4), raises ArithmeticFault.
Fraction ImproperToFraction(const QString& numerator, const QString& denominator,
                            const QLocale& locale = QLocale());

struct Decimal {
    std::optional<QString> refusal;
    std::optional<QString> whole;   // the new text of the whole-part box
    std::optional<QString> decimal; // the result, when there is one
    Trace trace;
};

// whole + numerator / denominator as a decimal; the whole part and the numerator are taken
// as integers, the denominator as typed. An empty whole part is 0; one that is not a number
// is set to 0 and nothing is computed. An integer beyond the 32-bit range raises
// ArithmeticFault.
Decimal FractionToDecimal(const QString& whole, const QString& numerator,
                          const QString& denominator, const QLocale& locale = QLocale());

// A decimal ab.def as a whole part ab (as typed) and def over 10, 100, 1000 ... unreduced:
// 0.25 is 0 and 25 over 100. A decimal part beyond the 32-bit range raises ArithmeticFault.
Fraction DecimalToFraction(const QString& decimal, const QLocale& locale = QLocale());

} // namespace sb::conversion
