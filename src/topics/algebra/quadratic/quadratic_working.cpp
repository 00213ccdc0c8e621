// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadratic_working.h"

#include "entry/conversions.h"
#include "working/formula_text.h"

#include <algorithm>
#include <cmath>

namespace sb::quadratic {

using working::factor;
using working::Figure;
using working::minus;
using working::Place;
using working::Working;

namespace {

QString text(double value) { return resultText(value); }

// "-3·x² + 6·x - 2"
QString polynomial(const Solution& s) {
    return text(s.a) + QStringLiteral("·x²") + working::nextTerm(s.b, QStringLiteral("x")) +
           working::nextTerm(s.c, {});
}

// How each box gave its coefficient, where the box changed what was typed.
void sayHowRead(Working& w, const Solution& s, const std::array<BoxText, 3>& boxes) {
    const double values[] = {s.a, s.b, s.c};
    for (int i = 0; i < 3; ++i) {
        const QString name(QChar(u'A' + i));
        const BoxText& box = boxes[size_t(i)];
        if (!box.whole.isEmpty() && box.whole != box.shown)
            w.say(QStringLiteral("You typed %1 for %2, which is %3. The box keeps 5 "
                                 "characters, so it shows %4, and %2 = %5.")
                      .arg(box.typed.trimmed(), name, box.whole, box.shown, text(values[i])));
        else if (!box.typed.isEmpty() && box.typed.trimmed() != box.shown)
            w.say(QStringLiteral("You typed %1 for %2, which is %3.")
                      .arg(box.typed.trimmed(), name, box.shown));
    }
}

void sayDiscriminant(Working& w, const Solution& s) {
    w.say(QStringLiteral("D = B² %1 4·A·C = %2² %1 4·%3·%4 = %5")
              .arg(minus, factor(s.b), factor(s.a), factor(s.c), text(s.d)));
    w.detail(QStringLiteral("B² = %1·%1 = %2").arg(factor(s.b), text(s.bSquared)));
    w.detail(QStringLiteral("4·A = %1·4 = %2").arg(factor(s.a), text(s.fourA)));
    w.detail(QStringLiteral("4·A·C = %1·%2 = %3").arg(factor(s.c), factor(s.fourA), text(s.fourAC)));
    w.detail(QStringLiteral("D = %1 %2 %3 = %4").arg(text(s.bSquared), minus, factor(s.fourAC), text(s.d)));
}

void sayRoots(Working& w, const Solution& s, const Roots& r) {
    w.say(s.d > 0 ? QStringLiteral("D is more than 0, so there are two roots.")
                  : QStringLiteral("D is 0, so the two roots are the same."));
    w.detail(QStringLiteral("√D = √%1 = %2").arg(text(s.d), text(s.rootOfD)));
    w.say(QStringLiteral("2·A = %1").arg(text(s.twoA)));
    w.say(QStringLiteral("x1 = (%1B + √D) / (2·A) = (%2 + %3) / %4 = %5")
              .arg(minus, text(-s.b), text(s.rootOfD), factor(s.twoA), text(r.x1)));
    w.say(QStringLiteral("x2 = (%1B %1 √D) / (2·A) = (%2 %1 %3) / %4 = %5")
              .arg(minus, text(-s.b), text(s.rootOfD), factor(s.twoA), text(r.x2)));
    w.say(QStringLiteral("Answer: X1 = %1 and X2 = %2").arg(text(r.x1), text(r.x2)));
}

void sayComplexRoots(Working& w, const Solution& s, const NoRealRoot& r) {
    w.say(QStringLiteral("D is less than 0. No real number squared is negative, so √D is no "
                         "real number and there is no real root."));
    w.say(QStringLiteral("Answer: X1 and X2 show \"No Solution\""));
    w.say(QStringLiteral("Beyond the real numbers, with i where i² = %1, the two roots "
                         "are complex: x = p ± q·i.").arg(minus + u'1'));
    w.say(QStringLiteral("p = %1B / (2·A) = %2 / %3 = %4")
              .arg(minus, text(-s.b), factor(s.twoA), text(r.re)));
    w.detail(QStringLiteral("√(%1D) = √%2 = %3").arg(minus, text(-s.d), text(s.rootOfD)));
    w.say(QStringLiteral("q = √(%1D) / |2·A| = %2 / %3 = %4")
              .arg(minus, text(s.rootOfD), text(std::abs(s.twoA)), text(r.im)));
    w.say(QStringLiteral("The complex roots: x1 = %1 + %2·i and x2 = %1 %3 %2·i")
              .arg(text(r.re), text(r.im), minus));
}

// Whether every number of the figure is one the painter can place: far from the ends of
// the doubles, so the spans and ticks it works out stay finite.
bool drawable(const Figure& f) {
    for (const working::Element& e : f.elements)
        for (double n : e.numbers)
            if (!(std::abs(n) < 1e150)) return false;
    return true;
}

} // namespace

Figure parabolaFigure(const Solution& s) {
    Figure f = Figure::chart(QStringLiteral("x"), QStringLiteral("y"));
    const auto* roots = std::get_if<Roots>(&s.outcome);
    if (s.a == 0 || !std::isfinite(s.twoA)) return f;
    const auto y = [&s](double x) { return s.a * x * x + s.b * x + s.c; };
    const double vx = -s.b / s.twoA, vy = y(vx);

    // the roots and the vertex, or without roots as far either side as the parabola takes
    // to climb as high again from the vertex as the vertex stands clear of the axis
    double left = vx, right = vx;
    if (roots)
        left = std::min({roots->x1, roots->x2, vx}), right = std::max({roots->x1, roots->x2, vx});
    else {
        const double reach = std::sqrt(std::abs(vy / s.a));
        left = vx - reach, right = vx + reach;
    }
    const double middle = (left + right) / 2;
    double half = (right - left) / 2;
    // touching the axis, or roots too close to tell apart: a width of its own
    if (!(half > 1e-6 * std::abs(middle))) half = std::max(1.0, std::abs(middle) / 2);
    double x0 = middle - 1.5 * half, x1 = middle + 1.5 * half;
    // the y-axis too, when it is near
    if (x0 > 0 && x0 <= x1 - x0) x0 = 0;
    if (x1 < 0 && -x1 <= x1 - x0) x1 = 0;

    const bool opensUp = s.a > 0;
    f.curve(QStringLiteral("parabola"), working::sample(x0, x1, 101, y),
            working::at(opensUp ? Place::BelowLeft : Place::AboveLeft));
    f.elements.back().text = QStringLiteral("y = ") + polynomial(s);
    if (roots) {
        const bool same = roots->x1 == roots->x2;
        // x1 is the right root when the parabola opens upwards
        const Place right = opensUp ? Place::BelowRight : Place::AboveRight;
        const Place leftOf = opensUp ? Place::BelowLeft : Place::AboveLeft;
        const bool x1Right = roots->x1 >= roots->x2;
        // one root where the parabola touches: its name inside the bowl, clear of the vertex's
        const Place inside = opensUp ? Place::Above : Place::Below;
        f.point(QStringLiteral("root1"), roots->x1, 0,
                same ? QStringLiteral("X1 = X2") : QStringLiteral("X1"),
                working::at(same ? inside : x1Right ? right : leftOf, working::Ink::Second));
        f.point(QStringLiteral("root2"), roots->x2, 0, same ? QString() : QStringLiteral("X2"),
                working::at(x1Right ? leftOf : right, working::Ink::Second));
    }
    const QString turning = opensUp ? QStringLiteral("lowest point") : QStringLiteral("highest point");
    f.point(QStringLiteral("vertex"), vx, vy, turning,
            working::at(opensUp ? Place::Below : Place::Above, working::Ink::Third));

    double bottom = 0, top = 0; // the x-axis is always in sight
    const auto& xy = f.find(QStringLiteral("parabola"))->numbers;
    for (size_t i = 1; i < xy.size(); i += 2)
        bottom = std::min(bottom, xy[i]), top = std::max(top, xy[i]);
    const double margin = (top - bottom) * 0.08;
    f.view = working::Box{x0, bottom - margin, x1, top + margin};
    if (!drawable(f) || !std::isfinite(margin)) {
        f.elements.clear();
        f.view.reset();
        f.note = QStringLiteral("These numbers are too large or too small to draw to scale.");
        f.description = QStringLiteral("No figure: the numbers are beyond drawing to scale.");
        return f;
    }

    const QString vertex = turning + u' ' + working::pointText(vx, vy);
    if (!roots)
        f.description = QStringLiteral("Parabola clear of the x-axis, so no real root, %1.").arg(vertex);
    else if (roots->x1 == roots->x2)
        f.description = QStringLiteral("Parabola touching the x-axis at %1, %2.")
                            .arg(text(roots->x1), vertex);
    else
        f.description = QStringLiteral("Parabola crossing the x-axis at %1 and %2, %3.")
                            .arg(text(std::min(roots->x1, roots->x2)),
                                 text(std::max(roots->x1, roots->x2)), vertex);
    return f;
}

Working quadraticWorking(const Solution& s, const std::array<BoxText, 3>& boxes) {
    Working w;
    w.say(QStringLiteral("The equation: %1 = 0").arg(polynomial(s)));
    w.say(QStringLiteral("The formula: x = (%1B ± √D) / (2·A), where D = B² %1 4·A·C.").arg(minus));
    sayHowRead(w, s, boxes);
    w.say(QStringLiteral("A = %1, B = %2, C = %3").arg(text(s.a), text(s.b), text(s.c)));
    sayDiscriminant(w, s);
    if (const auto* roots = std::get_if<Roots>(&s.outcome)) sayRoots(w, s, *roots);
    else if (const auto* none = std::get_if<NoRealRoot>(&s.outcome)) sayComplexRoots(w, s, *none);
    w.figure = parabolaFigure(s);
    return w;
}

working::Guide quadraticGuide() {
    working::Guide g;
    g.boxes << QStringLiteral("A, B and C: the numbers of A·x² + B·x + C = 0, each %1.")
                   .arg(working::valueForms())
            << QStringLiteral("A must not be 0: without x² it is no quadratic equation.")
            << QStringLiteral("Each box keeps 5 characters: a longer number is cut (1/3 "
                              "becomes %1), and the cut number is the one solved with.")
                   .arg(text(0.333));
    g.example = quadraticWorking(Solve(-3, 6, -2));
    return g;
}

} // namespace sb::quadratic
