// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact values for the working. The windows compute in doubles, and a double carries
// rounding: 0.5 × 10 ÷ 5 comes out 0.999999999999999, cos(90°) 1.6E-15. A statement the
// working makes ("the two values are equal", "a second triangle fits", "no triangle") is
// decided on the exact values where the exercise is exact: typed numbers are fractions and
// decimals, the sines and cosines of 0°, 30°, 45°, 60°, 90° and their multiples are known
// exactly. Where exactness is out of reach the statement is decided within roundingBound,
// the one bound on the rounding a window's computation carries.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

namespace sb::working {

// An exact fraction with 128-bit parts, in lowest terms with a positive denominator. An
// operation whose parts would leave that range gives an unknown value, and so does every
// operation on one: the caller then decides within roundingBound.
class Rational {
public:
    using Int = __int128;

    constexpr Rational(long long whole = 0) : n_(whole) {} // NOLINT: a whole number is a fraction
    // n/d; d == 0 gives an unknown value.
    static Rational of(Int n, Int d);
    static Rational unknown();

    // A typed value exactly as the value entry reads it: a number (decimal, with an exponent
    // or not), n/d, or w/n/d as w + n/d, each part with its own sign. Unknown when the text
    // is no value or its digits need more than 128 bits.
    static Rational ofText(QStringView text, const QLocale& locale = QLocale());
    // The exact value of a number as the window writes it: rounded to 15 significant digits.
    static Rational ofShown(double value);
    // The double's own value, exactly (every finite double is a fraction over a power of
    // two); unknown when that needs more than 128 bits.
    static Rational ofDouble(double value);

    bool known() const { return d_ != 0; }
    Int numerator() const { return n_; }
    Int denominator() const { return d_; }
    bool isWhole() const { return known() && d_ == 1; }
    int sign() const { return n_ > 0 ? 1 : n_ < 0 ? -1 : 0; }
    double toDouble() const;

    // "2/3", "-5/3", "4": the fraction in lowest terms, as the fraction windows write one.
    QString text() const;
    // "1 2/3", "-1 2/3", "4", "2/3": the whole part beside a proper fraction.
    QString mixedText() const;
    // The exact decimal when the denominator has only the factors 2 and 5 ("0.125"), in the
    // locale's writing; nothing otherwise.
    std::optional<QString> decimalText(const QLocale& locale = QLocale()) const;

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a);
    Rational power(int exponent) const;

    // Unknown values are unordered: every comparison with one is false.
    friend std::partial_ordering operator<=>(const Rational& a, const Rational& b);
    friend bool operator==(const Rational& a, const Rational& b);

private:
    constexpr Rational(Int n, Int d, bool) : n_(n), d_(d) {}
    Int n_ = 0, d_ = 1;
};

// q × √r with r a whole number free of squares (1, 2, 3, 6, ...): the exact sines and
// cosines of the multiples of 30° and 45°, and the products of them with fractions.
struct Surd {
    Rational q;
    long long r = 1;

    bool known() const { return q.known() && r > 0; }
    double toDouble() const;
    // "1/2", "√3/2", "-√2/2", "5√3", "1": as a pupil's book writes it.
    QString text() const;

    friend Surd operator*(const Surd& a, const Surd& b);
    friend Surd operator*(const Surd& a, const Rational& b) { return Surd{a.q * b, a.r}; }
    friend Surd operator*(const Rational& a, const Surd& b) { return Surd{a * b.q, b.r}; }
    friend Surd operator/(const Surd& a, const Rational& b) { return Surd{a.q / b, a.r}; }
    // Both ways of writing the same number compare equal; unknown values are unordered.
    friend std::partial_ordering operator<=>(const Surd& a, const Surd& b);
    friend bool operator==(const Surd& a, const Surd& b) { return (a <=> b) == 0; }
};

// The exact sine and cosine of an angle in degrees, when it is a multiple of 30° or 45°.
std::optional<Surd> exactSin(const Rational& degrees);
std::optional<Surd> exactCos(const Rational& degrees);

// The one bound on the rounding a window's double computation carries, relative to the
// size of the numbers a value came from: the windows round to 15 digits when they read a
// value back, take π to 15 digits, and a sine or a chain of steps adds a little to that.
inline constexpr double roundingBound = 1e-12;

// Whether a and b are the same number but for that rounding, and their order when not;
// scale is the size of the numbers they came from (0: their own size).
bool withinRounding(double a, double b, double scale = 0);
int compareWithinRounding(double a, double b, double scale = 0);
// value, or 0 when it lies within the rounding of numbers of size scale: an intermediate
// value below the rounding of the numbers it came from is 0 in the steps.
double tidy(double value, double scale);

// The one sentence that says why the window's number differs from the exact value in its
// last digits: "The exact value is 60°. The window shows 60.0000000000001°: ...".
QString roundingNote(const QString& exact, const QString& shown);

} // namespace sb::working
