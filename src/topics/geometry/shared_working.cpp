// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_working.h"

#include "entry/conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace sb::geometry {

using working::Figure;
using working::Ink;
using working::Place;

namespace {

// the texts of the working the geometry windows share
struct GeometryWorking {
    Q_DECLARE_TR_FUNCTIONS(GeometryWorking)
};

// A side shorter than this share of the figure would crowd its label; the leader line that
// then carries the label out is this share of the figure long.
constexpr double crowded = 0.08, leader = 0.14;

// Beyond these sizes the screen's scale (pixels per unit) would itself overflow or vanish.
constexpr double largestDrawn = 1e250, smallestDrawn = 1e-250;

// The place of a label that stands out from its anchor in direction n.
Place toward(Pt n) {
    static const Place around[] = {Place::Right,     Place::AboveRight, Place::Above,
                                   Place::AboveLeft, Place::Left,       Place::BelowLeft,
                                   Place::Below,     Place::BelowRight};
    const double eighths = std::atan2(n.y, n.x) / (M_PI / 4);
    return around[(int(std::lround(eighths)) + 8) % 8];
}

} // namespace

working::Working refused(const QString& message, const working::Working& why,
                         const working::Guide& guide) {
    working::Working w = working::refusal({message}, guide);
    w.steps.insert(w.steps.begin() + 1, why.steps.begin(), why.steps.end());
    w.figure = why.figure;
    return w;
}

QString positiveBoxes(const QString& length) {
    //: %1 is how long a typed value may be ("8 characters"), %2 a decimal such as 2.5
    return GeometryWorking::tr("Each box takes one number greater than zero, at most %1: %2, a "
                               "fraction such as 3/4, or a mixed number such as 2/1/3 (2 and 1/3)")
        .arg(length, resultText(2.5));
}

void labelSide(Figure& figure, const QString& name, Pt p, Pt q, Pt inside, const QString& text,
               double size) {
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double length = std::hypot(dx, dy);
    const Pt middle{p.x / 2 + q.x / 2, p.y / 2 + q.y / 2};
    Pt out = length > 0 ? Pt{-dy / length, dx / length} : Pt{0, 1};
    if ((middle.x - inside.x) * out.x + (middle.y - inside.y) * out.y < 0) out = {-out.x, -out.y};
    const Place place = toward(out);
    if (length >= size * crowded) {
        figure.label(name, middle.x, middle.y, text, working::at(place));
        return;
    }
    const Pt end{middle.x + out.x * size * leader, middle.y + out.y * size * leader};
    figure.segment(name + QStringLiteral("-leader"), middle.x, middle.y, end.x, end.y,
                   working::ink(Ink::Faint));
    figure.label(name, end.x, end.y, text, working::at(place));
}

void rightAngle(Figure& figure, const QString& name, Pt corner, Pt u, Pt v, double side) {
    const Pt a{corner.x + u.x * side, corner.y + u.y * side};
    const Pt b{corner.x + v.x * side, corner.y + v.y * side};
    figure.curve(name, {a.x, a.y, a.x + v.x * side, a.y + v.y * side, b.x, b.y},
                 working::ink(Ink::Faint));
}

Pt apex(double base, double left, double right, std::optional<double> height) {
    // scaled by a power of two, which is exact, so no square overflows
    int e = 0;
    std::frexp(base, &e);
    const double b = std::ldexp(base, -e), l = std::ldexp(left, -e), r = std::ldexp(right, -e);
    // the foot of the height, measured from the end of the shorter side: with the base the
    // longest side, base - other is then exact and a short side keeps all its digits
    const bool fromLeft = l <= r;
    const double near = fromLeft ? l : r, far = fromLeft ? r : l;
    const double foot = (near * near + (b - far) * (b + far)) / (2 * b);
    const double x = std::ldexp(fromLeft ? foot : b - foot, e);
    if (height) return {x, *height};
    return {x, std::ldexp(std::sqrt(std::max(0.0, (near - foot) * (near + foot))), e)};
}

int longest(const double (&sides)[3]) { return int(std::max_element(sides, sides + 3) - sides); }

void endToEnd(Figure& figure, const QString (&names)[3], const double (&sides)[3],
              const QString (&texts)[3], double shortfall, const QString& shortfallText) {
    const int k = longest(sides), i = (k + 1) % 3, j = (k + 2) % 3;
    const double base = sides[k], gap = base * 0.1;
    const Pt below{base / 2, -base}, above{base / 2, base};
    figure.segment(names[k], 0, 0, base, 0, working::ink(Ink::Main));
    labelSide(figure, names[k] + QStringLiteral("-label"), {0, 0}, {base, 0}, above, texts[k],
              base);
    const double joint = sides[i], end = sides[i] + sides[j];
    figure.segment(names[i], 0, gap, joint, gap, working::ink(Ink::Second));
    figure.point(names[i] + QStringLiteral("-end"), joint, gap);
    figure.segment(names[j], joint, gap, end, gap, working::ink(Ink::Third));
    figure.segment(QStringLiteral("shortfall"), end, gap, base, gap, working::dashed());
    labelSide(figure, names[i] + QStringLiteral("-label"), {0, gap}, {joint, gap}, below, texts[i],
              base);
    labelSide(figure, names[j] + QStringLiteral("-label"), {joint, gap}, {end, gap}, below,
              texts[j], base);
    if (shortfall > 0)
        labelSide(figure, QStringLiteral("shortfall-label"), {end, gap}, {base, gap}, below,
                  shortfallText, base);
}

bool keepDrawable(Figure& figure) {
    bool finite = true;
    for (const working::Element& e : figure.elements)
        for (double n : e.numbers) finite = finite && std::isfinite(n);
    const working::Box box = figure.extent();
    const double size = std::max(box.right - box.left, box.top - box.bottom);
    if (finite && size <= largestDrawn && size >= smallestDrawn) return true;
    figure.elements.clear();
    figure.note = GeometryWorking::tr(
        "No figure: these sizes are too large or too small to draw to scale on a screen.");
    figure.description = figure.note;
    return false;
}

} // namespace sb::geometry
