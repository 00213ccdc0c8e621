// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a command as data: the steps a pupil reads and the figure of the exercise,
// drawn to scale. A topic's core builds both from the values of the computation that gave
// the answer, so the working can never disagree with the window. Plain C++ with QtCore
// strings: no widget reaches it; the pane (ui/working_pane.h) draws any figure.

#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace sb::working {

// One line of the steps. A detail line shows only when the pupil asks for more detail.
struct Step {
    QString text;
    bool detail = false;
};

enum class Shape { Point, Segment, Arrow, Polygon, Circle, Arc, Curve, Bar, Label };

// Which of the figure's few colours an element takes. Colour never carries a meaning alone:
// a mark that colour tells apart also has a label, a dash or a pattern.
enum class Ink { Main, Second, Third, Faint };

// Where a label or an element's text stands from its anchor point.
enum class Place { Centre, Above, Below, Left, Right, AboveRight, AboveLeft, BelowRight, BelowLeft };

struct Look {
    Ink ink = Ink::Main;
    bool dashed = false;
    bool heavy = false;   // a heavier stroke: the rim found by a perimeter
    bool filled = false;  // polygons, circles and bars: shaded inside
    bool hatched = false; // shaded with a pattern on top of the colour
    Place place = Place::AboveRight;
};

inline Look ink(Ink i) { return Look{i}; }
inline Look dashed(Ink i = Ink::Faint) { return Look{i, true}; }
inline Look filled(Ink i = Ink::Main) { return Look{i, false, false, true}; }
inline Look at(Place p, Ink i = Ink::Main) { return Look{i, false, false, false, false, p}; }

// One element in the exercise's own units (the y axis points up). numbers holds what the
// driver prints after the name: X Y for a point; X1 Y1 X2 Y2 for a segment or an arrow;
// X1 Y1 ... for a polygon or a curve; CX CY R for a circle; CX CY R START SPAN (degrees,
// anticlockwise from the x axis) for an arc; X Y W H for a bar (a negative H reaches
// below Y); X Y for a label. text is a label's words, or a caption drawn beside the element.
//
// Which element a label names. The painter keeps every label off the other labels and off
// the lines it does not name, so a label may touch only:
// - its own element: a point's text names the point, a caption names the element it is
//   drawn beside;
// - the elements of the same stem: a name's stem is what is left after taking off one kind
//   word in front ("side-", "angle-", "arc-", "leader-", "corner-") and one ending behind
//   ("-label", "-name", "-leader", "-end", "Caption", "Mark"). So "side-c", "c-label" and
//   "leader-c" name the segment "c"; "angle-x" names its arc "arc-x"; "c-leader", the leader
//   line that carries "c-label" out, is named by it;
// - the lines through its anchor: a label set at the middle of a polygon's side names that
//   side, one set at a corner names the sides that meet there.
struct Element {
    Shape shape;
    QString name;
    std::vector<double> numbers;
    QString text;
    Look look;
};

// A name's stem, as above: "side-c", "c-label", "leader-c" and "c" all have the stem "c".
QString stem(const QString& name);
// True when the label named label names the element named element (the same stem).
bool names(const QString& label, const QString& element);

struct Box {
    double left, bottom, right, top;
    // Where a chart's axes stand: at 0 when the box spans it, else along its left or bottom.
    double yAxisX() const { return left <= 0 && 0 <= right ? 0 : left; }
    double xAxisY() const { return bottom <= 0 && 0 <= top ? 0 : bottom; }
};

// The share of a chart's width that a text of this many characters needs beside its y-axis,
// the gap and the axis's numbers included: in the pane a character takes about a fiftieth
// of the width. Two thirds at most, so the chart keeps room of its own.
inline double textShare(qsizetype characters) {
    return std::min(2.0 / 3, 0.15 + double(characters) / 50);
}

struct Figure {
    std::vector<Element> elements;
    QString description; // one or two sentences naming the figure and its result
    bool axes = false;   // labelled axes with ticks
    QString xName = QStringLiteral("x"), yName = QStringLiteral("y");
    bool sameScale = true;   // a unit as long across as up (shapes, Argand diagrams)
    std::optional<Box> view; // what to show; the elements' extent when unset
    // A note under the figure, such as why the cuts of a bar are left out.
    QString note;
    // Numbered ticks along x; bars set side by side to compare them stand at no number.
    bool xTicks = true;

    // A figure with labelled axes and ticks: a graph or a chart with a scale of its own up,
    // or, with sameScale, a plane such as an Argand diagram.
    static Figure chart(const QString& xName, const QString& yName, bool sameScale = false);

    bool empty() const { return elements.empty(); }
    const Element* find(const QString& name) const;
    // What the figure spans: view, or the extent of its elements (with the origin when it
    // has axes).
    Box extent() const;

    Figure& point(const QString& name, double x, double y, const QString& text = {},
                  Look look = {});
    Figure& segment(const QString& name, double x1, double y1, double x2, double y2,
                    Look look = {});
    Figure& arrow(const QString& name, double x1, double y1, double x2, double y2,
                  Look look = {});
    Figure& polygon(const QString& name, std::vector<double> xy, Look look = {});
    Figure& circle(const QString& name, double cx, double cy, double r, Look look = {});
    Figure& arc(const QString& name, double cx, double cy, double r, double startDegrees,
                double spanDegrees, Look look = {});
    Figure& curve(const QString& name, std::vector<double> xy, Look look = {});
    Figure& bar(const QString& name, double x, double y, double w, double h, Look look = {});
    Figure& label(const QString& name, double x, double y, const QString& text,
                  Look look = {});
};

// What the pane shows: the steps and the figure.
struct Working {
    std::vector<Step> steps;
    Figure figure;

    Working& say(const QString& text) { return steps.push_back({text, false}), *this; }
    Working& detail(const QString& text) { return steps.push_back({text, true}), *this; }
    bool hasDetail() const;
    // The step lines a pupil sees, detail lines included or not.
    QStringList lines(bool withDetail) const;
};

// What a window takes and one example worked out: the pane before any command, and the
// help after a refused one.
struct Guide {
    QStringList boxes; // one line for each box, or group of boxes, saying what it takes
    Working example;   // one exercise worked out by the same code as the command
};

// A guide of the boxes' lines and one example, its steps headed by the exercise worked.
Guide guide(QStringList boxes, const QString& exercise, Working example);

// The pane before any command.
Working introduction(const Guide& guide);
// The pane after a refused command: the messages it gave, then what a valid input is.
Working refusal(const QStringList& messages, const Guide& guide);

// A number of the figure as the driver prints it: a decimal point and 17 significant
// digits whatever the locale, so the value is exact ("2.0000000000000000", "-1.5000000000000000e-10").
QString exact(double value);
// The figure model one element a line: "point NAME X Y", "label NAME X Y TEXT" (TEXT as
// given; the caller quotes it).
QStringList elementLines(const Figure& figure, const std::function<QString(const QString&)>& quote);

// Samples y = f(x) at n points from x0 to x1, as a curve's numbers.
std::vector<double> sample(double x0, double x1, int n, const std::function<double(double)>& f);

} // namespace sb::working
