// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The commands of the fractions window, on the texts of its boxes and labels. Values pass
// through the result labels as text and are read back as a number or an integer where
// the window does so, because that rounding is part of the result.

#include "integer_routines.h"
#include "working/exact.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace sb::fractions {

// The window's messages, in the language of the run.
namespace messages {
QString numberZero();    // "Number Can't Be Zero!!!"
QString setOperation();  // "Please Set the operation [+ - * / < > =]!!!."
QString fraction2Zero(); // "Fraction 2 Can't be equals to zero "
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

// The values an operator went through, kept for its working: each is the very value the
// labels were written from. Fields an operator does not reach stay 0 or empty.
struct ResultTrace {
    double p = 0, q = 0;                             // each fraction's value, N(s) + N(m) / N(d)
    // the same values exactly, as typed: a comparison is decided on them (unknown only when
    // a typed exponent makes a value too large for them; the doubles decide then)
    working::Rational exactP = working::Rational::unknown(), exactQ = working::Rational::unknown();
    std::int32_t denominator1 = 0, denominator2 = 0; // + and -: I(d1), I(d2)
    std::int32_t common = 0;                         // + and -: their common denominator C
    double term1 = 0, term2 = 0;    // + and -: each numerator over C, N(m1) x (C / N(d1)) ...
    QString overCommon;             // + and -: term1 +/- term2 as written into m3
    double wholeSum = 0;            // +: the whole parts added apart, N(s1) + N(s2)
    std::int32_t wholes = 0;        // +: that sum rounded
    MixedNumber typed1{}, typed2{}; // -, *, /: each fraction's integers I(s), I(m), I(d)
    MixedNumber f1{}, f2{};         // -, *, /: each as an improper fraction
    std::int32_t numerator = 0, denominator = 0;  // * and /: the products
    std::int32_t gcd = 0;                         // * and /: what the products were reduced by
    QString reducedNumerator, reducedDenominator; // * and /
    MixedNumber mixed{};                          // + - * /: the fraction written as a mixed number
};

struct ResultOutcome {
    ResultLabels labels;
    std::optional<QString> message; // told instead of a result; labels are then unchanged
    ResultTrace trace;
};

// The operator's steps from the labels as they were (comparisons write only the truth, the
// arithmetic operators only the fraction). "<", ">" and "=" compare the exact values typed,
// so 1 2/3 = 0 5/3 is True although their decimals are computed along different ways. A numerator
// or denominator whose integer leaves the 32-bit range, or a denominator whose integer is 0 (such
// as 0.4), raises ArithmeticFault.
ResultOutcome applyOperator(Operator op, const TypedFractions& typed, const ResultLabels& before,
                            const QLocale& locale = QLocale());

// ---- "Make Common Denominator" and "Reduction"

struct CommonDenominator {
    std::optional<QString> refusal;
    QString c;
    // what the result was computed from: A as typed, the integers of A and B, their gcd
    // and the product A x B
    double first = 0;
    std::int32_t firstInteger = 0, second = 0, gcd = 0;
    double product = 0;
};

// The common denominator of the box b (shown as A) and the box a (shown as B): b enters
// with its number as typed, a with its integer.
CommonDenominator makeCommonDenominator(const QString& b, const QString& a,
                                        const QLocale& locale = QLocale());

struct Reduction {
    std::optional<QString> refusal;
    QString numerator, denominator;
    // the integers reduced, their gcd and the quotients shown
    std::int32_t typedNumerator = 0, typedDenominator = 0, gcd = 0;
    double reducedNumerator = 0, reducedDenominator = 0;
};

// numerator / denominator in lowest terms, signs as the window's gcd leaves them
// (-2 / 4 is 1 over -2). A denominator whose integer is 0 raises ArithmeticFault.
Reduction reduceFraction(const QString& numerator, const QString& denominator,
                         const QLocale& locale = QLocale());

} // namespace sb::fractions
