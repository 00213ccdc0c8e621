// SPDX-License-Identifier: GPL-3.0-or-later
#include "form7.h"

#include "circle_measures.h"
#include "circle_working.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

// every box keeps at most 8 characters
Control valueBox(const QString& name, const QString& heading, int left, int top) {
    return textBox(name, {left, top, 615, 375}, 8).named(heading);
}

Control heading(const QString& name, const QString& text, int left, int top) {
    return label(name, text, {left, top, 855, 255});
}

Control command(const QString& name, const QString& caption, int left, int top) {
    return button(name, caption, {left, top, 1215, 375});
}

Control answer(const QString& name, const QString& heading, int left, int top) {
    return output(name, {left, top, 1215, 375}).named(heading);
}

FormSpec form7Spec() {
    return FormSpec{
        "Form7",
        QT_TRANSLATE_NOOP("Form7", "Circle - Areas And Perimeters"),
        10185,
        6165,
        QColor(192, 255, 192),
        {
            label("Label1", QT_TRANSLATE_NOOP("Form7", "Circle - Areas And Perimeters"),
                  {480, 240, 3975, 375})
                .bold()
                .size(12),
            // from the radius
            heading("Label2", QT_TRANSLATE_NOOP("Form7", "Radius"), 480, 1200),
            valueBox("r1", QT_TRANSLATE_NOOP("Form7", "Radius"), 480, 1560),
            command("Command1", QT_TRANSLATE_NOOP("Form7", "Find Area"), 1440, 1200),
            command("Command3", QT_TRANSLATE_NOOP("Form7", "Find Perimeter"), 1440, 1800),
            answer("o1", QT_TRANSLATE_NOOP("Form7", "Answer from the radius"), 3120, 1440),
            // from the area: the radius or the diameter
            heading("Label34", QT_TRANSLATE_NOOP("Form7", "Area"), 480, 3120),
            valueBox("a1", QT_TRANSLATE_NOOP("Form7", "Area"), 480, 3480),
            command("Command23", QT_TRANSLATE_NOOP("Form7", "Find Radius"), 1440, 3120),
            command("Command21", QT_TRANSLATE_NOOP("Form7", "Find Diameter"), 1440, 3720),
            answer("o3", QT_TRANSLATE_NOOP("Form7", "Answer from the area"), 3120, 3480),
            // from the area: the perimeter
            heading("Label7", QT_TRANSLATE_NOOP("Form7", "Area"), 480, 4800),
            valueBox("a2", QT_TRANSLATE_NOOP("Form7", "Area"), 480, 5160),
            command("Command5", QT_TRANSLATE_NOOP("Form7", "Find Perimeter"), 1440, 5160),
            answer("o5", QT_TRANSLATE_NOOP("Form7", "Perimeter from the area"), 3120, 5160),
            // from the diameter
            heading("Label3", QT_TRANSLATE_NOOP("Form7", "Diameter"), 5760, 1200),
            valueBox("d1", QT_TRANSLATE_NOOP("Form7", "Diameter"), 5760, 1560),
            command("Command2", QT_TRANSLATE_NOOP("Form7", "Find Area"), 6600, 1200),
            command("Command4", QT_TRANSLATE_NOOP("Form7", "Find Perimeter"), 6600, 1800),
            answer("o2", QT_TRANSLATE_NOOP("Form7", "Answer from the diameter"), 8400, 1560),
            // from the perimeter: the radius or the diameter
            heading("Label5", QT_TRANSLATE_NOOP("Form7", "Perimeter"), 5760, 3120),
            valueBox("p1", QT_TRANSLATE_NOOP("Form7", "Perimeter"), 5760, 3480),
            command("Command10", QT_TRANSLATE_NOOP("Form7", "Find Radius"), 6720, 3120),
            command("Command8", QT_TRANSLATE_NOOP("Form7", "Find Diameter"), 6720, 3720),
            answer("o4", QT_TRANSLATE_NOOP("Form7", "Answer from the perimeter"), 8400, 3480),
            // from the perimeter: the area
            heading("Label8", QT_TRANSLATE_NOOP("Form7", "Perimeter"), 5760, 4800),
            valueBox("p2", QT_TRANSLATE_NOOP("Form7", "Perimeter"), 5760, 5160),
            command("Command6", QT_TRANSLATE_NOOP("Form7", "Find Area"), 6720, 5160),
            answer("o6", QT_TRANSLATE_NOOP("Form7", "Area from the perimeter"), 8400, 5160),
        },
        entry_rules::circle,
        circle::circleGuide,
    }
        .withExercises(
            // row by row, the left exercise before the right one: the buttons stand higher than
            // their boxes, so reading order would visit them first
            {
                exercise("r1", "Command1 Command3", "o1"),
                exercise("d1", "Command2 Command4", "o2"),
                exercise("a1", "Command23 Command21", "o3"),
                exercise("p1", "Command10 Command8", "o4"),
                exercise("a2", "Command5", "o5"),
                exercise("p2", "Command6", "o6"),
            },
            Tab::Exercises);
}

// Two buttons of a row answer in the same label: it shows whichever was pressed last.
using enum circle::Measure;
const Form7::Command commands[] = {
    {"Command1", "r1", "o1", Radius, Area},        {"Command3", "r1", "o1", Radius, Perimeter},
    {"Command2", "d1", "o2", Diameter, Area},      {"Command4", "d1", "o2", Diameter, Perimeter},
    {"Command23", "a1", "o3", Area, Radius},       {"Command21", "a1", "o3", Area, Diameter},
    {"Command5", "a2", "o5", Area, Perimeter},     {"Command10", "p1", "o4", Perimeter, Radius},
    {"Command8", "p1", "o4", Perimeter, Diameter}, {"Command6", "p2", "o6", Perimeter, Area},
};

} // namespace

ui::FormSpec Form7::paper() { return form7Spec(); }

Form7::Form7() : Form(paper()) {
    // a result too large for a double is told with the fault message and leaves the row empty
    for (const Command& c : commands) onClick(c.button, [this, c] { answer(c); }, {c.output});
}

void Form7::answer(const Command& command) {
    label(command.output)->clear();
    // the box keeps the text as typed; the number is used at full precision
    const auto value = readAll({command.box});
    if (!value) return;
    const circle::Circle answer = circle::solve(command.given, command.found, value->front());
    showResult(command.output, answer.result);
    // the box keeps the text as typed: the working reads the exact value from it
    const QString typed = box(command.box)->text();
    showWorking([answer, typed] { return circle::circleWorking(answer, typed); });
}

} // namespace sb
