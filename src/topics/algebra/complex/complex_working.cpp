// SPDX-License-Identifier: GPL-3.0-or-later
#include "complex_working.h"

#include "entry/conversions.h"
#include "working/formula_text.h"

#include <algorithm>
#include <cmath>

namespace sb::complex {

using working::factor;
using working::Figure;
using working::Ink;
using working::minus;
using working::Place;
using working::Working;

namespace {

QString text(double value) { return resultText(value); }

// "3 - 2·i"
QString complexText(Pair z) { return text(z.re) + working::nextTerm(z.im, QStringLiteral("i")); }

// A label beside the tip of an arrow, on the side away from the origin.
Place beyond(double x, double y) {
    if (y >= 0) return x >= 0 ? Place::AboveRight : Place::AboveLeft;
    return x >= 0 ? Place::BelowRight : Place::BelowLeft;
}

// An Argand diagram: the real numbers across, the imaginary ones up, one scale for both.
Figure argand() { return Figure::chart(QStringLiteral("Re"), QStringLiteral("Im"), true); }

Figure& arrowTo(Figure& f, const QString& name, Pair z, const QString& caption, Ink ink,
                bool dashed = false) {
    working::Look look = working::ink(ink);
    look.dashed = dashed;
    look.heavy = name == u"result";
    f.arrow(name, 0, 0, z.re, z.im, look);
    return f.label(name + QStringLiteral("-name"), z.re, z.im, caption,
                   working::at(beyond(z.re, z.im)));
}

// Numbers too far apart in size for the painter: no figure, a note instead. Only zeros: a
// unit square round the origin.
void fitOrLeaveOut(Figure& f) {
    double largest = 0;
    for (const working::Element& e : f.elements)
        for (double n : e.numbers) largest = std::max(largest, std::abs(n));
    if (largest > 1e150) {
        f.elements.clear();
        f.note = QStringLiteral("These numbers are too large to draw to scale.");
        f.description = QStringLiteral("No figure: the numbers are too large to draw to scale.");
    } else if (largest == 0) {
        f.view = working::Box{-1, -1, 1, 1};
    }
}

struct Rule {
    QString sign, word, summary;
};

Rule ruleOf(const QString& op) {
    if (op == u"+")
        return {QStringLiteral("+"), QStringLiteral("sum"),
                QStringLiteral("To add, add the real parts and add the imaginary parts: "
                               "(a + b·i) + (c + d·i) = (a + c) + (b + d)·i.")};
    if (op == u"-")
        return {minus, QStringLiteral("difference"),
                QStringLiteral("To subtract, subtract the real parts and the imaginary parts: "
                               "(a + b·i) %1 (c + d·i) = (a %1 c) + (b %1 d)·i.").arg(minus)};
    if (op == u"*")
        return {QStringLiteral("·"), QStringLiteral("product"),
                QStringLiteral("To multiply, multiply out the brackets; i·i = %1: "
                               "(a + b·i)·(c + d·i) = (a·c %2 b·d) + (b·c + a·d)·i.")
                    .arg(minus + u'1', minus)};
    return {QStringLiteral("/"), QStringLiteral("quotient"),
            QStringLiteral("To divide, multiply the top and the bottom by c %1 d·i, which "
                           "makes the bottom the real number c² + d²: (a + b·i) / (c + d·i) = "
                           "((b·d + a·c) + (b·c %1 a·d)·i) / (c² + d²).").arg(minus)};
}

void sayProducts(Working& w, Pair z1, Pair z2, const Operated& o) {
    const QString line = QStringLiteral("%1 = %2·%3 = %4");
    w.detail(line.arg(QStringLiteral("a·c"), factor(z1.re), factor(z2.re), text(o.ca)));
    w.detail(line.arg(QStringLiteral("b·d"), factor(z1.im), factor(z2.im), text(o.db)));
    w.detail(line.arg(QStringLiteral("b·c"), factor(z1.im), factor(z2.re), text(o.bc)));
    w.detail(line.arg(QStringLiteral("a·d"), factor(z1.re), factor(z2.im), text(o.da)));
}

void sayRealAndImaginary(Working& w, Pair z1, const QString& op, Pair z2, const Operated& o) {
    const Pair r = o.result;
    const QString real = QStringLiteral("Real part: "), imaginary = QStringLiteral("Imaginary part: ");
    if (op == u"+" || op == u"-") {
        const QString sign = op == u"+" ? QStringLiteral("+") : minus;
        w.say(real + QStringLiteral("%1 %2 %3 = %4").arg(text(z1.re), sign, factor(z2.re), text(r.re)));
        w.say(imaginary + QStringLiteral("%1 %2 %3 = %4").arg(text(z1.im), sign, factor(z2.im), text(r.im)));
        return;
    }
    sayProducts(w, z1, z2, o);
    if (op == u"*") {
        w.say(real + QStringLiteral("a·c %1 b·d = %2 %1 %3 = %4")
                         .arg(minus, text(o.ca), factor(o.db), text(r.re)));
        w.say(imaginary + QStringLiteral("b·c + a·d = %1 + %2 = %3")
                              .arg(text(o.bc), factor(o.da), text(r.im)));
        return;
    }
    w.say(QStringLiteral("c² + d² = %1² + %2² = %3").arg(factor(z2.re), factor(z2.im), text(o.q)));
    w.detail(QStringLiteral("d² = %1, c² = %2").arg(text(o.dSquared), text(o.cSquared)));
    w.say(real + QStringLiteral("(b·d + a·c) / (c² + d²) = (%1 + %2) / %3 = %4 / %3 = %5")
                     .arg(text(o.db), factor(o.ca), text(o.q), text(o.numerator.re), text(r.re)));
    w.say(imaginary + QStringLiteral("(b·c %1 a·d) / (c² + d²) = (%2 %1 %3) / %4 = %5 / %4 = %6")
                          .arg(minus, text(o.bc), factor(o.da), text(o.q),
                               text(o.numerator.im), text(r.im)));
}

} // namespace

Working operationWorking(Pair z1, const QString& op, Pair z2, const Operated& o) {
    const Rule rule = ruleOf(op);
    const Pair r = o.result;
    Working w;
    w.say(QStringLiteral("z1 = a + b·i = %1 and z2 = c + d·i = %2")
              .arg(complexText(z1), complexText(z2)));
    w.say(rule.summary);
    sayRealAndImaginary(w, z1, op, z2, o);
    w.say(QStringLiteral("Answer: R = %1 and Im = %2, that is %3")
              .arg(text(r.re), text(r.im), complexText(r)));

    Figure& f = w.figure = argand();
    const QString z1Name = QStringLiteral("z1"), z2Name = QStringLiteral("z2");
    arrowTo(f, z1Name, z1, z1Name, Ink::Main);
    arrowTo(f, z2Name, z2, z2Name, Ink::Second);
    // the sum and the difference are diagonals of the parallelogram of the two arrows (of
    // z1 and -z2 for the difference)
    if (op == u"+" || op == u"-") {
        const Pair other = op == u"+" ? z2 : Pair{-z2.re, -z2.im};
        if (op == u"-")
            arrowTo(f, QStringLiteral("minus-z2"), other, minus + z2Name, Ink::Second, true);
        f.polygon(QStringLiteral("parallelogram"), {0, 0, z1.re, z1.im, r.re, r.im, other.re, other.im},
                  working::dashed());
    }
    arrowTo(f, QStringLiteral("result"), r, z1Name + u' ' + rule.sign + u' ' + z2Name, Ink::Third);
    f.description = QStringLiteral("Argand diagram: z1 = %1 and z2 = %2 as arrows; their %3 %4")
                        .arg(complexText(z1), complexText(z2), rule.word, complexText(r));
    if (op == u"+" || op == u"-") f.description += QStringLiteral(", the diagonal of the dashed parallelogram");
    f.description += u'.';
    fitOrLeaveOut(f);
    return w;
}

Working powerWorking(double n, const Power& p) {
    static const char* const powers[] = {"1", "i", "-1", "-i"};
    Working w;
    w.say(QStringLiteral("The powers of i repeat in fours: i^0 = 1, i^1 = i, i^2 = i·i = -1, "
                         "i^3 = -i, and i^4 = 1 again."));
    const QString k = factor(p.exponent); // i^(-7)
    if (n != p.exponent)
        w.say(QStringLiteral("N = %1 is no whole number: it is rounded to the nearest one (a "
                             "half to the even one), N = %2.").arg(text(n), text(p.exponent)));
    else w.say(QStringLiteral("N = %1").arg(text(p.exponent)));
    const long long fours = (static_cast<long long>(p.exponent) - p.remainder) / 4;
    const QString remainder = QString::number(p.remainder);
    QString fourfold = QStringLiteral("Take away fours: %1 = 4·%2 + %3")
                           .arg(text(p.exponent), factor(double(fours)), remainder);
    if (p.exponent != p.remainder) fourfold += QStringLiteral(", so i^%1 = i^%2").arg(k, remainder);
    w.say(fourfold);
    w.say(QStringLiteral("Answer: i^%1 = %2").arg(k, p.text));

    Figure& f = w.figure = argand();
    f.circle(QStringLiteral("unit-circle"), 0, 0, 1, working::dashed());
    const double xs[] = {1, 0, -1, 0}, ys[] = {0, 1, 0, -1};
    // clear of the axes' numbers, which stand below the real axis and left of the other
    const Place places[] = {Place::AboveRight, Place::AboveRight, Place::AboveLeft, Place::BelowRight};
    for (int r = 0; r < 4; ++r) // the power's own point is named by the power's mark
        f.point(QStringLiteral("i%1").arg(r), xs[r], ys[r],
                r == p.remainder ? QString() : QString::fromLatin1(powers[r]),
                working::at(places[r], Ink::Faint));
    if (p.remainder > 0) {
        f.arc(QStringLiteral("turn"), 0, 0, 0.5, 0, 90.0 * p.remainder, working::ink(Ink::Third));
        f.elements.back().text = QStringLiteral("%1 × 90°").arg(p.remainder);
    }
    f.point(QStringLiteral("power"), xs[p.remainder], ys[p.remainder],
            QStringLiteral("i^%1 = %2").arg(k, p.text),
            working::at(places[p.remainder], Ink::Second));
    f.view = working::Box{-1.6, -1.6, 1.6, 1.6};
    f.description = QStringLiteral("Unit circle with the powers 1, i, -1 and -i; i^%1 = %2, "
                                   "%3 quarter turns on from 1.").arg(k, p.text).arg(p.remainder);
    return w;
}

Working polarWorking(double x, double y, const Polar& p) {
    const Pair z{x, y};
    Working w;
    w.say(QStringLiteral("z = x + y·i = %1. Its polar form is Root(x² + y²)·Cos(angle) + "
                         "Root(x² + y²)·i·Sin(angle): the length of its arrow under a root, and "
                         "its angle from the positive real axis.").arg(complexText(z)));
    w.say(QStringLiteral("x² + y² = %1² + %2² = %3 + %4 = %5")
              .arg(factor(x), factor(y), text(p.xSquared), text(p.ySquared), text(p.s)));
    w.detail(QStringLiteral("Root(%1) = %2, the length of the arrow").arg(text(p.s), text(std::sqrt(p.s))));
    if (x == 0) {
        w.say(y > 0   ? QStringLiteral("x = 0 and y is more than 0: the arrow points straight up, so the angle is 90.")
              : y < 0 ? QStringLiteral("x = 0 and y is less than 0: the arrow points straight down, so the angle is -90.")
                      : QStringLiteral("z is 0: it points nowhere, and its angle is taken as 0."));
    } else {
        w.say(QStringLiteral("The angle: arctan(y / x) = arctan(%1 / %2) = %3 degrees")
                  .arg(text(y), factor(x), text(p.arctangent)));
        if (x < 0)
            w.say(QStringLiteral("x is less than 0, so the arrow points left: turn by half a "
                                 "circle, %1 %2 180 = %3 degrees")
                      .arg(text(p.arctangent), y >= 0 ? QStringLiteral("+") : minus, text(p.turned)));
        // just below the negative real axis the angle rounds to -180, which is taken as 180
        const bool wrapped = p.angle == 180 && p.turned < 0;
        w.say(QStringLiteral("Rounded to 2 places: %1").arg(wrapped ? text(-180) : text(p.angle)));
        if (wrapped)
            w.say(QStringLiteral("-180 degrees points the same way as 180, so the angle is 180."));
    }
    w.say(QStringLiteral("Answer: %1").arg(p.text));

    Figure& f = w.figure = argand();
    const QString s = QStringLiteral("Root(%1)").arg(text(p.s));
    // the right triangle of x and y under the arrow: each name outside it
    working::Look look = working::dashed();
    look.place = y < 0 ? Place::Above : Place::Below;
    f.segment(QStringLiteral("x-leg"), 0, 0, x, 0, look);
    f.elements.back().text = QStringLiteral("x = %1").arg(text(x));
    look.place = x < 0 ? Place::Left : Place::Right;
    f.segment(QStringLiteral("y-leg"), x, 0, x, y, look);
    f.elements.back().text = QStringLiteral("y = %1").arg(text(y));
    f.arrow(QStringLiteral("polar"), 0, 0, x, y, working::at(beyond(-x, y)));
    f.elements.back().text = s;
    if (p.s > 0) {
        const double middle = p.angle / 2 * M_PI / 180;
        f.arc(QStringLiteral("angle"), 0, 0, std::sqrt(p.s) / 3, 0, p.angle,
              working::at(beyond(std::cos(middle), std::sin(middle)), Ink::Second));
        f.elements.back().text = text(p.angle) + u'°';
    }
    f.description = QStringLiteral("Argand diagram: the arrow to %1, of length %2, at %3 degrees "
                                   "from the positive real axis.")
                        .arg(complexText(z), s, text(p.angle));
    fitOrLeaveOut(f);
    return w;
}

working::Guide complexGuide() {
    working::Guide g;
    g.boxes << QStringLiteral("R and Im: the real part and the imaginary part of a number "
                              "R + Im·i, each %1.").arg(working::valueForms())
            << QStringLiteral("Operation: one of + - * / on its own, with no blanks.")
            << QStringLiteral("N: the power of i, a number; it is rounded to a whole number.")
            << QStringLiteral("To Polar: R and Im of one number.");
    const Pair z1{3, -2}, z2{6, 4};
    g.example = operationWorking(z1, QStringLiteral("+"), z2, ComplexOperate(z1, QStringLiteral("+"), z2));
    return g;
}

} // namespace sb::complex
