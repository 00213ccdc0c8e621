// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_commands.h"

#include "entry/conversions.h"
#include "entry/int32.h"
#include "entry/real.h"
#include "entry/value_entry.h"

namespace sb::fractions {

namespace {

// The conversions of one command, all in the same locale.
struct Texts {
    const QLocale& locale;

    Real number(const QString& text) const { return numberOf(text, locale); }
    std::int32_t integer(const QString& text) const { return integerOf(text, locale); }
    QString of(Real value) const { return resultText(value.value(), locale); }
    bool isZero(const QString& text) const {
        const auto value = parseNumber(text, locale);
        return value && *value == 0;
    }
    bool numeric(const QString& text) const { return isNumeric(text, locale); }

    // A denominator that passed the zero test may still have the integer 0 (0.4 does); a
    // fraction over it has no value, so it is the division-by-zero fault, not a result.
    std::int32_t denominator(const QString& text) const {
        const std::int32_t d = integer(text);
        if (d == 0) throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
        return d;
    }
    std::int32_t commonDenominator(const TypedFractions& f) const {
        return common(denominator(f.d1), denominator(f.d2));
    }
    MixedNumber improper(const QString& s, const QString& m, const QString& d) const {
        return toimproper(integer(s), integer(m), denominator(d));
    }
};

void writeMixed(ResultLabels& labels, const MixedNumber& x) {
    labels.m3 = integerText(x.numerator);
    labels.d3 = integerText(x.denominator);
    labels.s3 = integerText(x.whole);
}

// m3 over d3 reduced by their gcd, then written as a mixed number.
void reduceAndMix(ResultLabels& labels, const Texts& t) {
    const std::int32_t g = gcd(t.integer(labels.d3), t.integer(labels.m3));
    labels.m3 = t.of(Real(t.integer(labels.m3)) / Real(g));
    labels.d3 = t.of(Real(t.integer(labels.d3)) / Real(g));
    writeMixed(labels, tomixed(t.integer(labels.m3), t.integer(labels.d3)));
}

void add(ResultLabels& out, const TypedFractions& f, const Texts& t) {
    // the whole parts are added apart from the fractions
    const std::int32_t c = t.commonDenominator(f);
    out.m3 = t.of(t.number(f.m1) * (Real(c) / t.number(f.d1)) +
                  t.number(f.m2) * (Real(c) / t.number(f.d2)));
    out.d3 = integerText(c);
    out.s3 = integerText(roundToInt32((t.number(f.s1) + t.number(f.s2)).value()));
    const MixedNumber x = tomixed(t.integer(out.m3), t.integer(out.d3));
    out.m3 = integerText(x.numerator);
    out.d3 = integerText(x.denominator);
    out.s3 = integerText(roundToInt32((t.number(out.s3) + Real(x.whole)).value()));
}

void subtract(ResultLabels& out, const TypedFractions& f, const Texts& t) {
    const std::int32_t c = t.commonDenominator(f);
    const MixedNumber f1 = t.improper(f.s1, f.m1, f.d1), f2 = t.improper(f.s2, f.m2, f.d2);
    out.m3 = t.of((Real(c) / t.number(f.d1)) * Real(f1.numerator) -
                  (Real(c) / t.number(f.d2)) * Real(f2.numerator));
    out.d3 = integerText(c);
    writeMixed(out, tomixed(t.integer(out.m3), t.integer(out.d3)));
}

void multiply(ResultLabels& out, const MixedNumber& f1, const MixedNumber& f2, const Texts& t) {
    out.d3 = integerText(int32::mul(f2.denominator, f1.denominator));
    out.m3 = integerText(int32::mul(f2.numerator, f1.numerator));
    reduceAndMix(out, t);
}

void divide(ResultLabels& out, const MixedNumber& f1, const MixedNumber& f2, const Texts& t) {
    out.d3 = integerText(int32::mul(f2.numerator, f1.denominator));
    out.m3 = integerText(int32::mul(f2.denominator, f1.numerator));
    reduceAndMix(out, t);
}

bool compare(Operator op, const TypedFractions& f, const Texts& t) {
    const Real p = t.number(f.s1) + t.number(f.m1) / t.number(f.d1);
    const Real q = t.number(f.s2) + t.number(f.m2) / t.number(f.d2);
    return op == Operator::Less ? p < q : op == Operator::Greater ? p > q : p == q;
}

} // namespace

std::optional<QString> refuseFractions(const TypedFractions& f, const QLocale& locale) {
    const Texts t{locale};
    if (!t.numeric(f.m2) || !t.numeric(f.d2) || !t.numeric(f.m1) || !t.numeric(f.d1))
        return entry_messages::mustEnterNumeric;
    if (t.isZero(f.d1) || t.isZero(f.d2)) return entry_messages::denominatorZero;
    return std::nullopt;
}

QString wholePart(const QString& text, const QLocale& locale) {
    return isNumeric(text, locale) ? text : QStringLiteral("0");
}

std::optional<Operator> operatorOf(const QString& text) {
    static const std::pair<const char16_t*, Operator> operators[] = {
        {u"+", Operator::Plus},   {u"-", Operator::Minus}, {u"*", Operator::Times},
        {u"/", Operator::Divide}, {u"<", Operator::Less},  {u">", Operator::Greater},
        {u"=", Operator::Equal},
    };
    for (const auto& [sign, op] : operators)
        if (text == QStringView(sign)) return op;
    return std::nullopt;
}

ResultOutcome applyOperator(Operator op, const TypedFractions& f, const ResultLabels& before,
                            const QLocale& locale) {
    const Texts t{locale};
    ResultLabels out = before;
    switch (op) {
    case Operator::Plus: add(out, f, t); break;
    case Operator::Minus: subtract(out, f, t); break;
    case Operator::Times:
        multiply(out, t.improper(f.s1, f.m1, f.d1), t.improper(f.s2, f.m2, f.d2), t);
        break;
    case Operator::Divide: {
        const MixedNumber f1 = t.improper(f.s1, f.m1, f.d1), f2 = t.improper(f.s2, f.m2, f.d2);
        // a zero second fraction is told before anything is written: no quotient, and no
        // "1 over 0" left in the result
        if (f2.numerator == 0) return {before, messages::fraction2Zero};
        divide(out, f1, f2, t);
        break;
    }
    case Operator::Less:
    case Operator::Greater:
    case Operator::Equal:
        out.truth = compare(op, f, t) ? QStringLiteral("True") : QStringLiteral("False");
        break;
    }
    // a zero fraction shows as its whole part alone
    if (!out.m3.isEmpty() && t.number(out.m3) == 0) {
        out.m3.clear();
        out.d3.clear();
    }
    return {out, std::nullopt};
}

CommonDenominator makeCommonDenominator(const QString& b, const QString& a, const QLocale& locale) {
    const Texts t{locale};
    if (t.isZero(a) || t.isZero(b)) return {messages::numberZero, {}};
    if (!t.numeric(b) || !t.numeric(a)) return {entry_messages::mustEnterNumeric, {}};
    const std::int32_t g = gcd(t.integer(a), t.integer(b));
    return {std::nullopt, t.of(t.number(b) * Real(t.integer(a)) / Real(g))};
}

Reduction reduceFraction(const QString& numerator, const QString& denominator,
                         const QLocale& locale) {
    const Texts t{locale};
    if (t.isZero(denominator)) return {messages::numberZero, {}, {}};
    if (!t.numeric(numerator) || !t.numeric(denominator))
        return {entry_messages::mustEnterNumeric, {}, {}};
    const std::int32_t d = t.denominator(denominator);
    const std::int32_t g = gcd(d, t.integer(numerator));
    return {std::nullopt, t.of(Real(t.integer(numerator)) / Real(g)), t.of(Real(d) / Real(g))};
}

} // namespace sb::fractions
