// SPDX-License-Identifier: GPL-3.0-or-later
#include "solved_triangle.h"

#include "entry/conversions.h"
#include "topics/geometry/angles.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>

namespace sb::geometry {

using working::Figure;
using working::Look;
using working::Place;

namespace {

// the texts of the two triangle-solving windows' working and figures
struct SolvedTriangle {
    Q_DECLARE_TR_FUNCTIONS(SolvedTriangle)
};

Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator*(Point p, double k) { return {p.x * k, p.y * k}; }
double length(Point d) { return std::hypot(d.x, d.y); }
double cross(Point p, Point q) { return p.x * q.y - p.y * q.x; }
double dot(Point p, Point q) { return p.x * q.x + p.y * q.y; }
Point unit(Point d) {
    const double l = length(d);
    return l > 0 ? Point{d.x / l, d.y / l} : Point{0, 1};
}
double direction(Point d) { return std::atan2(d.y, d.x) * 180 / M_PI; }

// The side of its anchor a label stands on, for a direction in the figure (y up).
Place compass(Point d) {
    static constexpr Place around[] = {Place::Right,     Place::AboveRight, Place::Above,
                                       Place::AboveLeft, Place::Left,       Place::BelowLeft,
                                       Place::Below,     Place::BelowRight};
    const long eighth = std::lround(std::atan2(d.y, d.x) / (2 * M_PI) * 8);
    return around[eighth & 7];
}

// left at (0, 0), right along the x axis, the apex above: a turn, and a mirror if needed
std::array<Point, 3> lay(Point left, Point right, Point apex) {
    const Point u = unit(right - left), p = apex - left;
    return {Point{0, 0}, Point{length(right - left), 0}, Point{dot(p, u), std::abs(cross(u, p))}};
}

// Below this share of the longest side a side is too short to carry its label, which then
// stands this far out at the end of a leader.
constexpr double shortSide = 0.12, leaderLength = 0.16;

// a side or an angle with the letter it goes by
struct Named {
    QChar letter;
    double value;
};

} // namespace

Corners place(const Triangle& t, Base base) {
    const double r = t.y * angles::DegToRad;
    const Corners k{{t.c * std::cos(r), t.c * std::sin(r)}, {0, 0}, {t.b, 0}};
    switch (base) {
    case Base::BFromYToZ: break;
    case Base::CFromXToY: {
        const auto [X, Y, Z] = lay(k.X, k.Y, k.Z);
        return {X, Y, Z};
    }
    case Base::AFromZToX: {
        const auto [Z, X, Y] = lay(k.Z, k.X, k.Y);
        return {X, Y, Z};
    }
    }
    return k;
}

QString degrees(double value) { return resultText(value) + QStringLiteral("°"); }
QString side(const QString& name, double value) { return name + " = " + resultText(value); }
QString angle(const QString& name, double value) { return name + " = " + degrees(value); }

void drawTriangle(Figure& f, const Corners& k, const Triangle& t, const Drawing& how) {
    const Look outline{how.dashed ? working::Ink::Second : working::Ink::Main, how.dashed};
    f.polygon("triangle" + how.suffix, {k.X.x, k.X.y, k.Y.x, k.Y.y, k.Z.x, k.Z.y}, outline);
    const Point centre = (k.X + k.Y + k.Z) * (1.0 / 3);
    const double longest = std::max({length(k.X - k.Y), length(k.Y - k.Z), length(k.Z - k.X)});
    const Look leader = working::dashed();
    const auto labelled = [&](QChar letter, const QString& text, Point at, Point away,
                              double leaderShare) {
        const QString name = QString(letter) + how.suffix;
        const QString kind =
            letter.unicode() >= 'x' ? QStringLiteral("angle-") : QStringLiteral("side-");
        if (leaderShare > 0) {
            const Point end = at + away * (leaderShare * longest);
            f.segment("leader-" + name, at.x, at.y, end.x, end.y, leader);
            at = end;
        }
        f.label(kind + name, at.x, at.y, text, working::at(compass(away)));
    };

    // each side: its ends and the corner facing it
    const struct {
        QChar letter;
        double value;
        Point from, to, facing;
    } sides[] = {{'a', t.a, k.X, k.Z, k.Y}, {'b', t.b, k.Y, k.Z, k.X}, {'c', t.c, k.X, k.Y, k.Z}};
    for (const auto& s : sides) {
        if (!how.values.contains(s.letter)) continue;
        const Point d = s.to - s.from, middle = (s.from + s.to) * 0.5;
        Point out = unit({-d.y, d.x});
        if (dot(out, s.facing - middle) > 0) out = out * -1;
        const bool cramped = length(d) < shortSide * longest;
        labelled(s.letter, side(s.letter + how.mark, s.value), middle, out,
                 how.sideLeader > 0 && how.led.contains(s.letter) ? how.sideLeader
                 : cramped                                        ? leaderLength
                                                                  : 0);
    }

    // each angle: an arc from one side to the other, anticlockwise
    const bool anticlockwise = cross(k.Y - k.X, k.Z - k.X) >= 0;
    const struct {
        QChar letter;
        double value;
        Point at, previous, next;
        double beside; // the shorter of the two sides that meet there
    } corners[] = {{'x', t.x, k.X, k.Z, k.Y, std::min(t.a, t.c)},
                   {'y', t.y, k.Y, k.X, k.Z, std::min(t.b, t.c)},
                   {'z', t.z, k.Z, k.Y, k.X, std::min(t.a, t.b)}};
    for (const auto& c : corners) {
        const QChar upper = c.letter.toUpper();
        const Point out = unit(c.at - centre);
        // a corner on the base has its value below it, reaching away from the base's
        // middle where the base's own value stands, and its name above it on the outside
        const bool onBase = out.y < 0;
        const bool leftward = out.x < 0;
        if (how.corners.contains(upper))
            f.point("corner-" + QString(upper) + how.suffix, c.at.x, c.at.y,
                    QString(upper) + how.mark,
                    working::at(how.namesInside ? compass(out * -1)
                                : onBase        ? (leftward ? Place::AboveLeft : Place::AboveRight)
                                : leftward      ? Place::Left
                                                : Place::Right));
        if (!how.values.contains(c.letter)) continue;
        const double start = direction((anticlockwise ? c.next : c.previous) - c.at);
        const double radius = how.arcScale * std::min(0.3 * c.beside, 0.12 * longest);
        if (how.rightAngles.contains(c.letter)) {
            const double side = radius * 0.6;
            const Point u = unit(c.previous - c.at), v = unit(c.next - c.at);
            const Point p = c.at + u * side, q = c.at + v * side, corner = p + v * side;
            f.curve("right-" + QString(c.letter) + how.suffix,
                    {p.x, p.y, corner.x, corner.y, q.x, q.y}, outline);
        } else {
            f.arc("arc-" + QString(c.letter) + how.suffix, c.at.x, c.at.y, radius, start, c.value,
                  outline);
        }
        // a long value has room above or below its corner (see leaveRoomForLabels), with the
        // corner's name beside it
        if (how.angleValues)
            f.label("angle-" + QString(c.letter) + how.suffix, c.at.x, c.at.y,
                    angle(c.letter + how.mark, c.value),
                    working::at(!onBase    ? Place::Above
                                : leftward ? Place::BelowLeft
                                           : Place::BelowRight));
    }
}

QString describe(const Triangle& t, const QString& mark) {
    QStringList parts;
    for (const Named& p : {Named{'a', t.a}, Named{'b', t.b}, Named{'c', t.c}})
        parts << QString(p.letter) + mark + " = " + resultText(p.value);
    for (const Named& p : {Named{'x', t.x}, Named{'y', t.y}, Named{'z', t.z}})
        parts << QString(p.letter) + mark + " = " + degrees(p.value);
    return parts.join(QStringLiteral(", "));
}

void leaveRoomForLabels(Figure& f) {
    f.view.reset();
    working::Box b = f.extent();
    const double w = b.right - b.left, h = b.top - b.bottom;
    // half a long value's width beside the outer corners, a line of text above and below
    b.left -= 0.22 * w, b.right += 0.22 * w;
    b.bottom -= 0.1 * h + 0.04 * w, b.top += 0.1 * h + 0.04 * w;
    f.view = b;
}

Figure triangleFigure(const Triangle& t, Base base, const Drawing& how) {
    Figure f;
    const double longest = std::max({t.a, t.b, t.c});
    // far beyond what a box takes, the corners' distances would overflow
    if (!(longest < 1e150)) {
        f.note = SolvedTriangle::tr("The triangle is too large to draw: its longest side is %1.")
                     .arg(resultText(longest));
        //: %1 lists the sides and angles: "a = 3, b = 4, c = 5, x = 36.87°, ..."
        f.description = SolvedTriangle::tr("Triangle XYZ, too large to draw: %1.").arg(describe(t));
        return f;
    }
    const Corners k = place(t, base);
    drawTriangle(f, k, t, how);
    leaveRoomForLabels(f);
    //: %1 lists the sides and angles: "a = 3, b = 4, c = 5, x = 36.87°, ..."
    f.description = SolvedTriangle::tr("Triangle XYZ drawn to scale: %1.").arg(describe(t));
    if (!how.rightAngles.isEmpty())
        //: %1 is the angle's letter (x, y or z)
        f.description += ' ' + SolvedTriangle::tr("The angle %1 is exactly a right angle, marked "
                                                  "with a square.")
                                   .arg(how.rightAngles);
    const double height = std::abs(cross(k.Y - k.X, k.Z - k.X)) / longest;
    if (height < longest / 300)
        //: %1 and %2 are lengths
        f.note = SolvedTriangle::tr("At true scale the triangle is almost flat: its height is %1, "
                                    "its longest side %2.")
                     .arg(resultText(height), resultText(longest));
    return f;
}

working::Guide solverGuide(const QStringList& panels, working::Working example) {
    const QStringList boxes{
        //: %1 is a decimal number such as 2.5
        SolvedTriangle::tr(
            "Each box takes a number above 0 of at most 5 characters: a whole number "
            "(3), a decimal (%1), a fraction (3/4) or a mixed number (2/1/3).")
            .arg(resultText(2.5)),
        SolvedTriangle::tr("Angles are in degrees, above 0° and below 180°.")};
    return {boxes + panels, std::move(example)};
}

QString radiansDetail() {
    return SolvedTriangle::tr("Before a sine or a cosine the computer turns degrees into radians "
                              "(× 3.14159265358979 ÷ 180), and an angle it finds back into degrees "
                              "(× 180 ÷ 3.14159265358979).");
}

} // namespace sb::geometry

// --- exact values for the steps

namespace sb::geometry {

using working::exactCos;
using working::exactSin;
using working::Rational;
using working::Surd;

Rational exactOf(double value, const QString& typed) {
    if (!typed.isEmpty()) {
        const Rational r = Rational::ofText(typed);
        if (r.known() && working::withinRounding(r.toDouble(), value)) return r;
    }
    if (!std::isfinite(value) || QString::number(value, 'g', 15).toDouble() != value)
        return Rational::unknown();
    return Rational::ofShown(value);
}

Surd inverse(const Surd& s) {
    if (!s.known() || s.q.sign() == 0) return Surd{Rational::unknown(), 0};
    return Surd{Rational(1) / (s.q * Rational(s.r)), s.r};
}

std::optional<Rational> exactArcsin(const Surd& s) {
    for (const int degrees : {0, 30, 45, 60, 90})
        if (exactSin(degrees) == s) return Rational(degrees);
    return std::nullopt;
}

std::optional<Rational> exactArccos(const Surd& s) {
    for (const int degrees : {0, 30, 45, 60, 90, 120, 135, 150, 180})
        if (exactCos(degrees) == s) return Rational(degrees);
    return std::nullopt;
}

// worked with 34 digits and rounded once, to the 15 digits the window shows
double exactValue(const Surd& s) { return working::nearest15(working::valueOf(s)); }

QString exactDigits(const Surd& s) { return working::plainDigits(working::valueOf(s)); }

QString exactForm(const Rational& r) {
    if (!r.known()) return QStringLiteral("?");
    if (r.isWhole()) return working::exactWritten(r);
    const QString digits = exactDigits(Surd{r, 1});
    // a fraction whose decimal never ends stands beside its 15 digits when it is short; a
    // long one, such as a typed decimal squared and divided, is clearer as the digits alone
    if (working::isFraction(r)) return working::exactBeside(r).value_or(digits);
    // a decimal that ends: a fraction a pupil reads at a glance stands beside it
    const QString decimal = working::exactWritten(r);
    return r.text().size() <= 9 && r.denominator() <= 100
               ? QStringLiteral("%1 = %2").arg(r.text(), decimal)
               : decimal;
}

QString exactForm(const Surd& s) {
    if (s.r == 1) return exactForm(s.q);
    return QStringLiteral("%1 ≈ %2").arg(s.text(), exactDigits(s));
}

QString exactTerm(const Rational& r) { return working::exactWritten(r); }

QString givenText(const Rational& exact, double value) {
    return exact.known() ? exactTerm(exact) : working::plain(value);
}

QString givenFactor(const Rational& exact, double value) {
    if (!exact.known()) return working::plain(value);
    const QString text = exactTerm(exact);
    return exact.sign() < 0 || text.contains(u'/') ? '(' + text + ')' : text;
}

QString exactTerm(const Surd& s) { return s.r == 1 ? exactTerm(s.q) : s.text(); }

QString exactFactor(const Surd& s) {
    const bool bare = s.q.isWhole() && s.q.sign() >= 0;
    if (!bare && s.r == 1 && s.q.decimalText() && s.q.denominator() > 100)
        return s.q.sign() < 0 ? '(' + *s.q.decimalText() + ')' : *s.q.decimalText();
    return bare ? s.text() : '(' + s.text() + ')';
}

QString exactBase(const Surd& s) { return s.r == 1 ? exactFactor(s) : '(' + s.text() + ')'; }

QString exactDegrees(const Rational& r) {
    if (!working::isFraction(r)) return working::exactWritten(r) + QStringLiteral("°");
    return QStringLiteral("%1° ≈ %2°").arg(working::exactWritten(r), exactDigits(Surd{r, 1}));
}

void RoundingNotes::compare(const QString& name, const QString& exact, const QString& exactShown,
                            const QString& windowShown) {
    if (exactShown != windowShown) differ_.push_back({name, exact, windowShown});
}

void RoundingNotes::tell(working::Working& w) const {
    if (differ_.empty()) return;
    const Differs& first = differ_.front();
    w.say(working::roundingNote(QStringLiteral("%1 = %2").arg(first.name, first.exact),
                                QStringLiteral("%1 = %2").arg(first.name, first.shown)));
    for (size_t i = 1; i < differ_.size(); ++i)
        //: %1 names a value (x, b, ...), %2 is its exact value, %3 the value the window shows
        w.say(SolvedTriangle::tr("The same rounding is in %1: exactly %2, the window shows %3.")
                  .arg(differ_[i].name, differ_[i].exact, differ_[i].shown));
}

// A right angle's check, as a pupil's book ends such an exercise: the two sides beside the
// right angle, squared, make the side opposite it squared (sides in the order a, b, c).
void rightAngleCheck(working::Working& w, QChar right, const std::optional<Surd> (&sides)[3]) {
    const int opposite = right == u'x' ? 1 : right == u'y' ? 0 : 2;
    const int p = opposite == 0 ? 1 : 0, q = opposite == 2 ? 1 : 2;
    if (!sides[p] || !sides[q] || !sides[opposite]) return;
    const auto square = [](const Surd& s) { return s.q * s.q * Rational(s.r); };
    const Rational sum = square(*sides[p]) + square(*sides[q]);
    if (!sum.known() || !(sum == square(*sides[opposite]))) return;
    const QChar letters[3] = {u'a', u'b', u'c'};
    //: a check of a right angle by Pythagoras' theorem; only the word "Check" is text
    w.say(SolvedTriangle::tr("Check: %1² + %2² = %3² + %4² = %5 + %6 = %7 = %8² = %9²")
              .arg(letters[p], letters[q], exactBase(*sides[p]), exactBase(*sides[q]),
                   exactTerm(square(*sides[p])), exactTerm(square(*sides[q])), exactTerm(sum),
                   exactBase(*sides[opposite]), letters[opposite]));
}

} // namespace sb::geometry
