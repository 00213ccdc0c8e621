// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_text.h"

#include "entry/conversions.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace sb::working {

using Int = Rational::Int;

QString superscript(long long value) {
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString text;
    for (const QChar c : QString::number(value))
        text += c == u'-' ? QChar(u'⁻') : QChar(digits[c.digitValue()]);
    return text;
}

QString plain(double value, const QLocale& locale) {
    const QString text = resultText(value, locale); // raises the fault of a value not finite
    const qsizetype e = text.indexOf(u'E');
    if (e < 0) return text;
    const int exponent = text.sliced(e + 1).toInt();
    // a small number is written out while it needs at most 8 zeros after the point
    if (exponent < 0 && exponent >= -9) return writtenOut(value, locale);
    return QStringLiteral("%1 × 10%2").arg(text.left(e), superscript(exponent));
}

QString writtenOut(double value, const QLocale& locale) {
    if (!std::isfinite(value)) return resultText(value, locale); // raises the fault
    if (value == 0) return QStringLiteral("0");
    // "d.dddddddddddddde±XX": the 15 significant digits and where the point goes
    const QString e = QString::number(std::fabs(value), 'e', 14);
    const qsizetype at = e.indexOf(u'e');
    QString digits = e.left(at).remove(u'.');
    const int exponent = e.sliced(at + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);
    QString text;
    if (exponent < 0) {
        text = QStringLiteral("0") + locale.decimalPoint() + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        text = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        text = digits.left(exponent + 1) + locale.decimalPoint() + digits.sliced(exponent + 1);
    }
    return value < 0 ? u'-' + text : text;
}

std::optional<QString> exactText(const Rational& value, const QLocale& locale) {
    if (!value.known()) return std::nullopt;
    if (value.sign() == 0) return QStringLiteral("0");
    // a decimal that ends within 15 significant digits is the window's own 15 digits
    const double near = value.toDouble();
    if (std::isfinite(near) && Rational::ofShown(near) == value) return plain(near, locale);
    constexpr Int fifteenDigits = 1'000'000'000'000'000;
    if (value.denominator() < shortDenominator && value.numerator() < fifteenDigits &&
        value.numerator() > -fifteenDigits)
        return value.text();
    return std::nullopt;
}

QString exactWritten(const Rational& value, const QLocale& locale) {
    if (const auto text = exactText(value, locale)) return *text;
    if (const auto decimal = value.decimalText(locale)) return *decimal;
    return value.text();
}

std::optional<QString> exactBeside(const Rational& value) {
    const auto text = exactText(value);
    if (!text || !isFraction(value)) return text;
    return QStringLiteral("%1 ≈ %2").arg(*text, plainDigits(valueOf(value)));
}

bool isFraction(const Rational& value) {
    return value.known() && !value.isWhole() && !value.decimalText();
}

QString equalsSign(const Rational& exact, double written) {
    return exact.known() && std::isfinite(written) && Rational::ofShown(written) == exact
               ? QStringLiteral(" = ")
               : QStringLiteral(" ≈ ");
}

QString equalsExact(const Rational& value, const QString& fallback) {
    const auto text = exactText(value);
    if (!text) return QStringLiteral("≈ %1").arg(fallback);
    return QStringLiteral("= %1").arg(*exactBeside(value));
}

namespace {

// the whole square root of v when v is a square
std::optional<Int> wholeRoot(Int v) {
    // beyond 10^36 the square of a root near it could leave the 128 bits
    if (v < 0 || v > Int(1'000'000'000'000'000'000) * Int(1'000'000'000'000'000'000))
        return std::nullopt;
    Int r = static_cast<Int>(std::sqrt(static_cast<long double>(v)));
    while (r > 0 && r * r > v) --r;
    while ((r + 1) * (r + 1) <= v) ++r;
    if (r * r == v) return r;
    return std::nullopt;
}

Precise precise(const Rational& v) { return Precise(v.numerator()) / Precise(v.denominator()); }

Precise notANumber() { return Precise(std::numeric_limits<double>::quiet_NaN()); }

bool finite(Precise v) { return v == v && v - v == 0; }

// √v to all 34 digits: Newton's steps from the double's root, each doubling the digits
Precise preciseRoot(Precise v) {
    Precise x = std::sqrt(static_cast<double>(v));
    for (int i = 0; i < 3 && x > 0; ++i) x = (x + v / x) / 2;
    return x;
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

Precise valueOf(const Rational& value) { return value.known() ? precise(value) : notANumber(); }

Precise valueOf(const Surd& value) {
    if (!value.known()) return notANumber();
    return precise(value.q) * preciseRoot(Precise(value.r));
}

Precise rootValue(const Rational& value) {
    if (!value.known() || value.sign() < 0) return notANumber();
    return preciseRoot(precise(value));
}

Precise rootValue(Precise value) { return value >= 0 ? preciseRoot(value) : notANumber(); }

Precise valueOf(const Rational& p, const Surd& t) {
    if (!p.known() || !t.known()) return notANumber();
    const Precise root = precise(t.q) * preciseRoot(Precise(t.r));
    if (p.sign() * t.q.sign() < 0) {
        const Rational top = p * p - t.q * t.q * Rational(t.r);
        if (top.known()) return precise(top) / (precise(p) - root);
    }
    return precise(p) + root;
}

double nearest15(Precise value) {
    // a value beyond what a double holds (1e-616, 1e616) has no 15 digits to keep: it is 0 or
    // infinite as a double, and its logarithm below would be no number of digits
    const double approximate = static_cast<double>(value);
    if (!finite(value) || approximate == 0 || std::isinf(approximate)) return approximate;
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

QString plainDigits(Precise value) { return plain(nearest15(value)); }

bool shownRight(Precise exact, double shown) {
    if (!finite(exact) || !std::isfinite(shown)) return false;
    return resultText(nearest15(exact)) == resultText(shown);
}

} // namespace sb::working
