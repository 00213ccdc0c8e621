// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrilateral_working.h"

#include "entry/conversions.h"
#include "topics/geometry/shared_working.h"

#include <algorithm>

namespace sb::quadrilaterals {

using geometry::Pt;
using working::Figure;
using working::Ink;
using working::Place;
using working::Working;
using enum Question;

namespace {

QString n(double value) { return resultText(value); }

bool findsArea(Question q) {
    return q == SquareArea || q == SquareAreaFromPerimeter || q == TrapeziumArea ||
           q == DiagonalsArea || q == RectangleArea || q == RectangleAreaFromPerimeter ||
           q == ParallelogramArea;
}

bool findsPerimeter(Question q) {
    return q == SquarePerimeter || q == SquarePerimeterFromArea || q == RectanglePerimeter ||
           q == RectanglePerimeterFromArea || q == ParallelogramPerimeter;
}

// the shape's outline: shaded when the command finds its area, heavy for its perimeter
working::Look outline(Question q) {
    working::Look look = working::ink(Ink::Main);
    look.filled = findsArea(q);
    look.heavy = findsPerimeter(q);
    return look;
}

// ---- steps

void squareSteps(Working& w, const Answer& a) {
    const QString given = n(a.given[0]), side = n(a.side), result = n(*a.result);
    switch (a.question) {
    case SquareSideFromArea:
    case SquarePerimeterFromArea:
        w.say(QStringLiteral("Area = side × side, so side = √Area"));
        w.say(QStringLiteral("side = √%1 = %2").arg(given, side));
        break;
    case SquareSideFromPerimeter:
    case SquareAreaFromPerimeter:
        w.say(QStringLiteral("Perimeter = side × 4, so side = Perimeter ÷ 4"));
        w.say(QStringLiteral("side = %1 ÷ 4 = %2").arg(given, side));
        break;
    default: w.say(QStringLiteral("side = ") + side);
    }
    switch (a.question) {
    case SquareArea:
    case SquareAreaFromPerimeter:
        w.say(QStringLiteral("Area = side² = %1² = %2").arg(side, result));
        w.say(QStringLiteral("So the area is ") + result);
        break;
    case SquarePerimeter:
    case SquarePerimeterFromArea:
        w.say(QStringLiteral("Perimeter = side × 4 = %1 × 4 = %2").arg(side, result));
        w.say(QStringLiteral("So the perimeter is ") + result);
        break;
    default: w.say(QStringLiteral("So the side is ") + result);
    }
}

// the rectangle's and parallelogram's commands
void sidesSteps(Working& w, const Answer& a) {
    const QString A = n(a.given[0]), second = n(a.given[1]), side = n(a.side);
    const QString result = n(*a.result);
    switch (a.question) {
    case RectangleArea:
    case ParallelogramArea:
        w.say(a.question == RectangleArea
                  ? QStringLiteral("Area of a rectangle = A × B")
                  : QStringLiteral("Area of a parallelogram = base × height"));
        w.say(QStringLiteral("Area = %1 × %2 = %3").arg(A, second, result));
        w.say(QStringLiteral("So the area is ") + result);
        return;
    case RectanglePerimeter:
    case ParallelogramPerimeter:
        w.say(QStringLiteral("Perimeter = (A + B) × 2: two sides A and two sides B"));
        w.say(QStringLiteral("A + B = %1 + %2 = %3").arg(A, second, n(a.sum)));
        w.say(QStringLiteral("Perimeter = %1 × 2 = %2").arg(n(a.sum), result));
        w.say(QStringLiteral("So the perimeter is ") + result);
        return;
    case RectangleSideFromArea:
    case RectanglePerimeterFromArea:
        w.say(QStringLiteral("Area = A × B, so B = Area ÷ A"));
        w.say(QStringLiteral("B = %1 ÷ %2 = %3").arg(second, A, side));
        if (a.question == RectangleSideFromArea) {
            w.say(QStringLiteral("So side B is ") + result);
            return;
        }
        w.say(QStringLiteral("Perimeter = (B + A) × 2"));
        w.say(QStringLiteral("B + A = %1 + %2 = %3").arg(side, A, n(a.sum)));
        w.say(QStringLiteral("Perimeter = %1 × 2 = %2").arg(n(a.sum), result));
        w.say(QStringLiteral("So the perimeter is ") + result);
        return;
    case ParallelogramHeightOrBase:
        w.say(QStringLiteral("Area = base × height, so the one not known = Area ÷ the one known"));
        w.say(QStringLiteral("%1 ÷ %2 = %3").arg(second, A, result));
        w.say(QStringLiteral("So the height (or the base) is ") + result);
        return;
    default: return;
    }
}

// side A and the perimeter: what is left for the two sides B, or why nothing is
void perimeterSteps(Working& w, const Answer& a) {
    const QString A = n(a.given[0]), P = n(a.given[1]);
    w.say(QStringLiteral("Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2"));
    w.say(QStringLiteral("A + A = %1 + %1 = %2").arg(A, n(a.sum)));
    w.say(QStringLiteral("P - (A + A) = %1 - %2 = %3").arg(P, n(a.sum), n(a.left)));
    if (!a.result) {
        w.say(QStringLiteral("That leaves nothing for the two sides B: the perimeter %1 is too "
                             "short for the side %2, so no rectangle has these numbers")
                  .arg(P, A));
        w.say(QStringLiteral("A perimeter must be more than A + A = ") + n(a.sum));
        return;
    }
    const QString result = n(*a.result);
    w.say(QStringLiteral("B = %1 ÷ 2 = %2").arg(n(a.left), n(a.side)));
    if (a.question == RectangleSideFromPerimeter) {
        w.say(QStringLiteral("Rounded to 4 decimal places, B = ") + result);
        w.say(QStringLiteral("So side B is ") + result);
        return;
    }
    w.say(QStringLiteral("Area = B × A = %1 × %2 = %3").arg(n(a.side), A, result));
    w.say(QStringLiteral("So the area is ") + result);
}

void trapeziumSteps(Working& w, const Answer& a) {
    const QString A = n(a.given[0]), B = n(a.given[1]), H = n(a.given[2]);
    w.say(QStringLiteral("Area of a trapezium = (A + B) × height ÷ 2"));
    w.say(QStringLiteral("A + B = %1 + %2 = %3").arg(A, B, n(a.sum)));
    w.say(QStringLiteral("(A + B) × height = %1 × %2 = %3").arg(n(a.sum), H, n(a.product)));
    w.say(QStringLiteral("Area = %1 ÷ 2 = %2").arg(n(a.product), n(*a.result)));
    w.say(QStringLiteral("So the area is ") + n(*a.result));
}

void diagonalsSteps(Working& w, const Answer& a) {
    const QString d1 = n(a.given[0]), d2 = n(a.given[1]);
    w.say(QStringLiteral("The diagonals cross at a right angle: Area = d1 × d2 ÷ 2"));
    w.say(QStringLiteral("d1 × d2 = %1 × %2 = %3").arg(d1, d2, n(a.product)));
    w.say(QStringLiteral("Area = %1 ÷ 2 = %2").arg(n(a.product), n(*a.result)));
    w.say(QStringLiteral("So the area is ") + n(*a.result));
}

// ---- figures

// the area and the perimeter the figure has when the command typed or found them: a typed
// one is always the last value read
bool typesArea(Question q) {
    return q == SquareSideFromArea || q == SquarePerimeterFromArea || q == RectangleSideFromArea ||
           q == RectanglePerimeterFromArea || q == ParallelogramHeightOrBase;
}
bool typesPerimeter(Question q) {
    return q == SquareSideFromPerimeter || q == SquareAreaFromPerimeter ||
           q == RectangleSideFromPerimeter || q == RectangleAreaFromPerimeter;
}
std::optional<double> areaOf(const Answer& a) {
    if (findsArea(a.question)) return a.result;
    if (typesArea(a.question)) return a.given.back();
    return std::nullopt;
}
std::optional<double> perimeterOf(const Answer& a) {
    if (findsPerimeter(a.question)) return a.result;
    if (typesPerimeter(a.question)) return a.given.back();
    return std::nullopt;
}

void areaLabel(Figure& f, double x, double y, double area) {
    f.label(QStringLiteral("area"), x, y, QStringLiteral("Area = ") + n(area),
            working::at(Place::Centre));
}

// A rectangle w wide and h high, its width and height (when given a text) written beside
// its bottom and right sides, its area inside and its perimeter above it when known.
void drawRectangle(Figure& f, const Answer& a, double w, double h, const QString& width,
                   const QString& height) {
    const double size = std::max(w, h);
    f.polygon(QStringLiteral("shape"), {0, 0, w, 0, w, h, 0, h}, outline(a.question));
    geometry::labelSide(f, QStringLiteral("width-label"), {0, 0}, {w, 0}, {w / 2, h}, width, size);
    if (!height.isEmpty())
        geometry::labelSide(f, QStringLiteral("height-label"), {w, 0}, {w, h}, {0, h / 2}, height,
                            size);
    // a thin shape has no room inside: the area goes above a wide one (the perimeter a row
    // higher) and left of a tall one
    const bool wide = h < size * 0.25 && w >= h, tall = w < size * 0.25 && h > w;
    if (const auto area = areaOf(a)) {
        const QString text = QStringLiteral("Area = ") + n(*area);
        if (wide) f.label(QStringLiteral("area"), w / 2, h, text, working::at(Place::Above));
        else if (tall) f.label(QStringLiteral("area"), 0, h / 2, text, working::at(Place::Left));
        else areaLabel(f, w / 2, h / 2, *area);
    }
    if (const auto perimeter = perimeterOf(a))
        f.label(QStringLiteral("perimeter"), w / 2, wide && areaOf(a) ? h + size * 0.12 : h,
                QStringLiteral("Perimeter = ") + n(*perimeter), working::at(Place::Above));
}

// what the command found, for the end of a description
QString found(const Answer& a, const QString& what) {
    if (findsArea(a.question)) return QStringLiteral(", its area %1 shaded").arg(n(*a.result));
    if (findsPerimeter(a.question))
        return QStringLiteral(", its perimeter %1 drawn heavy").arg(n(*a.result));
    return QStringLiteral(": %1 %2").arg(what, n(*a.result));
}

void drawSquare(Figure& f, const Answer& a) {
    const double s = a.side;
    drawRectangle(f, a, s, s, QStringLiteral("side = ") + n(s), {});
    f.description = QStringLiteral("Square with side %1, drawn to scale").arg(n(s)) +
                    found(a, QStringLiteral("its side is"));
}

void drawSides(Figure& f, const Answer& a) {
    const double first = a.given[0], other = a.side;
    // the rounded side B is the one shown; the shape keeps the side the perimeter leaves
    const QString A = n(first),
                  B = a.question == RectangleSideFromPerimeter ? n(*a.result) : n(other);
    const bool parallelogram = a.question == ParallelogramArea ||
                               a.question == ParallelogramHeightOrBase ||
                               a.question == ParallelogramPerimeter;
    if (!parallelogram) {
        drawRectangle(f, a, first, other, QStringLiteral("A = ") + A, QStringLiteral("B = ") + B);
        f.description = QStringLiteral("Rectangle %1 by %2, drawn to scale").arg(A, B) +
                        found(a, QStringLiteral("side B is"));
        return;
    }
    const bool perimeter = a.question == ParallelogramPerimeter;
    const bool either = a.question == ParallelogramHeightOrBase;
    const QString width = perimeter ? QStringLiteral("A = ")
                          : either  ? QStringLiteral("base or height = ")
                                    : QStringLiteral("base = ");
    const QString height = perimeter ? QStringLiteral("B = ")
                           : either  ? QStringLiteral("height or base = ")
                                     : QStringLiteral("height = ");
    drawRectangle(f, a, first, other, width + A, height + B);
    f.description = (perimeter ? QStringLiteral("Parallelogram with sides %1 and %2")
                               : QStringLiteral("Parallelogram with base %1 and height %2"))
                        .arg(A, B) +
                    found(a, QStringLiteral("the other length is")) +
                    QStringLiteral(". It is drawn with right angles: the exercise leaves its "
                                   "angle free, and every angle gives the same ") +
                    (perimeter ? QStringLiteral("perimeter") : QStringLiteral("area"));
}

// the two sides A laid end to end beside the perimeter, which is not longer
void drawTooShort(Figure& f, const Answer& a) {
    const double A = a.given[0], P = a.given[1], gap = std::max(P, A + A) * 0.1;
    const double size = std::max(P, A + A);
    f.segment(QStringLiteral("perimeter"), 0, 0, P, 0, working::ink(Ink::Main));
    geometry::labelSide(f, QStringLiteral("perimeter-label"), {0, 0}, {P, 0}, {P / 2, size},
                        QStringLiteral("P = ") + n(P), size);
    f.segment(QStringLiteral("side-a"), 0, gap, A, gap, working::ink(Ink::Second));
    f.point(QStringLiteral("side-a-end"), A, gap);
    f.segment(QStringLiteral("side-a2"), A, gap, A + A, gap, working::ink(Ink::Third));
    for (const auto& [name, from] : {std::pair{QStringLiteral("side-a-label"), 0.0},
                                     std::pair{QStringLiteral("side-a2-label"), A}})
        geometry::labelSide(f, name, {from, gap}, {from + A, gap}, {from + A / 2, -size},
                            QStringLiteral("A = ") + n(A), size);
    f.description = QStringLiteral("The perimeter %1 beside the two sides A, %2 together: "
                                   "nothing is left for the sides B, so no rectangle has "
                                   "these numbers")
                        .arg(n(P), n(a.sum));
}

// drawn symmetric: the exercise leaves the slant of the other two sides free
void drawTrapezium(Figure& f, const Answer& a) {
    const double A = a.given[0], B = a.given[1], H = a.given[2];
    const double size = std::max({A, B, H}), topLeft = A / 2 - B / 2, middle = A / 2;
    f.polygon(QStringLiteral("shape"), {0, 0, A, 0, topLeft + B, H, topLeft, H},
              outline(a.question));
    f.segment(QStringLiteral("height"), middle, H, middle, 0, working::dashed(Ink::Second));
    geometry::rightAngle(f, QStringLiteral("right-angle"), {middle, 0}, {1, 0}, {0, 1},
                         std::min({size * 0.04, H / 2, A / 4}));
    geometry::labelSide(f, QStringLiteral("side-a-label"), {0, 0}, {A, 0}, {middle, H},
                        QStringLiteral("A = ") + n(A), size);
    geometry::labelSide(f, QStringLiteral("side-b-label"), {topLeft, H}, {topLeft + B, H},
                        {middle, 0}, QStringLiteral("B = ") + n(B), size);
    geometry::labelSide(f, QStringLiteral("height-label"), {middle, 0}, {middle, H}, {0, H / 2},
                        QStringLiteral("height = ") + n(H), size);
    areaLabel(f, middle / 2, H / 3, *a.result);
    f.description = QStringLiteral("Trapezium with parallel sides %1 and %2 and height %3, drawn "
                                   "to scale, its area %4 shaded. It is drawn symmetric: the "
                                   "exercise leaves the slant of its other sides free, and every "
                                   "slant gives the same area")
                        .arg(n(A), n(B), n(H), n(*a.result));
}

// drawn as a rhombus, the diagonals crossing at their middles, inside the d1 by d2 rectangle
// of which it is half
void drawDiagonals(Figure& f, const Answer& a) {
    const double d1 = a.given[0], d2 = a.given[1], x = d1 / 2, y = d2 / 2;
    const double size = std::max(d1, d2);
    f.polygon(QStringLiteral("rectangle"), {-x, -y, x, -y, x, y, -x, y}, working::dashed());
    f.polygon(QStringLiteral("shape"), {-x, 0, 0, -y, x, 0, 0, y}, outline(a.question));
    f.segment(QStringLiteral("diagonal1"), -x, 0, x, 0, working::dashed(Ink::Second));
    f.segment(QStringLiteral("diagonal2"), 0, -y, 0, y, working::dashed(Ink::Third));
    geometry::rightAngle(f, QStringLiteral("right-angle"), {0, 0}, {1, 0}, {0, 1},
                         std::min({size * 0.04, x / 2, y / 2}));
    geometry::labelSide(f, QStringLiteral("diagonal1-label"), {-x, -y}, {x, -y}, {0, 0},
                        QStringLiteral("d1 = ") + n(d1), size);
    geometry::labelSide(f, QStringLiteral("diagonal2-label"), {x, -y}, {x, y}, {0, 0},
                        QStringLiteral("d2 = ") + n(d2), size);
    areaLabel(f, -x / 2, y / 2, *a.result);
    f.description = QStringLiteral("Quadrilateral with perpendicular diagonals %1 and %2, drawn "
                                   "to scale, its area %3 shaded: half the %1 by %2 rectangle "
                                   "around it. It is drawn as a rhombus, the diagonals crossing "
                                   "at their middles: the exercise leaves where they cross free")
                        .arg(n(d1), n(d2), n(*a.result));
}

} // namespace

Working quadrilateralWorking(const Answer& a, const QString& message) {
    Working w;
    switch (a.question) {
    case TrapeziumArea:
        trapeziumSteps(w, a);
        drawTrapezium(w.figure, a);
        break;
    case DiagonalsArea:
        diagonalsSteps(w, a);
        drawDiagonals(w.figure, a);
        break;
    case RectangleSideFromPerimeter:
    case RectangleAreaFromPerimeter:
        perimeterSteps(w, a);
        if (a.result) drawSides(w.figure, a);
        else drawTooShort(w.figure, a);
        break;
    case SquareArea:
    case SquarePerimeter:
    case SquareSideFromArea:
    case SquarePerimeterFromArea:
    case SquareSideFromPerimeter:
    case SquareAreaFromPerimeter:
        squareSteps(w, a);
        drawSquare(w.figure, a);
        break;
    default: sidesSteps(w, a); drawSides(w.figure, a);
    }
    geometry::keepDrawable(w.figure);
    if (!a.result) return geometry::refused(message, w, quadrilateralGuide());
    return w;
}

working::Guide quadrilateralGuide() {
    return working::guide(
        {geometry::positiveBoxes(QStringLiteral("6 characters")),
         QStringLiteral("Each button uses only the boxes of its own frame"),
         QStringLiteral("Square: its side, its area or its perimeter"),
         QStringLiteral("Trapezium: the parallel sides A and B and the height between them"),
         QStringLiteral("Diagonals: Height A and Height B are the two diagonals, which cross at "
                        "a right angle"),
         QStringLiteral("Rectangle: sides A and B; or side A and the area; or side A and the "
                        "perimeter, which must be more than A + A"),
         QStringLiteral("Parallelogram: base and height; or the area and the base (or the "
                        "height); or sides A and B")},
        QStringLiteral("A trapezium with sides 3 and 5, height 4:"),
        quadrilateralWorking(solve(TrapeziumArea, {3, 5, 4})));
}

} // namespace sb::quadrilaterals
