// SPDX-License-Identifier: GPL-3.0-or-later
#include "sine_working.h"

#include "entry/conversions.h"
#include "topics/geometry/angles.h"
#include "topics/geometry/solved_triangle.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace sb::law_of_sines {

using geometry::degrees;
using geometry::exactArcsin;
using geometry::exactDegrees;
using geometry::exactFactor;
using geometry::exactOf;
using geometry::exactForm;
using geometry::inverse;
using geometry::RoundingNotes;
using geometry::side;
using working::exactSin;
using working::Figure;
using working::plain;
using working::Rational;
using working::Surd;
using working::Working;

namespace {

// the texts of the law of sines window's working
struct SineWorking {
    Q_DECLARE_TR_FUNCTIONS(SineWorking)
};

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

// How far side a falls short of the line of b, c sin(y) - a, worked with c sin(y) as
// the steps show it: 5 - 4 = 1, though the computer holds c sin(y) a hair below 5. Where
// that hides the gap, to all the digits.
double shortfall(const Solution& s) {
    const double gap = readBack(s.h) - s.triangle.a;
    return gap > 0 ? gap : s.h - s.triangle.a;
}

// a given value as a step writes it: as typed, never in E-notation ("a = 0.00001")
QString givenSide(const QString& name, double value, const Rational& exact = Rational::unknown()) {
    return name + " = " + geometry::givenText(exact, value);
}
QString plainDegrees(double value) { return plain(value) + QStringLiteral("°"); }
QString givenAngle(const QString& name, double value, const Rational& exact = Rational::unknown()) {
    return name + " = " + geometry::givenText(exact, value) + QStringLiteral("°");
}

void tell(Working& w, const QString& told) {
    //: %1 is the message the window showed
    if (!told.isEmpty()) w.say(SineWorking::tr("The window said: \"%1\"").arg(told));
}

// One side found by the law of sines: side = known sin(top) ÷ sin(bottom).
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

Working twoAnglesWorking(int panel, const Solution& s, const QString& told,
                         const QStringList& typed) {
    const TwoAngles& p = twoAnglesPanel(panel);
    const Triangle& t = s.triangle;
    const bool solved = s.verdict == Verdict::Solved;
    // the given values exactly as typed, and the angle the two leave
    const Rational first = exactOf(valueOf(t, p.first), typed.value(0));
    const Rational second = exactOf(valueOf(t, p.second), typed.value(1));
    const Rational given = exactOf(valueOf(t, p.given), typed.value(2));
    const Rational third = Rational(180) - first - second;
    const auto exactAngle = [&](QChar letter) {
        return letter == p.first ? first : letter == p.second ? second : third;
    };
    Working w;
    tell(w, told);
    //: %1 is the panel's number, %2 and %3 the angles' letters, %4 the side's letter
    w.say(SineWorking::tr("Triangle %1: the angles %2 and %3 and the side %4 are given.")
              .arg(QString::number(panel), p.first, p.second, p.given));
    w.say(QStringLiteral("%1, %2, %3")
              .arg(givenAngle(p.first, valueOf(t, p.first), first),
                   givenAngle(p.second, valueOf(t, p.second), second),
                   givenSide(p.given, valueOf(t, p.given), given)));
    //: %1 is the third angle's letter, %2 and %3 the given angles' letters, %4 and %5 their
    //: values, %6 the third angle
    w.say(SineWorking::tr("The three angles make 180°: %1 = 180° - %2 - %3 = 180° - %4 - %5 = %6")
              .arg(p.third, p.first, p.second,
                   geometry::givenText(first, valueOf(t, p.first)) + QStringLiteral("°"),
                   geometry::givenText(second, valueOf(t, p.second)) + QStringLiteral("°"),
                   third.known() ? exactDegrees(third) : plainDegrees(valueOf(t, p.third))));
    // decided on the exact angles: 100° and 80° leave exactly 0°, whatever the computer's
    // subtraction leaves
    const bool room = third.known() ? third.sign() > 0 : valueOf(t, p.third) > 0;
    if (!room) {
        //: %1 and %2 are the given angles' letters
        w.say(SineWorking::tr("Each angle of a triangle is above 0°, so %1 and %2 together must "
                              "be less than 180°: no triangle has these angles.")
                  .arg(p.first, p.second));
        if (solved)
            //: %1 is the third angle's letter, %2 the values the window shows
            w.say(SineWorking::tr("The computer's rounding left %1 a hair above 0°, so the window "
                                  "shows a triangle that is really flat: %2.")
                      .arg(p.third, answers(t, p.shows)));
        //: %1 and %2 are the given angles' letters, %3 the third angle's letter
        w.figure.note = SineWorking::tr("No triangle to draw: %1 and %2 leave nothing for %3.")
                            .arg(p.first, p.second, p.third);
        w.figure.description = w.figure.note;
        return w;
    }
    w.say(SineWorking::tr("The law of sines: a ÷ sin(y) = b ÷ sin(x) = c ÷ sin(z)."));
    // the sines of 30°, 45°, 60°, 90° and their kin exactly, the others as computed
    std::optional<Surd> sines[3];
    QStringList sineTexts;
    for (int i = 0; i < 3; ++i) {
        const QChar letter = QChar(u'x' + i);
        const Rational exact = exactAngle(letter);
        if (exact.known()) sines[i] = exactSin(exact);
        sineTexts << QStringLiteral("sin(%1) = %2")
                         .arg(exact.known() ? exactDegrees(exact)
                                            : plainDegrees(valueOf(t, letter)),
                              sines[i] ? exactForm(*sines[i]) : plain(sineOf(s.sines, letter)));
    }
    w.say(sineTexts.join(QStringLiteral(", ")));
    const auto sineAt = [&](QChar angle) { return sines[angle.unicode() - u'x']; };
    std::optional<Surd> sides[3]; // a, b, c exactly, where the sines and the side are exact
    if (given.known()) sides[p.given.unicode() - u'a'] = Surd{given, 1};
    RoundingNotes notes;
    for (const Derived& d : p.derived) {
        const auto top = sineAt(d.top), bottom = sineAt(d.bottom);
        const auto known = sides[d.known.unicode() - u'a'];
        const double found = valueOf(t, d.side);
        const QString window = solved ? resultText(found) : plain(found);
        const Surd exact = top && bottom && known ? *top * *known * inverse(*bottom)
                                                  : Surd{Rational::unknown(), 0};
        if (exact.known()) {
            sides[d.side.unicode() - u'a'] = exact;
            w.say(QStringLiteral("%1 = %3 sin(%2) ÷ sin(%4) = %6 × %5 ÷ %7 = %8")
                      .arg(d.side, d.top, d.known, d.bottom, exactFactor(*top), exactFactor(*known),
                           exactFactor(*bottom), exactForm(exact)));
            notes.compare(d.side, exactForm(exact), resultText(geometry::exactValue(exact)), window);
        } else {
            // each factor exactly where it is exact, the others as the computer found them
            w.say(QStringLiteral("%1 = %3 sin(%2) ÷ sin(%4) = %6 × %5 ÷ %7 = %8")
                      .arg(d.side, d.top, d.known, d.bottom,
                           top ? exactFactor(*top) : plain(sineOf(s.sines, d.top)),
                           known ? exactFactor(*known) : plain(valueOf(t, d.known)),
                           bottom ? exactFactor(*bottom) : plain(sineOf(s.sines, d.bottom)),
                           window));
        }
    }
    if (third.known())
        notes.compare(p.third, exactDegrees(third), degrees(third.toDouble()),
                      degrees(valueOf(t, p.third)));
    w.detail(geometry::radiansDetail());
    if (!solved) {
        w.say(SineWorking::tr("A side that comes out 0 or less makes no triangle."));
        return w;
    }
    for (const QChar letter : {u'x', u'y', u'z'})
        if (exactAngle(letter) == Rational(90)) geometry::rightAngleCheck(w, letter, sides);
    //: %1 lists the values the window shows: "c = 10, a = 8.66025403784439, y = 60°"
    w.say((notes.any() ? SineWorking::tr("The window shows: %1.") : SineWorking::tr("Answer: %1."))
              .arg(answers(t, p.shows)));
    notes.tell(w);
    // both panels draw the side c along the bottom, x on the left
    geometry::Drawing how;
    for (const QChar letter : {u'x', u'y', u'z'})
        if (exactAngle(letter) == Rational(90)) how.rightAngles += letter;
    w.figure = geometry::triangleFigure(t, geometry::Base::CFromXToY, how);
    return w;
}

namespace {

// Side a swung from its corner X towards the line of side b, which it fails to reach (h > a)
// or reaches only where x would be 0 or less.
Figure swing(const Solution& s) {
    const Triangle& t = s.triangle;
    Figure f;
    if (!(std::max(t.a, t.c) < 1e150)) {
        f.note = SineWorking::tr("The sides are too large to draw.");
        f.description = f.note;
        return f;
    }
    const double r = t.y * angles::DegToRad;
    const geometry::Point X{t.c * std::cos(r), t.c * std::sin(r)};
    const double reach = std::sqrt(std::max(0.0, (t.a - X.y) * (t.a + X.y)));
    const double left = std::min({0.0, X.x - reach}) - 0.15 * t.c;
    const double right = std::max({0.0, X.x + reach, X.x + t.a}) + 0.15 * t.c;
    f.segment("line-b", left, 0, right, 0, working::ink(working::Ink::Faint));
    f.label("line-b-name", right, 0, SineWorking::tr("line of b"),
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
        //: a figure's label: %1 is a length
        f.label("shortfall-length", X.x, end / 2,
                SineWorking::tr("short by %1").arg(resultText(gap)),
                working::at(working::Place::Right));
        //: %1 is "a = " and the side's length, %2 and %3 lengths
        f.description = SineWorking::tr("Side %1 swung from corner X misses the line of side b: "
                                        "X lies %2 from it, so a falls %3 short.")
                            .arg(side("a", t.a), resultText(s.h), resultText(gap));
        return f;
    }
    f.point("meet-1", X.x - reach, 0);
    f.point("meet-2", X.x + reach, 0);
    f.segment("a", X.x, X.y, X.x + reach, 0);
    f.label("side-a", (X.x + X.x + reach) / 2, X.y / 2, side("a", t.a),
            working::at(working::Place::Right));
    //: %1 is "a = " and the side's length, %2 the angle x
    f.description = SineWorking::tr("Side %1 swung from corner X meets the line of side b only "
                                    "where the angle x would be 0° or less: x = %2.")
                        .arg(side("a", t.a), degrees(t.x));
    return f;
}

// The first triangle, and the second dashed where two fit; rightAngles are the first's
// angles that are exactly right.
Figure bothTriangles(const Solution& s, const std::optional<Solution>& other,
                     const QString& rightAngles) {
    // the two sides b lie along one line: their values go below it in rows of their own
    geometry::Drawing first;
    first.rightAngles = rightAngles;
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
    //: a figure's label: the angles of the second triangle, drawn dashed ("x' = 30°")
    f.label("angles2", s.triangle.b / 2, below,
            SineWorking::tr("dashed: %1, %2")
                .arg(geometry::angle("x'", t.x), geometry::angle("z'", t.z)),
            working::at(working::Place::Below));
    geometry::leaveRoomForLabels(f);
    //: %1 lists the second triangle's values: "b' = 3.1, x' = 30°, z' = 120°"
    f.description += ' ' + SineWorking::tr("A second triangle fits the same values, dashed: %1.")
                               .arg(answers(t, "bxz", "'"));
    return f;
}

} // namespace

Working twoSidesWorking(int panel, const Solution& s, const QString& told,
                        const QStringList& typed) {
    const Triangle& t = s.triangle;
    const bool solved = s.verdict == Verdict::Solved;
    const QString shows = panel == 2 ? QStringLiteral("xzb") : QStringLiteral("zxb");
    // the given values exactly as typed; where sin(y) is exact too (30°, 45°, 60°, 90°, ...),
    // every decision below is made on exact values
    const Rational Y = exactOf(t.y, typed.value(0)), A = exactOf(t.a, typed.value(1)),
                   C = exactOf(t.c, typed.value(2));
    const std::optional<Surd> sinY =
        Y.known() && A.known() && C.known() ? exactSin(Y) : std::nullopt;
    std::optional<Surd> h;
    if (sinY) h = *sinY * C;
    if (h && !h->known()) h.reset();
    // how a compares with c sin(y): 1 longer, 0 just as long, -1 shorter
    int reach = s.verdict == Verdict::SideTooShort ? -1 : s.h < t.a ? 1 : 0;
    if (h) {
        const std::partial_ordering order = Surd{A, 1} <=> *h;
        if (order == std::partial_ordering::unordered)
            h.reset(); // beyond the exact fractions' reach: as the computer found it
        else reach = order == 0 ? 0 : order < 0 ? -1 : 1;
    }
    Working w;
    tell(w, told);
    w.say(SineWorking::tr("Triangle %1: the angle y, the side a opposite it and the side c are "
                          "given.")
              .arg(panel));
    w.say(QStringLiteral("%1, %2, %3")
              .arg(givenAngle("y", t.y, Y), givenSide("a", t.a, A), givenSide("c", t.c, C)));
    const QString a = geometry::givenText(A, t.a), c = geometry::givenText(C, t.c);
    const QString aFactor = geometry::givenFactor(A, t.a), cFactor = geometry::givenFactor(C, t.c);
    if (sinY) w.say(QStringLiteral("sin(%1) = %2").arg(exactDegrees(Y), exactForm(*sinY)));
    //: %1 is c, %2 sin(y), %3 their product
    w.say(SineWorking::tr("Side a runs from corner X to the line of side b. X lies c sin(y) = "
                          "%1 × %2 = %3 from that line.")
              .arg(cFactor, sinY ? exactFactor(*sinY) : plain(s.sines.y),
                   h ? exactForm(*h) : plain(s.h)));
    if (reach < 0) {
        const QString gap = h && h->r == 1 ? geometry::exactTerm(h->q - A) : plain(shortfall(s));
        //: %1 is a, %2 is c sin(y), %3 the difference
        w.say(SineWorking::tr("a = %1 is shorter: it falls short by c sin(y) - a = %2 - %1 = %3.")
                  .arg(a, h ? geometry::exactTerm(*h) : plain(s.h), gap));
        if (!h && readBack(s.h) != s.h)
            //: %1 is a number to all its digits, %2 the same number as the steps write it
            w.detail(SineWorking::tr("To all its digits the computer holds c sin(y) as %1, "
                                     "which shows as %2.")
                         .arg(QString::number(s.h, 'f', 17 - int(std::log10(std::max(1.0, s.h)))),
                              plain(s.h)));
        w.say(SineWorking::tr("So no triangle fits these values."));
        w.figure = swing(s);
        return w;
    }
    if (reach == 0)
        w.say(SineWorking::tr("a = %1 is just as long: it meets the line of b at a right angle.")
                  .arg(a));
    else w.say(SineWorking::tr("a = %1 is longer, so it reaches the line.").arg(a));

    // sin(z), z, x and b: exactly where the exercise is exact, else as the window found them
    std::optional<Surd> sinZ;
    if (h) sinZ = *h * inverse(Surd{A, 1});
    if (sinZ && !sinZ->known()) sinZ.reset();
    const std::optional<Rational> Z = sinZ ? exactArcsin(*sinZ) : std::nullopt;
    const Rational X = Z ? Rational(180) - Y - *Z : Rational::unknown();
    const std::optional<Surd> sinX = X.known() ? exactSin(X) : std::nullopt;
    std::optional<Surd> B;
    if (sinX) B = *sinX * A * inverse(*sinY);
    if (B && !B->known()) B.reset();
    const QString windowZ = solved ? degrees(t.z) : plainDegrees(t.z);
    const QString windowX = solved ? degrees(t.x) : plainDegrees(t.x);
    //: %2 is c, %1 sin(y), %3 a, %4 sin(z)
    w.say(SineWorking::tr("The law of sines: sin(z) ÷ c = sin(y) ÷ a, so sin(z) = c sin(y) ÷ a "
                          "= %2 × %1 ÷ %3 = %4")
              .arg(sinY ? exactFactor(*sinY) : plain(s.sines.y), cFactor, aFactor,
                   sinZ ? exactForm(*sinZ) : plain(s.sines.z)));
    //: %1 is sin(z), %2 the angle z
    w.say(SineWorking::tr("z = arcsin(%1) = %2, the angle up to 90° with that sine.")
              .arg(sinZ ? sinZ->text() : plain(s.sines.z), Z ? exactDegrees(*Z) : windowZ));
    w.say(QStringLiteral("x = 180° - y - z = 180° - %1 - %2 = %3")
              .arg(geometry::givenText(Y, t.y) + QStringLiteral("°"),
                   Z ? exactDegrees(*Z) : windowZ, X.known() ? exactDegrees(X) : windowX));
    const bool fits = X.known() ? X.sign() > 0 : solved;
    if (!fits) {
        w.say(SineWorking::tr("The angles x and z must each be above 0°: no triangle fits these "
                              "values."));
        if (solved)
            //: %1 lists the values the window shows
            w.say(SineWorking::tr("The computer's rounding left x a hair above 0°, so the window "
                                  "shows a triangle that is really flat: %1.")
                      .arg(answers(t, shows)));
        // a side that exactly reaches the line, though the computer's c sin(y) came out a
        // hair beyond it: drawn meeting the line, where x would be what the steps found
        Solution reached = s;
        if (s.verdict == Verdict::SideTooShort && X.known()) {
            reached.verdict = Verdict::NoTriangle;
            reached.triangle.x = X.toDouble();
            reached.triangle.z = Z->toDouble();
        }
        w.figure = swing(reached);
        return w;
    }
    if (B)
        w.say(QStringLiteral("b = a sin(x) ÷ sin(y) = %2 × %1 ÷ %3 = %4")
                  .arg(exactFactor(*sinX), aFactor, exactFactor(*sinY), exactForm(*B)));
    else
        w.say(QStringLiteral("b = a sin(x) ÷ sin(y) = %2 × %1 ÷ %3 = %4")
                  .arg(plain(s.sines.x), aFactor, sinY ? exactFactor(*sinY) : plain(s.sines.y),
                       resultText(t.b)));
    if (reach == 0 && X.known())
        w.say(SineWorking::tr("Only this one triangle fits, with its right angle at Z."));
    // a right angle at Z (a just reaching) or at X: the pupil's check
    QString rightAngles;
    if (Z && *Z == Rational(90)) rightAngles += u'z';
    if (X == Rational(90)) rightAngles += u'x';
    const std::optional<Surd> all[3] = {Surd{A, 1}, B, Surd{C, 1}};
    for (const QChar angle : rightAngles) geometry::rightAngleCheck(w, angle, all);
    RoundingNotes notes;
    if (solved) {
        if (Z) notes.compare("z", exactDegrees(*Z), degrees(Z->toDouble()), windowZ);
        if (X.known()) notes.compare("x", exactDegrees(X), degrees(X.toDouble()), windowX);
        if (B) notes.compare("b", exactForm(*B), resultText(geometry::exactValue(*B)), resultText(t.b));
    }
    w.detail(geometry::radiansDetail());
    if (!solved) {
        // the exact values make a triangle the computer's rounding missed
        w.say(SineWorking::tr("The computer's c sin(y) came out a hair above a, so the window "
                              "found no triangle; exactly there is one."));
        return w;
    }
    //: %1 lists the values the window shows: "c = 10, a = 8.66025403784439, y = 60°"
    w.say((notes.any() ? SineWorking::tr("The window shows: %1.") : SineWorking::tr("Answer: %1."))
              .arg(answers(t, shows)));
    notes.tell(w);
    if (Z && notes.any() && std::abs(t.z - Z->toDouble()) > 1e-9)
        w.say(
            //: %1 is the computer's sin(z), %2 a small number of degrees
            SineWorking::tr("Near 90° the sine hardly changes, so the computer's sin(z), %1 "
                            "instead of 1, moved z by %2°, and x and b with it.")
                .arg(plain(s.sines.z),
                     (*Z - Rational::ofShown(t.z)).decimalText().value_or(QString()).remove(u'-')));
    // decided exactly where the exercise is exact: a second triangle needs a longer than
    // c sin(y) and shorter than c, with y below 90°
    const bool twoFit = h ? reach > 0 && Y < Rational(90) && A < C : true;
    const std::optional<Solution> other = twoFit ? OtherTriangle(s) : std::nullopt;
    if (other) {
        const Triangle& u = other->triangle;
        //: %1 is c sin(y), %2 is a, %3 is c
        w.say(SineWorking::tr("A second triangle fits too, because y is below 90° and "
                              "c sin(y) = %1 < a = %2 < c = %3. The window shows only the "
                              "first; the figure draws the second dashed.")
                  .arg(h ? exactForm(*h) : plain(s.h), a, c));
        //: z' is the angle z of the second triangle; %1 is z, %2 is z'
        w.say(SineWorking::tr("In the second, z' = 180° - z = 180° - %1 = %2")
                  .arg(degrees(t.z), degrees(u.z)));
        w.say(QStringLiteral("x' = 180° - y - z' = 180° - %1 - %2 = %3")
                  .arg(plainDegrees(u.y), degrees(u.z), degrees(u.x)));
        w.say(QStringLiteral("b' = a sin(x') ÷ sin(y) = %2 × %1 ÷ %3 = %4")
                  .arg(plain(other->sines.x), aFactor,
                       sinY ? exactFactor(*sinY) : plain(other->sines.y), resultText(u.b)));
        //: %1 lists the second triangle's values: "x' = 30°, z' = 120°, b' = 3.1"
        w.say(SineWorking::tr("Second answer: %1.").arg(answers(u, shows, "'")));
    }
    w.figure = bothTriangles(s, other, rightAngles);
    return w;
}

working::Guide sinesGuide() {
    // the example is the one where two triangles fit
    return geometry::solverGuide(
        {SineWorking::tr("Triangles 1 and 4 take two angles and a side, and "
                         "find the third angle and the other two sides."),
         SineWorking::tr("Triangles 2 and 3 take the angle y, the side a "
                         "opposite it and the side c, and find the angles z "
                         "and x and the side b.")},
        twoSidesWorking(2, SolveYAC(30, 6, 10)));
}

} // namespace sb::law_of_sines
