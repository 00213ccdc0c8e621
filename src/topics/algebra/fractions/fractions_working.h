// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the fractions window: the steps and the figure of "Result", "Make Common
// Denominator" and "Reduction", built from the values each command computed, never
// computed again.

#include "fraction_commands.h"
#include "working/working.h"

namespace sb::fractions {

// ---- pieces the fraction conversion window's working shares

// "n/d".
QString over(const QString& numerator, const QString& denominator);
// A mixed number as the result labels show it: "4 and 1/6", or the whole part alone when
// the fraction part is empty.
QString mixedText(const QString& whole, const QString& numerator, const QString& denominator);
// The boxes whose number a command takes as a whole number.
enum class IntegerBox {
    // the reduction's and the conversion's
    WholePart,
    Numerator,
    Denominator,
    // fraction 1 of the operators
    WholePart1,
    Numerator1,
    Denominator1,
    // fraction 2
    WholePart2,
    Numerator2,
    Denominator2,
    // the common denominator's B
    NumberB,
};
// "The numerator is 2.5; it is taken as the whole number 2", when a box's number is no integer.
void sayTakenAsInteger(working::Working& w, IntegerBox box, const QString& typed,
                       std::int32_t integer);
// Euclid's divisions for gcd(p, q) as detail lines; returns the gcd they end with.
std::int32_t explainGcd(working::Working& w, std::int32_t p, std::int32_t q);
// "a ÷ b = q, remainder r" for a division with remainder as tomixed makes it.
QString divisionText(const MixedNumber& mixed);

// Where a whole part and its fraction have opposite signs (-2 and 1/3), each keeps its own
// sign: the steps say what the number is (-2 + 1/3 = -5/3) and, for a typed number, what to
// type for the mixed number a book means (-2 and -1/3 for minus 2 and 1/3). Nothing is said
// when the whole number or the fraction is 0, nor when the signs agree, but for a result
// whose whole number and fraction are both negative and whose value no step has said yet
// (valueSaid): -3 and -1/2 is minus 3 and 1/2.
enum class MixedNumberName { Only, Fraction1, Fraction2, Answer }; // which the steps name
void sayOwnSigns(working::Working& w, MixedNumberName which, const working::Rational& whole,
                 const working::Rational& numerator, const working::Rational& denominator,
                 bool typed = true, bool valueSaid = false);

// When numerator/denominator is not in lowest terms (or has its minus sign below): the
// mixed number whole and numerator/denominator in lowest terms, and as one fraction. An
// empty whole stands for a fraction alone. Returns whether it said so.
bool sayLowestTerms(working::Working& w, const QString& whole, const QString& numerator,
                    const QString& denominator);

// ---- the commands

// "Result": typed holds the boxes as they were typed, used as the command read them (a
// whole part that was no number becomes 0). A refused division by a zero fraction 2 shows
// why.
working::Working resultWorking(Operator op, const TypedFractions& typed, const TypedFractions& used,
                               const ResultOutcome& outcome);

// "Make Common Denominator" of the boxes b (shown as A) and a (shown as B).
working::Working commonDenominatorWorking(const QString& b, const QString& a,
                                          const CommonDenominator& outcome);

// "Reduction" of the numerator and denominator typed.
working::Working reductionWorking(const QString& numerator, const QString& denominator,
                                  const Reduction& outcome);

// What the boxes take, and 1 1/2 + 2 2/3 worked out.
working::Guide fractionsGuide();

} // namespace sb::fractions
