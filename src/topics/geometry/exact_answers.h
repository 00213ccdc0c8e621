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
#include "working/exact_text.h"

#include <QString>

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

using working::Precise;

// The exact value of a written number, for the test of "=": a number as the window writes it.
inline Rational shown(double value) { return Rational::ofShown(value); }

// An answer written with its exact value, and the sentence that explains the window's last
// digits when they differ from the exact value's.
struct ExactAnswer {
    QString text; // "6", "50/3 ≈ 16.6666666666667", "√3/4 ≈ 0.433012701892219"
    QString note; // empty, or why the window shows other last digits
};

// exact: how a pupil's book writes the value (nothing when it has no short form); value:
// the value to more digits than the window keeps; windowShows: the window's number.
inline ExactAnswer answerOf(const std::optional<QString>& exact, Precise value,
                            double windowShows) {
    const QString window = resultText(windowShows);
    if (!exact) return {window, {}};
    const double rounded = working::nearest15(value);
    // the window's digits, or the exact value's written without E-notation
    const QString digits = resultText(rounded) == window ? window : working::plain(rounded);
    if (*exact == window) return {window, {}};
    if (*exact == digits) return {*exact, working::roundingNote(*exact, window)};
    if (digits == window) return {*exact + QStringLiteral(" ≈ ") + window, {}};
    return {*exact + QStringLiteral(" ≈ ") + digits,
            working::roundingNote(*exact + QStringLiteral(" ≈ ") + digits, window)};
}

inline ExactAnswer answerOf(const Rational& exact, double windowShows) {
    // the window's number is the exact value, however it writes it ("1E-07" for 0.0000001)
    if (!exact.known() || shown(windowShows) == exact) return {resultText(windowShows), {}};
    return answerOf(working::exactText(exact), working::valueOf(exact), windowShows);
}

inline ExactAnswer answerOf(const Surd& exact, double windowShows) {
    if (!exact.known()) return {resultText(windowShows), {}};
    if (exact.r == 1) return answerOf(exact.q, windowShows);
    return answerOf(exact.text(), working::valueOf(exact), windowShows);
}

} // namespace sb::geometry
