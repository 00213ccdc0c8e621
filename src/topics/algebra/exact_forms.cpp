// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_forms.h"

#include "entry/conversions.h"

#include <cmath>
#include <limits>

namespace sb::algebra {

using Int = Rational::Int;

QString bookNumber(double value) {
    const QString text = resultText(value);
    const qsizetype e = text.indexOf(u'E');
    if (e < 0) return text;
    const int exponent = text.sliced(e + 1).toInt();
    if (exponent >= -9 && exponent <= 14) return working::plain(value);
    return QStringLiteral("%1 × 10%2").arg(text.left(e), superscript(exponent));
}

QString exactText(const Rational& value) {
    if (const auto decimal = value.decimalText(); decimal && decimal->size() <= 20) return *decimal;
    // a number of many zeros that 15 digits hold exactly: as powers of ten
    const double near = value.toDouble();
    if (std::isfinite(near) && near != 0 && Rational::ofShown(near) == value) return bookNumber(near);
    return value.text();
}

QString exactFactor(const Rational& value) {
    const QString text = exactText(value);
    return value.sign() < 0 || text.contains(u'/') || text.contains(u'×') ? u'(' + text + u')' : text;
}

namespace {

// the whole square root of v when v is a square
std::optional<Int> wholeRoot(Int v) {
    // beyond 10^36 the square of a root near it could leave the 128 bits
    if (v < 0 || v > Int(1'000'000'000'000'000'000) * Int(1'000'000'000'000'000'000)) return std::nullopt;
    Int r = static_cast<Int>(std::sqrt(static_cast<long double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    if (r * r == v) return r;
    return std::nullopt;
}

} // namespace

std::optional<Surd> squareRoot(const Rational& value) {
    if (!value.known() || value.sign() < 0) return std::nullopt;
    const Int n = value.numerator(), d = value.denominator();
    const auto rn = wholeRoot(n), rd = wholeRoot(d);
    if (rn && rd) return Surd{Rational::of(*rn, *rd), 1};
    // √(n/d) = √(n·d) / d; squares are taken out by trial, so n·d stays small enough to try
    constexpr Int largest = 1'000'000'000'000; // a million trial divisions at most
    if (n > largest || d > largest || n * d > largest) return std::nullopt;
    long long r = static_cast<long long>(n * d), s = 1;
    for (long long f = 2; f * f <= r; ++f)
        while (r % (f * f) == 0) r /= f * f, s *= f;
    return Surd{Rational::of(s, d), r};
}

QString termsText(const std::vector<Surd>& terms) {
    QString text;
    for (const Surd& t : terms) {
        if (t.q.sign() == 0) continue;
        const Surd size{t.q.sign() < 0 ? -t.q : t.q, t.r};
        const QString written = size.r == 1 ? exactText(size.q) : size.text();
        if (text.isEmpty()) text = t.q.sign() < 0 ? u'-' + written : written;
        else text += (t.q.sign() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + written;
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString sumText(const Rational& p, const Surd& t) {
    if (t.r == 1) return exactText(p + t.q);
    return termsText({Surd{p, 1}, t});
}

namespace {

Precise precise(const Rational& v) { return Precise(v.numerator()) / Precise(v.denominator()); }

Precise notANumber() { return Precise(std::numeric_limits<double>::quiet_NaN()); }

bool finite(Precise v) { return v == v && v - v == 0; }

// √r to all 34 digits: Newton's steps from the double's root, each doubling the digits
Precise rootOf(long long r) {
    Precise x = std::sqrt(static_cast<double>(r));
    for (int i = 0; i < 3 && x > 0; ++i) x = (x + Precise(r) / x) / 2;
    return x;
}

} // namespace

Precise valueOf(const Rational& value) { return value.known() ? precise(value) : notANumber(); }

Precise rootValue(const Rational& value) {
    if (!value.known() || value.sign() < 0) return notANumber();
    const Precise v = precise(value);
    Precise x = std::sqrt(static_cast<double>(v));
    for (int i = 0; i < 3 && x > 0; ++i) x = (x + v / x) / 2;
    return x;
}

Precise valueOf(const Rational& p, const Surd& t) {
    if (!p.known() || !t.known()) return notANumber();
    const Precise root = precise(t.q) * rootOf(t.r);
    if (p.sign() * t.q.sign() < 0) {
        const Rational top = p * p - t.q * t.q * Rational(t.r);
        if (top.known()) return precise(top) / (precise(p) - root);
    }
    return precise(p) + root;
}

double nearest15(Precise value) {
    if (!finite(value) || value == 0) return static_cast<double>(value);
    const bool negative = value < 0;
    if (negative) value = -value;
    // the 15 digits as a whole number m, and value = m × 10^power; no C library formatting,
    // whose decimal mark follows the process's locale
    const auto digitsAt = [value](int power) {
        Precise scale = 1;
        for (int i = 0; i < std::abs(power); ++i) scale *= 10;
        return power >= 0 ? value / scale : value * scale;
    };
    int power = static_cast<int>(std::floor(std::log10(static_cast<double>(value)))) - 14;
    Precise digits = digitsAt(power);
    if (digits >= Precise(1e15)) digits = digitsAt(++power);
    else if (digits < Precise(1e14)) digits = digitsAt(--power);
    const auto whole = static_cast<long long>(digits + Precise(0.5));
    return QStringLiteral("%1%2e%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(whole)
        .arg(power)
        .toDouble();
}

bool shownRight(Precise exact, double shown) {
    if (!finite(exact) || !std::isfinite(shown)) return false;
    return resultText(nearest15(exact)) == resultText(shown);
}

QString superscript(long long value) {
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    const QString plainDigits = QString::number(value);
    QString text;
    for (QChar c : plainDigits) text += c == u'-' ? QChar(u'⁻') : QChar(digits[c.digitValue()]);
    return text;
}

} // namespace sb::algebra
