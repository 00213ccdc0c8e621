// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle_areas_working.h"

#include "entry/conversions.h"
#include "topics/geometry/exact_answers.h"
#include "topics/geometry/shared_working.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace sb::triangle_areas {

using geometry::Pt;
using working::Figure;
using working::Ink;
using working::Place;
using working::Rational;
using working::Working;

namespace {

// the context of the working's texts in the translations
struct TriangleAreasWorking {
    Q_DECLARE_TR_FUNCTIONS(TriangleAreasWorking)
};

QString n(double value) { return resultText(value); }

// ---- exact values

// The values a row's steps write: the exact ones where every one has a short writing (the
// typed sides are fractions and decimals, and so are their sums, halves and products), or
// else the window's numbers, with "≈" where they are rounded.
struct Values {
    std::vector<Rational> typed; // in the order the button reads its boxes
    bool exact = false;
};

Values valuesOf(const Answer& a, const QStringList& typed) {
    Values v;
    for (size_t i = 0; i < a.given.size(); ++i)
        v.typed.push_back(geometry::typedExactly(typed.value(qsizetype(i)), a.given[i]));
    v.exact = std::all_of(v.typed.begin(), v.typed.end(),
                          [](const Rational& q) { return working::exactText(q).has_value(); });
    return v;
}

// q when the steps are exact, else the window's number d
QString t(const Values& v, const Rational& q, double d) {
    if (v.exact)
        if (const auto text = working::exactText(q)) return *text;
    return working::plain(d);
}

// A typed value as typed, and beside it the window's number where the steps go on with
// that: "7/3 ≈ 2.33333333333333"
QString typedText(const Values& v, int i, const Answer& a) {
    const auto exact = working::exactText(v.typed[i]);
    const QString window = working::plain(a.given[i]);
    if (v.exact || !exact || *exact == window) return t(v, v.typed[i], a.given[i]);
    return *exact + QStringLiteral(" ≈ ") + window;
}

// all of these have a short exact writing
bool short_(std::initializer_list<Rational> values) {
    return std::all_of(values.begin(), values.end(),
                       [](const Rational& q) { return working::exactText(q).has_value(); });
}

// " = " between exact values, or between the window's numbers when the written result is
// exactly the computation on the written numbers; " ≈ " otherwise
QString eq(const Values& v, const Rational& ofWritten, double result) {
    return v.exact ? QStringLiteral(" = ") : working::equalsSign(ofWritten, result);
}

using geometry::shown;

// "a = 3, b = 4, c = 5"; where the decimal mark is a comma, the three are parted by semicolons
QString sidesLine() {
    return QLocale().decimalPoint() == u',' ? QStringLiteral("a = %1; b = %2; c = %3")
                                            : QStringLiteral("a = %1, b = %2, c = %3");
}

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

void baseAndHeightSteps(Working& w, const Answer& a, Values v) {
    const Rational first = a.question == Question::AreaFromBaseAndHeight
                               ? v.typed[1] * v.typed[0]
                               : v.typed[1] + v.typed[1];
    const Rational result = a.question == Question::AreaFromBaseAndHeight
                                ? first / Rational(2)
                                : first / v.typed[0];
    v.exact = v.exact && short_({first});
    // the answer: the exact value when a pupil's book would write it, beside the window's
    const geometry::ExactAnswer answer =
        v.exact ? geometry::answerOf(result, *a.result)
                : geometry::ExactAnswer{resultText(*a.result), {}};
    const QString x = t(v, v.typed[0], a.given[0]), y = t(v, v.typed[1], a.given[1]);
    const QString firstText = t(v, first, a.first);
    // the division's exact result as a fraction, the decimal standing in the answer line
    const QString quotient = v.exact && working::exactText(result)
                                 ? *working::exactText(result)
                                 : working::plain(*a.result);
    switch (a.question) {
    case Question::AreaFromBaseAndHeight:
        w.say(TriangleAreasWorking::tr("Area = base × height ÷ 2"));
        //: %3 is " = " or " ≈ ", %4 the result
        w.say(TriangleAreasWorking::tr("base × height = %1 × %2%3%4")
                  .arg(x, y, eq(v, shown(a.given[1]) * shown(a.given[0]), a.first), firstText));
        //: %2 is " = " or " ≈ ", %3 the result
        w.say(TriangleAreasWorking::tr("Area = %1 ÷ 2%2%3")
                  .arg(firstText, eq(v, shown(a.first) / Rational(2), *a.result), quotient));
        w.say(TriangleAreasWorking::tr("So the area is %1").arg(answer.text));
        break;
    case Question::HeightFromAreaAndBase:
    case Question::BaseFromAreaAndHeight: {
        const bool height = a.question == Question::HeightFromAreaAndBase;
        w.say(height ? TriangleAreasWorking::tr(
                           "Area = base × height ÷ 2, so height = (Area + Area) ÷ base")
                     : TriangleAreasWorking::tr(
                           "Area = base × height ÷ 2, so base = (Area + Area) ÷ height"));
        //: %2 is " = " or " ≈ ", %3 the result
        w.say(TriangleAreasWorking::tr("Area + Area = %1 + %1%2%3")
                  .arg(y, eq(v, shown(a.given[1]) + shown(a.given[1]), a.first), firstText));
        w.say(
            //: %3 is " = " or " ≈ ", %4 the result
            (height ? TriangleAreasWorking::tr("height = %1 ÷ %2%3%4")
                    : TriangleAreasWorking::tr("base = %1 ÷ %2%3%4"))
                .arg(firstText, x, eq(v, shown(a.first) / shown(a.given[0]), *a.result), quotient));
        w.say((height ? TriangleAreasWorking::tr("So the height is %1")
                      : TriangleAreasWorking::tr("So the base is %1"))
                  .arg(answer.text));
        break;
    }
    default: break;
    }
    if (!answer.note.isEmpty()) w.say(answer.note);
    // the length found put back into the formula gives the area typed
    if (v.exact && a.question != Question::AreaFromBaseAndHeight &&
        result * v.typed[0] / Rational(2) == v.typed[1]) {
        const bool height = a.question == Question::HeightFromAreaAndBase;
        w.say(
            TriangleAreasWorking::tr("Check: base × height ÷ 2 = %1 × %2 ÷ 2 = %3, the area given")
                .arg(height ? x : quotient, height ? quotient : x, y));
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
                        TriangleAreasWorking::tr("base = %1").arg(n(b)), size);
    geometry::labelSide(f, QStringLiteral("height-label"), {middle, 0}, {middle, h}, {0, h / 2},
                        TriangleAreasWorking::tr("height = %1").arg(n(h)), size);
    f.label(QStringLiteral("area"), middle, h, TriangleAreasWorking::tr("Area = %1").arg(n(t.area)),
            working::at(Place::Above));
    f.description =
        TriangleAreasWorking::tr("Triangle with base %1 and height %2, area %3, drawn to scale. "
                                 "Its top stands above the middle of the base: the exercise "
                                 "leaves it free, and every such top gives the same area")
            .arg(n(b), n(h), n(t.area));
}

// ---- three sides

const QString sideNames[3] = {QStringLiteral("side-a"), QStringLiteral("side-b"),
                              QStringLiteral("side-c")};
const QString letters[3] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

// Whether three sides make a triangle: the two shorter together longer than the longest, as
// long as it (flat: they lie along one line), or shorter (they do not meet).
enum class Closes { Triangle, Flat, Apart };

// The three sides, the longest k on the base, and by how much the two others fall short of
// it; which of the three cases, decided on the typed values exactly.
struct Sides {
    double v[3];
    Rational e[3];
    int k, i, j;
    double others, shortfall;
    Rational exactOthers, exactShortfall;
    Closes closes;
    bool exact;
    QString value(int side) const {
        if (exact) return *working::exactText(e[side]);
        return working::plain(v[side]);
    }
    QString text(int side) const { return letters[side] + QStringLiteral(" = ") + value(side); }
    QString othersText() const {
        return exact ? *working::exactText(exactOthers) : working::plain(others);
    }
    QString shortfallText() const {
        return exact ? *working::exactText(exactShortfall) : working::plain(shortfall);
    }
};

Sides sidesOf(const Answer& a, const Values& values) {
    Sides s{{a.given[0], a.given[1], a.given[2]}, {}, 0, 0, 0, 0, 0, {}, {}, Closes::Triangle,
            false};
    for (int side = 0; side < 3; ++side) s.e[side] = values.typed[side];
    const bool known = s.e[0].known() && s.e[1].known() && s.e[2].known();
    if (known) {
        // the longest by the exact values, the first of equals
        s.k = 0;
        for (int side = 1; side < 3; ++side)
            if (s.e[side] > s.e[s.k]) s.k = side;
    } else {
        s.k = geometry::longest(s.v);
    }
    s.i = (s.k + 1) % 3, s.j = (s.k + 2) % 3;
    s.others = s.v[s.i] + s.v[s.j];
    s.shortfall = s.v[s.k] - s.others;
    s.exactOthers = s.e[s.i] + s.e[s.j];
    s.exactShortfall = s.e[s.k] - s.exactOthers;
    const auto order = s.exactOthers <=> s.e[s.k];
    const int c = order == std::partial_ordering::unordered
                      ? working::compareWithinRounding(s.others, s.v[s.k])
                  : order < 0 ? -1
                  : order > 0 ? 1
                              : 0;
    s.closes = c > 0 ? Closes::Triangle : c == 0 ? Closes::Flat : Closes::Apart;
    s.exact = values.exact && known && short_({s.exactOthers, s.exactShortfall});
    return s;
}

// where the decimal mark is a comma, the sides are parted by a semicolon
QString sidesList(const Sides& s) {
    //: the three sides of a triangle, "3, 4 and 5"
    return (QLocale().decimalPoint() == u',' ? TriangleAreasWorking::tr("%1; %2 and %3")
                                             : TriangleAreasWorking::tr("%1, %2 and %3"))
        .arg(s.value(0), s.value(1), s.value(2));
}

// the test three sides must pass to make a triangle, and what it finds for these
QString condition(const Sides& s) {
    switch (s.closes) {
    case Closes::Triangle:
        return TriangleAreasWorking::tr(
                   "A triangle needs its two shorter sides together to be longer than "
                   "the longest: %1 + %2 = %3, longer than %4 = %5, so these sides "
                   "make a triangle")
            .arg(s.value(s.i), s.value(s.j), s.othersText(), letters[s.k], s.value(s.k));
    case Closes::Flat:
        return TriangleAreasWorking::tr(
                   "A triangle needs its two shorter sides together to be longer than "
                   "the longest: %1 + %2 = %3, only as long as %4 = %5. These sides "
                   "lie flat along one line, so they make no triangle: only a flat "
                   "one, with nothing inside")
            .arg(s.value(s.i), s.value(s.j), s.othersText(), letters[s.k], s.value(s.k));
    case Closes::Apart: break;
    }
    return TriangleAreasWorking::tr(
               "A triangle needs its two shorter sides together to be longer than the "
               "longest: %1 + %2 = %3, shorter than %4 = %5 by %6. Side %4 is too "
               "long: the other two do not reach across it, so these sides make no "
               "triangle")
        .arg(s.value(s.i), s.value(s.j), s.othersText(), letters[s.k], s.value(s.k),
             s.shortfallText());
}

// what the description of a triangle drawn ends with: the perimeter or the area the button
// found, or neither
enum class Ending { None, Perimeter, Area };

// A triangle's description, flat or not, ending with the perimeter or area found.
QString triangleDescription(const Sides& s, Ending ending, double found) {
    const bool flat = s.closes == Closes::Flat;
    switch (ending) {
    case Ending::Perimeter:
        return (flat ? TriangleAreasWorking::tr(
                           "Triangle with sides %1, drawn to scale on its longest side: flat, the "
                           "two others lying along it, perimeter %2")
                     : TriangleAreasWorking::tr("Triangle with sides %1, drawn to scale on its "
                                                "longest side, perimeter %2"))
            .arg(sidesList(s), n(found));
    case Ending::Area:
        return (flat ? TriangleAreasWorking::tr(
                           "Triangle with sides %1, drawn to scale on its longest side: flat, the "
                           "two others lying along it, area %2")
                     : TriangleAreasWorking::tr("Triangle with sides %1, drawn to scale on its "
                                                "longest side, area %2"))
            .arg(sidesList(s), n(found));
    case Ending::None: break;
    }
    return (flat ? TriangleAreasWorking::tr("Triangle with sides %1, drawn to scale on its longest "
                                            "side: flat, the two others lying along it")
                 : TriangleAreasWorking::tr("Triangle with sides %1, drawn to scale on its longest "
                                            "side"))
        .arg(sidesList(s));
}

// The triangle with the three sides, the longest on the base; its height is the one the
// area shown gives, so its area is that area. Sides that do not meet are laid end to end, and
// their description says why, without the ending.
void drawSides(Figure& f, const Sides& s, std::optional<double> area, working::Look look,
               Ending ending = Ending::None, double found = 0) {
    const QString texts[3] = {s.text(0), s.text(1), s.text(2)};
    if (s.closes == Closes::Apart) {
        geometry::endToEnd(f, sideNames, s.v, texts, s.shortfall,
                           TriangleAreasWorking::tr("short by %1").arg(s.shortfallText()));
        f.description =
            TriangleAreasWorking::tr("Sides %1 laid end to end: the two shorter are %2 short "
                                     "of the longest, so they make no triangle")
                .arg(sidesList(s), s.shortfallText());
        return;
    }
    const double base = s.v[s.k];
    // a flat triangle lies flat whatever rounding the window's area carries
    const std::optional<double> height =
        s.closes == Closes::Flat ? std::optional(0.0)
        : area                   ? std::optional((*area / base) * 2)
                                 : std::nullopt;
    const Pt top = geometry::apex(base, s.v[s.i], s.v[s.j], height);
    f.polygon(QStringLiteral("triangle"), {0, 0, base, 0, top.x, top.y}, look);
    const double size = std::max(base, top.y);
    geometry::labelSide(f, sideNames[s.k] + QStringLiteral("-label"), {0, 0}, {base, 0}, top,
                        texts[s.k], size);
    geometry::labelSide(f, sideNames[s.i] + QStringLiteral("-label"), {0, 0}, top, {base, 0},
                        texts[s.i], size);
    geometry::labelSide(f, sideNames[s.j] + QStringLiteral("-label"), {base, 0}, top, {0, 0},
                        texts[s.j], size);
    if (area)
        f.label(QStringLiteral("area"), top.x, top.y,
                TriangleAreasWorking::tr("Area = %1").arg(n(*area)), working::at(Place::Above));
    f.description = triangleDescription(s, ending, found);
}

void perimeterWorking(Working& w, const Answer& a, const Values& values) {
    const Sides s = sidesOf(a, values);
    Values v = values;
    const Rational first = v.typed[1] + v.typed[0], total = first + v.typed[2];
    v.exact = v.exact && short_({first, total});
    const geometry::ExactAnswer answer =
        v.exact ? geometry::answerOf(total, *a.result)
                : geometry::ExactAnswer{resultText(*a.result), {}};
    w.say(TriangleAreasWorking::tr("Perimeter = a + b + c"));
    w.say(sidesLine()
              .arg(typedText(v, 0, a), typedText(v, 1, a), typedText(v, 2, a)));
    w.say(QStringLiteral("b + a = %1 + %2%3%4")
              .arg(t(v, v.typed[1], a.given[1]), t(v, v.typed[0], a.given[0]),
                   eq(v, shown(a.given[1]) + shown(a.given[0]), a.first), t(v, first, a.first)));
    //: %3 is " = " or " ≈ ", %4 the result
    w.say(TriangleAreasWorking::tr("Perimeter = %1 + %2%3%4")
              .arg(t(v, first, a.first), t(v, v.typed[2], a.given[2]),
                   eq(v, shown(a.first) + shown(a.given[2]), *a.result), t(v, total, *a.result)));
    w.say(TriangleAreasWorking::tr("So the perimeter is %1").arg(answer.text));
    if (!answer.note.isEmpty()) w.say(answer.note);
    if (s.closes != Closes::Triangle) {
        w.say(condition(s));
        w.say(TriangleAreasWorking::tr("The perimeter is the three sides' total all the same"));
    }
    working::Look rim = working::ink(Ink::Main);
    rim.heavy = true;
    drawSides(w.figure, s, std::nullopt, rim, Ending::Perimeter, *a.result);
}

void heronWorking(Working& w, const Answer& a, const Values& values) {
    const Sides s = sidesOf(a, values);
    Values v = values;
    const Rational* e = v.typed.data();
    const Rational first = e[1] + e[0], total = first + e[2], half = total / Rational(2);
    const Rational less[3] = {half - e[0], half - e[1], half - e[2]};
    const Rational p0 = half * less[0], p1 = p0 * less[1], product = p1 * less[2];
    v.exact = v.exact && short_({first, total, half, less[0], less[1], less[2], p0, p1, product});
    // in the window's numbers, a difference below the rounding of s is 0, and so is every
    // product of it
    const double lessShown[3] = {working::tidy(a.less[0], a.s), working::tidy(a.less[1], a.s),
                                 working::tidy(a.less[2], a.s)};
    double products[3];
    for (int i = 0; i < 3; ++i) {
        bool zero = lessShown[0] == 0;
        for (int j = 1; j <= i; ++j) zero = zero || lessShown[j] == 0;
        products[i] = zero ? 0.0 : a.products[i];
    }
    const auto factor = [&](int side) {
        const QString text = t(v, less[side], lessShown[side]);
        return text.startsWith(u'-') ? u'(' + text + u')' : text;
    };
    const QString sText = t(v, half, a.s);

    w.say(TriangleAreasWorking::tr("Heron's formula: the half perimeter s = (a + b + c) ÷ 2,"));
    w.say(TriangleAreasWorking::tr("then Area = √(s(s - a)(s - b)(s - c))"));
    w.say(sidesLine()
              .arg(typedText(v, 0, a), typedText(v, 1, a), typedText(v, 2, a)));
    w.say(condition(s));
    w.say(QStringLiteral("s = (%1 + %2 + %3) ÷ 2%4%5 ÷ 2%6%7")
              .arg(t(v, e[0], a.given[0]), t(v, e[1], a.given[1]), t(v, e[2], a.given[2]),
                   eq(v, shown(a.given[0]) + shown(a.given[1]) + shown(a.given[2]), a.total),
                   t(v, total, a.total), eq(v, shown(a.total) / Rational(2), a.s), sText));
    w.detail(
        //: %3 and %6 are " = " or " ≈ ", %4 and %7 the results
        TriangleAreasWorking::tr("The sides are added b + a first: %1 + %2%3%4, then %4 + %5%6%7")
            .arg(t(v, e[1], a.given[1]), t(v, e[0], a.given[0]),
                 eq(v, shown(a.given[1]) + shown(a.given[0]), a.first), t(v, first, a.first),
                 t(v, e[2], a.given[2]), eq(v, shown(a.first) + shown(a.given[2]), a.total),
                 t(v, total, a.total)));
    for (int side = 0; side < 3; ++side)
        w.say(QStringLiteral("s - %1 = %2 - %3%4%5")
                  .arg(letters[side], sText, t(v, e[side], a.given[side]),
                       eq(v, shown(a.s) - shown(a.given[side]), lessShown[side]),
                       t(v, less[side], lessShown[side])));
    w.say(QStringLiteral("s(s - a)(s - b)(s - c) = %1 × %2 × %3 × %4%5%6")
              .arg(sText, factor(0), factor(1), factor(2),
                   eq(v, shown(a.s) * shown(lessShown[0]) * shown(lessShown[1]) *
                             shown(lessShown[2]),
                      products[2]),
                   t(v, product, products[2])));
    // the window multiplies in this order; s × (s - a) is (s - a) × s
    w.detail(QStringLiteral("s × (s - a) = %1 × %2%3%4")
                 .arg(sText, factor(0), eq(v, shown(a.s) * shown(lessShown[0]), products[0]),
                      t(v, p0, products[0])));
    w.detail(QStringLiteral("%1 × (s - b) = %1 × %2%3%4")
                 .arg(t(v, p0, products[0]), factor(1),
                      eq(v, shown(products[0]) * shown(lessShown[1]), products[1]),
                      t(v, p1, products[1])));
    w.detail(QStringLiteral("%1 × (s - c) = %1 × %2%3%4")
                 .arg(t(v, p1, products[1]), factor(2),
                      eq(v, shown(products[1]) * shown(lessShown[2]), products[2]),
                      t(v, product, products[2])));

    const QString productText = t(v, product, products[2]);
    // √(1/432), not √1/432
    const QString under = productText.contains(u'/') ? u'(' + productText + u')' : productText;
    // the sign of the product: exact, or the window's within its rounding
    const int sign = v.exact ? product.sign() : products[2] > 0 ? 1 : products[2] < 0 ? -1 : 0;
    if (sign < 0) {
        w.say(
            TriangleAreasWorking::tr("%1 is below zero, and no number times itself is below zero: "
                                     "there is no area")
                .arg(productText));
    } else {
        const auto root = v.exact ? working::squareRoot(product) : std::nullopt;
        const QString exactRoot = root ? root->text() : QString();
        if (a.result) {
            const geometry::ExactAnswer answer =
                root ? geometry::answerOf(*root, *a.result)
                     : geometry::ExactAnswer{resultText(*a.result), {}};
            // "√36 = 6", "√0.1875 = √3/4 ≈ 0.433012701892219", "√2.5 ≈ 1.58113883008419"
            const QString value = root ? answer.text : QStringLiteral("≈ ") + answer.text;
            w.say(root ? TriangleAreasWorking::tr("Area = √%1 = %2").arg(under, value)
                       : TriangleAreasWorking::tr("Area = √%1 %2").arg(under, value));
            w.say(TriangleAreasWorking::tr("So the area is %1").arg(answer.text));
            if (!answer.note.isEmpty()) w.say(answer.note);
        } else {
            if (root) w.say(TriangleAreasWorking::tr("Area = √%1 = %2").arg(under, exactRoot));
            // the window rounds at every step, and a flat triangle's product of 0 (or a
            // very thin triangle's, a little above 0) can come out a little below zero
            w.say(TriangleAreasWorking::tr(
                      "The window rounds at every step, and its product came out a "
                      "hair below zero instead of %1. Below zero has no square root, "
                      "so it gave its message instead of an area")
                      .arg(productText));
        }
    }
    if (a.result) {
        drawSides(w.figure, s, a.result, working::filled(), Ending::Area, *a.result);
    } else {
        drawSides(w.figure, s, s.closes == Closes::Apart ? std::nullopt : std::optional(0.0),
                  working::Look{});
    }
}

} // namespace

Working triangleWorking(const Answer& a, const QString& message, const QStringList& typed) {
    Working w;
    const Values values = valuesOf(a, typed);
    switch (a.question) {
    case Question::Perimeter: perimeterWorking(w, a, values); break;
    case Question::HeronArea: heronWorking(w, a, values); break;
    default:
        baseAndHeightSteps(w, a, values);
        drawBaseAndHeight(w.figure, a.question, baseAndHeight(a));
    }
    geometry::keepDrawable(w.figure);
    if (!a.result) return geometry::refused(message, w, triangleGuide());
    return w;
}

working::Guide triangleGuide() {
    return working::guide(
        {geometry::positiveBoxes(TriangleAreasWorking::tr("7 characters (6 in Heron's row)")),
         TriangleAreasWorking::tr("Each button uses only the boxes of its own row"),
         TriangleAreasWorking::tr("Base and Height: Find Area. Area and Base: Find Height. "
                                  "Area and Height: Find Base"),
         TriangleAreasWorking::tr(
             "Side A, Side B and Side C: Find Perimeter, or the area by Heron's "
             "formula")},
        TriangleAreasWorking::tr("Heron's formula with the sides 3, 4 and 5:"),
        triangleWorking(solve(Question::HeronArea, {3, 4, 5})));
}

} // namespace sb::triangle_areas
