// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the working of the two triangle-solving windows shares: the six values of a
// triangle, its figure to scale (corners named, each side's value beside it, each angle's in
// an arc) and the lines of their guides. Sides a, b, c and angles x, y, z as the windows
// name them: z lies between a and b (opposite c), x between a and c (opposite b), y between
// b and c (opposite a). The corner of the angle x is X, and so on.

#include "working/working.h"

#include <QString>

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

// A value as the window shows it (its result text), and with its name as the figure and
// the steps write it: "a = 5", "x = 60°".
QString shown(double value);
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

} // namespace sb::geometry
