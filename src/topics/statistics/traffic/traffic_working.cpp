// SPDX-License-Identifier: GPL-3.0-or-later
#include "traffic_working.h"

#include "entry/conversions.h"

namespace sb::traffic {

using working::Figure;
using working::Ink;
using working::Look;
using working::Place;
using working::Working;

namespace {

QString shown(double value) { return resultText(value); }

// A value as read: "S = 100", or "S = 1/2 = 0.5" where it was typed otherwise.
void tellGiven(Working& w, const QString& letter, const Given& given) {
    const QString value = shown(given.value);
    w.say(given.typed.trimmed() == value
              ? QStringLiteral("%1 = %2").arg(letter, value)
              : QStringLiteral("%1 = %2 = %3").arg(letter, given.typed.trimmed(), value));
}

Look placed(Place place, Ink ink = Ink::Main) { return working::at(place, ink); }

// The line from the origin to (t, s), its slope the speed.
Figure distanceTimeGraph(double t, double s, double v) {
    Figure f = Figure::chart(QStringLiteral("time T"), QStringLiteral("distance S"));
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
    f.description = QStringLiteral("Distance–time graph: a line from the origin with slope V = %1 "
                                   "reaches the distance S = %2 at the time T = %3.")
                        .arg(shown(v), shown(s), shown(t));
    return f;
}

// The price before and after as two bars, the change between them as an arrow.
Figure priceBars(bool decrease, double p, double c, const PriceChange& change) {
    Figure f = Figure::chart(QString(), QStringLiteral("price $"));
    f.xTicks = false;
    Look bar = working::filled(Ink::Main);
    bar.place = Place::Above;
    f.bar(QStringLiteral("before"), 0.6, 0, 0.8, c, bar);
    f.elements.back().text = QStringLiteral("before %1 $").arg(shown(c));
    bar.ink = Ink::Second;
    bar.hatched = true;
    f.bar(QStringLiteral("after"), 1.6, 0, 0.8, change.newPrice, bar);
    f.elements.back().text = QStringLiteral("after %1 $").arg(shown(change.newPrice));
    // the change beside the new price, from the old price's level
    f.segment(QStringLiteral("level"), 0.6, c, 2.7, c, working::dashed());
    const QString told =
        QStringLiteral("%1 $ %2 (%3 %)")
            .arg(shown(change.amountShown), decrease ? u"less" : u"more", shown(p));
    f.arrow(QStringLiteral("change"), 2.6, c, 2.6, change.newPrice,
            placed(Place::Right, Ink::Third));
    f.elements.back().text = told;
    f.description = QStringLiteral("Two bars: the price before, %1 $, and after %2 of %3 %, %4 $; "
                                   "the change is %5 $.")
                        .arg(shown(c), decrease ? u"a decrease" : u"an increase", shown(p),
                             shown(change.newPrice), shown(change.amountShown));
    return f;
}

} // namespace

Working motionWorking(Unknown unknown, const Given& first, const Given& second, double answer) {
    Working w;
    const QString a = shown(first.value), b = shown(second.value), x = shown(answer);
    switch (unknown) {
    case Unknown::Time:
        w.say(QStringLiteral("Distance = speed × time, so the time is T = S / V."));
        tellGiven(w, QStringLiteral("S"), first);
        tellGiven(w, QStringLiteral("V"), second);
        w.say(QStringLiteral("T = %1 / %2 = %3").arg(a, b, x));
        w.figure = distanceTimeGraph(answer, first.value, second.value);
        break;
    case Unknown::Speed:
        w.say(QStringLiteral("Distance = speed × time, so the speed is V = S / T."));
        tellGiven(w, QStringLiteral("S"), first);
        tellGiven(w, QStringLiteral("T"), second);
        w.say(QStringLiteral("V = %1 / %2 = %3").arg(a, b, x));
        w.figure = distanceTimeGraph(second.value, first.value, answer);
        break;
    case Unknown::Distance:
        w.say(QStringLiteral("Distance = speed × time: S = V × T."));
        tellGiven(w, QStringLiteral("T"), first);
        tellGiven(w, QStringLiteral("V"), second);
        w.say(QStringLiteral("S = %1 × %2 = %3").arg(b, a, x));
        w.figure = distanceTimeGraph(first.value, answer, second.value);
        break;
    }
    return w;
}

Working priceWorking(bool decrease, const Given& percentage, const Given& cost,
                     const PriceChange& change) {
    Working w;
    const QString p = shown(percentage.value), c = shown(cost.value);
    const QString amount = shown(change.amount.amount);
    const QString what = decrease ? QStringLiteral("decrease") : QStringLiteral("increase");
    w.say(QStringLiteral("The %1 is P percent of the price C: P × C / 100.").arg(what));
    tellGiven(w, QStringLiteral("P"), percentage);
    tellGiven(w, QStringLiteral("C"), cost);
    w.detail(QStringLiteral("P × C = %1 × %2 = %3").arg(p, c, shown(change.amount.product)));
    w.say(QStringLiteral("The %1 is %2 × %3 / 100 = %4").arg(what, p, c, amount));
    // the new price is worked from the amount as its label shows it, to 15 digits
    if (change.amountShown != change.amount.amount)
        w.detail(QStringLiteral("The new price is worked from the %1 as shown, %2.")
                     .arg(what, shown(change.amountShown)));
    w.say(decrease ? QStringLiteral("The new price is C - %1 = %2 - %3 = %4")
                         .arg(what, c, shown(change.amountShown), shown(change.newPrice))
                   : QStringLiteral("The new price is %1 + C = %2 + %3 = %4")
                         .arg(what, shown(change.amountShown), c, shown(change.newPrice)));
    w.figure = priceBars(decrease, percentage.value, cost.value, change);
    return w;
}

working::Guide trafficGuide() {
    return working::guide(
        {
            QStringLiteral("Every box takes a number above 0: a whole number (3), a decimal (%1), "
                           "a fraction (1/4) or a mixed number (2/1/4).")
                .arg(shown(2.5)),
            QStringLiteral("S is the distance, V the speed and T the time, in units that fit each "
                           "other (km, km per hour and hours)."),
            QStringLiteral("A price problem takes the cost in $ and the percentage; a decrease "
                           "takes at most 100 percent."),
        },
        QStringLiteral("S = 100, V = 40, Find T:"),
        motionWorking(Unknown::Time, {QStringLiteral("100"), 100}, {QStringLiteral("40"), 40},
                      FindT(100, 40)));
}

} // namespace sb::traffic
