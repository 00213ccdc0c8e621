// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact.h"

#include "entry/conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace sb::working {

using Int = Rational::Int;

namespace {

Int magnitude(Int v) { return v < 0 ? -v : v; }

Int gcd(Int a, Int b) {
    a = magnitude(a), b = magnitude(b);
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

// the decimal digits of a whole number, with a leading "-" when negative
QString digitsOf(Int v) {
    if (v == 0) return QStringLiteral("0");
    QString text;
    const bool negative = v < 0;
    // the most negative value has no magnitude: it never arises, as every part is reduced
    // from products checked for overflow
    for (Int m = magnitude(v); m > 0; m /= 10) text.prepend(QChar(u'0' + int(m % 10)));
    return negative ? u'-' + text : text;
}

bool timesTen(Int& v, int times) {
    for (int i = 0; i < times; ++i)
        if (__builtin_mul_overflow(v, Int(10), &v)) return false;
    return true;
}

// One part of a typed value: blanks, a sign, digits with at most one decimal mark, an
// optional exponent. The number test has already accepted it.
Rational decimalPart(QStringView text, const QLocale& locale) {
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(locale.negativeSign()) || text.startsWith(u'-')) {
        negative = true;
        text = text.sliced(1);
    } else if (text.startsWith(locale.positiveSign()) || text.startsWith(u'+')) {
        text = text.sliced(1);
    }
    const QString mark = locale.decimalPoint();
    Int digits = 0;
    int places = 0, exponent = 0;
    bool afterMark = false;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            if (digits == 0 && c == u'0') {
                if (afterMark) ++places;
                continue;
            }
            if (__builtin_mul_overflow(digits, Int(10), &digits) ||
                __builtin_add_overflow(digits, Int(c.digitValue()), &digits))
                return Rational::unknown();
            if (afterMark) ++places;
        } else if (!afterMark && text.sliced(i).startsWith(mark)) {
            afterMark = true;
            i += mark.size() - 1;
        } else {
            break;
        }
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        bool ok = false;
        exponent = text.sliced(i + 1).toString().replace(locale.negativeSign(), QStringLiteral("-")).toInt(&ok);
        if (!ok || std::abs(exponent) > 80) return digits == 0 ? Rational() : Rational::unknown();
    }
    exponent -= places;
    Int n = negative ? -digits : digits, d = 1;
    if (!timesTen(exponent >= 0 ? n : d, std::abs(exponent))) return Rational::unknown();
    return Rational::of(n, d);
}

} // namespace

Rational Rational::of(Int n, Int d) {
    if (d == 0) return unknown();
    if (d < 0) n = -n, d = -d;
    const Int g = gcd(n, d);
    return g > 1 ? Rational(n / g, d / g, true) : Rational(n, d, true);
}

Rational Rational::unknown() { return Rational(0, 0, true); }

Rational Rational::ofText(QStringView text, const QLocale& locale) {
    QStringView parts[3];
    qsizetype count = 0;
    for (qsizetype from = 0; count < 4;) {
        const qsizetype slash = text.indexOf(u'/', from);
        const qsizetype end = slash < 0 ? text.size() : slash;
        if (count == 3) return unknown();
        parts[count++] = text.sliced(from, end - from);
        if (slash < 0) break;
        from = slash + 1;
    }
    Rational values[3];
    for (qsizetype i = 0; i < count; ++i) {
        if (!parseNumber(parts[i].toString(), locale)) return unknown();
        values[i] = decimalPart(parts[i], locale);
    }
    if (count == 1) return values[0];
    const Rational fraction = values[count - 2] / values[count - 1];
    return count == 3 ? values[0] + fraction : fraction;
}

Rational Rational::ofShown(double value) {
    if (!std::isfinite(value)) return unknown();
    return decimalPart(QString::number(value, 'g', 15), QLocale::c());
}

Rational Rational::ofDouble(double value) {
    if (!std::isfinite(value)) return unknown();
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    Int n = static_cast<Int>(std::ldexp(fraction, 53)); // exact: 53 bits
    exponent -= 53;
    if (exponent >= 0) {
        if (exponent > 70) return unknown();
        return of(n << exponent, 1);
    }
    if (-exponent > 125) return n == 0 ? Rational() : unknown();
    return of(n, Int(1) << -exponent);
}

double Rational::toDouble() const {
    if (!known()) return std::nan("");
    return static_cast<double>(static_cast<long double>(n_) / static_cast<long double>(d_));
}

QString Rational::text() const {
    if (!known()) return QStringLiteral("?");
    return d_ == 1 ? digitsOf(n_) : digitsOf(n_) + u'/' + digitsOf(d_);
}

QString Rational::mixedText() const {
    if (!known() || d_ == 1 || magnitude(n_) < d_) return text();
    const Int whole = n_ / d_, rest = magnitude(n_ % d_);
    return digitsOf(whole) + u' ' + digitsOf(rest) + u'/' + digitsOf(d_);
}

std::optional<QString> Rational::decimalText(const QLocale& locale) const {
    if (!known()) return std::nullopt;
    Int d = d_;
    int twos = 0, fives = 0;
    while (d % 2 == 0) d /= 2, ++twos;
    while (d % 5 == 0) d /= 5, ++fives;
    if (d != 1) return std::nullopt;
    const int places = std::max(twos, fives);
    Int n = magnitude(n_);
    for (int i = twos; i < places; ++i)
        if (__builtin_mul_overflow(n, Int(2), &n)) return std::nullopt;
    for (int i = fives; i < places; ++i)
        if (__builtin_mul_overflow(n, Int(5), &n)) return std::nullopt;
    QString digits = digitsOf(n);
    if (places > 0) {
        if (digits.size() <= places) digits = QString(places - digits.size() + 1, u'0') + digits;
        digits.insert(digits.size() - places, locale.decimalPoint());
    }
    return n_ < 0 ? u'-' + digits : digits;
}

Rational operator+(const Rational& a, const Rational& b) {
    if (!a.known() || !b.known()) return Rational::unknown();
    const Int g = gcd(a.d_, b.d_);
    Int left, right, sum, d;
    if (__builtin_mul_overflow(a.n_, b.d_ / g, &left) ||
        __builtin_mul_overflow(b.n_, a.d_ / g, &right) ||
        __builtin_add_overflow(left, right, &sum) || __builtin_mul_overflow(a.d_ / g, b.d_, &d))
        return Rational::unknown();
    return Rational::of(sum, d);
}

Rational operator-(const Rational& a) { return a.known() ? Rational(-a.n_, a.d_, true) : a; }

Rational operator-(const Rational& a, const Rational& b) { return a + -b; }

Rational operator*(const Rational& a, const Rational& b) {
    if (!a.known() || !b.known()) return Rational::unknown();
    // cross-reduce first, so the products stay as small as the result
    const Int g1 = gcd(a.n_, b.d_), g2 = gcd(b.n_, a.d_);
    const Int an = g1 ? a.n_ / g1 : a.n_, bd = g1 ? b.d_ / g1 : b.d_;
    const Int bn = g2 ? b.n_ / g2 : b.n_, ad = g2 ? a.d_ / g2 : a.d_;
    Int n, d;
    if (__builtin_mul_overflow(an, bn, &n) || __builtin_mul_overflow(ad, bd, &d))
        return Rational::unknown();
    return Rational::of(n, d);
}

Rational operator/(const Rational& a, const Rational& b) {
    if (!b.known() || b.n_ == 0) return Rational::unknown();
    return a * Rational::of(b.d_, b.n_);
}

Rational Rational::power(int exponent) const {
    if (exponent < 0) return Rational(1) / power(-exponent);
    Rational result = 1;
    for (int i = 0; i < exponent && result.known(); ++i) result = result * *this;
    return result;
}

std::partial_ordering operator<=>(const Rational& a, const Rational& b) {
    if (!a.known() || !b.known()) return std::partial_ordering::unordered;
    const Rational difference = a - b;
    if (!difference.known()) return a.toDouble() <=> b.toDouble(); // far apart: doubles tell
    return difference.sign() <=> 0;
}

bool operator==(const Rational& a, const Rational& b) { return (a <=> b) == 0; }

// --- surds

namespace {

// r written as s² × t with t free of squares; q takes s
Surd reduced(Rational q, long long r) {
    if (r <= 0) return Surd{Rational::unknown(), 0};
    long long s = 1;
    for (long long f = 2; f * f <= r; ++f)
        while (r % (f * f) == 0) r /= f * f, s *= f;
    if (q.sign() == 0) r = 1;
    return Surd{q * Rational(s), r};
}

} // namespace

double Surd::toDouble() const { return q.toDouble() * std::sqrt(double(r)); }

QString Surd::text() const {
    if (!known()) return QStringLiteral("?");
    if (r == 1) return q.text();
    const QString root = QStringLiteral("√%1").arg(r);
    const Int n = q.numerator(), d = q.denominator();
    QString front = n == 1 ? QString() : n == -1 ? QStringLiteral("-") : digitsOf(n);
    QString text = front + root;
    return d == 1 ? text : text + u'/' + digitsOf(d);
}

Surd operator*(const Surd& a, const Surd& b) {
    if (!a.known() || !b.known()) return Surd{Rational::unknown(), 0};
    return reduced(a.q * b.q, a.r * b.r);
}

std::partial_ordering operator<=>(const Surd& a, const Surd& b) {
    if (!a.known() || !b.known()) return std::partial_ordering::unordered;
    const int sa = a.q.sign(), sb = b.q.sign();
    if (sa != sb) return sa <=> sb;
    const auto squares = (a.q * a.q * Rational(a.r)) <=> (b.q * b.q * Rational(b.r));
    if (sa >= 0) return squares;
    return squares == std::partial_ordering::less      ? std::partial_ordering::greater
           : squares == std::partial_ordering::greater ? std::partial_ordering::less
                                                       : squares;
}

std::optional<Surd> exactSin(const Rational& degrees) {
    if (!degrees.known()) return std::nullopt;
    // the angle brought into 0 .. 360 by whole turns
    const Rational turns = degrees / Rational(360);
    Int whole = turns.numerator() / turns.denominator();
    if (turns.numerator() < 0 && turns.numerator() % turns.denominator() != 0) --whole;
    const Rational angle = degrees - Rational::of(whole, 1) * Rational(360);
    if (!angle.known() || !angle.isWhole()) return std::nullopt;
    const long long a = static_cast<long long>(angle.numerator());
    if (a % 30 != 0 && a % 45 != 0) return std::nullopt;
    const int sign = a > 180 ? -1 : 1;
    const long long folded = a > 180 ? a - 180 : a;           // 0 .. 180
    const long long acute = folded > 90 ? 180 - folded : folded; // 0 .. 90
    switch (acute) {
    case 0: return Surd{0, 1};
    case 30: return Surd{Rational::of(sign, 2), 1};
    case 45: return Surd{Rational::of(sign, 2), 2};
    case 60: return Surd{Rational::of(sign, 2), 3};
    default: return Surd{sign, 1}; // 90
    }
}

std::optional<Surd> exactCos(const Rational& degrees) { return exactSin(degrees + Rational(90)); }

// --- rounding

bool withinRounding(double a, double b, double scale) {
    const double size = std::max({std::fabs(a), std::fabs(b), std::fabs(scale)});
    return std::fabs(a - b) <= roundingBound * size;
}

int compareWithinRounding(double a, double b, double scale) {
    return withinRounding(a, b, scale) ? 0 : a < b ? -1 : 1;
}

double tidy(double value, double scale) {
    return std::fabs(value) <= roundingBound * std::fabs(scale) ? 0.0 : value;
}

namespace {
struct SharedWorking {
    Q_DECLARE_TR_FUNCTIONS(SharedWorking)
};
} // namespace

QString roundingNote(const QString& exact, const QString& shown) {
    //: %1 is the exact value, %2 the window's number
    return SharedWorking::tr("The exact value is %1. The window shows %2: the computer keeps "
                             "about 16 digits and rounds at every step, so the last digits it "
                             "shows carry that rounding.")
        .arg(exact, shown);
}

} // namespace sb::working
