// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_commands.h"

#include "entry/conversions.h"
#include "entry/int32.h"
#include "entry/real.h"
#include "entry/value_entry.h"

#include <QCoreApplication>

namespace sb::fractions {

namespace {

struct FractionsWorking {
    Q_DECLARE_TR_FUNCTIONS(FractionsWorking)
};

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
    MixedNumber integers(const QString& s, const QString& m, const QString& d) const {
        return {integer(s), integer(m), denominator(d)};
    }
};

std::int32_t commonDenominator(ResultTrace& trace, const TypedFractions& f, const Texts& t) {
    trace.denominator1 = t.denominator(f.d1);
    trace.denominator2 = t.denominator(f.d2);
    trace.common = common(trace.denominator1, trace.denominator2);
    return trace.common;
}

MixedNumber improper(const MixedNumber& typed) {
    return toimproper(typed.whole, typed.numerator, typed.denominator);
}

// Both fractions' integers and their improper fractions, in the order the window reads them.
void readImproper(ResultTrace& trace, const TypedFractions& f, const Texts& t) {
    trace.typed1 = t.integers(f.s1, f.m1, f.d1);
    trace.f1 = improper(trace.typed1);
    trace.typed2 = t.integers(f.s2, f.m2, f.d2);
    trace.f2 = improper(trace.typed2);
}

void writeMixed(ResultLabels& labels, ResultTrace& trace, const MixedNumber& x) {
    trace.mixed = x;
    labels.m3 = integerText(x.numerator);
    labels.d3 = integerText(x.denominator);
    labels.s3 = integerText(x.whole);
}

// m3 over d3 reduced by their gcd, then written as a mixed number.
void reduceAndMix(ResultLabels& labels, ResultTrace& trace, const Texts& t) {
    const std::int32_t g = gcd(t.integer(labels.d3), t.integer(labels.m3));
    trace.gcd = g;
    labels.m3 = t.of(Real(t.integer(labels.m3)) / Real(g));
    labels.d3 = t.of(Real(t.integer(labels.d3)) / Real(g));
    trace.reducedNumerator = labels.m3;
    trace.reducedDenominator = labels.d3;
    writeMixed(labels, trace, tomixed(t.integer(labels.m3), t.integer(labels.d3)));
}

void add(ResultLabels& out, ResultTrace& trace, const TypedFractions& f, const Texts& t) {
    // the whole parts are added apart from the fractions
    const std::int32_t c = commonDenominator(trace, f, t);
    const Real term1 = t.number(f.m1) * (Real(c) / t.number(f.d1));
    const Real term2 = t.number(f.m2) * (Real(c) / t.number(f.d2));
    trace.term1 = term1.value(), trace.term2 = term2.value();
    out.m3 = t.of(term1 + term2);
    trace.overCommon = out.m3;
    out.d3 = integerText(c);
    trace.wholeSum = (t.number(f.s1) + t.number(f.s2)).value();
    trace.wholes = roundToInt32(trace.wholeSum);
    out.s3 = integerText(trace.wholes);
    const MixedNumber x = tomixed(t.integer(out.m3), t.integer(out.d3));
    trace.mixed = x;
    out.m3 = integerText(x.numerator);
    out.d3 = integerText(x.denominator);
    out.s3 = integerText(roundToInt32((t.number(out.s3) + Real(x.whole)).value()));
}

void subtract(ResultLabels& out, ResultTrace& trace, const TypedFractions& f, const Texts& t) {
    const std::int32_t c = commonDenominator(trace, f, t);
    readImproper(trace, f, t);
    const Real term1 = (Real(c) / t.number(f.d1)) * Real(trace.f1.numerator);
    const Real term2 = (Real(c) / t.number(f.d2)) * Real(trace.f2.numerator);
    trace.term1 = term1.value(), trace.term2 = term2.value();
    out.m3 = t.of(term1 - term2);
    trace.overCommon = out.m3;
    out.d3 = integerText(c);
    writeMixed(out, trace, tomixed(t.integer(out.m3), t.integer(out.d3)));
}

// * and /: the products of the improper fractions' parts over each other, reduced. The
// denominator's product comes first, each as the second fraction's part times the first's.
void productOf(ResultLabels& out, ResultTrace& trace, std::int32_t numerator2,
               std::int32_t denominator2, const Texts& t) {
    trace.denominator = int32::mul(denominator2, trace.f1.denominator);
    out.d3 = integerText(trace.denominator);
    trace.numerator = int32::mul(numerator2, trace.f1.numerator);
    out.m3 = integerText(trace.numerator);
    reduceAndMix(out, trace, t);
}

void multiply(ResultLabels& out, ResultTrace& trace, const Texts& t) {
    productOf(out, trace, trace.f2.numerator, trace.f2.denominator, t);
}

void divide(ResultLabels& out, ResultTrace& trace, const Texts& t) {
    productOf(out, trace, trace.f2.denominator, trace.f2.numerator, t); // upside down
}

// A typed mixed number's value, N(s) + N(m) / N(d): checked as a Real where the window
// computes it, a plain double where only the working shows it.
template <class Number>
Number valueOf(const QString& s, const QString& m, const QString& d, const Texts& t) {
    return Number(t.number(s).value()) + Number(t.number(m).value()) / Number(t.number(d).value());
}

// A typed mixed number's exact value: each text read as the exact decimal it is written as.
working::Rational exactValueOf(const QString& s, const QString& m, const QString& d,
                               const Texts& t) {
    using working::Rational;
    return Rational::ofText(s, t.locale) +
           Rational::ofText(m, t.locale) / Rational::ofText(d, t.locale);
}

// The comparison is decided on the exact values: the doubles of 1 + 2 / 3 and 0 + 5 / 3
// differ in their last bit, and 1e20 + 1 / 1 has the double of 1e20. Only a value too large
// for the exact fractions (an exponent typed) is compared by its double.
bool compare(Operator op, ResultTrace& trace, const TypedFractions& f, const Texts& t) {
    const Real p = valueOf<Real>(f.s1, f.m1, f.d1, t);
    const Real q = valueOf<Real>(f.s2, f.m2, f.d2, t);
    trace.p = p.value(), trace.q = q.value();
    if (trace.exactP.known() && trace.exactQ.known()) {
        const auto order = trace.exactP <=> trace.exactQ;
        return op == Operator::Less      ? order < 0
               : op == Operator::Greater ? order > 0
                                         : order == 0;
    }
    return op == Operator::Less ? p < q : op == Operator::Greater ? p > q : p == q;
}

} // namespace

namespace messages {
QString numberZero() { return FractionsWorking::tr("Number Can't Be Zero!!!"); }
QString setOperation() {
    return FractionsWorking::tr("Please Set the operation [+ - * / < > =]!!!.");
}
QString fraction2Zero() { return FractionsWorking::tr("Fraction 2 Can't be equals to zero "); }
} // namespace messages

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
    ResultTrace trace;
    trace.p = valueOf<double>(f.s1, f.m1, f.d1, t);
    trace.q = valueOf<double>(f.s2, f.m2, f.d2, t);
    trace.exactP = exactValueOf(f.s1, f.m1, f.d1, t);
    trace.exactQ = exactValueOf(f.s2, f.m2, f.d2, t);
    switch (op) {
    case Operator::Plus: add(out, trace, f, t); break;
    case Operator::Minus: subtract(out, trace, f, t); break;
    case Operator::Times:
        readImproper(trace, f, t);
        multiply(out, trace, t);
        break;
    case Operator::Divide:
        readImproper(trace, f, t);
        // a zero second fraction is told before anything is written: no quotient, and no
        // "1 over 0" left in the result
        if (trace.f2.numerator == 0) return {before, messages::fraction2Zero(), trace};
        divide(out, trace, t);
        break;
    case Operator::Less:
    case Operator::Greater:
    case Operator::Equal:
        // the working quotes this answer, so it says the same word
        out.truth =
            compare(op, trace, f, t) ? FractionsWorking::tr("True") : FractionsWorking::tr("False");
        break;
    }
    // a zero fraction shows as its whole part alone
    if (!out.m3.isEmpty() && t.number(out.m3) == 0) {
        out.m3.clear();
        out.d3.clear();
    }
    return {out, std::nullopt, trace};
}

CommonDenominator makeCommonDenominator(const QString& b, const QString& a, const QLocale& locale) {
    const Texts t{locale};
    if (t.isZero(a) || t.isZero(b)) return {messages::numberZero(), {}};
    if (!t.numeric(b) || !t.numeric(a)) return {entry_messages::mustEnterNumeric, {}};
    CommonDenominator out;
    out.first = t.number(b).value();
    out.second = t.integer(a);
    out.firstInteger = t.integer(b);
    out.gcd = gcd(out.second, out.firstInteger);
    const Real product = Real(out.first) * Real(out.second);
    out.product = product.value();
    out.c = t.of(product / Real(out.gcd));
    return out;
}

Reduction reduceFraction(const QString& numerator, const QString& denominator,
                         const QLocale& locale) {
    const Texts t{locale};
    if (t.isZero(denominator)) return {messages::numberZero(), {}, {}};
    if (!t.numeric(numerator) || !t.numeric(denominator))
        return {entry_messages::mustEnterNumeric, {}, {}};
    Reduction out;
    out.typedDenominator = t.denominator(denominator);
    out.typedNumerator = t.integer(numerator);
    out.gcd = gcd(out.typedDenominator, out.typedNumerator);
    out.reducedNumerator = (Real(out.typedNumerator) / Real(out.gcd)).value();
    out.numerator = t.of(out.reducedNumerator);
    out.reducedDenominator = (Real(out.typedDenominator) / Real(out.gcd)).value();
    out.denominator = t.of(out.reducedDenominator);
    return out;
}

} // namespace sb::fractions
