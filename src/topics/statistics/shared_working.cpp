// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_working.h"

#include "entry/conversions.h"

#include <cmath>

namespace sb::statistics {

using working::Rational;

QString written(double value) {
    const double size = std::fabs(value);
    return value == 0 || (size >= 1e-15 && size < 1e21) ? working::plain(value) : resultText(value);
}

bool isFraction(const Rational& r) { return r.known() && !r.isWhole() && !r.decimalText(); }

std::optional<QString> exactText(const Rational& r) {
    if (!r.known()) return std::nullopt;
    if (const auto decimal = r.decimalText()) {
        int significant = 0;
        bool leading = true;
        for (const QChar c : *decimal) {
            if (!c.isDigit()) continue;
            leading = leading && c == u'0';
            if (!leading) ++significant;
        }
        if (significant <= 15) return *decimal;
    }
    const Rational::Int n = r.numerator() < 0 ? -r.numerator() : r.numerator();
    if (r.denominator() < 1'000'000 && n < Rational::Int(1'000'000'000'000'000)) return r.text();
    return std::nullopt;
}

QString equalsExact(const Rational& r, const QString& fallback) {
    const auto text = exactText(r);
    if (!text) return QStringLiteral("≈ %1").arg(fallback);
    if (isFraction(r)) return QStringLiteral("= %1 ≈ %2").arg(*text, written(r.toDouble()));
    return QStringLiteral("= %1").arg(*text);
}

QString exactForNote(const Rational& r) {
    const auto text = exactText(r);
    if (!text) return QStringLiteral("%1 to 15 digits").arg(written(r.toDouble()));
    return isFraction(r) ? QStringLiteral("%1 ≈ %2").arg(*text, written(r.toDouble())) : *text;
}

namespace {

// The superscript digits of a power of ten: "⁻⁶".
QString superscript(int exponent) {
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString text;
    for (const QChar c : QString::number(std::abs(exponent))) text += digits[c.digitValue()];
    return exponent < 0 ? QStringLiteral("⁻") + text : text;
}

} // namespace

std::optional<QString> powerOfTen(const QString& shown, double value) {
    const qsizetype e = shown.indexOf(u'E');
    if (e < 0) return std::nullopt;
    const QString power = shown.sliced(e + 1), out = written(value);
    // a number too far from 1 to write out keeps its power of ten
    if (out.contains(u'E'))
        return QStringLiteral("The window writes this as %1: E%2 means × 10%3.")
            .arg(shown, power, superscript(power.toInt()));
    return QStringLiteral("The window writes this as %1: E%2 means × 10%3, so %1 is %4.")
        .arg(shown, power, superscript(power.toInt()), out);
}

} // namespace sb::statistics
