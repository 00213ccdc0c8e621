// SPDX-License-Identifier: GPL-3.0-or-later
#include "form10.h"

#include "cosine_rule.h"
#include "cosine_working.h"
#include "entry/fault.h"

namespace sb {

namespace {

using namespace ui;
using namespace triangle_panels;

FormSpec form10Spec() {
    return FormSpec{
        "Form10",
        QT_TRANSLATE_NOOP("Form10", "Triangles - The Law Of Cosines"),
        11880,
        7560,
        QColor(255, 192, 192),
        joined({
            {title(QT_TRANSLATE_NOOP("Form10", "Triangles - The Law Of Cosines"), 480)},
            frame(480, 11640, 5880),
            // panel 1, top left: two sides and the apex angle
            triangle("Line1", "Line2", "Line3", 2640, 5520, 2880, 4080, 1080),
            {
                given("a1", 2520, 1800),
                given("z1", 3720, 1560),
                given("b1", 4920, 1800),
                computed("c1", 3720, 3000),
                computed("x1", 3000, 2520),
                computed("y1", 4200, 2520),
                command("Command1", QT_TRANSLATE_NOOP("Form10", "Solve Triangle "), 720, 1320),
                command("Command3", QT_TRANSLATE_NOOP("Form10", "Clear Triangle"), 720, 2160),
            },
            // panel 2, bottom left: the right side, the base and the angle between them
            triangle("Line9", "Line7", "Line8", 2640, 5520, 5880, 4080, 4080),
            {
                given("a2", 4920, 4800),
                given("z2", 4440, 5520),
                given("b2", 3720, 6000),
                computed("c2", 2400, 4800),
                computed("x2", 3720, 4680),
                computed("y2", 3000, 5520),
                command("Command2", QT_TRANSLATE_NOOP("Form10", "Solve Triangle "), 720, 4320),
                command("Command4", QT_TRANSLATE_NOOP("Form10", "Clear Triangle "), 720, 5160),
            },
            // panel 3, top right: the left side, the base and the angle between them
            triangle("Line6", "Line4", "Line5", 8280, 11160, 2880, 9720, 1080),
            {
                given("b3", 8040, 1920),
                given("z3", 8640, 2520),
                given("a3", 9360, 3000),
                computed("c3", 10680, 1920, 735),
                computed("x3", 9960, 2520),
                computed("y3", 9360, 1680),
                command("Command8", QT_TRANSLATE_NOOP("Form10", "Solve Triangle"), 6480, 1440),
                command("Command6", QT_TRANSLATE_NOOP("Form10", "Clear Triangle "), 6480, 2280),
            },
            // panel 4, bottom right: three sides
            triangle("Line12", "Line10", "Line11", 8400, 11280, 5880, 9840, 4080),
            {
                given("a4", 8280, 4800),
                given("b4", 10680, 4800),
                given("c4", 9480, 6000),
                computed("z4", 9480, 4680),
                computed("x4", 8760, 5520),
                computed("y4", 10080, 5520),
                command("Command7", QT_TRANSLATE_NOOP("Form10", "Solve Triangle "), 6360, 4320),
                command("Command5", QT_TRANSLATE_NOOP("Form10", "Clear Triangle "), 6360, 5160),
            },
            {degreesWarning(
                QT_TRANSLATE_NOOP("Form10",
                                  "Important ! The angles must be in degrees  (not in radians)."),
                480)},
        }),
        entry_rules::lawOfCosines,
        law_of_cosines::cosinesGuide,
    }
        .withExercises(
            // a panel each, in reading order; Tab goes the window's own way (see Form10)
            {
                exercise("a1 z1 b1", "Command1 Command3", "c1 x1 y1"),
                exercise("b3 z3 a3", "Command8 Command6", "c3 x3 y3"),
                exercise("a2 z2 b2", "Command2 Command4", "c2 x2 y2"),
                exercise("a4 b4 c4", "Command7 Command5", "z4 x4 y4"),
            });
}

} // namespace

ui::FormSpec Form10::paper() { return form10Spec(); }

Form10::Form10() : PanelsForm(paper()) {
    // a fault in a solve command empties its panel as a refused value does
    onClick(
        "Command1", [this] { Command1_Click(); }, panelControls(1));
    onClick(
        "Command2", [this] { Command2_Click(); }, panelControls(2));
    onClick(
        "Command8", [this] { Command8_Click(); }, panelControls(3));
    onClick(
        "Command7", [this] { Command7_Click(); }, panelControls(4));
    onClick("Command3", [this] { Command3_Click(); });
    onClick("Command4", [this] { Command4_Click(); });
    onClick("Command6", [this] { Command6_Click(); });
    onClick("Command5", [this] { Command5_Click(); });
    tabOrder({"a1", "z1", "b1", "Command1", "Command3", "b3", "z3", "a3", "Command8", "Command6",
              "a2", "z2", "b2", "Command2", "Command4", "a4", "b4", "c4", "Command7", "Command5"});
}

void Form10::Command1_Click() {
    solveTwoSidesAndAngle(1, tr("Angle Must be positive smaller than 180 degrees"));
}

void Form10::Command2_Click() {
    solveTwoSidesAndAngle(2, tr("Angle Must be positive and smaller than 180 degrees"));
}

void Form10::Command8_Click() {
    solveTwoSidesAndAngle(3, tr("Angle Must be positive and smaller than 180 degrees"));
}

void Form10::solveTwoSidesAndAngle(int panel, const QString& angleMessage) {
    const auto named = [panel](char letter) { return QChar(letter) + QString::number(panel); };

    inputsValid = true;
    const auto a = read(named('a'));
    if (!a) return;
    const auto z = read(named('z'));
    if (!z) return;
    if (!(*z < 180 && *z > 0)) {
        clearPanel(panel);
        return say(angleMessage);
    }
    const auto b = read(named('b'));
    if (!b) return;
    const QStringList typed{box(named('a'))->text(), box(named('z'))->text(),
                            box(named('b'))->text()};

    const auto solved = law_of_cosines::SolveSAS(*a, *z, *b);
    showResult(named('c'), solved.c);
    showResult(named('x'), solved.x);
    showResult(named('y'), solved.y);
    showWorking([=] { return law_of_cosines::twoSidesWorking(panel, *a, *z, *b, solved, typed); });
}

void Form10::Command7_Click() {
    inputsValid = true;
    const auto a = read("a4");
    if (!a) return;
    const auto b = read("b4");
    if (!b) return;
    const auto c = read("c4");
    if (!c) return;
    const QStringList typed = texts({"a4", "b4", "c4"});

    law_of_cosines::Angles solved;
    try {
        solved = law_of_cosines::SolveSSS(*a, *b, *c);
    } catch (const ArithmeticFault&) {
        // the command's trap, as every fault of a command is answered, but with a working
        // that shows the sides laid end to end
        say(ui::faultMessage());
        clearPanel(4);
        return showWorking(
            [=] { return law_of_cosines::threeSidesRefused(*a, *b, *c, faultMessage(), typed); });
    }
    showResult("z4", solved.z);
    showResult("x4", solved.x);
    showResult("y4", solved.y);
    showWorking([=] { return law_of_cosines::threeSidesWorking(*a, *b, *c, solved, typed); });
}

void Form10::Command3_Click() { clearPanel(1); }
void Form10::Command4_Click() { clearPanel(2); }
void Form10::Command6_Click() { clearPanel(3); }
void Form10::Command5_Click() { clearPanel(4); }

} // namespace sb
