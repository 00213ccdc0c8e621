// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle_areas_working.h"

#include "entry/conversions.h"
#include "topics/geometry/shared_working.h"
#include "working/formula_text.h"

#include <QLocale>

#include <algorithm>

namespace sb::triangle_areas {

using geometry::Pt;
using working::factor;
using working::Figure;
using working::Ink;
using working::Place;
using working::Working;

namespace {

QString n(double value) { return resultText(value); }

// ---- base and height

struct BaseAndHeight {
    double base, height, area;
};

BaseAndHeight baseAndHeight(const Answer& a) {
    switch (a.question) {
    case Question::AreaFromBaseAndHeight: return {a.given[0], a.given[1], *a.result};
    case Question::HeightFromAreaAndBase: return {a.given[0], *a.result, a.given[1]};
    default: return {*a.result, a.given[0], a.given[1]};
    }
}

void baseAndHeightSteps(Working& w, const Answer& a, const BaseAndHeight& t) {
    switch (a.question) {
    case Question::AreaFromBaseAndHeight:
        w.say(QStringLiteral("Area = height × base ÷ 2"));
        w.say(
            QStringLiteral("height × base = %1 × %2 = %3").arg(n(t.height), n(t.base), n(a.first)));
        w.say(QStringLiteral("Area = %1 ÷ 2 = %2").arg(n(a.first), n(t.area)));
        w.say(QStringLiteral("So the area is %1").arg(n(t.area)));
        return;
    case Question::HeightFromAreaAndBase:
        w.say(QStringLiteral("Area = base × height ÷ 2, so height = (Area + Area) ÷ base"));
        w.say(QStringLiteral("Area + Area = %1 + %1 = %2").arg(n(t.area), n(a.first)));
        w.say(QStringLiteral("height = %1 ÷ %2 = %3").arg(n(a.first), n(t.base), n(t.height)));
        w.say(QStringLiteral("So the height is %1").arg(n(t.height)));
        return;
    default:
        w.say(QStringLiteral("Area = base × height ÷ 2, so base = (Area + Area) ÷ height"));
        w.say(QStringLiteral("Area + Area = %1 + %1 = %2").arg(n(t.area), n(a.first)));
        w.say(QStringLiteral("base = %1 ÷ %2 = %3").arg(n(a.first), n(t.height), n(t.base)));
        w.say(QStringLiteral("So the base is %1").arg(n(t.base)));
    }
}

// The triangle with its top above the middle of the base, the height dashed down to a
// right-angle mark; what the button found is shaded or drawn heavy.
void drawBaseAndHeight(Figure& f, Question q, const BaseAndHeight& t) {
    const double b = t.base, h = t.height, middle = b / 2, size = std::max(b, h);
    working::Look shape = working::ink(Ink::Main);
    shape.filled = q == Question::AreaFromBaseAndHeight;
    f.polygon(QStringLiteral("triangle"), {0, 0, b, 0, middle, h}, shape);
    if (q == Question::BaseFromAreaAndHeight) {
        working::Look base = working::ink(Ink::Main);
        base.heavy = true;
        f.segment(QStringLiteral("base"), 0, 0, b, 0, base);
    }
    working::Look height = working::dashed(Ink::Second);
    height.heavy = q == Question::HeightFromAreaAndBase;
    f.segment(QStringLiteral("height"), middle, h, middle, 0, height);
    geometry::rightAngle(f, QStringLiteral("right-angle"), {middle, 0}, {1, 0}, {0, 1},
                         std::min({size * 0.04, middle / 2, h / 2}));
    geometry::labelSide(f, QStringLiteral("base-label"), {0, 0}, {b, 0}, {middle, h},
                        QStringLiteral("base = ") + n(b), size);
    geometry::labelSide(f, QStringLiteral("height-label"), {middle, 0}, {middle, h}, {0, h / 2},
                        QStringLiteral("height = ") + n(h), size);
    f.label(QStringLiteral("area"), middle, h, QStringLiteral("Area = ") + n(t.area),
            working::at(Place::Above));
    f.description = QStringLiteral("Triangle with base %1 and height %2, area %3, drawn to scale. "
                                   "Its top stands above the middle of the base: the exercise "
                                   "leaves it free, and every such top gives the same area")
                        .arg(n(b), n(h), n(t.area));
}

// ---- three sides

const QString sideNames[3] = {QStringLiteral("side-a"), QStringLiteral("side-b"),
                              QStringLiteral("side-c")};
const QString letters[3] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

// The three sides, the longest k on the base, and by how much the two others fall short of
// it (zero or less when they meet).
struct Sides {
    double v[3];
    int k, i, j;
    double others, shortfall;
    QString text(int side) const { return letters[side] + QStringLiteral(" = ") + n(v[side]); }
};

Sides sidesOf(const Answer& a) {
    Sides s{{a.given[0], a.given[1], a.given[2]}, 0, 0, 0, 0, 0};
    s.k = geometry::longest(s.v), s.i = (s.k + 1) % 3, s.j = (s.k + 2) % 3;
    s.others = s.v[s.i] + s.v[s.j];
    s.shortfall = s.v[s.k] - s.others;
    return s;
}

// where the decimal mark is a comma, the sides are parted by a semicolon
QString sidesList(const Sides& s) {
    const QString parting =
        QLocale().decimalPoint() == u',' ? QStringLiteral("; ") : QStringLiteral(", ");
    return n(s.v[0]) + parting + n(s.v[1]) + QStringLiteral(" and ") + n(s.v[2]);
}

// why three sides make no triangle, in the pupil's words
QString noTriangle(const Sides& s) {
    return QStringLiteral("%1 + %2 = %3 is %4 short of %5 = %6: these sides do not meet, so "
                          "they make no triangle")
        .arg(n(s.v[s.i]), n(s.v[s.j]), n(s.others), n(s.shortfall), letters[s.k], n(s.v[s.k]));
}

// The triangle with the three sides, the longest on the base; its height is the one the
// area shown gives, so its area is that area. Sides that do not meet are laid end to end.
void drawSides(Figure& f, const Sides& s, std::optional<double> area, working::Look look) {
    const QString texts[3] = {s.text(0), s.text(1), s.text(2)};
    if (s.shortfall > 0) {
        geometry::endToEnd(f, sideNames, s.v, texts, s.shortfall,
                           QStringLiteral("short by ") + n(s.shortfall));
        f.description = QStringLiteral("Sides %1 laid end to end: the two shorter are %2 short "
                                       "of the longest, so they make no triangle")
                            .arg(sidesList(s), n(s.shortfall));
        return;
    }
    const double base = s.v[s.k];
    const Pt top = geometry::apex(base, s.v[s.i], s.v[s.j],
                                  area ? std::optional((*area / base) * 2) : std::nullopt);
    f.polygon(QStringLiteral("triangle"), {0, 0, base, 0, top.x, top.y}, look);
    const double size = std::max(base, top.y);
    geometry::labelSide(f, sideNames[s.k] + QStringLiteral("-label"), {0, 0}, {base, 0}, top,
                        texts[s.k], size);
    geometry::labelSide(f, sideNames[s.i] + QStringLiteral("-label"), {0, 0}, top, {base, 0},
                        texts[s.i], size);
    geometry::labelSide(f, sideNames[s.j] + QStringLiteral("-label"), {base, 0}, top, {0, 0},
                        texts[s.j], size);
    if (area)
        f.label(QStringLiteral("area"), top.x, top.y, QStringLiteral("Area = ") + n(*area),
                working::at(Place::Above));
    f.description = QStringLiteral("Triangle with sides %1, drawn to scale on its longest side")
                        .arg(sidesList(s));
}

void perimeterWorking(Working& w, const Answer& a) {
    const Sides s = sidesOf(a);
    w.say(QStringLiteral("Perimeter = a + b + c"));
    w.say(QStringLiteral("b + a = %1 + %2 = %3").arg(n(s.v[1]), n(s.v[0]), n(a.first)));
    w.say(QStringLiteral("Perimeter = %1 + %2 = %3").arg(n(a.first), n(s.v[2]), n(*a.result)));
    w.say(QStringLiteral("So the perimeter is %1").arg(n(*a.result)));
    if (s.shortfall > 0)
        w.say(noTriangle(s) + QStringLiteral("; the sum is their total all the same"));
    working::Look rim = working::ink(Ink::Main);
    rim.heavy = true;
    drawSides(w.figure, s, std::nullopt, rim);
    if (s.shortfall <= 0) w.figure.description += QStringLiteral(", perimeter ") + n(*a.result);
}

void heronWorking(Working& w, const Answer& a) {
    const Sides s = sidesOf(a);
    w.say(QStringLiteral("Heron's formula: the half perimeter s = (a + b + c) ÷ 2,"));
    w.say(QStringLiteral("then Area = √(s × (s - a) × (s - b) × (s - c))"));
    w.say(QStringLiteral("s = (%1 + %2 + %3) ÷ 2 = %4 ÷ 2 = %5")
              .arg(n(s.v[0]), n(s.v[1]), n(s.v[2]), n(a.total), n(a.s)));
    w.detail(QStringLiteral("b + a = %1 + %2 = %3, then %3 + %4 = %5")
                 .arg(n(s.v[1]), n(s.v[0]), n(a.first), n(s.v[2]), n(a.total)));
    for (int side = 0; side < 3; ++side)
        w.say(QStringLiteral("s - %1 = %2 - %3 = %4")
                  .arg(letters[side], n(a.s), n(s.v[side]), n(a.less[side])));
    w.say(QStringLiteral("x = (s - a) × s × (s - b) × (s - c) = %1 × %2 × %3 × %4 = %5")
              .arg(factor(a.less[0]), n(a.s), factor(a.less[1]), factor(a.less[2]),
                   n(a.products[2])));
    w.detail(QStringLiteral("(s - a) × s = %1 × %2 = %3")
                 .arg(factor(a.less[0]), n(a.s), n(a.products[0])));
    w.detail(QStringLiteral("%1 × (s - b) = %1 × %2 = %3")
                 .arg(n(a.products[0]), factor(a.less[1]), n(a.products[1])));
    w.detail(QStringLiteral("%1 × (s - c) = %1 × %2 = %3")
                 .arg(n(a.products[1]), factor(a.less[2]), n(a.products[2])));
    if (a.result) {
        w.say(QStringLiteral("Area = √%1 = %2").arg(n(a.products[2]), n(*a.result)));
        w.say(QStringLiteral("So the area is %1").arg(n(*a.result)));
        drawSides(w.figure, s, a.result, working::filled());
        w.figure.description += QStringLiteral(", area ") + n(*a.result);
        return;
    }
    w.say(QStringLiteral("x = %1 is below zero, and no number times itself is below zero: "
                         "there is no area")
              .arg(n(a.products[2])));
    if (s.shortfall > 0) {
        w.say(noTriangle(s));
        drawSides(w.figure, s, std::nullopt, working::Look{});
        return;
    }
    // the sides only just meet: a flat triangle, which rounding took a little below zero
    w.say(QStringLiteral("%1 + %2 = %3 only just reaches %4 = %5: the triangle is flat, and "
                         "rounding left x a little below zero")
              .arg(n(s.v[s.i]), n(s.v[s.j]), n(s.others), letters[s.k], n(s.v[s.k])));
    drawSides(w.figure, s, 0.0, working::Look{});
    w.figure.description += QStringLiteral(", flat");
}

} // namespace

Working triangleWorking(const Answer& a, const QString& message) {
    Working w;
    switch (a.question) {
    case Question::Perimeter: perimeterWorking(w, a); break;
    case Question::HeronArea: heronWorking(w, a); break;
    default: {
        const BaseAndHeight t = baseAndHeight(a);
        baseAndHeightSteps(w, a, t);
        drawBaseAndHeight(w.figure, a.question, t);
    }
    }
    geometry::keepDrawable(w.figure);
    if (!a.result) return geometry::refused(message, w, triangleGuide());
    return w;
}

working::Guide triangleGuide() {
    return working::guide(
        {geometry::positiveBoxes(QStringLiteral("7 characters (6 in Heron's row)")),
         QStringLiteral("Each button uses only the boxes of its own row"),
         QStringLiteral("Base and Height: Find Area. Area and Base: Find Height. "
                        "Area and Height: Find Base"),
         QStringLiteral("Side A, Side B and Side C: Find Perimeter, or the area by Heron's "
                        "formula")},
        QStringLiteral("Heron's formula with the sides 3, 4 and 5:"),
        triangleWorking(solve(Question::HeronArea, {3, 4, 5})));
}

} // namespace sb::triangle_areas
