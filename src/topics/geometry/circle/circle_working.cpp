// SPDX-License-Identifier: GPL-3.0-or-later
#include "circle_working.h"

#include "entry/conversions.h"
#include "topics/geometry/angles.h"
#include "topics/geometry/exact_answers.h"
#include "topics/geometry/shared_working.h"

#include <QCoreApplication>

#include <cmath>

namespace sb::circle {

using working::Ink;
using working::Place;
using working::Rational;
using working::Working;

namespace {

struct CircleWorking {
    Q_DECLARE_TR_FUNCTIONS(CircleWorking)
};

QString n(double value) { return resultText(value); }

QString letterOf(Measure m) {
    static const char* const letters[] = {"r", "d", "A", "P"};
    return QString::fromLatin1(letters[int(m)]);
}

// the rule the button uses, as a textbook writes it, and the window's π (%1)
QString formula(const Circle& c) {
    using enum Measure;
    switch (c.given) {
    case Radius:
        return c.found == Area ? CircleWorking::tr("Area = πr², with π = %1")
                               : CircleWorking::tr("Perimeter = 2πr, with π = %1");
    case Diameter:
        return c.found == Area ? CircleWorking::tr("The radius is half the diameter, r = d ÷ 2; "
                                                   "then Area = πr², with π = %1")
                               : CircleWorking::tr("The radius is half the diameter, r = d ÷ 2; "
                                                   "then Perimeter = 2πr, with π = %1");
    case Area:
        switch (c.found) {
        case Radius: return CircleWorking::tr("Area = πr², so r = √(A ÷ π), with π = %1");
        case Diameter:
            return CircleWorking::tr("Area = πr², so r = √(A ÷ π), and d = 2r, with π = %1");
        default:
            return CircleWorking::tr(
                "Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = %1");
        }
    case Perimeter:
        switch (c.found) {
        case Radius: return CircleWorking::tr("Perimeter = 2πr, so r = P ÷ (2π), with π = %1");
        case Diameter: return CircleWorking::tr("Perimeter = πd, so d = P ÷ π, with π = %1");
        default:
            return CircleWorking::tr(
                "Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = %1");
        }
    }
    return {};
}

// A number of π: "25π", "π/9", "2π/3", "π"; or of 1/π: "5/π", "1/(2π)".
QString timesPi(const Rational& q) {
    const QString n = working::exactText(Rational(static_cast<long long>(q.numerator()))).value_or(QString());
    const QString d = working::exactText(Rational(static_cast<long long>(q.denominator()))).value_or(QString());
    const QString front = n == QStringLiteral("1") ? QString() : n;
    return q.denominator() == 1 ? front + QStringLiteral("π") : front + QStringLiteral("π/") + d;
}
QString overPi(const Rational& q) {
    const QString n = working::exactText(Rational(static_cast<long long>(q.numerator()))).value_or(QString());
    const QString d = working::exactText(Rational(static_cast<long long>(q.denominator()))).value_or(QString());
    return q.denominator() == 1 ? n + QStringLiteral("/π") : n + QStringLiteral("/(") + d + QStringLiteral("π)");
}

// a base of a power in brackets when it is a fraction: (1/3)²
QString base(const QString& text) {
    return text.contains(u'/') ? u'(' + text + u')' : text;
}

// The exact answer, when the exercise has one a pupil's book writes: a number of π from a
// radius or a diameter, a number over π from a perimeter; nothing from an area.
struct Exact {
    QString text;            // "25π", "5/π"
    working::Precise value = 0; // to more digits than the window keeps, with the true π
};

// π to 32 digits: the double nearest π and what it leaves out
const working::Precise truePi =
    working::Precise(3.141592653589793) + working::Precise(1.2246467991473532e-16);

std::optional<Exact> exactAnswer(const Circle& c, const Rational& typed) {
    using enum Measure;
    if (!typed.known()) return std::nullopt;
    const Rational r = c.given == Diameter ? typed / Rational(2) : typed;
    std::optional<Exact> e;
    const auto multiple = [](const Rational& q, bool over) -> std::optional<Exact> {
        if (!q.known() || q.numerator() > 1'000'000'000'000'000 ||
            q.denominator() > 1'000'000'000'000'000)
            return std::nullopt;
        const working::Precise v = working::valueOf(q);
        return Exact{over ? overPi(q) : timesPi(q), over ? v / truePi : v * truePi};
    };
    switch (c.given) {
    case Radius:
    case Diameter:
        return multiple(c.found == Area ? r * r : r * Rational(2), false);
    case Perimeter:
        switch (c.found) {
        case Radius: return multiple(typed / Rational(2), true);
        case Diameter: return multiple(typed, true);
        default: return multiple(typed * typed / Rational(4), true);
        }
    case Area: break;
    }
    return e;
}

// "So the area is %1 ≈ %2", the exact answer and the window's; or "So the area is %1", the
// window's alone
QString answerLine(Measure found, bool exact) {
    using enum Measure;
    switch (found) {
    case Radius:
        //: %1 is the exact radius, %2 the window's
        return exact ? CircleWorking::tr("So the radius is %1 ≈ %2")
                     : CircleWorking::tr("So the radius is %1");
    case Diameter:
        //: %1 is the exact diameter, %2 the window's
        return exact ? CircleWorking::tr("So the diameter is %1 ≈ %2")
                     : CircleWorking::tr("So the diameter is %1");
    case Area:
        //: %1 is the exact area, %2 the window's
        return exact ? CircleWorking::tr("So the area is %1 ≈ %2")
                     : CircleWorking::tr("So the area is %1");
    case Perimeter:
        //: %1 is the exact perimeter, %2 the window's
        return exact ? CircleWorking::tr("So the perimeter is %1 ≈ %2")
                     : CircleWorking::tr("So the perimeter is %1");
    }
    return {};
}

// the answer's line, and the sentence on the window's last digits when they differ from
// the true value's: its π stops at 15 digits, and it rounds at every step
void answerLines(Working& w, const Circle& c, const Rational& typed) {
    using enum Measure;
    const QString window = n(c.result);
    const auto exact = exactAnswer(c, typed);
    working::Precise value = 0;
    const working::Precise v = c.value;
    switch (c.given) {
    case Radius: value = c.found == Area ? truePi * v * v : 2 * truePi * v; break;
    case Diameter: value = c.found == Area ? truePi * v * v / 4 : truePi * v; break;
    case Area: {
        const working::Precise r = working::rootValue(v / truePi);
        value = c.found == Radius ? r : c.found == Diameter ? 2 * r : 2 * truePi * r;
        break;
    }
    case Perimeter:
        value = c.found == Radius ? v / (2 * truePi) : c.found == Diameter ? v / truePi
                                                     : v * v / (4 * truePi);
        break;
    }
    if (exact) value = exact->value;
    // from an area the exact value has no shorter writing than its root
    QString form = exact ? exact->text : QString();
    if (!exact) {
        const QString A = working::exactText(typed).value_or(n(c.value));
        form = c.found == Radius     ? QStringLiteral("√(%1 ÷ π)").arg(A)
               : c.found == Diameter ? QStringLiteral("2√(%1 ÷ π)").arg(A)
                                     : QStringLiteral("2√(π × %1)").arg(A);
    }
    const double rounded = working::nearest15(value);
    const QString digits = resultText(rounded) == window ? window : working::plain(rounded);
    w.say(exact ? answerLine(c.found, true).arg(exact->text, window)
                : answerLine(c.found, false).arg(window));
    if (digits != window) {
        w.say(working::roundingNote(QStringLiteral("%1 ≈ %2").arg(form, digits), window));
        w.say(CircleWorking::tr("The window's π, %1, also stops a little below the true π, "
                                "3.14159265358979323…")
                  .arg(n(angles::pi)));
    }
}

using geometry::shown;

void computation(Working& w, const Circle& c, const Rational& typed) {
    using enum Measure;
    // numbers of the steps: no E-notation, which only the answer line keeps when the window shows it
    const auto n = [](double value) { return working::plain(value); };
    const QString pi = n(angles::pi);
    const Rational piShown = shown(angles::pi);
    const auto eq = [](const Rational& ofWritten, double result) {
        return working::equalsSign(ofWritten, result);
    };
    // the value typed, exactly, and the window's number beside it when that is rounded
    const auto exactTyped = working::exactText(typed);
    QString given = n(c.value);
    if (exactTyped && *exactTyped != given) given = *exactTyped + QStringLiteral(" ≈ ") + given;
    w.say(QStringLiteral("%1 = %2").arg(letterOf(c.given), given));
    switch (c.given) {
    case Diameter:
        w.say(QStringLiteral("r = %1 ÷ 2%2%3")
                  .arg(n(c.value), eq(shown(c.value) / Rational(2), c.radius), n(c.radius)));
        [[fallthrough]];
    case Radius: {
        const Rational r = c.given == Diameter ? typed / Rational(2) : typed;
        const auto rText = working::exactText(r);
        if (const auto exact = exactAnswer(c, typed); exact && rText) {
            if (c.found == Area)
                w.say(CircleWorking::tr("Area = π × %1² = %2").arg(base(*rText), exact->text));
            else
                w.say(CircleWorking::tr("Perimeter = 2 × π × %1 = %2")
                          .arg(base(*rText), exact->text));
        }
        //: %3 is " = " or " ≈ "
        w.say(CircleWorking::tr("With the window's π: πr = %1 × %2%3%4")
                  .arg(pi, n(c.radius), eq(piShown * shown(c.radius), c.product), n(c.product)));
        if (c.found == Area)
            w.say(CircleWorking::tr("Area = πr × r = %1 × %2%3%4")
                      .arg(n(c.product), n(c.radius),
                           eq(shown(c.product) * shown(c.radius), c.result), n(c.result)));
        else
            w.say(
                CircleWorking::tr("Perimeter = πr × 2 = %1 × 2%2%3")
                    .arg(n(c.product), eq(shown(c.product) * Rational(2), c.result), n(c.result)));
        return;
    }
    case Area:
        w.say(QStringLiteral("A ÷ π = %1 ÷ %2%3%4")
                  .arg(n(c.value), pi, eq(shown(c.value) / piShown, c.quotient), n(c.quotient)));
        w.say(QStringLiteral("r = √%1%2%3")
                  .arg(n(c.quotient), eq(shown(c.radius) * shown(c.radius), c.quotient) == QStringLiteral(" = ")
                                          ? QStringLiteral(" = ")
                                          : QStringLiteral(" ≈ "),
                       n(c.radius)));
        if (c.found == Diameter)
            w.say(QStringLiteral("d = 2r = 2 × %1%2%3")
                      .arg(n(c.radius), eq(Rational(2) * shown(c.radius), c.result), n(c.result)));
        if (c.found == Perimeter) {
            w.say(QStringLiteral("2r = 2 × %1%2%3")
                      .arg(n(c.radius), eq(Rational(2) * shown(c.radius), c.twice), n(c.twice)));
            w.say(CircleWorking::tr("Perimeter = 2r × π = %1 × %2%3%4")
                      .arg(n(c.twice), pi, eq(shown(c.twice) * piShown, c.result), n(c.result)));
        }
        return;
    case Perimeter:
        if (c.found == Diameter) {
            w.say(QStringLiteral("d = %1 ÷ %2%3%4")
                      .arg(n(c.value), pi, eq(shown(c.value) / piShown, c.result), n(c.result)));
            return;
        }
        w.say(QStringLiteral("P ÷ π = %1 ÷ %2%3%4")
                  .arg(n(c.value), pi, eq(shown(c.value) / piShown, c.quotient), n(c.quotient)));
        w.say(QStringLiteral("r = %1 ÷ 2%2%3")
                  .arg(n(c.quotient), eq(shown(c.quotient) / Rational(2), c.radius), n(c.radius)));
        if (c.found == Area) {
            w.say(QStringLiteral("r² = %1²%2%3")
                      .arg(n(c.radius), eq(shown(c.radius) * shown(c.radius), c.square),
                           n(c.square)));
            w.say(CircleWorking::tr("Area = π × r² = %1 × %2%3%4")
                      .arg(pi, n(c.square), eq(piShown * shown(c.square), c.result), n(c.result)));
        }
        return;
    }
}

// The figure's description of the button's circle: the value typed (%1) and the answer (%2).
QString description(const Circle& c) {
    using enum Measure;
    switch (c.given) {
    case Radius:
        //: %1 is the radius typed, %2 the area found
        return c.found == Area
                   ? CircleWorking::tr("Circle with radius %1, drawn to scale with its centre: its "
                                       "area %2 shaded")
                   //: %1 is the radius typed, %2 the perimeter found
                   : CircleWorking::tr("Circle with radius %1, drawn to scale with its centre: its "
                                       "rim, the perimeter %2, drawn heavy");
    case Diameter:
        //: %1 is the diameter typed, %2 the area found
        return c.found == Area
                   ? CircleWorking::tr("Circle with diameter %1, drawn to scale with its centre: "
                                       "its area %2 shaded")
                   //: %1 is the diameter typed, %2 the perimeter found
                   : CircleWorking::tr("Circle with diameter %1, drawn to scale with its centre: "
                                       "its rim, the perimeter %2, drawn heavy");
    case Area:
        switch (c.found) {
        //: %1 is the area typed, %2 the radius found
        case Radius:
            return CircleWorking::tr(
                "Circle with area %1, drawn to scale with its centre: its radius is %2");
        //: %1 is the area typed, %2 the diameter found
        case Diameter:
            return CircleWorking::tr(
                "Circle with area %1, drawn to scale with its centre: its diameter is %2");
        //: %1 is the area typed, %2 the perimeter found
        default:
            return CircleWorking::tr("Circle with area %1, drawn to scale with its centre: its "
                                     "rim, the perimeter %2, drawn heavy");
        }
    case Perimeter:
        switch (c.found) {
        //: %1 is the perimeter typed, %2 the radius found
        case Radius:
            return CircleWorking::tr(
                "Circle with perimeter %1, drawn to scale with its centre: its radius is %2");
        //: %1 is the perimeter typed, %2 the diameter found
        case Diameter:
            return CircleWorking::tr(
                "Circle with perimeter %1, drawn to scale with its centre: its diameter is %2");
        //: %1 is the perimeter typed, %2 the area found
        default:
            return CircleWorking::tr(
                "Circle with perimeter %1, drawn to scale with its centre: its area %2 shaded");
        }
    }
    return {};
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
    //: the label of the circle's centre in the figure
    f.point(QStringLiteral("centre"), 0, 0, CircleWorking::tr("centre"),
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
        f.label(QStringLiteral("area"), 0, -r / 2,
                CircleWorking::tr("Area = %1").arg(n(valueOf(Area))), working::at(Place::Centre));
    if (c.given == Perimeter || c.found == Perimeter)
        f.label(QStringLiteral("perimeter"), r * M_SQRT1_2, r * M_SQRT1_2,
                CircleWorking::tr("Perimeter = %1").arg(n(valueOf(Perimeter))),
                working::at(Place::AboveRight));

    f.description = description(c).arg(n(c.value), n(c.result));
    geometry::keepDrawable(f);
}

} // namespace

Working circleWorking(const Circle& c, const QString& typed) {
    Working w;
    const Rational exact = geometry::typedExactly(typed, c.value);
    w.say(formula(c).arg(n(angles::pi)));
    computation(w, c, exact);
    answerLines(w, c, exact);
    draw(w.figure, c);
    return w;
}

working::Guide circleGuide() {
    return working::guide(
        //: how long a typed value may be; it ends the sentence "Each box takes one number
        //: greater than zero, at most %1: ..."
        {geometry::positiveBoxes(CircleWorking::tr("8 characters")),
         CircleWorking::tr("Each button uses only the box of its own row, and answers beside it"),
         //: Radius, Diameter: the boxes' headings in the window
         CircleWorking::tr("Radius or Diameter: find the area or the perimeter"),
         //: Area: the boxes' heading in the window
         CircleWorking::tr("Area: find the radius or the diameter; the lower Area box finds the "
                           "perimeter"),
         //: Perimeter: the boxes' heading in the window
         CircleWorking::tr("Perimeter: find the radius or the diameter; the lower Perimeter box "
                           "finds the area")},
        //: the example worked: Radius is the box's heading, Find Area the button's caption
        CircleWorking::tr("Radius 5, then Find Area:"),
        circleWorking(solve(Measure::Radius, Measure::Area, 5)));
}

} // namespace sb::circle
