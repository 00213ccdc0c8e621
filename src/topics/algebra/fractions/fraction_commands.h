// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The commands of the fractions window, on the texts of its boxes and labels. Values pass
// through the result labels as text and are read back as a number or an integer where
// the window does so, because that rounding is part of the result.

#include "integer_routines.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace sb::fractions {

namespace messages {
inline const QString numberZero = QStringLiteral("Number Can't Be Zero!!!");
inline const QString setOperation = QStringLiteral("Please Set the operation [+ - * / < > =]!!!.");
inline const QString fraction2Zero = QStringLiteral("Fraction 2 Can't be equals to zero ");
} // namespace messages

// ---- "Result": two mixed numbers and an operator

// The texts of the boxes s1, m1, d1 (fraction 1) and s2, m2, d2 (fraction 2).
struct TypedFractions {
    QString s1, m1, d1, s2, m2, d2;
};

// The texts of the result labels: whole part, numerator, denominator, comparison.
struct ResultLabels {
    QString s3, m3, d3, truth;
};

enum class Operator { Plus, Minus, Times, Divide, Less, Greater, Equal };

// The refusal of fractions that cannot be computed with: a numerator or denominator that
// is not numeric, then a denominator that is 0. Whole parts are not tested here.
std::optional<QString> refuseFractions(const TypedFractions& typed,
                                       const QLocale& locale = QLocale());

// A whole part as the command uses it: "0" where the box holds no number.
QString wholePart(const QString& text, const QLocale& locale = QLocale());

// The operator typed, compared exactly: " +" is no operator.
std::optional<Operator> operatorOf(const QString& text);

struct ResultOutcome {
    ResultLabels labels;
    std::optional<QString> message; // told instead of a result; labels are then unchanged
};

// The operator's steps from the labels as they were (comparisons write only the truth, the
// arithmetic operators only the fraction). A numerator or denominator whose integer leaves
// the 32-bit range, or a denominator whose integer is 0 (such as 0.4), raises
// ArithmeticFault.
ResultOutcome applyOperator(Operator op, const TypedFractions& typed, const ResultLabels& before,
                            const QLocale& locale = QLocale());

// ---- "Make Common Denominator" and "Reduction"

struct CommonDenominator {
    std::optional<QString> refusal;
    QString c;
};

// The common denominator of the box b (shown as A) and the box a (shown as B): b enters
// with its number as typed, a with its integer.
CommonDenominator makeCommonDenominator(const QString& b, const QString& a,
                                        const QLocale& locale = QLocale());

struct Reduction {
    std::optional<QString> refusal;
    QString numerator, denominator;
};

// numerator / denominator in lowest terms, signs as the window's gcd leaves them
// (-2 / 4 is 1 over -2). A denominator whose integer is 0 raises ArithmeticFault.
Reduction reduceFraction(const QString& numerator, const QString& denominator,
                         const QLocale& locale = QLocale());

} // namespace sb::fractions
