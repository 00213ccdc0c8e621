// SPDX-License-Identifier: GPL-3.0-or-later
#include "form9.h"

#include "triangle_areas_working.h"
#include "triangle_measures.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

// the boxes of Heron's row keep at most 6 characters, the others 7; each has its heading
// 360 twips above it
Control valueBox(const QString& name, const QString& heading, int left, int top,
                 int maxLength = 7) {
    return textBox(name, {left, top, 615, 375}, maxLength).named(heading);
}

Control heading(const QString& name, const QString& text, int left, int boxTop) {
    return label(name, text, {left, boxTop - 360, 735, 255});
}

Control command(const QString& name, const QString& caption, int left, int top) {
    return button(name, caption, {left, top, 1215, 375});
}

Control answer(const QString& name, const QString& heading, int left, int top) {
    return output(name, {left, top, 1215, 375}).named(heading);
}

FormSpec form9Spec() {
    return FormSpec{
        "Form9",
        QT_TRANSLATE_NOOP("Form9", "Triangle - Areas And Perimeters"),
        11475,
        7005,
        QColor(255, 128, 255),
        {
            label("Label1", QT_TRANSLATE_NOOP("Form9", "Triangle - Areas And Perimeters"),
                  {3240, 240, 3975, 375})
                .bold()
                .size(12),
            // the area from base and height
            heading("Label2", QT_TRANSLATE_NOOP("Form9", "Base"), 360, 1800),
            valueBox("b1", QT_TRANSLATE_NOOP("Form9", "Base"), 360, 1800),
            heading("Label5", QT_TRANSLATE_NOOP("Form9", "Height"), 1440, 1800),
            valueBox("h1", QT_TRANSLATE_NOOP("Form9", "Height"), 1440, 1800),
            command("Command1", QT_TRANSLATE_NOOP("Form9", "Find Area"), 2520, 1800),
            answer("o1", QT_TRANSLATE_NOOP("Form9", "Area"), 3960, 1800),
            // the height from area and base; the area box stands left of the base box
            heading("Label3", QT_TRANSLATE_NOOP("Form9", "Area"), 6120, 1800),
            valueBox("s2", QT_TRANSLATE_NOOP("Form9", "Area"), 6120, 1800),
            heading("Label6", QT_TRANSLATE_NOOP("Form9", "Base"), 7200, 1800),
            valueBox("b2", QT_TRANSLATE_NOOP("Form9", "Base"), 7200, 1800),
            command("Command2", QT_TRANSLATE_NOOP("Form9", "Find Height"), 8280, 1800),
            answer("o2", QT_TRANSLATE_NOOP("Form9", "Height"), 9720, 1800),
            // the base from area and height; the area box stands left of the height box
            heading("Label4", QT_TRANSLATE_NOOP("Form9", "Area"), 360, 3240),
            valueBox("s3", QT_TRANSLATE_NOOP("Form9", "Area"), 360, 3240),
            heading("Label14", QT_TRANSLATE_NOOP("Form9", "Height"), 1440, 3240),
            valueBox("h3", QT_TRANSLATE_NOOP("Form9", "Height"), 1440, 3240),
            command("Command7", QT_TRANSLATE_NOOP("Form9", "Find Base"), 2520, 3240),
            answer("o3", QT_TRANSLATE_NOOP("Form9", "Base"), 3840, 3240),
            // the perimeter from three sides
            heading("Label21", QT_TRANSLATE_NOOP("Form9", "Side A"), 6120, 3240),
            valueBox("a4", QT_TRANSLATE_NOOP("Form9", "Side A"), 6120, 3240),
            heading("Label23", QT_TRANSLATE_NOOP("Form9", "Side B"), 6960, 3240),
            valueBox("b4", QT_TRANSLATE_NOOP("Form9", "Side B"), 6960, 3240),
            heading("Label24", QT_TRANSLATE_NOOP("Form9", "Side C"), 7800, 3240),
            valueBox("c4", QT_TRANSLATE_NOOP("Form9", "Side C"), 7800, 3240),
            command("Command9", QT_TRANSLATE_NOOP("Form9", "Find Perimeter"), 8760, 3240),
            answer("o4", QT_TRANSLATE_NOOP("Form9", "Perimeter"), 10200, 3240),
            // Heron's formula
            label("Label15",
                  QT_TRANSLATE_NOOP("Form9", "Heron's Formula  For Finding Area Of A Triangle"),
                  {360, 4680, 5775, 375})
                .bold()
                .size(9.75),
            heading("Label16", QT_TRANSLATE_NOOP("Form9", "Side A"), 360, 5640),
            valueBox("a5", QT_TRANSLATE_NOOP("Form9", "Side A"), 360, 5640, 6),
            heading("Label18", QT_TRANSLATE_NOOP("Form9", "Side B"), 1440, 5640),
            valueBox("b5", QT_TRANSLATE_NOOP("Form9", "Side B"), 1440, 5640, 6),
            heading("Label19", QT_TRANSLATE_NOOP("Form9", "Side C"), 2520, 5640),
            valueBox("c5", QT_TRANSLATE_NOOP("Form9", "Side C"), 2520, 5640, 6),
            command("Command11", QT_TRANSLATE_NOOP("Form9", "Find Area"), 3600, 5640),
            answer("o5", QT_TRANSLATE_NOOP("Form9", "Area by Heron's formula"), 5160, 5640),
        },
        entry_rules::triangles,
        triangle_areas::triangleGuide,
    }
        .withExercises(
            {
                exercise("b1 h1", "Command1", "o1"),
                exercise("s2 b2", "Command2", "o2"),
                exercise("s3 h3", "Command7", "o3"),
                exercise("a4 b4 c4", "Command9", "o4"),
                exercise("a5 b5 c5", "Command11", "o5"),
            },
            Tab::Exercises);
}

} // namespace

ui::FormSpec Form9::paper() { return form9Spec(); }

Form9::Form9() : Form(paper()) {
    // a result too large for a double, and Heron's product below zero, are told with the
    // fault message and leave the row's output empty
    onClick("Command1", [this] { Command1_Click(); }, {"o1"});
    onClick("Command2", [this] { Command2_Click(); }, {"o2"});
    onClick("Command7", [this] { Command7_Click(); }, {"o3"});
    onClick("Command9", [this] { Command9_Click(); }, {"o4"});
    onClick("Command11", [this] { Command11_Click(); }, {"o5"});
}

using triangle_areas::Question;

void Form9::find(const QString& output, const QStringList& boxes, Question question) {
    label(output)->clear();
    const auto values = readAll(boxes);
    if (!values) return;
    const triangle_areas::Answer answer = triangle_areas::solve(question, *values);
    // the boxes keep the text as typed: the working reads the exact values from it
    QStringList typed;
    for (const QString& name : boxes) typed << box(name)->text();
    if (answer.result) {
        showResult(output, *answer.result);
        showWorking([answer, typed] { return triangle_areas::triangleWorking(answer, {}, typed); });
        return;
    }
    // Heron's product below zero has no square root: the fault message, as for any fault,
    // and the output stays empty; the working says why the sides make no triangle
    say(ui::faultMessage());
    showWorking([answer, typed] {
        return triangle_areas::triangleWorking(answer, ui::faultMessage(), typed);
    });
}

void Form9::Command1_Click() { find("o1", {"b1", "h1"}, Question::AreaFromBaseAndHeight); }
void Form9::Command2_Click() { find("o2", {"b2", "s2"}, Question::HeightFromAreaAndBase); }
void Form9::Command7_Click() { find("o3", {"h3", "s3"}, Question::BaseFromAreaAndHeight); }
void Form9::Command9_Click() { find("o4", {"a4", "b4", "c4"}, Question::Perimeter); }
void Form9::Command11_Click() { find("o5", {"a5", "b5", "c5"}, Question::HeronArea); }

} // namespace sb
