// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact values beside the window's numbers, for the windows of lengths and areas (circle,
// triangle areas, quadrilaterals). Their exercises are exact: the typed sides are fractions
// and decimals, and sums, products and halves of them stay fractions. The steps write those
// exact values where a pupil's book would ("50/3 ≈ 16.6666666666667", "√3/4"), tell "="
// from "≈" by exact arithmetic on the numbers written, and say once why the window's
// number differs from the exact one in its last digits.

#include "entry/conversions.h"
#include "working/exact.h"

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace sb::geometry {

using working::Rational;
using working::Surd;

// A typed value exactly as the value entry read it; when the text is not at hand (an
// example worked by the guide) or is not the value read, the number as the window writes it.
inline Rational typedExactly(const QString& text, double value) {
    Rational exact = text.isEmpty() ? Rational::unknown() : Rational::ofText(text);
    if (exact.known() && working::withinRounding(exact.toDouble(), value)) return exact;
    return Rational::ofShown(value);
}

// A number for a step: the window's result text, or the same 15 digits without E-notation
// when the window would write one (the steps show E-notation only where the window does).
inline QString stepNumber(double value) {
    const QString text = resultText(value);
    return text.contains(u'E') ? working::plain(value) : text;
}

// The exact value written short, as a pupil's book does: its decimal when it ends
// ("0.1875"), else the fraction in lowest terms ("50/3"); nothing when both are long.
inline std::optional<QString> exactText(const Rational& q) {
    if (!q.known()) return std::nullopt;
    if (const auto decimal = q.decimalText(); decimal && decimal->size() <= 17) return decimal;
    const QString fraction = q.text();
    if (fraction.size() <= 17) return fraction;
    return std::nullopt;
}

// The exact value of a written number, for the test of "=": a number as the window writes it.
inline Rational shown(double value) { return Rational::ofShown(value); }

// " = " when the written result is the exact value of the computation on the numbers
// written before it, " ≈ " when it is rounded (or too long to know).
inline QString equals(const Rational& exact, double result) {
    return exact.known() && shown(result) == exact ? QStringLiteral(" = ") : QStringLiteral(" ≈ ");
}

// A value known to more digits than a double holds, rounded to 15 significant digits as
// the window writes a number: the number the window would show if it had no rounding.
inline double fifteenDigits(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    return std::strtod(buffer, nullptr);
}

inline long double longValue(const Rational& q) {
    return static_cast<long double>(q.numerator()) / static_cast<long double>(q.denominator());
}

// An answer written with its exact value, and the sentence that explains the window's last
// digits when they differ from the exact value's.
struct ExactAnswer {
    QString text; // "6", "50/3 ≈ 16.6666666666667", "√3/4 ≈ 0.433012701892219"
    QString note; // empty, or why the window shows other last digits
};

// exact: how a pupil's book writes the value (nothing when it has no short form); value:
// the value to more digits than the window keeps; windowShows: the window's number.
inline ExactAnswer answerOf(const std::optional<QString>& exact, long double value,
                            double windowShows) {
    const QString window = resultText(windowShows);
    if (!exact) return {window, {}};
    const double rounded = fifteenDigits(value);
    // the window's digits, or the exact value's written without E-notation
    const QString digits = resultText(rounded) == window ? window : stepNumber(rounded);
    if (*exact == window) return {window, {}};
    if (*exact == digits) return {*exact, working::roundingNote(*exact, window)};
    if (digits == window) return {*exact + QStringLiteral(" ≈ ") + window, {}};
    return {*exact + QStringLiteral(" ≈ ") + digits,
            working::roundingNote(*exact + QStringLiteral(" ≈ ") + digits, window)};
}

inline ExactAnswer answerOf(const Rational& exact, double windowShows) {
    // the window's number is the exact value, however it writes it ("1E-07" for 0.0000001)
    if (!exact.known() || shown(windowShows) == exact) return {resultText(windowShows), {}};
    return answerOf(exactText(exact), longValue(exact), windowShows);
}

// The square root of a fraction as a surd in simplest form (√(3/16) = √3/4, √36 = 6);
// nothing when it is negative, unknown, or too large to simplify quickly.
inline std::optional<Surd> rootOf(const Rational& q) {
    if (!q.known() || q.sign() < 0) return std::nullopt;
    if (q.sign() == 0) return Surd{0, 1};
    const Rational::Int under = q.numerator() * q.denominator(); // √(n/d) = √(nd)/d
    if (q.numerator() > 1'000'000'000'000 || q.denominator() > 1'000'000'000'000 ||
        under > 1'000'000'000'000)
        return std::nullopt;
    const Surd root = Surd{Rational::of(1, q.denominator()), 1} *
                      Surd{1, static_cast<long long>(under)};
    if (!root.known()) return std::nullopt;
    return root;
}

inline ExactAnswer answerOf(const Surd& exact, double windowShows) {
    if (!exact.known()) return {resultText(windowShows), {}};
    if (exact.r == 1) return answerOf(exact.q, windowShows);
    return answerOf(exact.text(), longValue(exact.q) * std::sqrt(static_cast<long double>(exact.r)),
                    windowShows);
}

} // namespace sb::geometry
