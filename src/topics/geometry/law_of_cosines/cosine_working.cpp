// SPDX-License-Identifier: GPL-3.0-or-later
#include "cosine_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "topics/geometry/shared_working.h"
#include "topics/geometry/solved_triangle.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace sb::law_of_cosines {

using geometry::degrees;
using geometry::exactBase;
using geometry::exactDegrees;
using geometry::exactFactor;
using geometry::exactOf;
using geometry::exactTerm;
using geometry::exactForm;
using geometry::givenFactor;
using geometry::givenText;
using geometry::RoundingNotes;
using geometry::side;
using working::Figure;
using working::plain;
using working::Rational;
using working::Surd;
using working::Working;

namespace {

// the texts of the law of cosines window's working
struct CosineWorking {
    Q_DECLARE_TR_FUNCTIONS(CosineWorking)
};

// "cos(x) = (3² + 5² - 4²) ÷ (2 × 3 × 5) = 18 ÷ 30 = 0.6": the cosine of the angle opposite
// the side r, from the sides p and q beside it, as the computer found it
QString cosineLine(QChar angle, double p, double q, double r, const Cosine& cosine) {
    return QStringLiteral("cos(%1) = (%2² + %3² - %4²) ÷ (2 × %2 × %3) = %5 ÷ %6 = %7")
        .arg(angle, plain(p), plain(q), plain(r),
             // a top below the rounding of the squares it came from is 0
             plain(working::tidy(cosine.top, std::max({p * p, q * q, r * r}))),
             plain(cosine.bottom), plain(working::tidy(cosine.value, 1)));
}

// A side known exactly: its length (a whole number, a fraction or a root) and its square.
struct ExactSide {
    Surd length;
    Rational squared;
};

ExactSide exactSide(const Rational& length) { return {Surd{length, 1}, length * length}; }

// The cosine of the angle opposite r from the sides p and q beside it, exactly.
struct ExactCosine {
    Rational top;
    Surd bottom, value;
};

std::optional<ExactCosine> exactCosine(const ExactSide& p, const ExactSide& q, const ExactSide& r) {
    const Rational top = p.squared + q.squared - r.squared;
    // 2pq, with at most one of the two a root
    if (p.length.r != 1 && q.length.r != 1) return std::nullopt;
    const Surd bottom = p.length.r == 1 ? q.length * (Rational(2) * p.length.q)
                                        : p.length * (Rational(2) * q.length.q);
    if (!top.known() || !bottom.known() || bottom.q.sign() == 0) return std::nullopt;
    const Surd inverted = geometry::inverse(bottom);
    const Surd value = top.sign() == 0 ? Surd{0, 1} : Surd{top * inverted.q, inverted.r};
    if (!value.known()) return std::nullopt;
    return ExactCosine{top, bottom, value};
}

// a length or a part of a cosine inside its computation: a decimal as the pupil typed it
// ("0.1"), a fraction or a root in brackets ("(1/3)", "(14√109)")
QString number(const Surd& s) {
    if (s.r != 1) return exactBase(s);
    return s.q.sign() < 0 && s.q.isWhole() ? s.q.text() : givenFactor(s.q, 0);
}

QString factor(const Surd& s) { return s.r != 1 ? exactFactor(s) : number(s); }

// "cos(x) = (3² + 5² - 4²) ÷ (2 × 3 × 5) = 18 ÷ 30 = 3/5 = 0.6", exactly
QString exactCosineLine(QChar angle, const ExactSide& p, const ExactSide& q, const ExactSide& r,
                        const ExactCosine& cosine) {
    return QStringLiteral("cos(%1) = (%2² + %3² - %4²) ÷ (2 × %5 × %6) = %7 ÷ %8 = %9")
        .arg(angle, number(p.length), number(q.length), number(r.length), factor(p.length),
             factor(q.length), exactTerm(cosine.top), number(cosine.bottom),
             exactForm(cosine.value));
}

// The angle from its cosine, exactly where the cosine is exact, and the steps of it: the
// formula, the cosine worked out, the angle. window is the angle the computer found.
std::optional<Rational> angleSteps(Working& w, QChar angle, const QString& sides,
                                   const std::optional<ExactCosine>& exact, const ExactSide* e,
                                   double p, double q, double r, const Cosine& cosine,
                                   const QString& window) {
    w.say(QStringLiteral("cos(%1) = (%2² + %3² - %4²) ÷ (2%2%3)")
              .arg(angle, sides[0], sides[1], sides[2]));
    if (!exact) {
        w.say(cosineLine(angle, p, q, r, cosine));
        w.say(QStringLiteral("%1 = arccos(%2) = %3")
                  .arg(angle, plain(working::tidy(cosine.value, 1)), window));
        return std::nullopt;
    }
    w.say(exactCosineLine(angle, e[0], e[1], e[2], *exact));
    const std::optional<Rational> found = geometry::exactArccos(exact->value);
    w.say(QStringLiteral("%1 = arccos(%2) = %3")
              .arg(angle, exact->value.text(), found ? exactDegrees(*found) : window));
    return found;
}

// how each panel lies: the side the window draws along the bottom
geometry::Base baseOf(int panel) {
    switch (panel) {
    case 2: return geometry::Base::BFromYToZ;
    case 3: return geometry::Base::AFromZToX;
    default: return geometry::Base::CFromXToY;
    }
}

// The corners whose angle is exactly 90°: the figure marks them with the textbook square.
QString rightAngles(const std::optional<Rational>& x, const std::optional<Rational>& y,
                    const std::optional<Rational>& z) {
    QString corners;
    for (const auto& [corner, angle] : {std::pair{u'x', &x}, {u'y', &y}, {u'z', &z}})
        if (*angle && **angle == Rational(90)) corners += corner;
    return corners;
}

} // namespace

Working twoSidesWorking(int panel, double a, double z, double b, const FromSides& s,
                        const QStringList& typed) {
    const Rational A = exactOf(a, typed.value(0)), Z = exactOf(z, typed.value(1)),
                   B = exactOf(b, typed.value(2));
    const std::optional<Surd> K =
        A.known() && B.known() && Z.known() ? working::exactCos(Z) : std::nullopt;
    RoundingNotes notes;
    Working w;
    //: %1 is the panel's number
    w.say(CosineWorking::tr("Triangle %1: the sides a and b and the angle z between them are "
                            "given.")
              .arg(panel));
    w.say(QStringLiteral("a = %1, b = %2, z = %3")
              .arg(givenText(A, a), givenText(B, b), givenText(Z, z) + QStringLiteral("°")));
    w.say(CosineWorking::tr("The law of cosines gives the third side: c² = a² + b² - 2ab cos(z)."));
    w.say(QStringLiteral("cos(%1) = %2")
              .arg(givenText(Z, z) + QStringLiteral("°"), K ? exactForm(*K) : plain(s.k)));
    if (K && K->q.sign() == 0)
        w.say(CosineWorking::tr("With cos(90°) = 0 the law is Pythagoras' theorem: c² = a² + b²."));
    // c² exactly when cos(z) is a fraction (60°, 90°, 120°), and c from it
    std::optional<Rational> C2;
    if (K && K->r == 1) {
        const Rational exact = A * A + B * B - Rational(2) * A * B * K->q;
        if (exact.known()) C2 = exact;
    }
    std::optional<Surd> root = C2 ? working::squareRoot(*C2) : std::nullopt;
    // cos(z) a root (30°, 45°, 135°, 150°): c² is a whole part and a root part
    const Rational whole = A * A + B * B;
    const Surd part = K ? Surd{Rational(2) * A * B * K->q, K->r} : Surd{Rational::unknown(), 0};
    const QString cosine = K ? exactFactor(*K) : plain(s.k);
    if (C2) {
        w.say(QStringLiteral("c² = %1² + %2² - 2 × %1 × %2 × %3 = %4")
                  .arg(givenFactor(A, a), givenFactor(B, b), cosine, exactForm(*C2)));
    } else if (K && K->r != 1 && whole.known() && part.known()) {
        // with 34 digits, so that the two terms nearly cancelling lose none that are shown
        const working::Precise value = working::valueOf(whole, Surd{-part.q, part.r});
        const QString sum =
            part.q.sign() > 0
                ? QStringLiteral("%1 - %2").arg(exactTerm(whole), part.text())
                : QStringLiteral("%1 + %2").arg(exactTerm(whole), Surd{-part.q, part.r}.text());
        w.say(QStringLiteral("c² = %1² + %2² - 2 × %1 × %2 × %3 = %4 ≈ %5")
                  .arg(givenFactor(A, a), givenFactor(B, b), cosine, sum, plain(double(value))));
        const double c = double(working::rootValue(value));
        w.say(QStringLiteral("c = √(%1) ≈ %2").arg(sum, plain(c)));
        notes.compare("c", QStringLiteral("√(%1) ≈ %2").arg(sum, plain(c)), resultText(c), resultText(s.c));
    } else {
        // beyond the exact fractions' reach: as the computer found them
        w.say(QStringLiteral("c² = %1² + %2² - 2 × %1 × %2 × %3 = %4")
                  .arg(plain(a), plain(b), cosine, plain(s.cSquared)));
        //: %1 is a, %3 is b, %5 is cos(z); %2, %4 and %6 what they give
        w.detail(CosineWorking::tr("%1² = %2, %3² = %4 and 2 × %1 × %3 × %5 = %6")
                     .arg(plain(a), plain(s.aSquared), plain(b), plain(s.bSquared), cosine,
                          plain(s.product)));
        w.say(QStringLiteral("c = √%1 = %2").arg(plain(s.cSquared), resultText(s.c)));
    }
    if (root) {
        const QString value = exactForm(*root);
        w.say(root->text() == QStringLiteral("√") + exactTerm(*C2)
                  ? QStringLiteral("c = %1").arg(value)
                  : QStringLiteral("c = √%1 = %2").arg(exactTerm(*C2), value));
        notes.compare("c", value, resultText(geometry::exactValue(*root)), resultText(s.c));
    } else if (C2) {
        w.say(QStringLiteral("c = √%1 = %2").arg(exactTerm(*C2), resultText(s.c)));
    }
    w.say(CosineWorking::tr("The same law turned round gives the angle x, opposite b:"));
    std::optional<ExactCosine> ofX;
    ExactSide sides[3] = {exactSide(A), exactSide(B), exactSide(B)};
    if (root) {
        sides[0] = exactSide(A), sides[1] = {*root, *C2}, sides[2] = exactSide(B);
        ofX = exactCosine(sides[0], sides[1], sides[2]);
    }
    const std::optional<Rational> X =
        angleSteps(w, 'x', "acb", ofX, sides, a, s.c, b, s.ofX, degrees(s.x));
    const Rational Y = X ? Rational(180) - *X - Z : Rational::unknown();
    //: %1 is the angle x, %2 the angle z, %3 the angle y
    w.say(CosineWorking::tr("The three angles make 180°: y = 180° - x - z = 180° - %1 - %2 = %3")
              .arg(X ? exactDegrees(*X) : degrees(s.x), givenText(Z, z) + QStringLiteral("°"),
                   Y.known() ? exactDegrees(Y) : degrees(s.y)));
    if (root)
        for (const auto& [angle, value] :
             {std::pair{u'x', X.value_or(Rational::unknown())}, std::pair{u'y', Y}})
            if (value == Rational(90)) {
                const std::optional<Surd> all[3] = {Surd{A, 1}, Surd{B, 1}, *root};
                geometry::rightAngleCheck(w, angle, all);
            }
    if (X) notes.compare("x", exactDegrees(*X), degrees(X->toDouble()), degrees(s.x));
    if (Y.known()) notes.compare("y", exactDegrees(Y), degrees(Y.toDouble()), degrees(s.y));
    w.detail(geometry::radiansDetail());
    //: %1 is the side c, %2 and %3 the angles x and y
    w.say((notes.any() ? CosineWorking::tr("The window shows: c = %1, x = %2, y = %3.")
                       : CosineWorking::tr("Answer: c = %1, x = %2, y = %3."))
              .arg(resultText(s.c), degrees(s.x), degrees(s.y)));
    notes.tell(w);
    geometry::Drawing how;
    how.rightAngles = rightAngles(X, Y, Z);
    w.figure = geometry::triangleFigure({a, b, s.c, s.x, s.y, z}, baseOf(panel), how);
    return w;
}

Working threeSidesWorking(double a, double b, double c, const Angles& s, const QStringList& typed) {
    const Rational A = exactOf(a, typed.value(0)), B = exactOf(b, typed.value(1)),
                   C = exactOf(c, typed.value(2));
    const ExactSide ea = exactSide(A), eb = exactSide(B), ec = exactSide(C);
    const bool exact = ea.squared.known() && eb.squared.known() && ec.squared.known();
    RoundingNotes notes;
    Working w;
    w.say(CosineWorking::tr("Triangle 4: the three sides a, b and c are given."));
    w.say(QStringLiteral("a = %1, b = %2, c = %3")
              .arg(givenText(A, a), givenText(B, b), givenText(C, c)));
    if (exact) {
        // a side just as long as the two others together: the triangle lies flat
        const QChar names[3] = {u'a', u'b', u'c'};
        const Rational lengths[3] = {A, B, C};
        for (int k = 0; k < 3; ++k) {
            const int i = (k + 1) % 3, j = (k + 2) % 3;
            if (!(lengths[i] + lengths[j] == lengths[k])) continue;
            //: %1 and %2 are two sides' letters, %3 and %4 their lengths, %5 the third side's
            //: length and %6 its letter
            w.say(CosineWorking::tr("%1 + %2 = %3 + %4 = %5 = %6: the two sides together are just "
                                    "as long as the third, so the triangle lies flat, with no "
                                    "height.")
                      .arg(names[std::min(i, j)], names[std::max(i, j)],
                           exactTerm(lengths[std::min(i, j)]), exactTerm(lengths[std::max(i, j)]),
                           exactTerm(lengths[k]), names[k]));
        }
    }
    w.say(CosineWorking::tr("The law of cosines turned round gives each angle from the three "
                            "sides:"));
    std::optional<ExactCosine> ofX, ofY, ofZ;
    if (exact)
        ofX = exactCosine(ea, ec, eb), ofY = exactCosine(eb, ec, ea), ofZ = exactCosine(ea, eb, ec);
    const ExactSide forX[3] = {ea, ec, eb}, forY[3] = {eb, ec, ea};
    const auto X = angleSteps(w, 'x', "acb", ofX, forX, a, c, b, s.ofX, degrees(s.x));
    const auto Y = angleSteps(w, 'y', "bca", ofY, forY, b, c, a, s.ofY, degrees(s.y));
    // z from the other two, or from its own cosine when that is exact and they are not
    std::optional<Rational> Z;
    if (X && Y) Z = Rational(180) - *X - *Y;
    else if (ofZ) Z = geometry::exactArccos(ofZ->value);
    //: %1 is the angle x, %2 the angle y, %3 the angle z
    w.say(CosineWorking::tr("The three angles make 180°: z = 180° - x - y = 180° - %1 - %2 = %3")
              .arg(X ? exactDegrees(*X) : degrees(s.x), Y ? exactDegrees(*Y) : degrees(s.y),
                   Z ? exactDegrees(*Z) : degrees(s.z)));
    if (Z && !(X && Y)) {
        // z is exact though x and y are not: its own cosine says so
        //: %1 and %2 are the top and bottom of the fraction, %3 its value, %4 the angle z
        w.say(CosineWorking::tr("Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = %1 ÷ %2 = %3, so "
                                "z = %4.")
                  .arg(exactTerm(ofZ->top), number(ofZ->bottom), exactForm(ofZ->value),
                       exactDegrees(*Z)));
    }
    const Surd sideLengths[3] = {ea.length, eb.length, ec.length};
    if (exact)
        for (const auto& [angle, cosine] :
             {std::pair{u'x', ofX}, std::pair{u'y', ofY}, std::pair{u'z', ofZ}})
            if (cosine && cosine->value.q.sign() == 0) {
                const std::optional<Surd> all[3] = {sideLengths[0], sideLengths[1], sideLengths[2]};
                geometry::rightAngleCheck(w, angle, all);
            }
    if (X) notes.compare("x", exactDegrees(*X), degrees(X->toDouble()), degrees(s.x));
    if (Y) notes.compare("y", exactDegrees(*Y), degrees(Y->toDouble()), degrees(s.y));
    if (Z) notes.compare("z", exactDegrees(*Z), degrees(Z->toDouble()), degrees(s.z));
    w.detail(geometry::radiansDetail());
    //: %1, %2 and %3 are the angles z, x and y
    w.say((notes.any() ? CosineWorking::tr("The window shows: z = %1, x = %2, y = %3.")
                       : CosineWorking::tr("Answer: z = %1, x = %2, y = %3."))
              .arg(degrees(s.z), degrees(s.x), degrees(s.y)));
    notes.tell(w);
    geometry::Drawing how;
    how.rightAngles = rightAngles(X, Y, Z);
    w.figure = geometry::triangleFigure({a, b, c, s.x, s.y, s.z}, baseOf(4), how);
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
    //: a figure's label: %1 is the length the two shorter sides lack
    const QString missing = CosineWorking::tr("missing %1").arg(resultText(gap));
    geometry::endToEnd(f, names, sides, texts, gap, missing);
    const QString shorter = side(first.letter, first.length),
                  other = side(second.letter, second.length),
                  longestSide = side(longest.letter, longest.length);
    //: %1 and %2 are the two shorter sides ("a = 2"), %3 the longest, %4 what they lack
    f.description = gap > 0 ? CosineWorking::tr("The sides %1 and %2 laid end to end beside the "
                                                "longest side, %3: they fall %4 short, so no "
                                                "triangle closes.")
                                  .arg(shorter, other, longestSide, resultText(gap))
                            //: %1 and %2 are the two shorter sides ("a = 2"), %3 the longest
                            : CosineWorking::tr("The sides %1 and %2 laid end to end beside the "
                                                "longest side, %3: together they are no longer "
                                                "than it, so the triangle is flat at best.")
                                  .arg(shorter, other, longestSide);
    return f;
}

} // namespace

Working threeSidesRefused(double a, double b, double c, const QString& message,
                          const QStringList& typed) {
    Working w;
    //: %1 is the message the window showed
    w.say(CosineWorking::tr("The window said: \"%1\"").arg(message));
    const Rational typedSides[3] = {exactOf(a, typed.value(0)), exactOf(b, typed.value(1)),
                                    exactOf(c, typed.value(2))};
    w.say(CosineWorking::tr("The sides a = %1, b = %2 and c = %3 make no triangle it can solve.")
              .arg(givenText(typedSides[0], a), givenText(typedSides[1], b),
                   givenText(typedSides[2], c)));
    std::array<Side, 3> sides{Side{'a', a}, Side{'b', b}, Side{'c', c}};
    std::stable_sort(sides.begin(), sides.end(),
                     [](const Side& p, const Side& q) { return p.length < q.length; });
    const auto& [first, second, longest] = sides;
    const double reach = first.length + second.length, gap = longest.length - reach;
    // which side is too long, decided on the sides as typed
    const auto exactOfSide = [&](const Side& s) { return typedSides[s.letter.unicode() - u'a']; };
    const auto sideText = [&](const Side& s) { return givenText(exactOfSide(s), s.length); };
    const Rational exactGap = exactOfSide(longest) - exactOfSide(first) - exactOfSide(second);
    // beyond the exact fractions' reach, within the rounding of the sides
    const int order = exactGap.known()                                 ? exactGap.sign()
                      : working::withinRounding(reach, longest.length) ? 0
                      : gap > 0                                        ? 1
                                                                       : -1;
    if (order > 0) {
        //: %1 is the longest side ("c = 9"), %2 and %3 the two others, %4 their sum, %5 what
        //: it lacks
        w.say(CosineWorking::tr("The side %1 is too long: the two others together reach only "
                                "%2 + %3 = %4, which is %5 short of it.")
                  .arg(QStringLiteral("%1 = %2").arg(longest.letter, sideText(longest)),
                       sideText(first), sideText(second),
                       exactGap.known() ? exactTerm(exactOfSide(first) + exactOfSide(second))
                                        : plain(reach),
                       exactGap.known() ? exactTerm(exactGap) : plain(gap)));
    } else if (order == 0) {
        //: %1 and %2 are the two shorter sides, %3 their sum, %4 the longest side ("c = 9")
        w.say(CosineWorking::tr("The two shorter sides together, %1 + %2 = %3, are just as long "
                                "as the longest side, %4: the triangle is flat, with no height.")
                  .arg(sideText(first), sideText(second),
                       exactGap.known() ? exactTerm(exactOfSide(longest)) : plain(reach),
                       QStringLiteral("%1 = %2").arg(longest.letter, sideText(longest))));
        w.say(CosineWorking::tr("Its cosines are exactly 1 and -1, but the computer's rounding put "
                                "one just past them, and no angle has such a cosine."));
    }
    if (order > 0) {
        try {
            for (const auto& [angle, p, q, r] :
                 {std::tuple{'x', a, c, b}, std::tuple{'y', b, c, a}}) {
                const Cosine cosine = cosineFrom(p, q, r);
                if (cosine.value >= -1 && cosine.value <= 1) continue;
                const ExactSide ep = exactSide(exactOf(p, typed.value(angle == 'x' ? 0 : 1))),
                                eq = exactSide(exactOf(q, typed.value(2))),
                                er = exactSide(exactOf(r, typed.value(angle == 'x' ? 1 : 0)));
                const auto exact = ep.squared.known() && eq.squared.known() && er.squared.known()
                                       ? exactCosine(ep, eq, er)
                                       : std::nullopt;
                w.say(exact ? exactCosineLine(QChar(angle), ep, eq, er, *exact)
                            : cosineLine(angle, p, q, r, cosine));
                w.say(CosineWorking::tr("A cosine is never below -1 or above 1, so no angle has "
                                        "it."));
                break;
            }
        } catch (const ArithmeticFault&) {
            w.say(CosineWorking::tr("The squares of these sides are too large for the computer."));
        }
    }
    if (order < 0) {
        // a triangle, but one whose squares the computer cannot hold
        try {
            cosineFrom(a, c, b), cosineFrom(b, c, a);
        } catch (const ArithmeticFault&) {
            w.say(CosineWorking::tr("The squares of these sides are too large for the computer."));
        }
        w.figure.note = CosineWorking::tr("No figure: the computer cannot work with these sides.");
        w.figure.description = w.figure.note;
        return w;
    }
    w.say(CosineWorking::tr("In a triangle any two sides together are longer than the third."));
    w.figure = laidEndToEnd(a, b, c, first, second, longest, gap);
    geometry::keepDrawable(w.figure);
    return w;
}

working::Guide cosinesGuide() {
    return geometry::solverGuide(
        {CosineWorking::tr("Triangles 1, 2 and 3 take two sides, a and b, and "
                           "the angle z between them, and find the side c and "
                           "the angles x and y."),
         CosineWorking::tr("Triangle 4 takes the three sides a, b and c and "
                           "finds the angles x, y and z.")},
        twoSidesWorking(1, 3, 90, 4, SolveSAS(3, 90, 4)));
}

} // namespace sb::law_of_cosines
