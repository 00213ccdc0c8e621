// SPDX-License-Identifier: GPL-3.0-or-later
#include "quadrilateral_working.h"

#include "entry/conversions.h"
#include "topics/geometry/exact_answers.h"
#include "topics/geometry/shared_working.h"

#include <QCoreApplication>

#include <algorithm>

namespace sb::quadrilaterals {

using geometry::Pt;
using working::Figure;
using working::Ink;
using working::Place;
using working::Rational;
using working::Working;
using enum Question;

namespace {

// the context of the working's texts in the translations
struct QuadrilateralWorking {
    Q_DECLARE_TR_FUNCTIONS(QuadrilateralWorking)
};

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

// The values the steps write: the exact ones where every one has a short writing (typed
// fractions and decimals, and their sums, products and quotients), or else the window's
// numbers, with "≈" where a written result is rounded.
struct Values {
    std::vector<Rational> typed; // in the order the command reads its boxes
    bool exact = false;

    // q when the steps are exact, else the window's number d
    QString t(const Rational& q, double d) const {
        if (exact)
            if (const auto text = working::exactText(q)) return *text;
        return working::plain(d);
    }
    // " = " between exact values; between the window's numbers, " = " only when the written
    // result is exactly the computation on the written numbers
    QString eq(const Rational& ofWritten, double result) const {
        return exact ? QStringLiteral(" = ") : working::equalsSign(ofWritten, result);
    }
    // one more exact value the steps write: the steps stay exact only while it is short
    void keep(const Rational& q) { exact = exact && working::exactText(q).has_value(); }
};

Values valuesOf(const Answer& a, const QStringList& typed) {
    Values v;
    for (size_t i = 0; i < a.given.size(); ++i)
        v.typed.push_back(geometry::typedExactly(typed.value(qsizetype(i)), a.given[i]));
    v.exact = true;
    for (const Rational& q : v.typed) v.keep(q);
    return v;
}

using geometry::shown;

// a base of a power in brackets when it is a fraction or negative: (5/2)²
QString base(const QString& text) {
    return text.contains(u'/') || text.startsWith(u'-') ? u'(' + text + u')' : text;
}

// The line that gives the answer, and the sentence on the window's rounding when it has one.
void answerLines(Working& w, const QString& what, const geometry::ExactAnswer& answer) {
    w.say(what.arg(answer.text));
    if (!answer.note.isEmpty()) w.say(answer.note);
}

geometry::ExactAnswer exactAnswer(const Values& v, const Rational& exact, double result) {
    return v.exact ? geometry::answerOf(exact, result)
                   : geometry::ExactAnswer{resultText(result), {}};
}

void squareSteps(Working& w, const Answer& a, Values v) {
    const double given = a.given[0];
    const Rational g = v.typed[0];
    const QString G = v.t(g, given);
    // the side: typed, a quarter of the perimeter, or the square root of the area
    std::optional<working::Surd> side;
    switch (a.question) {
    case SquareSideFromArea:
    case SquarePerimeterFromArea: {
        w.say(QuadrilateralWorking::tr("Area = side², so side = √Area"));
        side = v.exact ? working::squareRoot(g) : std::nullopt;
        const QString under = base(G);
        if (side && side->r == 1) {
            w.say(QuadrilateralWorking::tr("side = √%1 = %2")
                      .arg(under, *working::exactText(side->q)));
        } else if (side) {
            // "side = √2 ≈ 1.4142135623731"
            w.say(QuadrilateralWorking::tr("side = √%1 ≈ %2").arg(under, working::plain(a.side)));
        } else {
            w.say(QuadrilateralWorking::tr("side = √%1 ≈ %2").arg(under, working::plain(a.side)));
        }
        break;
    }
    case SquareSideFromPerimeter:
    case SquareAreaFromPerimeter:
        w.say(QuadrilateralWorking::tr("Perimeter = 4 × side, so side = Perimeter ÷ 4"));
        side = working::Surd{g / Rational(4), 1};
        v.keep(side->q);
        //: %2 is " = " or " ≈ ", %3 the result
        w.say(QuadrilateralWorking::tr("side = %1 ÷ 4%2%3")
                  .arg(G, v.eq(shown(given) / Rational(4), a.side), v.t(side->q, a.side)));
        break;
    default:
        side = working::Surd{g, 1};
        w.say(QuadrilateralWorking::tr("side = %1").arg(G));
    }
    const bool rational = side && side->r == 1;
    const QString S = rational ? v.t(side->q, a.side) : working::plain(a.side);
    switch (a.question) {
    case SquareArea:
    case SquareAreaFromPerimeter: {
        const Rational area = rational ? side->q * side->q : Rational::unknown();
        v.keep(area);
        //: %2 is " = " or " ≈ ", %3 the result
        w.say(QuadrilateralWorking::tr("Area = side² = %1²%2%3")
                  .arg(base(S), v.eq(shown(a.side) * shown(a.side), *a.result),
                       v.t(area, *a.result)));
        answerLines(w, QuadrilateralWorking::tr("So the area is %1"),
                    exactAnswer(v, area, *a.result));
        break;
    }
    case SquarePerimeter:
    case SquarePerimeterFromArea: {
        if (side && !rational) {
            // 4 × √2 = 4√2, beside the window's 4 × 1.4142135623731
            const working::Surd four = *side * Rational(4);
            const geometry::ExactAnswer answer = geometry::answerOf(four, *a.result);
            w.say(QuadrilateralWorking::tr("Perimeter = 4 × side = 4 × %1 = %2")
                      .arg(side->text(), answer.text));
            //: %2 is " = " or " ≈ ", %3 the result
            w.detail(QuadrilateralWorking::tr("The window works it out as %1 × 4%2%3")
                         .arg(S, working::equalsSign(shown(a.side) * Rational(4), *a.result),
                              resultText(*a.result)));
            answerLines(w, QuadrilateralWorking::tr("So the perimeter is %1"), answer);
            break;
        }
        const Rational perimeter = rational ? side->q * Rational(4) : Rational::unknown();
        v.keep(perimeter);
        //: %2 is " = " or " ≈ ", %3 the result
        w.say(QuadrilateralWorking::tr("Perimeter = 4 × side = 4 × %1%2%3")
                  .arg(S, v.eq(shown(a.side) * Rational(4), *a.result), v.t(perimeter, *a.result)));
        answerLines(w, QuadrilateralWorking::tr("So the perimeter is %1"),
                    exactAnswer(v, perimeter, *a.result));
        break;
    }
    default: {
        const geometry::ExactAnswer answer =
            side && v.exact ? geometry::answerOf(*side, *a.result)
                            : geometry::ExactAnswer{resultText(*a.result), {}};
        answerLines(w, QuadrilateralWorking::tr("So the side is %1"), answer);
        // the side put back gives the area or the perimeter typed
        if (!v.exact || !side || !side->known()) break;
        const QString sideText = side->r == 1 ? *working::exactText(side->q) : side->text();
        if (a.question == SquareSideFromArea && (*side * *side).q == g && (*side * *side).r == 1)
            w.say(QuadrilateralWorking::tr("Check: side² = %1² = %2, the area given")
                      .arg(side->r == 1 ? base(sideText) : u'(' + sideText + u')', G));
        if (a.question == SquareSideFromPerimeter && side->r == 1 && side->q * Rational(4) == g)
            w.say(QuadrilateralWorking::tr("Check: 4 × side = 4 × %1 = %2, the perimeter given")
                      .arg(sideText, G));
    }
    }
}

// the rectangle's and parallelogram's commands
// "A + B = ...", then the perimeter as twice that sum, and the answer: a rectangle's or a
// parallelogram's perimeter from its two sides, written first and second (sum exact, and
// ofWritten the sum of the numbers as the window shows them)
void perimeterOfSum(Working& w, const Values& v, const Answer& a, const QString& first,
                    const QString& second, const Rational& ofWritten, const Rational& sum) {
    const double result = *a.result;
    const Rational perimeter = sum * Rational(2);
    w.say(QStringLiteral("A + B = %1 + %2%3%4")
              .arg(first, second, v.eq(ofWritten, a.sum), v.t(sum, a.sum)));
    //: %2 is " = " or " ≈ ", %3 the result
    w.say(QuadrilateralWorking::tr("Perimeter = %1 × 2%2%3")
              .arg(v.t(sum, a.sum), v.eq(shown(a.sum) * Rational(2), result),
                   v.t(perimeter, result)));
    answerLines(w, QuadrilateralWorking::tr("So the perimeter is %1"),
                exactAnswer(v, perimeter, result));
}

void sidesSteps(Working& w, const Answer& a, Values v) {
    const Rational A = v.typed[0], second = v.typed[1];
    const QString At = v.t(A, a.given[0]), St = v.t(second, a.given[1]);
    const double result = *a.result;
    switch (a.question) {
    case RectangleArea:
    case ParallelogramArea: {
        const Rational area = second * A;
        v.keep(area);
        w.say(a.question == RectangleArea
                  ? QuadrilateralWorking::tr("Area of a rectangle = A × B")
                  : QuadrilateralWorking::tr("Area of a parallelogram = base × height"));
        //: %3 is " = " or " ≈ ", %4 the result
        w.say(QuadrilateralWorking::tr("Area = %1 × %2%3%4")
                  .arg(At, St, v.eq(shown(a.given[0]) * shown(a.given[1]), result),
                       v.t(area, result)));
        answerLines(w, QuadrilateralWorking::tr("So the area is %1"), exactAnswer(v, area, result));
        return;
    }
    case RectanglePerimeter:
    case ParallelogramPerimeter: {
        const Rational sum = A + second, perimeter = sum * Rational(2);
        v.keep(sum), v.keep(perimeter);
        w.say(QuadrilateralWorking::tr("Perimeter = (A + B) × 2: two sides A and two sides B"));
        perimeterOfSum(w, v, a, At, St, shown(a.given[0]) + shown(a.given[1]), sum);
        return;
    }
    case RectangleSideFromArea:
    case RectanglePerimeterFromArea: {
        const Rational B = second / A;
        v.keep(B);
        w.say(QuadrilateralWorking::tr("Area = A × B, so B = Area ÷ A"));
        w.say(QStringLiteral("B = %1 ÷ %2%3%4")
                  .arg(St, At, v.eq(shown(a.given[1]) / shown(a.given[0]), a.side),
                       v.t(B, a.side)));
        if (a.question == RectangleSideFromArea) {
            answerLines(w, QuadrilateralWorking::tr("So side B is %1"), exactAnswer(v, B, result));
            if (v.exact && A * B == second)
                w.say(QuadrilateralWorking::tr("Check: A × B = %1 × %2 = %3, the area given")
                          .arg(At, v.t(B, a.side), St));
            return;
        }
        const Rational sum = B + A, perimeter = sum * Rational(2);
        v.keep(sum), v.keep(perimeter);
        w.say(QuadrilateralWorking::tr("Perimeter = (A + B) × 2"));
        perimeterOfSum(w, v, a, At, v.t(B, a.side), shown(a.side) + shown(a.given[0]), sum);
        return;
    }
    case ParallelogramHeightOrBase: {
        const Rational other = second / A;
        v.keep(other);
        w.say(QuadrilateralWorking::tr(
            "Area = base × height, so the one not known = Area ÷ the one known"));
        w.say(QStringLiteral("%1 ÷ %2%3%4")
                  .arg(St, At, v.eq(shown(a.given[1]) / shown(a.given[0]), result),
                       v.t(other, result)));
        answerLines(w, QuadrilateralWorking::tr("So the height (or the base) is %1"),
                    exactAnswer(v, other, result));
        if (v.exact && A * other == second)
            w.say(QuadrilateralWorking::tr("Check: base × height = %1 × %2 = %3, the area given")
                      .arg(At, v.t(other, result), St));
        return;
    }
    default: return;
    }
}

// side A and the perimeter: what is left for the two sides B, or why nothing is
void perimeterSteps(Working& w, const Answer& a, Values v) {
    const Rational A = v.typed[0], P = v.typed[1], twice = A + A, left = P - twice;
    v.keep(twice), v.keep(left);
    const QString At = v.t(A, a.given[0]), Pt = v.t(P, a.given[1]);
    w.say(QuadrilateralWorking::tr("Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2"));
    w.say(QStringLiteral("A + A = %1 + %1%2%3")
              .arg(At, v.eq(shown(a.given[0]) + shown(a.given[0]), a.sum), v.t(twice, a.sum)));
    // the window decides on its own difference; an exact 0 is 0 in the steps
    const double leftShown = working::tidy(a.left, a.given[1]);
    w.say(QStringLiteral("P - (A + A) = %1 - %2%3%4")
              .arg(Pt, v.t(twice, a.sum), v.eq(shown(a.given[1]) - shown(a.sum), leftShown),
                   v.t(left, leftShown)));
    if (!a.result) {
        w.say(QuadrilateralWorking::tr(
                  "That leaves nothing for the two sides B: the perimeter %1 is too "
                  "short for the side %2, so no rectangle has these numbers")
                  .arg(Pt, At));
        w.say(QuadrilateralWorking::tr("A perimeter must be more than A + A = %1")
                  .arg(v.t(twice, a.sum)));
        return;
    }
    const Rational B = left / Rational(2);
    v.keep(B);
    const QString Bt = v.t(B, a.side);
    w.say(QStringLiteral("B = %1 ÷ 2%2%3")
              .arg(v.t(left, a.left), v.eq(shown(a.left) / Rational(2), a.side), Bt));
    if (a.question == RectangleSideFromPerimeter) {
        if (Bt != resultText(*a.result)) {
            // the window rounds its own B, not the exact one
            if (v.exact && shown(a.side) != B)
                w.say(QuadrilateralWorking::tr("The window works with B = %1")
                          .arg(resultText(a.side)));
            w.say(QuadrilateralWorking::tr("The window rounds B to 4 decimal places: %1")
                      .arg(resultText(*a.result)));
        }
        w.say(QuadrilateralWorking::tr("So side B is %1").arg(resultText(*a.result)));
        if (v.exact && A + A + B + B == P)
            w.say(QuadrilateralWorking::tr(
                      "Check with B = %1: A + A + B + B = %2 + %2 + %1 + %1 = %3, the "
                      "perimeter given")
                      .arg(Bt, At, Pt));
        return;
    }
    const Rational area = B * A;
    v.keep(area);
    w.say(
        //: %3 is " = " or " ≈ ", %4 the result
        QuadrilateralWorking::tr("Area = A × B = %1 × %2%3%4")
            .arg(At, Bt, v.eq(shown(a.side) * shown(a.given[0]), *a.result), v.t(area, *a.result)));
    answerLines(w, QuadrilateralWorking::tr("So the area is %1"), exactAnswer(v, area, *a.result));
}

void trapeziumSteps(Working& w, const Answer& a, Values v) {
    const Rational A = v.typed[0], B = v.typed[1], H = v.typed[2];
    const Rational sum = A + B, product = sum * H, area = product / Rational(2);
    v.keep(sum), v.keep(product), v.keep(area);
    const QString St = v.t(sum, a.sum), Pt = v.t(product, a.product);
    w.say(QuadrilateralWorking::tr("Area of a trapezium = (A + B) × height ÷ 2"));
    w.say(QStringLiteral("A + B = %1 + %2%3%4")
              .arg(v.t(A, a.given[0]), v.t(B, a.given[1]),
                   v.eq(shown(a.given[0]) + shown(a.given[1]), a.sum), St));
    //: %3 is " = " or " ≈ ", %4 the result
    w.say(QuadrilateralWorking::tr("(A + B) × height = %1 × %2%3%4")
              .arg(St, v.t(H, a.given[2]), v.eq(shown(a.sum) * shown(a.given[2]), a.product), Pt));
    //: %2 is " = " or " ≈ ", %3 the result
    w.say(QuadrilateralWorking::tr("Area = %1 ÷ 2%2%3")
              .arg(Pt, v.eq(shown(a.product) / Rational(2), *a.result), v.t(area, *a.result)));
    answerLines(w, QuadrilateralWorking::tr("So the area is %1"), exactAnswer(v, area, *a.result));
}

void diagonalsSteps(Working& w, const Answer& a, Values v) {
    const Rational d1 = v.typed[0], d2 = v.typed[1], product = d1 * d2,
                   area = product / Rational(2);
    v.keep(product), v.keep(area);
    const QString Pt = v.t(product, a.product);
    w.say(QuadrilateralWorking::tr("The diagonals cross at a right angle: Area = d1 × d2 ÷ 2"));
    w.say(QStringLiteral("d1 × d2 = %1 × %2%3%4")
              .arg(v.t(d1, a.given[0]), v.t(d2, a.given[1]),
                   v.eq(shown(a.given[0]) * shown(a.given[1]), a.product), Pt));
    //: %2 is " = " or " ≈ ", %3 the result
    w.say(QuadrilateralWorking::tr("Area = %1 ÷ 2%2%3")
              .arg(Pt, v.eq(shown(a.product) / Rational(2), *a.result), v.t(area, *a.result)));
    answerLines(w, QuadrilateralWorking::tr("So the area is %1"), exactAnswer(v, area, *a.result));
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

// The whole shape's area and perimeter stand above it, clear of it however thin it is: the
// first row just over its top, each further row this share of the figure's size higher, a
// room the figure keeps for them (a label's anchor counts in its extent).
constexpr double row = 0.15;

// The area and the perimeter the figure has, each a row of its own above x, top, from the
// row first on.
void captions(Figure& f, const Answer& a, double x, double top, double size, int first = 0) {
    int at = first;
    const auto caption = [&](const QString& name, const QString& text) {
        f.label(name, x, top + at * row * size, text, working::at(Place::Above));
        ++at;
    };
    if (const auto area = areaOf(a))
        caption(QStringLiteral("area"), QuadrilateralWorking::tr("Area = %1").arg(n(*area)));
    if (const auto perimeter = perimeterOf(a))
        caption(QStringLiteral("perimeter"),
                QuadrilateralWorking::tr("Perimeter = %1").arg(n(*perimeter)));
}

// A rectangle w wide and h high, its width and height (when given a text) written beside
// its bottom and right sides, its area and perimeter above it when known.
void drawRectangle(Figure& f, const Answer& a, double w, double h, const QString& width,
                   const QString& height) {
    const double size = std::max(w, h);
    f.polygon(QStringLiteral("shape"), {0, 0, w, 0, w, h, 0, h}, outline(a.question));
    geometry::labelSide(f, QStringLiteral("width-label"), {0, 0}, {w, 0}, {w / 2, h}, width, size);
    if (!height.isEmpty())
        geometry::labelSide(f, QStringLiteral("height-label"), {w, 0}, {w, h}, {0, h / 2}, height,
                            size);
    captions(f, a, w / 2, h, size);
}

// Of a shape's three descriptions, the one that ends with what the command found: its area,
// its perimeter or a length; each has the shape's values and then the one found.
QString found(const Answer& a, const QString& area, const QString& perimeter,
              const QString& length) {
    if (findsArea(a.question)) return area;
    if (findsPerimeter(a.question)) return perimeter;
    return length;
}

void drawSquare(Figure& f, const Answer& a) {
    const double s = a.side;
    drawRectangle(f, a, s, s, QuadrilateralWorking::tr("side = %1").arg(n(s)), {});
    f.description =
        found(a,
              QuadrilateralWorking::tr("Square with side %1, drawn to scale, its area %2 shaded"),
              QuadrilateralWorking::tr(
                  "Square with side %1, drawn to scale, its perimeter %2 drawn heavy"),
              QuadrilateralWorking::tr("Square with side %1, drawn to scale: its side is %2"))
            .arg(n(s), n(*a.result));
}

// A parallelogram drawn slanted, so its slant side and its height do not look alike: the
// height dashed from its top corner square to the base drawn on beyond it, or, given two
// sides, side B leaning at 60°. Any slant gives the same base, height and area, and the same
// sides and perimeter.
void drawParallelogram(Figure& f, const Answer& a, const QString& A, const QString& B) {
    const double first = a.given[0], other = a.side;
    const bool perimeter = a.question == ParallelogramPerimeter;
    const double size = std::max(first, other);
    const working::Look look = outline(a.question);
    if (perimeter) {
        // side B leaning at 60°: it reaches half its length across and √3/2 of it up
        const double dx = other / 2, dy = other * std::sqrt(3.0) / 2;
        f.polygon(QStringLiteral("shape"), {0, 0, first, 0, first + dx, dy, dx, dy}, look);
        geometry::labelSide(f, QStringLiteral("width-label"), {0, 0}, {first, 0},
                            {first / 2, dy}, QStringLiteral("A = ") + A, size);
        geometry::labelSide(f, QStringLiteral("height-label"), {first, 0}, {first + dx, dy},
                            {0, dy / 2}, QStringLiteral("B = ") + B, size);
        captions(f, a, (first + other) / 2, dy, size);
        f.description =
            QuadrilateralWorking::tr("Parallelogram with sides %1 and %2, drawn to scale with "
                                     "side B leaning at 60°, its perimeter %3 drawn heavy. "
                                     "Any slant gives the same sides, so the same perimeter")
                .arg(A, B, n(*a.result));
        return;
    }
    // the area and a length typed: the length is drawn as the base, the window's own words
    // for the two saying either may be the one typed
    const bool either = a.question == ParallelogramHeightOrBase;
    const double b = first, h = other;
    // the top side set off to the right; the height falls from its right end, outside the
    // shape, to the base drawn on
    const double offset = std::min(b, h) * 0.4, foot = b + offset;
    f.polygon(QStringLiteral("shape"), {0, 0, b, 0, foot, h, offset, h}, look);
    f.segment(QStringLiteral("base-extension"), b, 0, foot, 0, working::dashed());
    f.segment(QStringLiteral("height"), foot, h, foot, 0, working::dashed(Ink::Second));
    geometry::rightAngle(f, QStringLiteral("right-angle"), {foot, 0}, {-1, 0}, {0, 1},
                         std::min({size * 0.04, h / 2, offset / 2}));
    geometry::labelSide(f, QStringLiteral("width-label"), {0, 0}, {b, 0}, {b / 2, h},
                        (either ? QuadrilateralWorking::tr("base/height = %1")
                                : QuadrilateralWorking::tr("base = %1"))
                            .arg(A),
                        size);
    // the height's text over its top end, where a row across the figure is free however wide
    // the number is; the area a row higher
    f.label(QStringLiteral("height-label"), foot, h,
            (either ? QuadrilateralWorking::tr("height/base = %1")
                    : QuadrilateralWorking::tr("height = %1"))
                .arg(B),
            working::at(Place::Above));
    captions(f, a, b / 2 + offset, h, size, 1);
    f.description =
        found(a,
              QuadrilateralWorking::tr(
                  "Parallelogram with base %1 and height %2, drawn to scale and slanted, the "
                  "height dashed from a top corner square to the base drawn on, its area %3 "
                  "shaded. Any slant gives the same base, height and area"),
              {},
              QuadrilateralWorking::tr(
                  "Parallelogram with base %1 and height %2, drawn to scale and slanted, the "
                  "height dashed from a top corner square to the base drawn on: the other length "
                  "is %3. Any slant gives the same base, height and area"))
            .arg(A, B, n(*a.result));
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
        f.description =
            found(
                a,
                QuadrilateralWorking::tr("Rectangle %1 by %2, drawn to scale, its area %3 shaded"),
                QuadrilateralWorking::tr(
                    "Rectangle %1 by %2, drawn to scale, its perimeter %3 drawn heavy"),
                QuadrilateralWorking::tr("Rectangle %1 by %2, drawn to scale: side B is %3"))
                .arg(A, B, n(*a.result));
        return;
    }
    drawParallelogram(f, a, A, B);
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
    f.description =
        QuadrilateralWorking::tr("The perimeter %1 beside the two sides A, %2 together: "
                                 "nothing is left for the sides B, so no rectangle has "
                                 "these numbers")
            .arg(n(P), n(a.sum));
}

// drawn with a right angle at its left side, so that side is the height and its text stands
// outside the shape: the exercise leaves the slant of the other sides free
void drawTrapezium(Figure& f, const Answer& a) {
    const double A = a.given[0], B = a.given[1], H = a.given[2];
    const double size = std::max({A, B, H});
    f.polygon(QStringLiteral("shape"), {0, 0, A, 0, B, H, 0, H}, outline(a.question));
    geometry::rightAngle(f, QStringLiteral("right-angle"), {0, 0}, {1, 0}, {0, 1},
                         std::min({size * 0.04, H / 2, A / 2}));
    geometry::labelSide(f, QStringLiteral("side-a-label"), {0, 0}, {A, 0}, {A / 2, H},
                        QStringLiteral("A = %1").arg(n(A)), size);
    geometry::labelSide(f, QStringLiteral("height-label"), {0, 0}, {0, H}, {size, H / 2},
                        QuadrilateralWorking::tr("height = %1").arg(n(H)), size);
    geometry::labelSide(f, QStringLiteral("side-b-label"), {0, H}, {B, H}, {B / 2, 0},
                        QStringLiteral("B = %1").arg(n(B)), size);
    // the area a row above side B's text, which a short side B carries up on a leader
    captions(f, a, B / 2, f.find(QStringLiteral("side-b-label"))->numbers[1], size, 1);
    f.description =
        QuadrilateralWorking::tr("Trapezium with parallel sides %1 and %2 and height %3, drawn "
                                 "to scale with a right angle at its left side, so that side "
                                 "is the height, its area %4 shaded. The exercise leaves the "
                                 "slant of its other sides free, and every slant gives the "
                                 "same area")
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
    // Each diagonal carries its own text, outside the shape, where it is never too thin for
    // it: d2's above its top end; d1's a row higher, on a leader up from a dot at the middle
    // of its left half; the area under the shape.
    const double top = y + row * size;
    f.point(QStringLiteral("diagonal1-end"), -x / 2, 0, {}, working::ink(Ink::Second));
    f.segment(QStringLiteral("diagonal1-leader"), -x / 2, 0, -x / 2, top, working::ink(Ink::Faint));
    f.label(QStringLiteral("diagonal1-label"), -x / 2, top, QStringLiteral("d1 = %1").arg(n(d1)),
            working::at(Place::Above, Ink::Second));
    f.label(QStringLiteral("diagonal2-label"), 0, y, QStringLiteral("d2 = %1").arg(n(d2)),
            working::at(Place::AboveRight, Ink::Third));
    f.label(QStringLiteral("area"), 0, -y, QuadrilateralWorking::tr("Area = %1").arg(n(*a.result)),
            working::at(Place::Below));
    f.description =
        QuadrilateralWorking::tr("Quadrilateral with perpendicular diagonals %1 and %2, drawn "
                                 "to scale, its area %3 shaded: half the %1 by %2 rectangle "
                                 "around it. It is drawn as a rhombus, the diagonals crossing "
                                 "at their middles: the exercise leaves where they cross free")
            .arg(n(d1), n(d2), n(*a.result));
}

} // namespace

Working quadrilateralWorking(const Answer& a, const QString& message,
                             const QStringList& typed) {
    Working w;
    const Values v = valuesOf(a, typed);
    switch (a.question) {
    case TrapeziumArea:
        trapeziumSteps(w, a, v);
        drawTrapezium(w.figure, a);
        break;
    case DiagonalsArea:
        diagonalsSteps(w, a, v);
        drawDiagonals(w.figure, a);
        break;
    case RectangleSideFromPerimeter:
    case RectangleAreaFromPerimeter:
        perimeterSteps(w, a, v);
        if (a.result) drawSides(w.figure, a);
        else drawTooShort(w.figure, a);
        break;
    case SquareArea:
    case SquarePerimeter:
    case SquareSideFromArea:
    case SquarePerimeterFromArea:
    case SquareSideFromPerimeter:
    case SquareAreaFromPerimeter:
        squareSteps(w, a, v);
        drawSquare(w.figure, a);
        break;
    default: sidesSteps(w, a, v); drawSides(w.figure, a);
    }
    geometry::keepDrawable(w.figure);
    if (!a.result) return geometry::refused(message, w, quadrilateralGuide());
    return w;
}

working::Guide quadrilateralGuide() {
    return working::guide(
        {geometry::positiveBoxes(QuadrilateralWorking::tr("6 characters")),
         QuadrilateralWorking::tr("Each button uses only the boxes of its own frame"),
         QuadrilateralWorking::tr("Square: its side, its area or its perimeter"),
         QuadrilateralWorking::tr(
             "Trapezium: the parallel sides A and B and the height between them"),
         QuadrilateralWorking::tr(
             "Diagonals: Height A and Height B are the two diagonals, which cross at "
             "a right angle"),
         QuadrilateralWorking::tr(
             "Rectangle: sides A and B; or side A and the area; or side A and the "
             "perimeter, which must be more than A + A"),
         QuadrilateralWorking::tr(
             "Parallelogram: base and height; or the area and the base (or the "
             "height); or sides A and B")},
        QuadrilateralWorking::tr("A trapezium with sides 3 and 5, height 4:"),
        quadrilateralWorking(solve(TrapeziumArea, {3, 5, 4})));
}

} // namespace sb::quadrilaterals
