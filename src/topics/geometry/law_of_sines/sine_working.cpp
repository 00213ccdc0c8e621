// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_working.h"

#include "entry/conversions.h"
#include "topics/geometry/angles.h"
#include "topics/geometry/solved_triangle.h"

#include <algorithm>
#include <cmath>

namespace sb::law_of_sines {

using geometry::degrees;
using geometry::shown;
using geometry::side;
using working::Figure;
using working::Working;

namespace {

double valueOf(const Triangle& t, QChar letter) {
    switch (letter.unicode()) {
    case 'a': return t.a;
    case 'b': return t.b;
    case 'c': return t.c;
    case 'x': return t.x;
    case 'y': return t.y;
    default: return t.z;
    }
}

double sineOf(const Sines& s, QChar angle) {
    return angle == u'x' ? s.x : angle == u'y' ? s.y : s.z;
}

// "c = 10, a = 8.66025403784439, y = 60°": the values in the order the panel shows them
QString answers(const Triangle& t, const QString& letters, const QString& mark = {}) {
    QStringList parts;
    for (const QChar letter : letters) {
        const QString name = letter + mark;
        parts << (letter >= u'x' ? geometry::angle(name, valueOf(t, letter))
                                 : side(name, valueOf(t, letter)));
    }
    return parts.join(QStringLiteral(", "));
}

// How far side a falls short of the line of b, c × sin(y) - a, worked with c × sin(y) as
// the steps show it: 5 - 4 = 1, though the computer holds c × sin(y) a hair below 5. Where
// that hides the gap, to all the digits.
double shortfall(const Solution& s) {
    const double gap = readBack(s.h) - s.triangle.a;
    return gap > 0 ? gap : s.h - s.triangle.a;
}

void tell(Working& w, const QString& told) {
    if (!told.isEmpty()) w.say(QStringLiteral("The window said: \"%1\"").arg(told));
}

// One side found by the law of sines: side = sin(top) × known ÷ sin(bottom).
struct Derived {
    QChar side, top, known, bottom;
};

// What a panel with two angles and a side is given and finds.
struct TwoAngles {
    QChar first, second, third, given;
    Derived derived[2];
    QString shows; // the labels the panel writes, in order
};

const TwoAngles& twoAnglesPanel(int panel) {
    // panel 1 finds c from b, then a from that c; panel 4 both sides from c
    static const TwoAngles one{'x',  'z', 'y', 'b', {{'c', 'z', 'b', 'x'}, {'a', 'y', 'c', 'z'}},
                               "cay"};
    static const TwoAngles four{'y',  'z', 'x', 'c', {{'a', 'y', 'c', 'z'}, {'b', 'x', 'c', 'z'}},
                                "xab"};
    return panel == 1 ? one : four;
}

} // namespace

Working twoAnglesWorking(int panel, const Solution& s, const QString& told) {
    const TwoAngles& p = twoAnglesPanel(panel);
    const Triangle& t = s.triangle;
    Working w;
    tell(w, told);
    w.say(QStringLiteral("Triangle %1: the angles %2 and %3 and the side %4 are given.")
              .arg(QString::number(panel), p.first, p.second, p.given));
    w.say(QStringLiteral("%1, %2, %3")
              .arg(geometry::angle(p.first, valueOf(t, p.first)),
                   geometry::angle(p.second, valueOf(t, p.second)),
                   side(p.given, valueOf(t, p.given))));
    w.say(QStringLiteral("The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6")
              .arg(p.third, p.first, p.second, degrees(valueOf(t, p.first)),
                   degrees(valueOf(t, p.second)), degrees(valueOf(t, p.third))));
    if (!(valueOf(t, p.third) > 0)) {
        w.say(QStringLiteral("Each angle of a triangle is above 0°, so %1 and %2 together must "
                             "be less than 180°: no triangle has these angles.")
                  .arg(p.first, p.second));
        w.figure.note = QStringLiteral("No triangle to draw: %1 and %2 leave nothing for %3.")
                            .arg(p.first, p.second, p.third);
        w.figure.description = w.figure.note;
        return w;
    }
    w.say(QStringLiteral("The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z)."));
    w.say(QStringLiteral("sin(%1) = %2, sin(%3) = %4, sin(%5) = %6")
              .arg(degrees(t.x), shown(s.sines.x), degrees(t.y), shown(s.sines.y), degrees(t.z),
                   shown(s.sines.z)));
    for (const Derived& d : p.derived)
        w.say(QStringLiteral("%1 = sin(%2) × %3 ÷ sin(%4) = %5 × %6 ÷ %7 = %8")
                  .arg(d.side, d.top, d.known, d.bottom, shown(sineOf(s.sines, d.top)),
                       shown(valueOf(t, d.known)), shown(sineOf(s.sines, d.bottom)),
                       shown(valueOf(t, d.side))));
    w.detail(geometry::radiansDetail());
    if (s.verdict != Verdict::Solved) {
        w.say(QStringLiteral("A side that comes out 0 or less makes no triangle."));
        return w;
    }
    w.say("Answer: " + answers(t, p.shows) + '.');
    // both panels draw the side c along the bottom, x on the left
    w.figure = geometry::triangleFigure(t, geometry::Base::CFromXToY);
    return w;
}

namespace {

// Side a swung from its corner X towards the line of side b, which it fails to reach (h > a)
// or reaches only where x would be 0 or less.
Figure swing(const Solution& s) {
    const Triangle& t = s.triangle;
    Figure f;
    if (!(std::max(t.a, t.c) < 1e150)) {
        f.note = QStringLiteral("The sides are too large to draw.");
        f.description = f.note;
        return f;
    }
    const double r = t.y * angles::DegToRad;
    const geometry::Point X{t.c * std::cos(r), t.c * std::sin(r)};
    const double reach = std::sqrt(std::max(0.0, (t.a - X.y) * (t.a + X.y)));
    const double left = std::min({0.0, X.x - reach}) - 0.15 * t.c;
    const double right = std::max({0.0, X.x + reach, X.x + t.a}) + 0.15 * t.c;
    f.segment("line-b", left, 0, right, 0, working::ink(working::Ink::Faint));
    f.label("line-b-name", right, 0, QStringLiteral("line of b"),
            working::at(working::Place::Below));
    f.point("corner-Y", 0, 0, "Y", working::at(working::Place::BelowLeft));
    f.point("corner-X", X.x, X.y, "X", working::at(working::Place::Above));
    f.segment("c", 0, 0, X.x, X.y);
    f.label("side-c", X.x / 2, X.y / 2, side("c", t.c), working::at(working::Place::AboveLeft));
    const double arc = 0.15 * std::min(t.c, right);
    f.arc("arc-y", 0, 0, arc, 0, t.y);
    f.label("angle-y", arc * std::cos(r / 2), arc * std::sin(r / 2), geometry::angle("y", t.y),
            working::at(working::Place::AboveRight));
    f.arc("swing-a", X.x, X.y, t.a, 180, 180, working::dashed(working::Ink::Second));
    if (s.verdict == Verdict::SideTooShort) {
        const double end = X.y - t.a, gap = shortfall(s);
        f.segment("a", X.x, X.y, X.x, end);
        f.label("side-a", X.x, (X.y + end) / 2, side("a", t.a), working::at(working::Place::Left));
        f.segment("shortfall", X.x, end, X.x, 0, working::Look{working::Ink::Second, false, true});
        f.label("shortfall-length", X.x, end / 2, QStringLiteral("short by %1").arg(shown(gap)),
                working::at(working::Place::Right));
        f.description = QStringLiteral("Side %1 swung from corner X misses the line of side b: "
                                       "X lies %2 from it, so a falls %3 short.")
                            .arg(side("a", t.a), shown(s.h), shown(gap));
        return f;
    }
    f.point("meet-1", X.x - reach, 0);
    f.point("meet-2", X.x + reach, 0);
    f.segment("a", X.x, X.y, X.x + reach, 0);
    f.label("side-a", (X.x + X.x + reach) / 2, X.y / 2, side("a", t.a),
            working::at(working::Place::Right));
    f.description = QStringLiteral("Side %1 swung from corner X meets the line of side b only "
                                   "where the angle x would be 0° or less: x = %2.")
                        .arg(side("a", t.a), degrees(t.x));
    return f;
}

// The first triangle, and the second dashed where two fit.
Figure bothTriangles(const Solution& s, const std::optional<Solution>& other) {
    // the two sides b lie along one line: their values go below it in rows of their own
    geometry::Drawing first;
    if (other) first.sideLeader = 0.09, first.led = "b";
    Figure f = geometry::triangleFigure(s.triangle, geometry::Base::BFromYToZ, first);
    if (!other || f.empty()) return f;
    const Triangle& t = other->triangle;
    geometry::Drawing second;
    second.suffix = "2", second.mark = "'", second.values = "bxz", second.corners = "Z";
    second.dashed = second.namesInside = true, second.angleValues = false;
    second.arcScale = 1.6, second.sideLeader = 0.2;
    geometry::drawTriangle(f, geometry::place(t, geometry::Base::BFromYToZ), t, second);
    // its angles, whose arcs lie among the first's, are told in a row below the values of b
    const double below = -0.3 * std::max(s.triangle.b, s.triangle.c);
    f.label("angles2", s.triangle.b / 2, below,
            "dashed: " + geometry::angle("x'", t.x) + ", " + geometry::angle("z'", t.z),
            working::at(working::Place::Below));
    geometry::leaveRoomForLabels(f);
    f.description +=
        " A second triangle fits the same values, dashed: " + answers(t, "bxz", "'") + '.';
    return f;
}

} // namespace

Working twoSidesWorking(int panel, const Solution& s, const QString& told) {
    const Triangle& t = s.triangle;
    Working w;
    tell(w, told);
    w.say(QStringLiteral("Triangle %1: the angle y, the side a opposite it and the side c are "
                         "given.")
              .arg(panel));
    w.say(QStringLiteral("%1, %2, %3")
              .arg(geometry::angle("y", t.y), side("a", t.a), side("c", t.c)));
    w.say(QStringLiteral("Side a runs from corner X to the line of side b. X lies c × sin(y) = "
                         "%1 × %2 = %3 from that line.")
              .arg(shown(t.c), shown(s.sines.y), shown(s.h)));
    if (s.verdict == Verdict::SideTooShort) {
        w.say(QStringLiteral("a = %1 is shorter: it falls short by c × sin(y) - a = %2 - %1 = %3.")
                  .arg(shown(t.a), shown(s.h), shown(shortfall(s))));
        if (readBack(s.h) != s.h)
            w.detail(QStringLiteral("To all its digits the computer holds c × sin(y) as %1, "
                                    "which shows as %2.")
                         .arg(QLocale().toString(s.h, 'g', 17), shown(s.h)));
        w.say(QStringLiteral("So no triangle fits these values."));
        w.figure = swing(s);
        return w;
    }
    w.say(QStringLiteral("a = %1 is not shorter, so it reaches the line.").arg(shown(t.a)));
    w.say(QStringLiteral("The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = sin(y) × c ÷ a "
                         "= %1 × %2 ÷ %3 = %4")
              .arg(shown(s.sines.y), shown(t.c), shown(t.a), shown(s.sines.z)));
    w.say(QStringLiteral("z = arcsin(%1) = %2, the angle up to 90° with that sine.")
              .arg(shown(s.sines.z), degrees(t.z)));
    w.say(QStringLiteral("x = 180° - y - z = 180° - %1 - %2 = %3")
              .arg(degrees(t.y), degrees(t.z), degrees(t.x)));
    if (s.verdict != Verdict::Solved) {
        w.say(QStringLiteral("The angles x and z must each be above 0°: no triangle fits these "
                             "values."));
        w.figure = swing(s);
        return w;
    }
    w.say(QStringLiteral("b = sin(x) × a ÷ sin(y) = %1 × %2 ÷ %3 = %4")
              .arg(shown(s.sines.x), shown(t.a), shown(s.sines.y), shown(t.b)));
    w.detail(geometry::radiansDetail());
    const QString shows = panel == 2 ? QStringLiteral("xzb") : QStringLiteral("zxb");
    w.say("Answer: " + answers(t, shows) + '.');
    const std::optional<Solution> other = OtherTriangle(s);
    if (other) {
        const Triangle& u = other->triangle;
        w.say(QStringLiteral("A second triangle fits too, because y is below 90° and "
                             "c × sin(y) = %1 < a = %2 < c = %3. The window shows only the "
                             "first; the figure draws the second dashed.")
                  .arg(shown(s.h), shown(t.a), shown(t.c)));
        w.say(QStringLiteral("In the second, z' = 180° - z = 180° - %1 = %2")
                  .arg(degrees(t.z), degrees(u.z)));
        w.say(QStringLiteral("x' = 180° - y - z' = 180° - %1 - %2 = %3")
                  .arg(degrees(u.y), degrees(u.z), degrees(u.x)));
        w.say(QStringLiteral("b' = sin(x') × a ÷ sin(y) = %1 × %2 ÷ %3 = %4")
                  .arg(shown(other->sines.x), shown(u.a), shown(other->sines.y), shown(u.b)));
        w.say("Second answer: " + answers(u, shows, "'") + '.');
    }
    w.figure = bothTriangles(s, other);
    return w;
}

working::Guide sinesGuide() {
    // the example is the one where two triangles fit
    return geometry::solverGuide(
        {QStringLiteral("Triangles 1 and 4 take two angles and a side, and "
                        "find the third angle and the other two sides."),
         QStringLiteral("Triangles 2 and 3 take the angle y, the side a "
                        "opposite it and the side c, and find the angles z "
                        "and x and the side b.")},
        twoSidesWorking(2, SolveYAC(30, 6, 10)));
}

} // namespace sb::law_of_sines
