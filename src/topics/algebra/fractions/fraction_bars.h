// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fraction bars above a number line, drawn to the scale of the values they show: the
// pictures of the fraction windows' working. A bar is one whole, 1 unit of the number line
// long, so a row of bars ends exactly where its value stands on the line below.

#include "working/working.h"

#include <optional>
#include <vector>

namespace sb::fractions {

// A row of bars: one for each whole the value reaches, laid from 0 (to the left for a
// negative value) and shaded up to the value. Its elements are the bars NAME, the shading
// NAMEShade, the cuts NAMECut and the caption NAMECaption.
struct BarRow {
    QString name;
    QString caption; // what the row shows, written above it: "25/4"
    double value = 0;
    double parts = 0;      // each bar cut into this many equal parts; 0: not cut
    bool cutWholes = true; // false: only the last bar, the fraction part, is cut
    working::Ink ink = working::Ink::Main;
};

// A point on the number line with its text.
struct Mark {
    QString name, text;
    double value = 0;
    working::Place place = working::Place::Above;
    working::Ink ink = working::Ink::Main;
};

// The stretch of the number line that shows 0 and every value, out to whole units.
struct Span {
    double from = 0, to = 1;
    // One unit up, for the rows above the line. The pane keeps a figure at least a tenth as
    // high as it is wide, so rows above a long number line are made as much taller.
    double up() const;
};
// Nothing to draw when a value is not finite or too large to lay out.
std::optional<Span> spanOf(const std::vector<double>& values);

// The number line at y = 0 from span.from to span.to, with ticks and their numbers below.
void numberLine(working::Figure& figure, const Span& span);

// The rows, the first at the top, above a number line with the marks on it. A row whose
// parts are too many to tell apart, or not a whole number, is drawn uncut; the note says
// so, and so does the description, which starts with the one given.
working::Figure barsAndNumberLine(const std::vector<BarRow>& rows, const std::vector<Mark>& marks,
                                  const QString& description);

// The figure of values too large to draw: nothing, and a note that says so.
working::Figure tooLargeToDraw(const QString& description);

} // namespace sb::fractions
