// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the working of the two triangle-solving windows shares: the six values of a
// triangle, its figure to scale (corners named, each side's value beside it, each angle's in
// an arc) and the lines of their guides. Sides a, b, c and angles x, y, z as the windows
// name them: z lies between a and b (opposite c), x between a and c (opposite b), y between
// b and c (opposite a). The corner of the angle x is X, and so on.

#include "working/exact.h"
#include "working/exact_text.h"
#include "working/working.h"

#include <QString>

#include <optional>

namespace sb::geometry {

// Sides and angles of one triangle; the angles in degrees.
struct Triangle {
    double a, b, c, x, y, z;
};

struct Point {
    double x, y;
};

struct Corners {
    Point X, Y, Z;
};

// Which side lies along the bottom, and which of its ends is on the left.
enum class Base { CFromXToY, BFromYToZ, AFromZToX };

// The corners of the triangle with those values: the base from (0, 0) along the x axis, the
// third corner above it. The side b and the angle y fix the corner X, so the sides b and c
// and the angle y are drawn exactly as given.
Corners place(const Triangle& t, Base base);

// A value with its name as the figure and the steps write it: "a = 5", "x = 60°".
QString side(const QString& name, double value);
QString angle(const QString& name, double value);
QString degrees(double value); // "60°"

// How to draw one triangle into a figure.
struct Drawing {
    QString suffix;            // after every element's name: "2" for a second triangle
    QString mark;              // after every value's letter: "'" for a second triangle
    QString values = "abcxyz"; // which sides and angles get a label and an arc
    QString corners = "XYZ";   // which corners get a point with their name
    bool dashed = false;
    bool namesInside = false; // a second triangle's corner names go inside it
    bool angleValues = true;  // false: its arcs without their values, told elsewhere
    double arcScale = 1;      // arcs of a second triangle go a little wider
    // When above 0, the labels of the sides in led stand this far out (in longest sides) at
    // the end of a leader: two sides along one line get their labels in rows of their own.
    double sideLeader = 0;
    QString led = "abc";
    // The angles that are exactly right angles (the window may show 89.9999975851636°):
    // marked with the small square a textbook draws, not an arc.
    QString rightAngles;
};

// Draws the triangle with those corners and values: the polygon "triangle", the points
// "corner-X", the arcs "arc-x" and the labels "side-a" and "angle-x" (each name followed by
// the drawing's suffix). A side too short to carry its label at this scale gets it beside
// it at the end of a leader line ("leader-a").
void drawTriangle(working::Figure& figure, const Corners& corners, const Triangle& t,
                  const Drawing& how = {});

// Widens the figure's view past its elements, so that the values beside its outer corners
// and sides stay whole rather than pushed over the triangle at the figure's edge.
void leaveRoomForLabels(working::Figure& figure);

// The figure of one solved triangle, with its description; where the triangle is too
// large to draw, an empty figure with a note.
working::Figure triangleFigure(const Triangle& t, Base base, const Drawing& how = {});

// One sentence of the figure's description: "Triangle XYZ: a = 3, b = 4, c = 5, x = ...".
QString describe(const Triangle& t, const QString& mark = {});

// The guide of a triangle window: what every box takes, then what each panel takes, and
// an example worked out.
working::Guide solverGuide(const QStringList& panels, working::Working example);

// How the computer turns degrees into radians and back.
QString radiansDetail();

// --- exact values for the steps

// The exact value of a given number: the box's text read as the value entry reads it, when
// given; otherwise the number read, when the text the window writes for it is that number
// itself (5, 0.1, 2.5). Unknown when neither is exact (1/3 read without its text).
working::Rational exactOf(double value, const QString& typed = {});

// 1 ÷ s, as a surd: 1 ÷ (q√r) = √r ÷ (qr). Unknown for 0.
working::Surd inverse(const working::Surd& s);


// The angle up to 90° whose sine is s, and the angle from 0° to 180° whose cosine is s,
// when it is one of 0°, 30°, 45°, 60°, 90° and their multiples.
std::optional<working::Rational> exactArcsin(const working::Surd& s);
std::optional<working::Rational> exactArccos(const working::Surd& s);

// An exact number as a pupil's book writes it, with its decimal where that says more:
// "5", "0.6", "1/2", "5/6 ≈ 0.833333333333333", "5√3 ≈ 8.66025403784439".
QString exactForm(const working::Surd& s);
QString exactForm(const working::Rational& r);
// A given value as the steps write it: exactly as a fraction in lowest terms or a decimal
// when it is known exactly ("1/3", "2.5"), else its 15 digits with no E-notation; as a
// factor of a computation, a fraction in brackets ("(1/3)").
QString givenText(const working::Rational& exact, double value);
QString givenFactor(const working::Rational& exact, double value);
// The same as a term inside a chain of equals signs, without its decimal (the one exact
// writing of working::exactWritten): "5", "2.25", "9/7", "5√3".
QString exactTerm(const working::Rational& r);
QString exactTerm(const working::Surd& s);
// The same as a factor of a computation: a fraction or a root in brackets ("(1/2)").
QString exactFactor(const working::Surd& s);
// The same as the base of a power: a root too in brackets ("(5√3)").
QString exactBase(const working::Surd& s);
// Its value to the 15 significant digits the window shows (worked with 34 digits and rounded
// once), for telling whether the window's number is the exact value.
double exactValue(const working::Surd& s);
// Its 15 significant digits as the window would write that number ("8.66025403784439").
QString exactDigits(const working::Surd& s);
// An exact angle in degrees: "60°"; a fraction of a degree with its decimal, "100/3° ≈ ...".
QString exactDegrees(const working::Rational& r);

// A right angle's check, as a pupil's book ends such an exercise: the two sides beside the
// right angle, squared, make the side opposite it squared ("Check: a² + b² = 3² + 4² = 9 +
// 16 = 25 = 5² = c²"). sides in the order a, b, c; nothing when one is not exact or the
// squares do not agree.
void rightAngleCheck(working::Working& w, QChar right,
                     const std::optional<working::Surd> (&sides)[3]);

// The values the window shows that differ from their exact ones, gathered as the steps go,
// and told once at the end: the first with the one note on rounding, the others after it.
class RoundingNotes {
public:
    // Notes the window's value (its text as shown) beside the exact one, when they differ.
    void compare(const QString& name, const QString& exact, const QString& exactShown,
                 const QString& windowShown);
    bool any() const { return !differ_.empty(); }
    // The note's lines (none when every value agrees).
    void tell(working::Working& w) const;

private:
    struct Differs {
        QString name, exact, shown;
    };
    std::vector<Differs> differ_;
};

} // namespace sb::geometry
