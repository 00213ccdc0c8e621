// SPDX-License-Identifier: GPL-3.0-or-later
#include "form11.h"

#include "sine_rule.h"
#include "sine_working.h"
#include "ui/system_colours.h"

namespace sb {

namespace {

using namespace ui;
using namespace triangle_panels;
using law_of_sines::Verdict;

// the window's message for a solve, to head its working: none when it found the triangle
QString toldOf(const law_of_sines::Solution& solved) {
    return solved.verdict == Verdict::Solved ? QString() : Form11::noSolution();
}

FormSpec form11Spec() {
    return FormSpec{
        "Form11",
        QT_TRANSLATE_NOOP("Form11", "Triangles - The Law Of Sines"),
        11850,
        7590,
        system_colour::inactiveCaption,
        joined({
            {title(QT_TRANSLATE_NOOP("Form11", "Triangles - The Law Of Sines"), 240)},
            frame(240, 11400, 5640),
            // panel 1, top left: two angles and the right side
            triangle("Line1", "Line2", "Line3", 2400, 5280, 3000, 3840, 1200),
            {
                given("z1", 3480, 1680),
                given("x1", 2760, 2640),
                given("b1", 4680, 1920),
                computed("c1", 3480, 3120),
                computed("a1", 2160, 1920),
                computed("y1", 4080, 2640),
                command("Command1", QT_TRANSLATE_NOOP("Form11", "Solve Triangle "), 480, 1440),
                command("Command3", QT_TRANSLATE_NOOP("Form11", "Clear Triangle"), 480, 2280),
            },
            // panel 2, bottom left: two sides and the angle opposite the left one
            triangle("Line9", "Line7", "Line8", 2160, 5040, 5880, 3600, 4080),
            {
                given("a2", 2040, 4800),
                given("y2", 3960, 5520),
                given("c2", 3240, 6000),
                computed("z2", 3240, 4560),
                computed("x2", 2520, 5520),
                computed("b2", 4440, 4800),
                command("Command2", QT_TRANSLATE_NOOP("Form11", "Solve Triangle "), 480, 4200),
                command("Command4", QT_TRANSLATE_NOOP("Form11", "Clear Triangle "), 480, 5040),
            },
            // panel 3, top right: two sides and the angle opposite the right one
            triangle("Line4", "Line5", "Line6", 8040, 10920, 3000, 9480, 1200),
            {
                given("c3", 7920, 1800),
                given("a3", 10320, 1800),
                given("y3", 8520, 2640),
                computed("x3", 9120, 1680),
                computed("z3", 9720, 2640),
                computed("b3", 9240, 3120),
                command("Command6", QT_TRANSLATE_NOOP("Form11", "Solve Triangle "), 6240, 1440),
                command("Command8", QT_TRANSLATE_NOOP("Form11", "Clear Triangle "), 6240, 2280),
            },
            // panel 4, bottom right: two angles and the base
            triangle("Line12", "Line10", "Line11", 8040, 10920, 5880, 9480, 4080),
            {
                given("z4", 9120, 4560),
                given("y4", 9840, 5520),
                given("c4", 9120, 6000),
                computed("a4", 7920, 4680),
                computed("x4", 8400, 5520),
                computed("b4", 10200, 4680),
                command("Command7", QT_TRANSLATE_NOOP("Form11", "Solve Triangle "), 6240, 4200),
                command("Command5", QT_TRANSLATE_NOOP("Form11", "Clear Triangle "), 6240, 5040),
            },
            {degreesWarning(
                QT_TRANSLATE_NOOP("Form11",
                                  "Important ! The angles must be in degrees  (not in radians)."),
                240)},
        }),
        entry_rules::lawOfSines,
        law_of_sines::sinesGuide,
    }
        .withExercises(
            // a panel each, in reading order; Tab goes the window's own way (see Form11)
            {
                exercise("z1 x1 b1", "Command1 Command3", "c1 a1 y1"),
                exercise("c3 a3 y3", "Command6 Command8", "x3 z3 b3"),
                exercise("a2 y2 c2", "Command2 Command4", "z2 x2 b2"),
                exercise("z4 y4 c4", "Command7 Command5", "a4 x4 b4"),
            });
}

} // namespace

ui::FormSpec Form11::paper() { return form11Spec(); }

QString Form11::noSolution() { return tr("There is no solution"); }

Form11::Form11() : PanelsForm(paper()) {
    // a fault in a solve command empties its panel as a refused value does
    onClick(
        "Command1", [this] { Command1_Click(); }, panelControls(1));
    onClick(
        "Command2", [this] { Command2_Click(); }, panelControls(2));
    onClick(
        "Command6", [this] { Command6_Click(); }, panelControls(3));
    onClick(
        "Command7", [this] { Command7_Click(); }, panelControls(4));
    onClick("Command3", [this] { Command3_Click(); });
    onClick("Command4", [this] { Command4_Click(); });
    onClick("Command8", [this] { Command8_Click(); });
    onClick("Command5", [this] { Command5_Click(); });
    tabOrder({"z1", "x1", "b1", "Command1", "Command3", "c3", "a3", "y3", "Command6", "Command8",
              "a2", "y2", "c2", "Command2", "Command4", "z4", "y4", "c4", "Command7", "Command5"});
}

bool Form11::anglesFit(int panel, std::initializer_list<double> angles) {
    for (const double angle : angles) {
        if (!(angle < 180 && angle > 0)) {
            say(tr("Angle Must be positive and smaller than 180 degrees"));
            clearPanel(panel);
            return false;
        }
    }
    return true;
}

void Form11::Command1_Click() {
    inputsValid = true;
    const auto x = read("x1");
    if (!x) return;
    const auto z = read("z1");
    if (!z) return;
    if (!anglesFit(1, {*x, *z})) return;
    const auto b = read("b1");
    if (!b) return;
    const QStringList typed = texts({"x1", "z1", "b1"});

    const auto solved = law_of_sines::SolveXZB(*x, *z, *b);
    const auto& t = solved.triangle;
    if (solved.verdict != Verdict::Solved) {
        say(noSolution());
        Command3_Click();
    } else {
        showResult("c1", t.c);
        showResult("a1", t.a);
        showResult("y1", t.y);
    }
    showWorking([=] { return law_of_sines::twoAnglesWorking(1, solved, toldOf(solved), typed); });
}

void Form11::Command2_Click() {
    inputsValid = true;
    const auto y = read("y2");
    if (!y) return;
    if (!anglesFit(2, {*y})) return;
    const auto a = read("a2");
    if (!a) return;
    const auto c = read("c2");
    if (!c) return;
    const QStringList typed = texts({"y2", "a2", "c2"});

    const auto solved = law_of_sines::SolveYAC(*y, *a, *c);
    const auto& t = solved.triangle;
    // this panel tells a side too short before it empties, and no triangle after
    if (solved.verdict == Verdict::SideTooShort) {
        say(noSolution());
        Command4_Click();
    } else if (solved.verdict == Verdict::NoTriangle) {
        Command4_Click();
        say(noSolution());
    } else {
        showResult("x2", t.x);
        showResult("z2", t.z);
        showResult("b2", t.b);
    }
    showWorking([=] { return law_of_sines::twoSidesWorking(2, solved, toldOf(solved), typed); });
}

void Form11::Command6_Click() {
    inputsValid = true;
    const auto y = read("y3");
    if (!y) return;
    if (!anglesFit(3, {*y})) return;
    const auto a = read("a3");
    if (!a) return;
    const auto c = read("c3");
    if (!c) return;
    const QStringList typed = texts({"y3", "a3", "c3"});

    const auto solved = law_of_sines::SolveYAC(*y, *a, *c);
    const auto& t = solved.triangle;
    if (solved.verdict != Verdict::Solved) {
        Command8_Click();
        say(noSolution());
    } else {
        showResult("z3", t.z);
        showResult("x3", t.x);
        showResult("b3", t.b);
    }
    showWorking([=] { return law_of_sines::twoSidesWorking(3, solved, toldOf(solved), typed); });
}

void Form11::Command7_Click() {
    inputsValid = true;
    const auto y = read("y4");
    if (!y) return;
    const auto z = read("z4");
    if (!z) return;
    if (!anglesFit(4, {*y, *z})) return;
    const auto c = read("c4");
    if (!c) return;
    const QStringList typed = texts({"y4", "z4", "c4"});

    const auto solved = law_of_sines::SolveYZC(*y, *z, *c);
    const auto& t = solved.triangle;
    if (solved.verdict != Verdict::Solved) {
        Command5_Click();
        say(noSolution());
    } else {
        showResult("x4", t.x);
        showResult("a4", t.a);
        showResult("b4", t.b);
    }
    showWorking([=] { return law_of_sines::twoAnglesWorking(4, solved, toldOf(solved), typed); });
}

void Form11::Command3_Click() { clearPanel(1); }
void Form11::Command4_Click() { clearPanel(2); }
void Form11::Command8_Click() { clearPanel(3); }
void Form11::Command5_Click() { clearPanel(4); }

} // namespace sb
