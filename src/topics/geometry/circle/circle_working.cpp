// SPDX-License-Identifier: GPL-3.0-or-later
#include "circle_working.h"

#include "entry/conversions.h"
#include "topics/geometry/angles.h"
#include "topics/geometry/shared_working.h"

#include <cmath>

namespace sb::circle {

using working::Ink;
using working::Place;
using working::Working;

namespace {

QString n(double value) { return resultText(value); }

QString nameOf(Measure m) {
    switch (m) {
    case Measure::Radius: return QStringLiteral("radius");
    case Measure::Diameter: return QStringLiteral("diameter");
    case Measure::Area: return QStringLiteral("area");
    case Measure::Perimeter: return QStringLiteral("perimeter");
    }
    return {};
}

QString letterOf(Measure m) {
    static const char* const letters[] = {"r", "d", "A", "P"};
    return QString::fromLatin1(letters[int(m)]);
}

// the rule the button uses, in the order it computes
QString formula(const Circle& c) {
    using enum Measure;
    switch (c.given) {
    case Radius:
        return c.found == Area ? QStringLiteral("Area = r × π × r")
                               : QStringLiteral("Perimeter = r × π × 2");
    case Diameter:
        return c.found == Area ? QStringLiteral("The radius is half the diameter, r = d ÷ 2; "
                                                "then Area = r × π × r")
                               : QStringLiteral("The radius is half the diameter, r = d ÷ 2; "
                                                "then Perimeter = r × π × 2");
    case Area:
        switch (c.found) {
        case Radius: return QStringLiteral("Area = π × r × r, so r = √(A ÷ π)");
        case Diameter: return QStringLiteral("Area = π × r × r, so r = √(A ÷ π), and d = 2 × r");
        default:
            return QStringLiteral("Area = π × r × r, so r = √(A ÷ π); then Perimeter = 2 × r × π");
        }
    case Perimeter:
        switch (c.found) {
        case Radius: return QStringLiteral("Perimeter = 2 × π × r, so r = P ÷ π ÷ 2");
        case Diameter: return QStringLiteral("Perimeter = π × d, so d = P ÷ π");
        default:
            return QStringLiteral("Perimeter = 2 × π × r, so r = P ÷ π ÷ 2; then Area = r² × π");
        }
    }
    return {};
}

void computation(Working& w, const Circle& c) {
    using enum Measure;
    const QString pi = n(angles::pi);
    w.say(QStringLiteral("%1 = %2").arg(letterOf(c.given), n(c.value)));
    switch (c.given) {
    case Diameter:
        w.say(QStringLiteral("r = %1 ÷ 2 = %2").arg(n(c.value), n(c.radius)));
        [[fallthrough]];
    case Radius:
        w.say(QStringLiteral("r × π = %1 × %2 = %3").arg(n(c.radius), pi, n(c.product)));
        if (c.found == Area)
            w.say(
                QStringLiteral("Area = %1 × %2 = %3").arg(n(c.product), n(c.radius), n(c.result)));
        else w.say(QStringLiteral("Perimeter = %1 × 2 = %2").arg(n(c.product), n(c.result)));
        return;
    case Area:
        w.say(QStringLiteral("A ÷ π = %1 ÷ %2 = %3").arg(n(c.value), pi, n(c.quotient)));
        w.say(QStringLiteral("r = √%1 = %2").arg(n(c.quotient), n(c.radius)));
        if (c.found == Diameter)
            w.say(QStringLiteral("d = 2 × %1 = %2").arg(n(c.radius), n(c.result)));
        if (c.found == Perimeter) {
            w.say(QStringLiteral("2 × r = 2 × %1 = %2").arg(n(c.radius), n(c.twice)));
            w.say(QStringLiteral("Perimeter = %1 × %2 = %3").arg(n(c.twice), pi, n(c.result)));
        }
        return;
    case Perimeter:
        if (c.found == Diameter) {
            w.say(QStringLiteral("d = %1 ÷ %2 = %3").arg(n(c.value), pi, n(c.result)));
            return;
        }
        w.say(QStringLiteral("P ÷ π = %1 ÷ %2 = %3").arg(n(c.value), pi, n(c.quotient)));
        w.say(QStringLiteral("r = %1 ÷ 2 = %2").arg(n(c.quotient), n(c.radius)));
        if (c.found == Area) {
            w.say(QStringLiteral("r² = %1² = %2").arg(n(c.radius), n(c.square)));
            w.say(QStringLiteral("Area = %1 × %2 = %3").arg(n(c.square), pi, n(c.result)));
        }
        return;
    }
}

// the circle about the origin, its area shaded when found, its rim heavy when the perimeter
// is found, and the radius or the diameter the button is about
void draw(working::Figure& f, const Circle& c) {
    using enum Measure;
    const double r = c.radius;
    working::Look rim = working::ink(Ink::Main);
    rim.filled = c.found == Area;
    rim.heavy = c.found == Perimeter;
    f.circle(QStringLiteral("circle"), 0, 0, r, rim);
    f.point(QStringLiteral("centre"), 0, 0, QStringLiteral("centre"),
            working::at(Place::BelowLeft));
    const auto valueOf = [&c](Measure m) { return c.given == m ? c.value : c.result; };
    if (c.given == Diameter || c.found == Diameter) {
        f.segment(QStringLiteral("diameter"), -r, 0, r, 0, working::ink(Ink::Second));
        f.label(QStringLiteral("diameter-label"), r / 2, 0,
                QStringLiteral("d = ") + n(valueOf(Diameter)), working::at(Place::Above));
    } else {
        f.segment(QStringLiteral("radius"), 0, 0, r, 0, working::ink(Ink::Second));
        f.label(QStringLiteral("radius-label"), r / 2, 0, QStringLiteral("r = ") + n(r),
                working::at(Place::Above));
    }
    if (c.given == Area || c.found == Area)
        f.label(QStringLiteral("area"), 0, -r / 2, QStringLiteral("Area = ") + n(valueOf(Area)),
                working::at(Place::Centre));
    if (c.given == Perimeter || c.found == Perimeter)
        f.label(QStringLiteral("perimeter"), r * M_SQRT1_2, r * M_SQRT1_2,
                QStringLiteral("Perimeter = ") + n(valueOf(Perimeter)),
                working::at(Place::AboveRight));

    const QString found = c.found == Area ? QStringLiteral("its area %1 shaded")
                          : c.found == Perimeter
                              ? QStringLiteral("its rim, the perimeter %1, drawn heavy")
                              : QStringLiteral("its ") + nameOf(c.found) + QStringLiteral(" is %1");
    f.description = QStringLiteral("Circle with %1 %2, drawn to scale with its centre: %3")
                        .arg(nameOf(c.given), n(c.value), found.arg(n(c.result)));
    geometry::keepDrawable(f);
}

} // namespace

Working circleWorking(const Circle& c) {
    Working w;
    w.say(formula(c) + QStringLiteral(", with π = ") + n(angles::pi));
    w.detail(QStringLiteral("This π stops at 3.14159265358979, a little below the true "
                            "3.14159265358979323…, so a calculator may differ in the last digit"));
    computation(w, c);
    w.say(QStringLiteral("So the %1 is %2").arg(nameOf(c.found), n(c.result)));
    draw(w.figure, c);
    return w;
}

working::Guide circleGuide() {
    return working::guide(
        {geometry::positiveBoxes(QStringLiteral("8 characters")),
         QStringLiteral("Each button uses only the box of its own row, and answers beside it"),
         QStringLiteral("Radius or Diameter: find the area or the perimeter"),
         QStringLiteral("Area: find the radius or the diameter; the lower Area box finds the "
                        "perimeter"),
         QStringLiteral("Perimeter: find the radius or the diameter; the lower Perimeter box "
                        "finds the area")},
        QStringLiteral("Radius 5, then Find Area:"),
        circleWorking(solve(Measure::Radius, Measure::Area, 5)));
}

} // namespace sb::circle
