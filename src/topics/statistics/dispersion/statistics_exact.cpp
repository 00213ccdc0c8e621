// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_exact.h"

#include <QLocale>

#include <array>
#include <cstdint>
#include <utility>

namespace sb::statistics {

using working::Rational;
using Int = Rational::Int;

namespace {

// A fraction n/d with d > 0, not necessarily in lowest terms.
struct Frac {
    Int n = 0, d = 1;
};

// Two factors below 2^63 in size never overflow 128 bits, which spares the check on the
// common path of a long list.
bool small(Int v) { return v < (Int(1) << 63) && v > -(Int(1) << 63); }
bool mul(Int a, Int b, Int& out) {
    if (small(a) && small(b)) return out = a * b, true;
    return !__builtin_mul_overflow(a, b, &out);
}
bool add(Int a, Int b, Int& out) { return !__builtin_add_overflow(a, b, &out); }

Int gcdOf(Int a, Int b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

// The value of an element's numbers, x, n/d or w/n/d as w + n/d; false when a part is a
// zero denominator or the value outgrows 128 bits.
bool combined(const Frac* parts, int count, Frac& out) {
    if (count == 1) return out = parts[0], true;
    // n/d = (a/b) ÷ (c/e) = a·e / (b·c)
    const Frac& top = parts[count - 2];
    const Frac& bottom = parts[count - 1];
    Frac fraction;
    if (bottom.n == 0 || !mul(top.n, bottom.d, fraction.n) || !mul(top.d, bottom.n, fraction.d))
        return false;
    if (fraction.d < 0) fraction = {-fraction.n, -fraction.d};
    if (count == 2) return out = fraction, true;
    // w + n/d over the product of the denominators
    const Frac& whole = parts[0];
    Int left, right;
    return mul(whole.n, fraction.d, left) && mul(fraction.n, whole.d, right) &&
           add(left, right, out.n) && mul(whole.d, fraction.d, out.d);
}

// A plain decimal: a sign, digits and at most one decimal mark, nothing else. Anything else
// (an exponent, blanks) is left to Rational::ofText.
bool plainDecimal(QStringView text, const NumberMarks& marks, Frac& out) {
    qsizetype i = 0;
    bool negative = false;
    if (text.startsWith(marks.negativeSign) && !marks.negativeSign.isEmpty()) {
        negative = true;
        i = marks.negativeSign.size();
    } else if (text.startsWith(u'-')) {
        negative = true;
        i = 1;
    } else if (text.startsWith(u'+')) {
        i = 1;
    }
    // at most 18 digits, which a 64-bit whole number holds; longer ones go to ofText
    std::int64_t n = 0, d = 1;
    int digits = 0;
    bool afterMark = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (++digits > 18) return false;
            n = n * 10 + (c - u'0');
            if (afterMark) d *= 10;
        } else if (!afterMark && text.sliced(i).startsWith(marks.decimalPoint)) {
            afterMark = true;
            i += marks.decimalPoint.size() - 1;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    out = {negative ? -n : n, d};
    return true;
}

// One part of an element, exactly; false when its digits outgrow 128 bits.
bool partOf(QStringView text, const NumberMarks& marks, const QLocale& locale, Frac& out) {
    if (plainDecimal(text, marks, out)) return true;
    const Rational r = Rational::ofText(text, locale);
    if (!r.known()) return false;
    out = {r.numerator(), r.denominator()};
    return true;
}

// An element as the value entry reads it: x, n/d, or w/n/d as w + n/d, each part with its
// own sign.
bool elementOf(QStringView text, const NumberMarks& marks, const QLocale& locale, Frac& out) {
    Frac parts[3];
    int count = 0;
    for (qsizetype from = 0;;) {
        const qsizetype slash = text.indexOf(u'/', from);
        const qsizetype end = slash < 0 ? text.size() : slash;
        if (count == 3 || !partOf(text.sliced(from, end - from), marks, locale, parts[count++]))
            return false;
        if (slash < 0) break;
        from = slash + 1;
    }
    return combined(parts, count, out);
}

// Reads the elements of a list text one after another, split at every blank. Most
// elements are plain decimals and fractions of them, read here in one scan of their
// characters; anything else (an exponent, a long run of digits) goes through elementOf.
class Elements {
public:
    Elements(QStringView text, const NumberMarks& marks, const QLocale& locale)
        : at_(text.data()), end_(text.data() + text.size()), marks_(marks), locale_(locale),
          point_(marks.decimalPoint.size() == 1 ? marks.decimalPoint[0] : QChar()),
          negative_(marks.negativeSign.size() == 1 ? marks.negativeSign[0] : QChar(u'-')) {}

    bool next(Frac& out) {
        const QChar* start = at_;
        if (!point_.isNull() && quick(out)) return true;
        at_ = start;
        while (at_ < end_ && *at_ != u' ') ++at_;
        const QStringView element(start, at_);
        if (at_ < end_) ++at_;
        return elementOf(element, marks_, locale_, out);
    }

private:
    // the element from at_ as up to three plain decimals; at_ then stands after it
    bool quick(Frac& out) {
        Frac parts[3];
        int count = 0;
        for (;;) {
            if (count == 3 || !part(parts[count++])) return false;
            if (at_ == end_ || *at_ == u' ') break;
            ++at_; // the slash part() stopped at
        }
        if (at_ < end_) ++at_;
        return combined(parts, count, out);
    }
    // a sign, at most 18 digits and one decimal mark, ended by a slash, a blank or the end
    bool part(Frac& out) {
        bool negative = false;
        if (at_ < end_ && (*at_ == u'-' || *at_ == negative_)) negative = true, ++at_;
        else if (at_ < end_ && *at_ == u'+') ++at_;
        std::int64_t n = 0, d = 1;
        int digits = 0;
        bool afterMark = false;
        for (; at_ < end_; ++at_) {
            const char16_t c = at_->unicode();
            if (c >= u'0' && c <= u'9') {
                if (++digits > 18) return false;
                n = n * 10 + (c - u'0');
                if (afterMark) d *= 10;
            } else if (*at_ == point_ && !afterMark) {
                afterMark = true;
            } else if (c == u'/' || c == u' ') {
                break;
            } else {
                return false;
            }
        }
        if (digits == 0) return false;
        out = {negative ? -n : n, d};
        return true;
    }

    const QChar* at_;
    const QChar* end_;
    const NumberMarks& marks_;
    const QLocale& locale_;
    QChar point_, negative_;
};

// A common denominator that grows as the elements need it, with the factor that brings a
// small denominator to it kept for the next element with the same one.
class Common {
public:
    Int value = 1;
    // the factor for d, after growing value (by the returned rise) when d does not divide it;
    // false on overflow
    bool factor(Int d, Int& factor, Int& rise) {
        rise = 1;
        const bool small = d < Int(cache_.size());
        if (small && cache_[std::size_t(d)] != 0) return factor = cache_[std::size_t(d)], true;
        if (value % d != 0) {
            rise = d / gcdOf(value, d);
            if (!mul(value, rise, value)) return false;
            cache_.fill(0);
        }
        factor = value / d;
        if (small) cache_[std::size_t(d)] = factor;
        return true;
    }

private:
    std::array<Int, 1024> cache_{};
};

} // namespace

ExactSums exactSums(const Lists& lists) {
    ExactSums exact;
    const QLocale locale;
    const NumberMarks marks(locale);
    const std::size_t n = lists.numbers.size();
    const bool weighted = !lists.weights.empty();
    Elements numbers(lists.typedNumbers, marks, locale), weights(lists.typedWeights, marks, locale);
    // with D the values' common denominator and E the weights': U = E × the sum of w,
    // Z = E × D × the sum of w × a, V = E × D² × the sum of w × a²
    Common D, E;
    Int U = 0, Z = 0, V = 0;
    bool known = true;
    for (std::size_t i = 0; i < n && known; ++i) {
        Frac a, w{1, 1};
        known = numbers.next(a) && (!weighted || weights.next(w));
        if (!known) break;
        if (i < tableRows) {
            exact.values.push_back(Rational::of(a.n, a.d));
            exact.weights.push_back(Rational::of(w.n, w.d));
        }
        Int fa, fw, riseD, riseE, x, u, ux, uxx, riseD2;
        known = D.factor(a.d, fa, riseD) && E.factor(w.d, fw, riseE);
        // the sums so far brought to a common denominator that grew
        if (known && (riseD != 1 || riseE != 1))
            known = mul(riseD, riseD, riseD2) && mul(U, riseE, U) && mul(Z, riseE, Z) &&
                    mul(Z, riseD, Z) && mul(V, riseE, V) && mul(V, riseD2, V);
        known = known && mul(a.n, fa, x) && mul(w.n, fw, u) && mul(u, x, ux) && mul(ux, x, uxx) &&
                add(U, u, U) && add(Z, ux, Z) && add(V, uxx, V);
    }
    if (!known) return exact;
    Int ED, EDD;
    if (!mul(E.value, D.value, ED) || !mul(ED, D.value, EDD)) return exact;
    exact.weightSum = Rational::of(U, E.value);
    exact.valueSum = Rational::of(Z, ED);
    exact.mean = exact.valueSum / exact.weightSum; // unknown for a weight sum of 0
    // the sum of w × (a - mean)² = the sum of w × a² - mean × the sum of w × a
    exact.squareSum = Rational::of(V, EDD) - exact.mean * exact.valueSum;
    exact.variance = exact.squareSum / exact.weightSum;
    return exact;
}

} // namespace sb::statistics
