// SPDX-License-Identifier: GPL-3.0-or-later
#include "fractions_working.h"

#include "entry/conversions.h"
#include "fraction_bars.h"
#include "working/exact_text.h"
#include "working/formula_text.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace sb::fractions {

namespace {
struct FractionsWorking {
    Q_DECLARE_TR_FUNCTIONS(FractionsWorking)
};
} // namespace

using working::Figure;
using working::Ink;
using working::Place;
using working::Working;

// ---- shared pieces

QString over(const QString& numerator, const QString& denominator) {
    return numerator + u'/' + denominator;
}

QString mixedText(const QString& whole, const QString& numerator, const QString& denominator) {
    if (numerator.isEmpty()) return whole;
    //: a mixed number: %1 is its whole number, %2 its fraction ("4 and 1/6")
    return FractionsWorking::tr("%1 and %2").arg(whole, over(numerator, denominator));
}

namespace {

// The sentence for each box, in IntegerBox's order.
constexpr const char* takenAsInteger[] = {
    QT_TRANSLATE_NOOP("FractionsWorking", "The whole part is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking", "The numerator is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The denominator is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The whole part of fraction 1 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The numerator of fraction 1 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The denominator of fraction 1 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The whole part of fraction 2 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The numerator of fraction 2 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking",
                      "The denominator of fraction 2 is %1; it is taken as the whole number %2"),
    QT_TRANSLATE_NOOP("FractionsWorking", "The number B is %1; it is taken as the whole number %2"),
};

} // namespace

void sayTakenAsInteger(Working& w, IntegerBox box, const QString& typed, std::int32_t integer) {
    if (numberOf(typed) == integer) return;
    w.say(FractionsWorking::tr(takenAsInteger[int(box)])
              .arg(resultText(numberOf(typed)), integerText(integer)));
}

std::int32_t explainGcd(Working& w, std::int32_t p, std::int32_t q) {
    const auto divisions = euclid(p, q);
    const QString of = QStringLiteral("gcd(%1, %2)").arg(integerText(p), integerText(q));
    if (divisions.empty()) {
        w.detail(FractionsWorking::tr("%1 = %2: every number divides 0, so the gcd is the first "
                                      "number")
                     .arg(of, integerText(p)));
        return p;
    }
    w.detail(FractionsWorking::tr("Euclid: divide, then divide the divisor by the remainder, "
                                  "until the remainder is 0"));
    for (const Division& d : divisions) {
        const QString rest = d.remainder < 0 ? QStringLiteral("- %1").arg(integerText(-d.remainder))
                                             : QStringLiteral("+ %1").arg(integerText(d.remainder));
        w.detail(QStringLiteral("%1 = %2 × %3 %4")
                     .arg(integerText(d.dividend), QString::number(d.quotient),
                          working::factor(d.divisor), rest));
    }
    const std::int32_t g = divisions.back().divisor;
    w.detail(FractionsWorking::tr("The last divisor is the greatest common divisor: %1 = %2")
                 .arg(of, integerText(g)));
    return g;
}

QString divisionText(const MixedNumber& x) {
    // tomixed truncates, so the dividend is whole x denominator + remainder
    const std::int64_t dividend = std::int64_t(x.whole) * x.denominator + x.numerator;
    //: a division with remainder: %1 ÷ %2 = %3 is the whole quotient, %4 what is left
    return FractionsWorking::tr("%1 ÷ %2 = %3, remainder %4")
        .arg(QString::number(dividend), working::factor(x.denominator), integerText(x.whole),
             integerText(x.numerator));
}

namespace {

// The sentences of sayOwnSigns, in MixedNumberName's order, each way the signs part.
enum SignsCase { BothNegative, NegativeWhole, PositiveWhole };
constexpr const char* ownSigns[][3] = {
    {QT_TRANSLATE_NOOP("FractionsWorking", "Each part keeps its own sign: %1 and %2 is %1 - %3 = "
                                           "%4, that is minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "Each part keeps its own sign: %1 and %2 is %1 + %3 = "
                                           "%4, not minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "Each part keeps its own sign: %1 and %2 is %1 - %3 = "
                                           "%4, not %5 and %3")},
    {QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 1 each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, that is minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 1 each part keeps its own sign: %1 and %2 "
                                           "is %1 + %3 = %4, not minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 1 each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, not %5 and %3")},
    {QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 2 each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, that is minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 2 each part keeps its own sign: %1 and %2 "
                                           "is %1 + %3 = %4, not minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In fraction 2 each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, not %5 and %3")},
    {QT_TRANSLATE_NOOP("FractionsWorking", "In the answer each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, that is minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In the answer each part keeps its own sign: %1 and %2 "
                                           "is %1 + %3 = %4, not minus %5 and %3"),
     QT_TRANSLATE_NOOP("FractionsWorking", "In the answer each part keeps its own sign: %1 and %2 "
                                           "is %1 - %3 = %4, not %5 and %3")},
};

// "Each part keeps its own sign: ..." for the number which.
QString ownSignsLine(MixedNumberName which, SignsCase signs) {
    return FractionsWorking::tr(ownSigns[int(which)][signs]);
}

} // namespace

void sayOwnSigns(Working& w, MixedNumberName which, const working::Rational& whole,
                 const working::Rational& numerator, const working::Rational& denominator,
                 bool typed, bool valueSaid) {
    using working::Rational;
    const Rational fraction = numerator / denominator, value = whole + fraction;
    if (!value.known() || whole.sign() == 0 || fraction.sign() == 0) return;
    if (whole.sign() == fraction.sign() && (typed || valueSaid || whole.sign() > 0)) return;
    const Rational size = fraction.sign() < 0 ? -fraction : fraction;
    const QString wholeText = working::exactWritten(whole), sizeText = size.text();
    const QString typedFraction = working::exactWritten(numerator) + u'/' + working::exactWritten(denominator);
    const QString other = working::exactWritten(-numerator) + u'/' + working::exactWritten(denominator);
    const bool negativeWhole = whole.sign() < 0;
    if (!typed && negativeWhole && fraction.sign() < 0) {
        // a result whose whole number and fraction are both negative: the window's way of
        // writing minus 3 and 1/2
        w.say(ownSignsLine(which, BothNegative)
                  .arg(wholeText, typedFraction, sizeText, value.text(),
                       working::exactWritten(-whole)));
        return;
    }
    // what a book means by the same digits: the minus sign (if any) for the whole number and
    // the fraction
    const Rational meant = negativeWhole ? whole - size : whole + size;
    const QString magnitude = working::exactWritten(negativeWhole ? -whole : whole);
    w.say(ownSignsLine(which, negativeWhole ? NegativeWhole : PositiveWhole)
              .arg(wholeText, typedFraction, sizeText, value.text(), magnitude));
    if (!typed) return;
    w.say((negativeWhole ? FractionsWorking::tr("For minus %1 and %2, that is %3, type %4 and %5")
                         : FractionsWorking::tr("For %1 and %2, that is %3, type %4 and %5"))
              .arg(magnitude, sizeText, meant.text(), wholeText, other));
}

bool sayLowestTerms(Working& w, const QString& whole, const QString& numerator,
                    const QString& denominator) {
    using working::Rational;
    if (numerator.isEmpty()) return false;
    const Rational n = Rational::ofText(numerator), d = Rational::ofText(denominator);
    const Rational wholeValue = whole.isEmpty() ? Rational() : Rational::ofText(whole);
    const Rational fraction = n / d, value = wholeValue + fraction;
    if (!value.known() || !n.isWhole() || !d.isWhole()) return false;
    if (fraction.numerator() == n.numerator() && fraction.denominator() == d.numerator())
        return false;
    const QString shown =
        whole.isEmpty() ? over(numerator, denominator) : mixedText(whole, numerator, denominator);
    if (wholeValue.sign() == 0)
        w.say(FractionsWorking::tr("In lowest terms: %1, that is %2").arg(shown, value.text()));
    else
        w.say(FractionsWorking::tr("In lowest terms: %1 is %2, that is %3")
                  .arg(shown, FractionsWorking::tr("%1 and %2").arg(whole, fraction.text()),
                       value.text()));
    return true;
}

namespace {

// The marks' texts on the number line.
QString markName(int which) {
    return which == 0 ? FractionsWorking::tr("fraction 1") : FractionsWorking::tr("fraction 2");
}

// A typed number as the window reads it, without E-notation: "1e20" is 100000000000000000000.
QString number(const QString& typed) { return working::plain(numberOf(typed)); }

// A typed mixed number with its numbers as the window reads them: "1 and 1/2", "1/2".
QString typedMixed(const QString& s, const QString& m, const QString& d) {
    const QString fraction = over(number(m), number(d));
    return numberOf(s) == 0 ? fraction : FractionsWorking::tr("%1 and %2").arg(number(s), fraction);
}

QString fractionText(const TypedFractions& f, int which) {
    return which == 0 ? typedMixed(f.s1, f.m1, f.d1) : typedMixed(f.s2, f.m2, f.d2);
}

// A number after an operator sign: bracketed when it starts with a minus sign ("+ (-1/3)").
QString term(const QString& text) { return text.startsWith(u'-') ? u'(' + text + u')' : text; }

QString operatorSign(Operator op) {
    static const char16_t* const signs[] = {u"+", u"-", u"×", u"÷", u"<", u">", u"="};
    return QString::fromUtf16(signs[int(op)]);
}

// The value a mixed number shown in the result labels stands for.
double shownValue(const ResultLabels& labels) {
    const double whole = numberOf(labels.s3);
    return labels.m3.isEmpty() ? whole : whole + numberOf(labels.m3) / numberOf(labels.d3);
}

void commonLine(Working& w, const ResultTrace& t) {
    w.say(
        FractionsWorking::tr("The common denominator of %1 and %2 is C = %3")
            .arg(integerText(t.denominator1), integerText(t.denominator2), integerText(t.common)));
    // common(p, q) divides p x q by gcd(q, p)
    const std::int32_t g = explainGcd(w, t.denominator2, t.denominator1);
    w.detail(FractionsWorking::tr("The least common multiple: %1 × %2 ÷ %3 = %4")
                 .arg(integerText(t.denominator1), working::factor(t.denominator2),
                      working::factor(g), integerText(t.common)));
}

void improperLine(Working& w, int which, const MixedNumber& typed, const MixedNumber& f) {
    w.say((which == 0
               ? FractionsWorking::tr("Fraction 1 as an improper fraction: (%1 × %2 + %3)/%2 "
                                      "= %4")
               : FractionsWorking::tr("Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 "
                                      "= %4"))
              .arg(integerText(typed.whole), working::factor(typed.denominator),
                   working::factor(typed.numerator),
                   over(integerText(f.numerator), integerText(f.denominator))));
}

void improperLines(Working& w, const TypedFractions& f, const ResultTrace& t) {
    sayTakenAsInteger(w, IntegerBox::WholePart1, f.s1, t.typed1.whole);
    sayTakenAsInteger(w, IntegerBox::Numerator1, f.m1, t.typed1.numerator);
    sayTakenAsInteger(w, IntegerBox::Denominator1, f.d1, t.typed1.denominator);
    improperLine(w, 0, t.typed1, t.f1);
    sayTakenAsInteger(w, IntegerBox::WholePart2, f.s2, t.typed2.whole);
    sayTakenAsInteger(w, IntegerBox::Numerator2, f.m2, t.typed2.numerator);
    sayTakenAsInteger(w, IntegerBox::Denominator2, f.d2, t.typed2.denominator);
    improperLine(w, 1, t.typed2, t.f2);
}

// The fraction written into the result label and read back as the integer tomixed divides.
void mixLines(Working& w, const QString& written, const MixedNumber& x) {
    const std::int64_t integer = std::int64_t(x.whole) * x.denominator + x.numerator;
    if (numberOf(written) != double(integer))
        w.say(FractionsWorking::tr("The window writes the numerator %1 and reads it back as the "
                                   "whole number %2")
                  .arg(written, QString::number(integer)));
    w.say(FractionsWorking::tr("As a mixed number: %1").arg(divisionText(x)));
}

void addSteps(Working& w, const TypedFractions& f, const ResultTrace& t, const ResultLabels& out) {
    w.say(FractionsWorking::tr("Add the whole numbers and the fractions apart"));
    w.say(FractionsWorking::tr("Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the "
                               "common denominator of b and d"));
    commonLine(w, t);
    const QString c = integerText(t.common);
    w.say(QStringLiteral("%1 × (%2 ÷ %3) + %4 × (%2 ÷ %5) = %6 + %7 = %8")
              .arg(number(f.m1), c, working::factor(numberOf(f.d1)),
                   working::factor(numberOf(f.m2)), working::factor(numberOf(f.d2)),
                   resultText(t.term1), working::factor(t.term2), t.overCommon));
    w.say(FractionsWorking::tr("So %1 + %2 = %3")
              .arg(over(number(f.m1), number(f.d1)), term(over(number(f.m2), number(f.d2))),
                   over(t.overCommon, c)));
    mixLines(w, t.overCommon, t.mixed);
    w.say(FractionsWorking::tr("The whole numbers: %1 + %2 = %3")
              .arg(number(f.s1), working::factor(numberOf(f.s2)), resultText(t.wholeSum)));
    if (t.wholeSum != t.wholes)
        w.say(FractionsWorking::tr("%1 is rounded to the whole number %2")
                  .arg(resultText(t.wholeSum), integerText(t.wholes)));
    if (t.mixed.whole != 0)
        //: %1 is the whole number the fraction part gave, added to the whole numbers' sum %2
        w.say(FractionsWorking::tr("With the %1 from the fraction: %2 + %3 = %4")
                  .arg(integerText(t.mixed.whole), integerText(t.wholes),
                       working::factor(t.mixed.whole), out.s3));
}

void subtractSteps(Working& w, const TypedFractions& f, const ResultTrace& t) {
    w.say(FractionsWorking::tr("Write each mixed number as an improper fraction, then take them "
                               "away"));
    w.say(FractionsWorking::tr("Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the "
                               "common denominator of b and d"));
    improperLines(w, f, t);
    commonLine(w, t);
    const QString c = integerText(t.common);
    w.say(QStringLiteral("(%1 ÷ %2) × %3 - (%1 ÷ %4) × %5 = %6 - %7 = %8")
              .arg(c, working::factor(numberOf(f.d1)), working::factor(t.f1.numerator),
                   working::factor(numberOf(f.d2)), working::factor(t.f2.numerator),
                   resultText(t.term1), working::factor(t.term2), t.overCommon));
    mixLines(w, t.overCommon, t.mixed);
}

void productSteps(Working& w, Operator op, const TypedFractions& f, const ResultTrace& t) {
    const bool times = op == Operator::Times;
    w.say(times ? FractionsWorking::tr("Write each mixed number as an improper fraction, then "
                                       "multiply")
                : FractionsWorking::tr("Write each mixed number as an improper fraction, then "
                                       "divide"));
    w.say(times ? FractionsWorking::tr("Rule: a/b × c/d = (a × c)/(b × d)")
                : FractionsWorking::tr("Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second "
                                       "fraction turned upside down"));
    improperLines(w, f, t);
    const std::int32_t a = t.f1.numerator, b = t.f1.denominator;
    const std::int32_t c = times ? t.f2.numerator : t.f2.denominator;
    const std::int32_t d = times ? t.f2.denominator : t.f2.numerator;
    w.say(FractionsWorking::tr("Numerators: %1 × %2 = %3; denominators: %4 × %5 = %6")
              .arg(integerText(a), working::factor(c), integerText(t.numerator), integerText(b),
                   working::factor(d), integerText(t.denominator)));
    const QString product = over(integerText(t.numerator), integerText(t.denominator));
    w.say(FractionsWorking::tr("To reduce %1, its greatest common divisor: gcd(%2, %3) = %4")
              .arg(product, integerText(t.denominator), integerText(t.numerator),
                   integerText(t.gcd)));
    explainGcd(w, t.denominator, t.numerator);
    if (t.gcd == 1)
        w.say(FractionsWorking::tr("Dividing by 1 changes nothing: %1 is in lowest terms already")
                  .arg(product));
    else
        w.say(FractionsWorking::tr("%1 ÷ %2 = %3 and %4 ÷ %2 = %5, so %6 = %7")
                  .arg(integerText(t.numerator), working::factor(t.gcd), t.reducedNumerator,
                       integerText(t.denominator), t.reducedDenominator, product,
                       over(t.reducedNumerator, t.reducedDenominator)));
    mixLines(w, t.reducedNumerator, t.mixed);
}

enum class Order { Less, Greater, Equal };

// How fraction 1 stands to fraction 2: decided on the exact values where they are known,
// else on the doubles the window compared.
Order orderOf(const ResultTrace& t) {
    const bool exact = t.exactP.known() && t.exactQ.known();
    const int order = exact ? (t.exactP < t.exactQ ? -1 : t.exactP > t.exactQ ? 1 : 0)
                            : (t.p < t.q ? -1 : t.p > t.q ? 1 : 0);
    return order < 0 ? Order::Less : order > 0 ? Order::Greater : Order::Equal;
}

// "%1 is less than %2", "%1 is greater than %2" or "%1 is equal to %2".
QString isText(Order order) {
    switch (order) {
    case Order::Less: return FractionsWorking::tr("%1 is less than %2");
    case Order::Greater: return FractionsWorking::tr("%1 is greater than %2");
    case Order::Equal: break;
    }
    return FractionsWorking::tr("%1 is equal to %2");
}

// whole + numerator/denominator with the numbers typed; "÷" where a part is no whole number.
QString sumText(const QString& s, const QString& m, const QString& d) {
    const bool whole =
        std::floor(numberOf(m)) == numberOf(m) && std::floor(numberOf(d)) == numberOf(d);
    if (!whole)
        return QStringLiteral("%1 + %2 ÷ %3")
            .arg(number(s), working::factor(numberOf(m)), working::factor(numberOf(d)));
    // a fraction with a minus sign is bracketed, so no "+ -" stands in the sum
    const bool negative = numberOf(m) < 0 || numberOf(d) < 0;
    return (negative ? QStringLiteral("%1 + (%2/%3)") : QStringLiteral("%1 + %2/%3"))
        .arg(number(s), number(m), number(d));
}

// Each number as one exact fraction, then both over one denominator, and their numerators
// compared: the way a book compares fractions, and what decides the window's answer.
void exactCompareLines(Working& w, const TypedFractions& f, const ResultTrace& t) {
    using working::Rational;
    w.say(FractionsWorking::tr("Compare the exact values: write each number as one fraction"));
    w.say(FractionsWorking::tr("Fraction 1: %1 = %2")
              .arg(sumText(f.s1, f.m1, f.d1), t.exactP.text()));
    w.say(FractionsWorking::tr("Fraction 2: %1 = %2")
              .arg(sumText(f.s2, f.m2, f.d2), t.exactQ.text()));
    const Order order = orderOf(t);
    const Rational::Int b1 = t.exactP.denominator(), b2 = t.exactQ.denominator();
    if (b1 == 1 && b2 == 1) {
        w.say(isText(order).arg(t.exactP.text(), t.exactQ.text()));
        return;
    }
    // the least common multiple of the denominators: b1 times what b2 has that b1 lacks
    const Rational common =
        Rational::of(b1, 1) * Rational::of(Rational::of(b1, b2).denominator(), 1);
    const Rational n1 = t.exactP * common, n2 = t.exactQ * common;
    if (!n1.known() || !n2.known()) {
        w.say(isText(order).arg(t.exactP.text(), t.exactQ.text()));
        return;
    }
    if (b1 == b2)
        w.say(FractionsWorking::tr("Both have the denominator %1, so compare the numerators")
                  .arg(common.text()));
    else if (b2 == common.numerator()) // only fraction 1 takes the other's denominator
        w.say(FractionsWorking::tr("Over the common denominator %1: %2 = %3/%1, and %4 has it "
                                   "already")
                  .arg(common.text(), t.exactP.text(), n1.text(), t.exactQ.text()));
    else if (b1 == common.numerator())
        w.say(FractionsWorking::tr("Over the common denominator %1: %2 has it already, and %3 = "
                                   "%4/%1")
                  .arg(common.text(), t.exactP.text(), t.exactQ.text(), n2.text()));
    else
        w.say(FractionsWorking::tr("Over the common denominator %1: %2 = %3/%1 and %4 = %5/%1")
                  .arg(common.text(), t.exactP.text(), n1.text(), t.exactQ.text(), n2.text()));
    //: %1 and %2 are the numerators over the common denominator, %3 and %4 the two numbers
    const QString so = order == Order::Less
                           ? FractionsWorking::tr("%1 is less than %2, so %3 is less than %4")
                       : order == Order::Greater
                           ? FractionsWorking::tr("%1 is greater than %2, so %3 is greater than %4")
                           : FractionsWorking::tr("%1 is equal to %2, so %3 is equal to %4");
    w.say(so.arg(n1.text(), n2.text(), t.exactP.text(), t.exactQ.text()));
}

void compareSteps(Working& w, Operator op, const TypedFractions& f, const ResultTrace& t,
                  const QString& truth) {
    // the window shows no decimal here, so none is written in E-notation
    const QString p = working::plain(t.p), q = working::plain(t.q);
    if (t.exactP.known() && t.exactQ.known()) {
        exactCompareLines(w, f, t);
        w.detail(
            FractionsWorking::tr("As decimals: fraction 1 is %1 and fraction 2 is %2").arg(p, q));
        if (p == q && t.exactP != t.exactQ)
            w.say(FractionsWorking::tr("Written with 15 digits both are %1: the values differ "
                                       "beyond the digits shown")
                      .arg(p));
    } else {
        // a value too large for exact fractions: the decimals the window compared
        w.say(FractionsWorking::tr("Compare the two numbers as decimals: whole number + "
                                   "numerator ÷ denominator"));
        w.say(FractionsWorking::tr("Fraction 1: %1 + %2 ÷ %3 = %4")
                  .arg(number(f.s1), number(f.m1), working::factor(numberOf(f.d1)),
                       working::plain(t.p)));
        w.say(FractionsWorking::tr("Fraction 2: %1 + %2 ÷ %3 = %4")
                  .arg(number(f.s2), number(f.m2), working::factor(numberOf(f.d2)),
                       working::plain(t.q)));
        const Order order = orderOf(t);
        // decided on the doubles, which differ where the digits shown do not
        const bool beyondDigits = p == q && t.p != t.q && order != Order::Equal;
        const QString is = !beyondDigits ? isText(order)
                           : order == Order::Less
                               ? FractionsWorking::tr("%1 is less than %2: they differ beyond the "
                                                      "digits shown")
                               : FractionsWorking::tr("%1 is greater than %2: they differ beyond "
                                                      "the digits shown");
        w.say(is.arg(p, q));
    }
    //: %1 %2 %3 is the comparison typed, %4 the window's answer (True or False)
    w.say(FractionsWorking::tr("So %1 %2 %3 is %4")
              .arg(fractionText(f, 0), operatorSign(op), fractionText(f, 1), truth));
}

Figure resultFigure(Operator op, const TypedFractions& f, const ResultOutcome& o) {
    const ResultTrace& t = o.trace;
    const QString first = fractionText(f, 0), second = fractionText(f, 1);
    std::vector<BarRow> rows = {
        {QStringLiteral("fraction1Bars"), first, t.p, numberOf(f.d1), true, Ink::Main},
        {QStringLiteral("fraction2Bars"), second, t.q, numberOf(f.d2), true, Ink::Second},
    };
    std::vector<Mark> marks = {
        {QStringLiteral("fraction1"), markName(0), t.p, Place::AboveLeft, Ink::Main},
        {QStringLiteral("fraction2"), markName(1), t.q, Place::AboveRight, Ink::Second},
    };
    const Order order = orderOf(t);
    const bool equal = order == Order::Equal;
    // two labels at one point would print over each other: one names both
    const bool onePoint = equal || t.p == t.q;
    if (onePoint) {
        marks[0].text = equal ? FractionsWorking::tr("fraction 1 = fraction 2")
                              : FractionsWorking::tr("fractions 1 and 2");
        marks[0].place = Place::Above;
        marks[1].text.clear();
    }
    if (op == Operator::Less || op == Operator::Greater || op == Operator::Equal) {
        if (!onePoint) {
            if (order == Order::Greater)
                marks[0].text = FractionsWorking::tr("fraction 1 (greater)");
            else marks[1].text = FractionsWorking::tr("fraction 2 (greater)");
        }
        //: %1 and %2 are the two numbers, %3 the comparison's sign, %4 the answer (True or False)
        const QString description =
            equal ? FractionsWorking::tr("Fraction bars of the same length and a number line: %1 "
                                         "is equal to %2, so %1 %3 %2 is %4.")
            : order == Order::Less
                ? FractionsWorking::tr("Fraction bars and a number line: %1 is less than %2, so %1 "
                                       "%3 %2 is %4.")
                : FractionsWorking::tr("Fraction bars and a number line: %1 is greater than %2, so "
                                       "%1 %3 %2 is %4.");
        return barsAndNumberLine(rows, marks,
                                 description.arg(first, second, operatorSign(op), o.labels.truth));
    }
    const ResultLabels& out = o.labels;
    const double value = shownValue(out);
    const QString result = mixedText(out.s3, out.m3, out.d3);
    rows.push_back({QStringLiteral("resultBars"), result, value,
                    out.m3.isEmpty() ? 1 : numberOf(out.d3), true, Ink::Third});
    marks.push_back({QStringLiteral("result"), FractionsWorking::tr("result"), value, Place::Above,
                     Ink::Third});
    //: %1 %2 %3 is the exercise, %4 the answer as a mixed number and %5 its value as a decimal
    return barsAndNumberLine(
        rows, marks,
        FractionsWorking::tr("Fraction bars and a number line: %1 %2 %3 = %4, "
                             "which is %5.")
            .arg(first, operatorSign(op), term(second), result, resultText(value)));
}

// The answer checked on the exact values typed, when they give it: 3/2 + 8/3 = 25/6, and
// 4 and 1/6 is 25/6 too. A part typed as a decimal, which the window reads as an integer or
// rounds, leaves no check: the steps above say where the window's numbers part from it.
void checkLine(Working& w, Operator op, const ResultTrace& t, const ResultLabels& out) {
    using working::Rational;
    const Rational fraction =
        out.m3.isEmpty() ? Rational() : Rational::ofText(out.m3) / Rational::ofText(out.d3);
    const Rational answer = Rational::ofText(out.s3) + fraction;
    const Rational exact = op == Operator::Plus    ? t.exactP + t.exactQ
                           : op == Operator::Minus ? t.exactP - t.exactQ
                           : op == Operator::Times ? t.exactP * t.exactQ
                                                   : t.exactP / t.exactQ;
    if (!exact.known() || !(answer == exact)) return;
    const auto bracketed = [](const Rational& r) {
        return r.sign() < 0 ? u'(' + r.text() + u')' : r.text();
    };
    const QString shown = mixedText(out.s3, out.m3, out.d3);
    if (shown == exact.text())
        w.say(FractionsWorking::tr("Check with the exact values: %1 %2 %3 = %4")
                  .arg(t.exactP.text(), operatorSign(op), bracketed(t.exactQ), exact.text()));
    else
        w.say(
            FractionsWorking::tr("Check with the exact values: %1 %2 %3 = %4, and %5 is %4 too")
                .arg(t.exactP.text(), operatorSign(op), bracketed(t.exactQ), exact.text(), shown));
}

// Each typed number whose whole part and fraction have opposite signs, with the numbers the
// operator used: "-", "*" and "/" take each part's integer, "+" and the comparisons the
// numbers as typed.
void ownSignLines(Working& w, Operator op, const TypedFractions& f, const ResultTrace& t) {
    using working::Rational;
    const bool integers = op == Operator::Minus || op == Operator::Times || op == Operator::Divide;
    const MixedNumber typed[] = {t.typed1, t.typed2};
    const MixedNumberName name[] = {MixedNumberName::Fraction1, MixedNumberName::Fraction2};
    for (int i = 0; i < 2; ++i) {
        const QString s = i == 0 ? f.s1 : f.s2, m = i == 0 ? f.m1 : f.m2, d = i == 0 ? f.d1 : f.d2;
        if (integers)
            sayOwnSigns(w, name[i], Rational(typed[i].whole), Rational(typed[i].numerator),
                        Rational(typed[i].denominator));
        else
            sayOwnSigns(w, name[i], Rational::ofText(s), Rational::ofText(m),
                        Rational::ofText(d));
    }
}

Working zeroDivisorWorking(const ResultOutcome& o) {
    Working w = working::refusal({*o.message}, fractionsGuide());
    const MixedNumber &typed = o.trace.typed2, &f2 = o.trace.f2;
    const working::Step why[] = {
        {FractionsWorking::tr(
             "Fraction 2 as an improper fraction: (%1 × %2 + %3)/%2 = %4, which is 0")
             .arg(integerText(typed.whole), integerText(typed.denominator),
                  integerText(typed.numerator),
                  over(integerText(f2.numerator), integerText(f2.denominator)))},
        {FractionsWorking::tr("Nothing can be divided by 0, so there is no answer")},
    };
    w.steps.insert(w.steps.begin() + 1, std::begin(why), std::end(why));
    return w;
}

} // namespace

Working resultWorking(Operator op, const TypedFractions& typed, const TypedFractions& used,
                      const ResultOutcome& o) {
    if (o.message) return zeroDivisorWorking(o);
    Working w;
    const QString wholes[] = {typed.s1, typed.s2}, usedWholes[] = {used.s1, used.s2};
    for (int i = 0; i < 2; ++i)
        if (wholes[i] != usedWholes[i])
            w.say(i == 0 ? FractionsWorking::tr("The whole number box of fraction 1 held no "
                                                "number, so the window set it to 0")
                         : FractionsWorking::tr("The whole number box of fraction 2 held no "
                                                "number, so the window set it to 0"));
    const bool compares = op == Operator::Less || op == Operator::Greater || op == Operator::Equal;
    w.say(FractionsWorking::tr("The exercise: %1 %2 %3")
              .arg(fractionText(used, 0), operatorSign(op),
                   compares ? fractionText(used, 1) : term(fractionText(used, 1))));
    ownSignLines(w, op, used, o.trace);
    const ResultLabels& out = o.labels;
    switch (op) {
    case Operator::Plus: addSteps(w, used, o.trace, out); break;
    case Operator::Minus: subtractSteps(w, used, o.trace); break;
    case Operator::Times:
    case Operator::Divide: productSteps(w, op, used, o.trace); break;
    case Operator::Less:
    case Operator::Greater:
    case Operator::Equal:
        compareSteps(w, op, used, o.trace, out.truth);
        w.figure = resultFigure(op, used, o);
        return w;
    }
    if (out.m3.isEmpty())
        w.say(FractionsWorking::tr("The fraction part is 0, so only the whole number is left"));
    w.say(FractionsWorking::tr("Answer: %1").arg(mixedText(out.s3, out.m3, out.d3)));
    if (!out.m3.isEmpty()) {
        using working::Rational;
        // a reduced answer has its value said already; its signs only when they differ
        const bool reduced = sayLowestTerms(w, out.s3, out.m3, out.d3);
        sayOwnSigns(w, MixedNumberName::Answer, Rational::ofText(out.s3),
                    Rational::ofText(out.m3), Rational::ofText(out.d3), false, reduced);
    }
    checkLine(w, op, o.trace, out);
    w.figure = resultFigure(op, used, o);
    return w;
}

// ---- Make Common Denominator

namespace {

constexpr int mostHops = 24;     // more hops than this blur into one line in the pane
constexpr int mostNumbered = 12; // numbers of more multiples would run into each other

// Hops of one size from 0 towards the result, one row of the figure; returns how many they
// are when they are too many to draw.
std::optional<double> hops(Figure& f, const QString& name, double size, double towards, double y,
                           Ink ink) {
    const double step = towards < 0 ? -std::abs(size) : std::abs(size);
    // a hair over the quotient, so a last hop that lands on the result by rounding counts
    const double count = size == 0 ? 0 : std::floor(std::abs(towards / size) * (1 + 1e-12));
    // the caption goes under the row, as the multiples are numbered above it
    f.label(name + QStringLiteral("Caption"), std::min(0.0, towards), y,
            FractionsWorking::tr("multiples of %1").arg(resultText(size)),
            working::at(Place::BelowRight, ink));
    if (count > mostHops) return count;
    for (double k = 1; k <= count; ++k) {
        f.arrow(name, (k - 1) * step, y, k * step, y, working::ink(ink));
        // each multiple is numbered while the numbers still fit side by side
        f.point(name + QStringLiteral("Mark"), k * step, y,
                count <= mostNumbered ? resultText(k * step) : QString(),
                working::at(Place::Above, ink));
    }
    return std::nullopt;
}

// The multiples of A and of B as hops from 0 along the number line, up to the result.
Figure multiplesFigure(const CommonDenominator& o) {
    const double c = numberOf(o.c), first = o.first, second = o.second;
    const QString a = resultText(first), b = integerText(o.second);
    // the hops run from 0 towards the result, never past it
    const auto span = spanOf({c});
    if (!span)
        return tooLargeToDraw(
            FractionsWorking::tr("Multiples of %1 and of %2 on a number line.").arg(a, b));
    Figure f;
    f.sameScale = false;
    const double up = span->up();
    const auto hopsOfA = hops(f, QStringLiteral("multiplesOfA"), first, c, 1.6 * up, Ink::Main);
    const auto hopsOfB = hops(f, QStringLiteral("multiplesOfB"), second, c, 0.8 * up, Ink::Second);
    numberLine(f, *span);
    f.point(QStringLiteral("result"), c, 0, o.c, working::at(Place::Above, Ink::Third));
    const double pad = (span->to - span->from) * 0.04;
    f.view = working::Box{span->from - pad, -0.7 * up, span->to + pad, 2.2 * up};
    const bool meet = std::fmod(c, first) == 0 && std::fmod(c, second) == 0;
    f.description =
        (meet ? FractionsWorking::tr("Multiples of %1 and of %2 on a number line, meeting at %3.")
              : FractionsWorking::tr("Multiples of %1 and of %2 on a number line, and the result "
                                     "%3, which is not a multiple of both."))
            .arg(a, b, o.c);
    //: %1 is how many multiples there are, %2 the number they are multiples of
    const QString tooMany =
        FractionsWorking::tr("The %1 multiples of %2 are too many to draw one by one.");
    if (hopsOfA && hopsOfB)
        f.note = FractionsWorking::tr("The %1 multiples of %2 are too many to draw one by one; the "
                                      "%3 multiples of %4 are too many to draw one by one.")
                     .arg(resultText(*hopsOfA), resultText(first), resultText(*hopsOfB),
                          resultText(second));
    else if (hopsOfA) f.note = tooMany.arg(resultText(*hopsOfA), resultText(first));
    else if (hopsOfB) f.note = tooMany.arg(resultText(*hopsOfB), resultText(second));
    if (!f.note.isEmpty()) f.description += u' ' + f.note;
    return f;
}

} // namespace

Working commonDenominatorWorking(const QString& b, const QString& a, const CommonDenominator& o) {
    Working w;
    w.say(
        FractionsWorking::tr("The common denominator of A and B is A × B ÷ gcd(A, B): the smallest "
                             "number both divide"));
    if (numberOf(b) != o.firstInteger)
        w.say(
            FractionsWorking::tr("A = %1 enters the product as typed, and its whole number %2 the "
                                 "greatest common divisor")
                .arg(resultText(o.first), integerText(o.firstInteger)));
    sayTakenAsInteger(w, IntegerBox::NumberB, a, o.second);
    w.say(QStringLiteral("A × B = %1 × %2 = %3")
              .arg(resultText(o.first), working::factor(o.second), resultText(o.product)));
    w.say(FractionsWorking::tr("The greatest common divisor of %1 and %2 is %3")
              .arg(integerText(o.second), integerText(o.firstInteger), integerText(o.gcd)));
    explainGcd(w, o.second, o.firstInteger);
    w.say(QStringLiteral("%1 ÷ %2 = %3").arg(resultText(o.product), working::factor(o.gcd), o.c));
    w.say(FractionsWorking::tr("Answer: %1").arg(o.c));
    const double c = numberOf(o.c);
    if (c != std::floor(c))
        w.say(FractionsWorking::tr(
                  "A common denominator is a whole number; %1 is none, because A = %2 "
                  "entered the product as typed")
                  .arg(o.c, resultText(o.first)));
    else if (c < 0) {
        // the window keeps the signs of its numbers; a book's common denominator is positive
        if (o.product < 0)
            w.say(
                FractionsWorking::tr("A × B is negative, so the window's result is negative too; a "
                                     "common denominator is taken positive: %1")
                    .arg(resultText(-c)));
        else
            w.say(
                FractionsWorking::tr("The window's greatest common divisor %1 is negative, so its "
                                     "result is negative too; a common denominator is taken "
                                     "positive: %2")
                    .arg(integerText(o.gcd), resultText(-c)));
    }

    w.figure = multiplesFigure(o);
    return w;
}

// ---- Reduction

Working reductionWorking(const QString& numerator, const QString& denominator, const Reduction& o) {
    Working w;
    w.say(FractionsWorking::tr("To reduce a fraction, divide its numerator and its denominator by "
                               "their greatest common divisor"));
    sayTakenAsInteger(w, IntegerBox::Numerator, numerator, o.typedNumerator);
    sayTakenAsInteger(w, IntegerBox::Denominator, denominator, o.typedDenominator);
    const QString n = integerText(o.typedNumerator), d = integerText(o.typedDenominator),
                  g = integerText(o.gcd);
    w.say(FractionsWorking::tr("The greatest common divisor of %1 and %2 is %3").arg(d, n, g));
    explainGcd(w, o.typedDenominator, o.typedNumerator);
    const QString before = over(n, d), after = over(o.numerator, o.denominator);
    if (o.gcd == 1) {
        w.say(FractionsWorking::tr("Dividing by 1 changes nothing: %1 is in lowest terms already")
                  .arg(before));
        w.say(FractionsWorking::tr("Answer: %1").arg(after));
    } else {
        w.say(FractionsWorking::tr("%1 ÷ %2 = %3 and %4 ÷ %2 = %5")
                  .arg(n, working::factor(o.gcd), o.numerator, d, o.denominator));
        if (o.gcd < 0)
            w.say(FractionsWorking::tr("The divisor is negative, so both signs change; the value "
                                       "stays the same"));
        w.say(FractionsWorking::tr("Answer: %1 = %2").arg(before, after));
    }
    if (o.typedNumerator == 0 && o.gcd != 1)
        w.say(FractionsWorking::tr(
                  "A numerator of 0 makes the fraction 0: the greatest common divisor "
                  "of 0 and a number is that number, so %1 reduces to %2")
                  .arg(before, after));
    else if (o.reducedDenominator < 0)
        w.say(
            FractionsWorking::tr("The minus sign of the denominator belongs to the whole fraction; "
                                 "a book writes it in front: %1 = %2")
                .arg(after, working::Rational::of(o.typedNumerator, o.typedDenominator).text()));

    const double value = double(o.typedNumerator) / o.typedDenominator;
    w.figure = barsAndNumberLine(
        {{QStringLiteral("beforeBars"), before, value, double(o.typedDenominator), true, Ink::Main},
         {QStringLiteral("afterBars"), after, value, o.reducedDenominator, true, Ink::Second}},
        {{QStringLiteral("value"), resultText(value), value, Place::Above, Ink::Main}},
        FractionsWorking::tr("Two bars of the same length: %1 = %2, at %3 on the number line.")
            .arg(before, after, resultText(value)));
    return w;
}

// ---- the guide

working::Guide fractionsGuide() {
    working::Guide guide;
    guide.boxes = {
        FractionsWorking::tr(
            "Every box takes one plain number, such as 3 or 12: no fractions like 3/4"),
        FractionsWorking::tr("Result: two mixed numbers (a whole number, a numerator and a "
                             "denominator each) and one operator: + - * / < > ="),
        FractionsWorking::tr("Make Common Denominator: two whole numbers A and B, not 0"),
        FractionsWorking::tr("Reduction: a numerator and a denominator that is not 0"),
    };
    const TypedFractions example{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3")};
    guide.example =
        resultWorking(Operator::Plus, example, example, applyOperator(Operator::Plus, example, {}));
    return guide;
}

} // namespace sb::fractions
