// SPDX-License-Identifier: GPL-3.0-or-later
#include "cosine_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "topics/geometry/shared_working.h"
#include "topics/geometry/solved_triangle.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sb::law_of_cosines {

using geometry::degrees;
using geometry::shown;
using geometry::side;
using working::Figure;
using working::Working;

namespace {

// "cos(x) = (3² + 5² - 4²) ÷ (2 × 3 × 5) = 18 ÷ 30 = 0.6": the cosine of the angle opposite
// the side r, from the sides p and q beside it
QString cosineLine(QChar angle, double p, double q, double r, const Cosine& cosine) {
    return QStringLiteral("cos(%1) = (%2² + %3² - %4²) ÷ (2 × %2 × %3) = %5 ÷ %6 = %7")
        .arg(angle, shown(p), shown(q), shown(r), shown(cosine.top), shown(cosine.bottom),
             shown(cosine.value));
}

void angleSteps(Working& w, QChar angle, const QString& sides, double p, double q, double r,
                const Cosine& cosine, double found) {
    w.say(QStringLiteral("cos(%1) = (%2² + %3² - %4²) ÷ (2 × %2 × %3)")
              .arg(angle, sides[0], sides[1], sides[2]));
    w.say(cosineLine(angle, p, q, r, cosine));
    w.say(QStringLiteral("%1 = arccos(%2) = %3").arg(angle, shown(cosine.value), degrees(found)));
}

// how each panel lies: the side the window draws along the bottom
geometry::Base baseOf(int panel) {
    switch (panel) {
    case 2: return geometry::Base::BFromYToZ;
    case 3: return geometry::Base::AFromZToX;
    default: return geometry::Base::CFromXToY;
    }
}

} // namespace

Working twoSidesWorking(int panel, double a, double z, double b, const FromSides& s) {
    Working w;
    w.say(QStringLiteral("Triangle %1: the sides a and b and the angle z between them are given.")
              .arg(panel));
    w.say(QStringLiteral("a = %1, b = %2, z = %3").arg(shown(a), shown(b), degrees(z)));
    w.say(QStringLiteral("The law of cosines gives the third side: "
                         "c² = a² + b² - 2 × a × b × cos(z)."));
    w.say(QStringLiteral("cos(%1) = %2").arg(degrees(z), shown(s.k)));
    if (std::abs(s.k) < 1e-12)
        w.say(QStringLiteral("That is all but 0: the computer's π has 15 digits, "
                             "3.14159265358979, so cos(90°) comes out a hair away from 0."));
    w.say(QStringLiteral("c² = %1² + %2² - 2 × %1 × %2 × %3 = %4")
              .arg(shown(a), shown(b), shown(s.k), shown(s.cSquared)));
    w.detail(QStringLiteral("%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6")
                 .arg(shown(a), shown(s.aSquared), shown(b), shown(s.bSquared), shown(s.k),
                      shown(s.product)));
    w.say(QStringLiteral("c = √%1 = %2").arg(shown(s.cSquared), shown(s.c)));
    w.say(QStringLiteral("The same law turned round gives the angle x, opposite b:"));
    angleSteps(w, 'x', "acb", a, s.c, b, s.ofX, s.x);
    w.say(QStringLiteral("The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3")
              .arg(degrees(s.x), degrees(z), degrees(s.y)));
    w.detail(geometry::radiansDetail());
    w.say(QStringLiteral("Answer: c = %1, x = %2, y = %3.")
              .arg(shown(s.c), degrees(s.x), degrees(s.y)));
    w.figure = geometry::triangleFigure({a, b, s.c, s.x, s.y, z}, baseOf(panel));
    return w;
}

Working threeSidesWorking(double a, double b, double c, const Angles& s) {
    Working w;
    w.say(QStringLiteral("Triangle 4: the three sides a, b and c are given."));
    w.say(QStringLiteral("a = %1, b = %2, c = %3").arg(shown(a), shown(b), shown(c)));
    w.say(QStringLiteral("The law of cosines turned round gives each angle from the three "
                         "sides:"));
    angleSteps(w, 'x', "acb", a, c, b, s.ofX, s.x);
    angleSteps(w, 'y', "bca", b, c, a, s.ofY, s.y);
    w.say(QStringLiteral("The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3")
              .arg(degrees(s.x), degrees(s.y), degrees(s.z)));
    w.detail(geometry::radiansDetail());
    w.say(QStringLiteral("Answer: z = %1, x = %2, y = %3.")
              .arg(degrees(s.z), degrees(s.x), degrees(s.y)));
    w.figure = geometry::triangleFigure({a, b, c, s.x, s.y, s.z}, baseOf(4));
    return w;
}

namespace {

struct Side {
    QChar letter;
    double length;
};

// The two shorter sides laid end to end beside the longest one, and the gap they leave.
Figure laidEndToEnd(double a, double b, double c, const Side& first, const Side& second,
                    const Side& longest, double gap) {
    Figure f;
    const QString names[3] = {"a", "b", "c"};
    const double sides[3] = {a, b, c};
    const QString texts[3] = {side("a", a), side("b", b), side("c", c)};
    geometry::endToEnd(f, names, sides, texts, gap, QStringLiteral("missing %1").arg(shown(gap)));
    const QString laid =
        QStringLiteral("The sides %1 and %2 laid end to end beside the "
                       "longest side, %3: ")
            .arg(side(first.letter, first.length), side(second.letter, second.length),
                 side(longest.letter, longest.length));
    f.description = laid + (gap > 0 ? QStringLiteral("they fall %1 short, so no triangle "
                                                     "closes.")
                                          .arg(shown(gap))
                                    : QStringLiteral("together they are no longer than it, so "
                                                     "the triangle is flat at best."));
    return f;
}

} // namespace

Working threeSidesRefused(double a, double b, double c, const QString& message) {
    Working w;
    w.say(QStringLiteral("The window said: \"%1\"").arg(message));
    w.say(QStringLiteral("The sides a = %1, b = %2 and c = %3 make no triangle it can solve.")
              .arg(shown(a), shown(b), shown(c)));
    std::array<Side, 3> sides{Side{'a', a}, Side{'b', b}, Side{'c', c}};
    std::stable_sort(sides.begin(), sides.end(),
                     [](const Side& p, const Side& q) { return p.length < q.length; });
    const auto& [first, second, longest] = sides;
    const double reach = first.length + second.length, gap = longest.length - reach;
    if (gap > 0) {
        w.say(QStringLiteral("Laid end to end, the two shorter sides reach %1 + %2 = %3, which "
                             "is %4 short of the longest side, %5.")
                  .arg(shown(first.length), shown(second.length), shown(reach), shown(gap),
                       side(longest.letter, longest.length)));
    } else {
        w.say(QStringLiteral("The two shorter sides together, %1 + %2 = %3, are hardly longer "
                             "than the longest side, %4: the triangle is all but flat.")
                  .arg(shown(first.length), shown(second.length), shown(reach),
                       side(longest.letter, longest.length)));
        w.say(QStringLiteral("The computer's rounding then put a cosine just past 1 or -1."));
    }
    try {
        for (const auto& [angle, p, q, r] : {std::tuple{'x', a, c, b}, std::tuple{'y', b, c, a}}) {
            const Cosine cosine = cosineFrom(p, q, r);
            if (cosine.value >= -1 && cosine.value <= 1) continue;
            w.say(cosineLine(angle, p, q, r, cosine));
            w.say(QStringLiteral("A cosine is never below -1 or above 1, so no angle has it."));
            break;
        }
    } catch (const ArithmeticFault&) {
        w.say(QStringLiteral("The squares of these sides are too large for the computer."));
    }
    w.say(QStringLiteral("In a triangle any two sides together are longer than the third."));
    w.figure = laidEndToEnd(a, b, c, first, second, longest, gap);
    geometry::keepDrawable(w.figure);
    return w;
}

working::Guide cosinesGuide() {
    return geometry::solverGuide(
        {QStringLiteral("Triangles 1, 2 and 3 take two sides, a and b, and "
                        "the angle z between them, and find the side c and "
                        "the angles x and y."),
         QStringLiteral("Triangle 4 takes the three sides a, b and c and "
                        "finds the angles x, y and z.")},
        twoSidesWorking(1, 3, 90, 4, SolveSAS(3, 90, 4)));
}

} // namespace sb::law_of_cosines
