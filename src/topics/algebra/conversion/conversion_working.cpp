// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion_working.h"

#include "entry/conversions.h"
#include "topics/algebra/fractions/fraction_bars.h"
#include "topics/algebra/fractions/fractions_working.h"
#include "working/exact_text.h"
#include "working/formula_text.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace sb::conversion {

using fractions::BarRow;
using fractions::sayLowestTerms;
using fractions::IntegerBox;
using fractions::MixedNumberName;
using fractions::sayOwnSigns;
using fractions::sayTakenAsInteger;
using working::Rational;
using fractions::mixedText;
using fractions::over;
using working::Ink;
using working::Working;
using working::plain;

namespace {

struct ConversionWorking {
    Q_DECLARE_TR_FUNCTIONS(ConversionWorking)
};

// A button's caption as the window shows it, for the guide that names it.
QString buttonText(const char* caption) {
    return QCoreApplication::translate("Form3", caption).trimmed();
}

// A number of a step: the window shows none of these in E-notation, so no step does.

// The forms of one value as bars of the same length, above the value on the number line.
working::Figure bars(const std::vector<BarRow>& rows, double value) {
    QStringList forms;
    for (const BarRow& row : rows) forms << row.caption;
    const QString same = forms.join(QStringLiteral(" = "));
    // a huge numerator over a tiny denominator can leave the doubles
    if (!std::isfinite(value))
        return fractions::tooLargeToDraw(
            //: %1 is the forms of one value, joined by " = "
            ConversionWorking::tr("Fraction bars of the same length: %1.").arg(same));
    return fractions::barsAndNumberLine(
        rows, {{QStringLiteral("value"), plain(value), value}},
        //: %1 is the forms of one value, joined by " = ", %2 the value
        ConversionWorking::tr("Fraction bars of the same length: %1, at %2 on the number line.")
            .arg(same, plain(value)));
}

// The exact value beside the decimal the window shows: the fraction whose decimal never
// ends, or the exact decimal that the window's 15 digits round.
void exactDecimalLine(Working& w, const Rational& exact, const QString& shown) {
    if (!exact.known()) return;
    const auto decimal = exact.decimalText();
    if (!decimal)
        w.say(ConversionWorking::tr("The exact value is %1: its decimal never ends, so the window "
                                    "shows it rounded to 15 digits, %2")
                  .arg(exact.text(), shown));
    else if (Rational::ofText(shown) != exact)
        w.say(working::roundingNote(*decimal, shown));
    else if (!exact.isWhole())
        w.say(ConversionWorking::tr("As a fraction in lowest terms: %1 = %2")
                  .arg(shown, exact.text()));
}

BarRow mixedRow(const QString& caption, double value, double parts) {
    return {QStringLiteral("mixedBars"), caption, value, parts, false, Ink::Main};
}

} // namespace

Working improperWorking(const QString& whole, const Fraction& f) {
    const Trace& t = f.trace;
    Working w;
    w.say(ConversionWorking::tr("A mixed number as an improper fraction: whole number × "
                                "denominator + numerator, over the same denominator"));
    sayTakenAsInteger(w, IntegerBox::WholePart, whole, std::int32_t(t.whole));
    const QString mixed = mixedText(plain(t.whole), plain(t.numerator), plain(t.denominator));
    w.say(ConversionWorking::tr("The exercise: %1").arg(mixed));
    // the boxes hold at most 8 characters, so their numbers are exact at 15 digits
    sayOwnSigns(w, MixedNumberName::Only, Rational(std::int64_t(t.whole)), Rational::ofShown(t.numerator),
                Rational::ofShown(t.denominator));
    w.say(QStringLiteral("%1 × %2 = %3")
              .arg(plain(t.whole), working::factor(t.denominator), plain(t.product)));
    w.say(QStringLiteral("%1 + %2 = %3")
              .arg(plain(t.product), working::factor(t.numerator), f.numerator));
    w.say(ConversionWorking::tr("The denominator stays as it was typed: %1").arg(f.denominator));
    const QString improper = over(f.numerator, f.denominator);
    w.say(ConversionWorking::tr("Answer: %1").arg(improper));
    sayLowestTerms(w, QString(), f.numerator, f.denominator);
    w.figure = bars(
        {mixedRow(mixed, t.value, t.denominator),
         {QStringLiteral("improperBars"), improper, t.value, t.denominator, true, Ink::Second}},
        t.value);
    return w;
}

Working mixedWorking(const QString& numerator, const QString& denominator, const Fraction& f) {
    const Trace& t = f.trace;
    const fractions::MixedNumber& x = t.mixed;
    Working w;
    w.say(ConversionWorking::tr("An improper fraction as a mixed number: divide the numerator by "
                                "the denominator; the quotient is the whole number, the remainder "
                                "the new numerator"));
    sayTakenAsInteger(w, IntegerBox::Numerator, numerator, std::int32_t(t.numerator));
    sayTakenAsInteger(w, IntegerBox::Denominator, denominator, x.denominator);
    w.say(fractions::divisionText(x));
    w.detail(ConversionWorking::tr("Check: %1 × %2 + %3 = %4")
                 .arg(integerText(x.whole), working::factor(x.denominator),
                      working::factor(x.numerator),
                      plain(t.numerator)));
    if (f.numerator.isEmpty())
        w.say(ConversionWorking::tr("The remainder is 0, so there is no fraction part"));
    else if (denominator != integerText(x.denominator))
        w.say(ConversionWorking::tr("The window writes the denominator as it was typed: %1")
                  .arg(denominator));
    const QString improper = over(plain(t.numerator), plain(t.denominator));
    const QString mixed = mixedText(f.whole, f.numerator, f.denominator);
    w.say(ConversionWorking::tr("Answer: %1").arg(mixed));
    if (!f.numerator.isEmpty()) {
        const bool reduced = sayLowestTerms(w, f.whole, f.numerator, f.denominator);
        // the numbers the window divided with: a denominator typed 4.4 is shown so, taken as 4
        sayOwnSigns(w, MixedNumberName::Only, Rational(x.whole), Rational(x.numerator), Rational(x.denominator),
                    false, reduced);
    }
    w.figure =
        bars({{QStringLiteral("improperBars"), improper, t.value, t.denominator, true, Ink::Second},
              mixedRow(mixed, t.value, t.denominator)},
             t.value);
    return w;
}

Working decimalWorking(const QString& whole, const QString& numerator, const Decimal& d) {
    Working w;
    if (!d.decimal) { // the whole part was no number: the window set it to 0 and stopped
        w.say(ConversionWorking::tr("The whole number box held \"%1\", which is no number, so the "
                                    "window set it to 0 and worked nothing out")
                  .arg(whole));
        w.say(ConversionWorking::tr("Press the button again to convert with the whole number 0"));
        return w;
    }
    const Trace& t = d.trace;
    w.say(ConversionWorking::tr("A mixed number as a decimal: divide the numerator by the "
                                "denominator, then add the whole number"));
    if (whole.isEmpty()) w.say(ConversionWorking::tr("The whole number box was empty, so it is 0"));
    else sayTakenAsInteger(w, IntegerBox::WholePart, whole, std::int32_t(t.whole));
    sayTakenAsInteger(w, IntegerBox::Numerator, numerator, std::int32_t(t.numerator));
    const QString mixed = mixedText(plain(t.whole), plain(t.numerator), plain(t.denominator));
    w.say(ConversionWorking::tr("The exercise: %1").arg(mixed));
    const Rational exactWhole(std::int64_t(t.whole)), exactNumerator(std::int64_t(t.numerator)),
        exactDenominator = Rational::ofShown(t.denominator);
    sayOwnSigns(w, MixedNumberName::Only, exactWhole, exactNumerator, exactDenominator);
    w.say(QStringLiteral("%1 ÷ %2 = %3")
              .arg(plain(t.numerator), working::factor(t.denominator), plain(t.quotient)));
    w.say(QStringLiteral("%1 + %2 = %3")
              .arg(plain(t.quotient), working::factor(t.whole), *d.decimal));
    w.say(ConversionWorking::tr("Answer: %1").arg(*d.decimal));
    exactDecimalLine(w, exactWhole + exactNumerator / exactDenominator, *d.decimal);
    w.figure = bars({mixedRow(mixed, t.value, t.denominator),
                     {QStringLiteral("decimalBars"), *d.decimal, t.value, 0, true, Ink::Second}},
                    t.value);
    return w;
}

Working decimalFractionWorking(const QString& decimal, const Fraction& f) {
    const Trace& t = f.trace;
    const QString typed = decimal.trimmed(), places = t.places;
    const QString numerator = integerText(std::int32_t(t.numerator));
    const QString tenths = plain(t.denominator);
    Working w;
    w.say(ConversionWorking::tr("A decimal as a fraction: the digits after the decimal point, over "
                                "1 with as many zeros as there are digits"));
    const QString count = QString::number(places.size());
    // the English text has a sentence of its own for one digit; %n is their number in both
    const int n = int(places.size());
    //: %1 is the decimal typed, %n the number of digits after its point, %2 those digits
    const QString digits =
        n == 1 ? ConversionWorking::tr("%1 has %n digit after the decimal point: %2", nullptr, n)
               : ConversionWorking::tr("%1 has %n digits after the decimal point: %2", nullptr, n);
    w.say(digits.arg(typed, places));
    //: %1 is the number of digits, %2 that power of 10, %3 the fraction the digits make
    w.say(ConversionWorking::tr("10 to the power %1 is %2, so the digits make %3")
              .arg(count, tenths, over(numerator, tenths)));
    w.say(ConversionWorking::tr("The whole number is the part before the decimal point: %1")
              .arg(f.whole));
    const bool negative = t.value < 0 || typed.startsWith(u'-');
    if (negative)
        w.say(ConversionWorking::tr("Here the minus sign stands for the whole number and the "
                                    "fraction together: %1 is %2")
                  .arg(typed, Rational::ofText(typed).text()));
    std::vector<BarRow> rows = {
        {QStringLiteral("decimalBars"), typed, t.value, 0, true, Ink::Second}};
    if (f.numerator.isEmpty()) {
        w.say(ConversionWorking::tr("The digits after the decimal point make 0, so there is no "
                                    "fraction part"));
        w.say(ConversionWorking::tr("Answer: %1").arg(f.whole));
        w.figure = bars(rows, t.value);
        return w;
    }
    const QString mixed = mixedText(f.whole, f.numerator, f.denominator);
    w.say(ConversionWorking::tr("Answer: %1").arg(mixed));
    if (negative) {
        // the other panels read each part with its own sign
        const Rational whole = Rational::ofText(f.whole);
        //: %1 is the decimal, %2 its whole part, -%3/%4 its fraction part
        w.say(ConversionWorking::tr("In the other panels each part keeps its own sign: there %1 is "
                                    "typed %2 and -%3/%4")
                  .arg(typed, working::exactWritten(whole), f.numerator, f.denominator));
    }
    rows.push_back(mixedRow(mixed, t.value, t.denominator));
    // the window leaves the fraction as it is; the pupil sees it in lowest terms too
    if (t.denominator <= std::numeric_limits<std::int32_t>::max()) {
        const std::int32_t d = std::int32_t(t.denominator), n = std::int32_t(t.numerator);
        w.say(ConversionWorking::tr("The window does not reduce the fraction"));
        const std::int32_t g = fractions::explainGcd(w, d, n);
        if (g == 1)
            w.say(ConversionWorking::tr("The greatest common divisor of %1 and %2 is 1, so %3 is "
                                        "in lowest terms already")
                      .arg(tenths, numerator, over(numerator, tenths)));
        else {
            w.say(ConversionWorking::tr("Divided by their greatest common divisor %1, in lowest "
                                        "terms: %2 = %3")
                      .arg(integerText(g), over(numerator, tenths),
                           over(integerText(n / g), integerText(d / g))));
            rows.push_back({QStringLiteral("lowestBars"),
                            mixedText(f.whole, integerText(n / g), integerText(d / g)), t.value,
                            double(d / g), false, Ink::Third});
        }
    }
    w.figure = bars(rows, t.value);
    return w;
}

working::Guide conversionGuide() {
    working::Guide guide;
    // each line after the first names a button as the window shows it (%1)
    guide.boxes = {
        ConversionWorking::tr("Every box takes one plain number, such as 3 or %1: no fractions "
                              "like 3/4")
            .arg(plain(2.5)),
        //: %1 is the button "Fraction To Improper"
        ConversionWorking::tr("%1: the whole number (0 when there is none), the numerator and the "
                              "denominator")
            .arg(buttonText(QT_TRANSLATE_NOOP("Form3", " Fraction To Improper "))),
        //: %1 is the button "Improper To Fraction"
        ConversionWorking::tr("%1: the numerator and the denominator")
            .arg(buttonText(QT_TRANSLATE_NOOP("Form3", "Improper To Fraction"))),
        //: %1 is the button "Fraction To Decimal"
        ConversionWorking::tr("%1: the whole number (it may be empty), the numerator and the "
                              "denominator")
            .arg(buttonText(QT_TRANSLATE_NOOP("Form3", "Fraction To Decimal"))),
        //: %1 is the button "Decimal To Fraction", %2 a decimal number
        ConversionWorking::tr("%1: a decimal number with a decimal point, such as %2")
            .arg(buttonText(QT_TRANSLATE_NOOP("Form3", "Decimal To Fraction")), plain(12.5)),
    };
    const QString n = QStringLiteral("25"), d = QStringLiteral("4");
    guide.example = mixedWorking(n, d, ImproperToFraction(n, d));
    return guide;
}

} // namespace sb::conversion
