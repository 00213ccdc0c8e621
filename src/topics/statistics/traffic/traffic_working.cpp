// SPDX-License-Identifier: GPL-3.0-or-later
#include "traffic_working.h"

#include "entry/conversions.h"
#include "topics/statistics/shared_working.h"
#include "working/exact.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <optional>

namespace {

// the context of the traffic and percentage window's working and figures
struct TrafficWorking {
    Q_DECLARE_TR_FUNCTIONS(TrafficWorking)
};

} // namespace

namespace sb::traffic {

using working::Figure;
using working::Guide;
using working::Ink;
using working::Look;
using working::Place;
using working::Working;

namespace {

using statistics::equalsExact;
using statistics::exactForNote;
using statistics::exactText;
using statistics::powerOfTen;
using working::Rational;

QString shown(double value) { return resultText(value); }

// A typed value exactly, as the value entry reads it.
Rational exactOf(const Given& given) { return Rational::ofText(given.typed); }

// A value of a step: its exact form where it has a short one, else its decimal.
QString valueText(const Given& given) {
    return exactText(exactOf(given)).value_or(working::plain(given.value));
}

// What the window shows for a result, where the steps wrote it otherwise: the rounding of
// its last digits, or its power-of-ten form.
void tellShown(Working& w, const Rational& exact, double answer) {
    const QString window = shown(answer);
    // the window's number against the exact value's 15 digits, rounded once from 34 digits
    if (exact.known() && std::isfinite(exact.toDouble()) &&
        !working::shownRight(working::valueOf(exact), answer))
        w.say(working::roundingNote(exactForNote(exact), window));
    else if (const auto words = powerOfTen(window, answer)) w.say(*words);
}

// A value as read: "S = 100", "S = 3/2 = 1.5", "S = 1/3 ≈ 0.333333333333333", or for a
// mixed number "T = 2/1/4, that is 2 1/4 = 2.25".
void tellGiven(Working& w, const QString& letter, const Given& given) {
    const QString typed = given.typed.trimmed();
    const QString value = shown(given.value);
    const Rational exact = exactOf(given);
    if (typed == value) {
        w.say(QStringLiteral("%1 = %2").arg(letter, value));
    } else if (!exact.known()) {
        w.say(QStringLiteral("%1 = %2 = %3").arg(letter, typed, value));
    } else if (typed.count(u'/') == 2) {
        //: %1 is a letter (S, V, T), %2 a mixed number as typed (2/1/4), %3 the same as a
        //: pupil writes it (2 1/4), %4 "= " and its decimal
        w.say(TrafficWorking::tr("%1 = %2, that is %3 %4")
                  .arg(letter, typed, exact.mixedText(), equalsExact(exact, value)));
    } else if (exactText(exact) == typed) {
        // a fraction typed in lowest terms: its decimal beside it
        w.say(QStringLiteral("%1 %2").arg(letter, equalsExact(exact, value)));
    } else {
        w.say(QStringLiteral("%1 = %2 %3").arg(letter, typed, equalsExact(exact, value)));
    }
}

// A time in hours as hours, minutes and seconds: "3 h 20 min", "about 8 min 34 s" where it
// is no whole number of seconds; nothing for a whole number of hours, less than a minute, or
// more hours than a pupil counts.
std::optional<QString> clockTime(const Rational& hours) {
    if (!hours.known() || hours.isWhole() || hours < Rational::of(1, 60) ||
        hours > Rational(100000))
        return std::nullopt;
    const Rational seconds = hours * Rational(3600);
    const bool exact = seconds.isWhole();
    // to the nearest second, a half up
    const auto total = static_cast<long long>((seconds.numerator() * 2 + seconds.denominator()) /
                                              (seconds.denominator() * 2));
    const long long h = total / 3600, min = total / 60 % 60, s = total % 60;
    QStringList parts;
    if (h > 0) parts << QStringLiteral("%1 h").arg(h);
    if (min > 0) parts << QStringLiteral("%1 min").arg(min);
    if (s > 0) parts << QStringLiteral("%1 s").arg(s);
    const QString text = parts.join(u' ');
    return exact ? QStringLiteral("= %1").arg(text) : QStringLiteral("≈ %1").arg(text);
}

// An amount of money to the cent, a half cent up: "2.50".
QString toTheCent(const Rational& amount) {
    const Rational cents = amount * Rational(100);
    const Rational::Int n = cents.numerator(), d = cents.denominator();
    const Rational::Int rounded = n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
    return *Rational::of(rounded, 100).decimalText() +
           (rounded % 100 == 0  ? QLocale().decimalPoint() + QStringLiteral("00")
            : rounded % 10 == 0 ? QStringLiteral("0")
                                : QString());
}

// Whether an exact amount of money has more than whole cents.
bool finerThanCents(const Rational& amount) {
    return amount.known() && !(amount * Rational(100)).isWhole();
}

Look placed(Place place, Ink ink = Ink::Main) { return working::at(place, ink); }

// The line from the origin to (t, s), its slope the speed.
Figure distanceTimeGraph(double t, double s, double v) {
    Figure f = Figure::chart(TrafficWorking::tr("time T"), TrafficWorking::tr("distance S"));
    Look line = placed(Place::AboveLeft);
    line.heavy = true;
    f.segment(QStringLiteral("motion"), 0, 0, t, s, line);
    f.elements.back().text = QStringLiteral("V = ") + shown(v);
    f.segment(QStringLiteral("time"), t, 0, t, s, working::dashed());
    f.segment(QStringLiteral("distance"), 0, s, t, s, working::dashed());
    f.point(QStringLiteral("end"), t, s, {}, working::ink(Ink::Second));
    // halfway along the dashed lines, clear of the axes' numbers and names
    f.label(QStringLiteral("t"), t, s / 2, QStringLiteral("T = ") + shown(t), placed(Place::Left));
    f.label(QStringLiteral("s"), t / 2, s, QStringLiteral("S = ") + shown(s), placed(Place::Below));
    f.description = TrafficWorking::tr("Distance–time graph: a line from the origin with slope "
                                       "V = %1 reaches the distance S = %2 at the time T = %3.")
                        .arg(shown(v), shown(s), shown(t));
    return f;
}

// The price before and after as two bars, the change between them as an arrow.
// The labels write the new price and the change as the exact values to 15 digits, where
// known, so they never show the rounding of the window's last digits.
Figure priceBars(bool decrease, double p, double c, const PriceChange& change,
                 const QString& newPrice, const QString& amount) {
    Figure f = Figure::chart(QString(), TrafficWorking::tr("price $"));
    f.xTicks = false;
    Look bar = working::filled(Ink::Main);
    bar.place = Place::Above;
    // each bar's price on top of it, and what it is under it, where the axis has no numbers
    f.bar(QStringLiteral("before"), 0.8, 0, 0.6, c, bar);
    f.elements.back().text = QStringLiteral("%1 $").arg(shown(c));
    f.label(QStringLiteral("before-name"), 1.1, 0, TrafficWorking::tr("before"),
            placed(Place::Below));
    bar.ink = Ink::Second;
    bar.hatched = true;
    f.bar(QStringLiteral("after"), 2.3, 0, 0.6, change.newPrice, bar);
    f.elements.back().text = QStringLiteral("%1 $").arg(newPrice);
    f.label(QStringLiteral("after-name"), 2.6, 0, TrafficWorking::tr("after"),
            placed(Place::Below));
    // the change beside the new price, from the old price's level to the arrow
    f.segment(QStringLiteral("level"), 0.8, c, 3.1, c, working::dashed());
    // its caption in two lines right of the arrow, in a margin kept free for them: the amount
    // above the arrow's middle, the percentage below it
    f.arrow(QStringLiteral("change"), 3.1, c, 3.1, change.newPrice,
            placed(Place::AboveRight, Ink::Third));
    //: %1 is the amount the price changed by
    f.elements.back().text =
        (decrease ? TrafficWorking::tr("%1 $ less") : TrafficWorking::tr("%1 $ more")).arg(amount);
    f.label(QStringLiteral("change-label"), 3.1, (c + change.newPrice) / 2,
            QStringLiteral("(%1 %)").arg(shown(p)), placed(Place::BelowRight, Ink::Third));
    const double top = std::max(c, change.newPrice);
    f.view = working::Box{-0.1, -0.06 * top, 5.5, 1.25 * top};
    f.description = (decrease
                         //: %1 is the price before, %2 the percentage, %3 the new price, %4 the
                         //: amount of the change
                         ? TrafficWorking::tr("Two bars: the price before, %1 $, and after a "
                                              "decrease of %2 %, %3 $; the change is %4 $.")
                         : TrafficWorking::tr("Two bars: the price before, %1 $, and after an "
                                              "increase of %2 %, %3 $; the change is %4 $."))
                        .arg(shown(c), shown(p), newPrice, amount);
    return f;
}

// The check a pupil's book ends with: the result put back into the formula gives the given
// value again ("Check: V × T = 3 × 10/3 = 10, which is S."), where all three are exact.
void check(Working& w, const QString& sentence, const Rational& x, const Rational& y,
           const Rational& back) {
    const auto a = exactText(x), b = exactText(y), c = exactText(back);
    if (a && b && c) w.say(sentence.arg(*a, *b, *c));
}

} // namespace

Working motionWorking(Unknown unknown, const Given& first, const Given& second, double answer) {
    Working w;
    const QString a = valueText(first), b = valueText(second);
    const Rational ea = exactOf(first), eb = exactOf(second);
    const QString x = working::plain(answer);
    Rational exact;
    switch (unknown) {
    case Unknown::Time:
        exact = ea / eb;
        w.say(TrafficWorking::tr("Distance = speed × time, so the time is T = S ÷ V."));
        tellGiven(w, QStringLiteral("S"), first);
        tellGiven(w, QStringLiteral("V"), second);
        w.say(QStringLiteral("T = %1 ÷ %2 %3").arg(a, b, equalsExact(exact, x)));
        tellShown(w, exact, answer);
        if (const auto clock = clockTime(exact))
            //: %1 is "= " or "≈ " and the time in hours, minutes and seconds ("= 3 h 20 min")
            w.say(TrafficWorking::tr("With S in km and V in km per hour, T is in hours: T %1.")
                      .arg(*clock));
        check(w, TrafficWorking::tr("Check: V × T = %1 × %2 = %3, which is S."), eb, exact, ea);
        w.figure = distanceTimeGraph(answer, first.value, second.value);
        break;
    case Unknown::Speed:
        exact = ea / eb;
        w.say(TrafficWorking::tr("Distance = speed × time, so the speed is V = S ÷ T."));
        tellGiven(w, QStringLiteral("S"), first);
        tellGiven(w, QStringLiteral("T"), second);
        w.say(QStringLiteral("V = %1 ÷ %2 %3").arg(a, b, equalsExact(exact, x)));
        tellShown(w, exact, answer);
        check(w, TrafficWorking::tr("Check: V × T = %1 × %2 = %3, which is S."), exact, eb, ea);
        w.figure = distanceTimeGraph(second.value, first.value, answer);
        break;
    case Unknown::Distance:
        exact = eb * ea;
        w.say(TrafficWorking::tr("Distance = speed × time: S = V × T."));
        tellGiven(w, QStringLiteral("T"), first);
        tellGiven(w, QStringLiteral("V"), second);
        w.say(QStringLiteral("S = %1 × %2 %3").arg(b, a, equalsExact(exact, x)));
        tellShown(w, exact, answer);
        check(w, TrafficWorking::tr("Check: S ÷ T = %1 ÷ %2 = %3, which is V."), exact, ea, eb);
        w.figure = distanceTimeGraph(first.value, answer, second.value);
        break;
    }
    return w;
}

Working priceWorking(bool decrease, const Given& percentage, const Given& cost,
                     const PriceChange& change) {
    Working w;
    const QString p = valueText(percentage), c = valueText(cost);
    const Rational ep = exactOf(percentage), ec = exactOf(cost);
    const Rational product = ep * ec, amount = product / Rational(100);
    const Rational newPrice = decrease ? ec - amount : ec + amount;
    w.say(decrease ? TrafficWorking::tr("The decrease is P percent of the price C: P × C ÷ 100.")
                   : TrafficWorking::tr("The increase is P percent of the price C: P × C ÷ 100."));
    tellGiven(w, QStringLiteral("P"), percentage);
    tellGiven(w, QStringLiteral("C"), cost);
    w.detail(QStringLiteral("P × C = %1 × %2 %3")
                 .arg(p, c, equalsExact(product, working::plain(change.amount.product))));
    w.say((decrease
               //: %1 is the percentage, %2 the price, %3 "= " and the decrease
               ? TrafficWorking::tr("The decrease is %1 × %2 ÷ 100 %3")
               : TrafficWorking::tr("The increase is %1 × %2 ÷ 100 %3"))
              .arg(p, c, equalsExact(amount, working::plain(change.amount.amount))));
    tellShown(w, amount, change.amount.amount);
    const bool cents = finerThanCents(amount) || finerThanCents(newPrice);
    if (finerThanCents(amount))
        w.say((decrease ? TrafficWorking::tr("To the cent the decrease is %1 $.")
                        : TrafficWorking::tr("To the cent the increase is %1 $."))
                  .arg(toTheCent(amount)));
    // the new price is worked from the amount as its label shows it, to 15 digits
    if (change.amountShown != change.amount.amount)
        w.detail((decrease ? TrafficWorking::tr("The window works the new price from the "
                                                "decrease as it shows it, %1.")
                           : TrafficWorking::tr("The window works the new price from the "
                                                "increase as it shows it, %1."))
                     .arg(shown(change.amountShown)));
    const QString amountText = exactText(amount).value_or(working::plain(change.amountShown));
    w.say(decrease
              //: %1 is the price, %2 the decrease, %3 "= " and the new price
              ? TrafficWorking::tr("The new price is C - decrease = %1 - %2 %3")
                    .arg(c, amountText, equalsExact(newPrice, working::plain(change.newPrice)))
              : TrafficWorking::tr("The new price is increase + C = %1 + %2 %3")
                    .arg(amountText, c, equalsExact(newPrice, working::plain(change.newPrice))));
    tellShown(w, newPrice, change.newPrice);
    if (finerThanCents(newPrice))
        w.say(TrafficWorking::tr("To the cent the new price is %1 $.").arg(toTheCent(newPrice)));
    if (cents)
        w.say(TrafficWorking::tr("The window does not round to the cent: it shows the numbers it "
                                 "computed."));
    if (decrease && newPrice.known() && newPrice.sign() == 0)
        w.say(TrafficWorking::tr("A decrease of 100 percent takes the whole price off: nothing "
                                 "is left to pay."));
    check(w,
          decrease ? TrafficWorking::tr("Check: new price + decrease = %1 + %2 = %3, which is C.")
                   : TrafficWorking::tr("Check: new price - increase = %1 - %2 = %3, which is C."),
          newPrice, amount, ec);
    w.figure = priceBars(decrease, percentage.value, cost.value, change,
                         shown(newPrice.known() ? newPrice.toDouble() : change.newPrice),
                         shown(amount.known() ? amount.toDouble() : change.amountShown));
    return w;
}

Guide trafficGuide() {
    return working::guide(
        {
            //: %1 is a decimal as the window writes it (2.5)
            TrafficWorking::tr("Every box takes a number above 0: a whole number (3), a decimal "
                               "(%1), a fraction (1/4) or a mixed number (2/1/4).")
                .arg(shown(2.5)),
            TrafficWorking::tr("S is the distance, V the speed and T the time, in units that fit "
                               "each other (km, km per hour and hours). At a speed of 0 nothing "
                               "moves, so no time would ever cover a distance."),
            TrafficWorking::tr("A price problem takes the cost in $ and the percentage; a "
                               "decrease takes at most 100 percent, since taking off more than "
                               "the whole price would leave less than nothing to pay."),
        },
        //: the example worked out; "Find T" is the button, translated as on the button
        TrafficWorking::tr("S = 100, V = 40, Find T:"),
        motionWorking(Unknown::Time, {QStringLiteral("100"), 100}, {QStringLiteral("40"), 40},
                      FindT(100, 40)));
}

} // namespace sb::traffic
