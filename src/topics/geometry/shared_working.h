// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the working of the geometry windows shares: a refusal told with its reasons, and the
// parts of their figures: a side's value written beside it (with a leader line when the side
// is too short to hold it), the right-angle mark, the corner of a triangle with three given
// sides, three sides laid end to end when they do not close, and the guard that keeps a
// figure of extreme sizes from being drawn at all.

#include "working/working.h"

#include <optional>

namespace sb::geometry {

// A refused command's working: the message it gave, why (the steps and figure of why), then
// what the boxes take.
working::Working refused(const QString& message, const working::Working& why,
                         const working::Guide& guide);

// A guide's line for boxes that take one positive number each, at most length characters
// ("6 characters").
QString positiveBoxes(const QString& length);

struct Pt {
    double x, y;
};

// Writes text beside the side from p to q, on the side away from inside. size is the
// figure's largest extent: a side shorter than a small part of it would crowd its label,
// so the label stands further out and a leader line (the segment name + "-leader") joins it
// to the side's middle.
void labelSide(working::Figure& figure, const QString& name, Pt p, Pt q, Pt inside,
               const QString& text, double size);

// The small square that marks a right angle at corner, between the unit directions u and v.
void rightAngle(working::Figure& figure, const QString& name, Pt corner, Pt u, Pt v, double side);

// The third corner of a triangle whose base, its longest side, runs from (0, 0) to
// (base, 0): left from the first end, right from the second, above the base. Its height is
// given when the exercise has worked it out (so the drawn area is the area shown), or found
// from the three sides.
Pt apex(double base, double left, double right, std::optional<double> height = std::nullopt);

// Three sides that make no triangle, the longest on the base line and the two others laid
// end to end beside it, with what they fall short of it dashed. names and sides are in the
// same order; shortfall is longest - (other + other).
void endToEnd(working::Figure& figure, const QString (&names)[3], const double (&sides)[3],
              const QString (&texts)[3], double shortfall, const QString& shortfallText);

// The index of the longest of three sides (the first of equals).
int longest(const double (&sides)[3]);

// A figure whose numbers would not all draw (beyond the range a screen can scale to) is
// emptied and says why in its note; true when it was left as it is.
bool keepDrawable(working::Figure& figure);

} // namespace sb::geometry
