// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "entry/conversions.h"
#include "quadratic_working.h"
#include "solve_quadratic.h"
#include "ui/system_colours.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

namespace sb {

namespace {

using namespace ui;

const QString narkisim = QStringLiteral("Narkisim");

FormSpec form2Spec() {
    return FormSpec{
        "Form2",
        QT_TRANSLATE_NOOP("Form2", "Solving Quadratic Equation"),
        8325,
        6600,
        system_colour::inactiveCaptionText,
        {
            label("Label5", QT_TRANSLATE_NOOP("Form2", "The Quadratix Equation Formula :"),
                  {240, 360, 5055, 495})
                .font(narkisim),
            // the formula is drawn with a bar of underscores; a screen reader reads it whole,
            // in words, from the bar, and none of its pieces
            label("Label4", "X1 ,  X2  = ", {840, 960, 2295, 975}).font(narkisim).unread(),
            label("Label7", QString(54, u'_'), {3240, 840, 4935, 615})
                .named(QT_TRANSLATE_NOOP("Form2", "X1 and X2 equal minus B, plus or minus the "
                                                  "square root of B squared minus 4 times A "
                                                  "times C, all divided by 2 times A")),
            //: the top of the formula: keep everything but the word Root
            label("Label1", QT_TRANSLATE_NOOP("Form2", "-B +- Root(B^2 - 4*A*c)"),
                  {3120, 840, 5040, 435})
                .font(narkisim)
                .unread(),
            label("Label8", "2*A", {5280, 1440, 855, 615}).font(narkisim).unread(),
            line("Line1", 0, 2160, 8325, 2160),
            label("Label9", QT_TRANSLATE_NOOP("Form2", "Fill In The Value Of   A , B And C"),
                  {840, 2520, 6015, 375})
                .font(narkisim),
            textBox("A", {840, 3240, 615, 375}, 5).named("A"),
            textBox("B", {2400, 3240, 615, 405}, 5).named("B"),
            textBox("C", {3960, 3240, 615, 405}, 5).named("C"),
            button("Command1", QT_TRANSLATE_NOOP("Form2", "Solve"), {5640, 3240, 1335, 375}),
            label("Label10", "A", {1080, 3720, 255, 375}),
            label("Label11", "B", {2640, 3720, 375, 375}),
            label("Label12", "C", {4200, 3720, 375, 375}),
            shape("Shape1", {720, 4200, 5775, 975}),
            label("Label2", QT_TRANSLATE_NOOP("Form2", "Example :  -3*X^2   +   6*X   -   2 = 0"),
                  {840, 4320, 5415, 615})
                .font(narkisim),
            label("Label3", "           A = -3          B = 6      C = -2", {1440, 4800, 5535, 255})
                .font(narkisim),
            line("Line2", 0, 5520, 8280, 5520),
            line("Line3", 0, 6360, 8280, 6360),
            line("Line4", 0, 5520, 0, 6360),
            line("Line5", 1320, 5520, 1320, 6360),
            line("Line6", 4920, 5520, 4920, 6360),
            line("Line7", 8280, 5520, 8280, 6360),
            label("sol", QT_TRANSLATE_NOOP("Form2", "Solutions :"), {0, 5760, 1215, 375})
                .font(narkisim),
            label("Label6", "X1=", {1440, 5760, 615, 495}),
            output("X1", {1920, 5760, 2895, 375}).named("X1"),
            label("Label13", "X2=", {4920, 5760, 615, 495}),
            output("X2", {5400, 5760, 2895, 375}).named("X2"),
        },
        entry_rules::quadratic,
        quadratic::quadraticGuide,
    }
        .withExercises({exercise("A B C", "Command1", "X1 X2")}, Tab::Exercises);
}

} // namespace

ui::FormSpec Form2::paper() { return form2Spec(); }

Form2::Form2() : Form(paper()) {
    onClick("Command1", [this] { Command1_Click(); });
}

void Form2::Command1_Click() {
    inputsValid = true;
    // each box shows the number it was read as, cut to its 5 characters, and from here on
    // the cut text is the coefficient
    std::array<quadratic::BoxText, 3> boxes;
    const char* const names[] = {"A", "B", "C"};
    for (size_t i = 0; i < boxes.size(); ++i) {
        boxes[i].typed = box(names[i])->text();
        boxes[i].whole = writeBack(names[i]);
        boxes[i].shown = box(names[i])->text();
    }
    if (!inputsValid) return;

    // a cut text that is no number (1.5E-08 shows as 1.5E-) is a fault: the roots stay
    if (shownNumber("A") == 0) {
        const QString message = tr("It Sould Be Quadratix Equation So A Value Must Not Be Zero ");
        say(message);
        label("X1")->setText("");
        label("X2")->setText("");
        // the working solves the linear equation that is left; a box whose cut text is no
        // number leaves the working at the message alone
        const auto b = parseNumber(box("B")->text()), c = parseNumber(box("C")->text());
        if (b && c)
            showWorking([message, b = *b, c = *c, boxes] {
                return quadratic::linearWorking(message, b, c, boxes);
            });
        return;
    }

    const double b = shownNumber("B");
    const double a = shownNumber("A");
    const double c = shownNumber("C");
    const auto solution = quadratic::Solve(a, b, c);
    if (const auto* roots = std::get_if<quadratic::Roots>(&solution.outcome)) {
        const QString x1 = resultText(roots->x1), x2 = resultText(roots->x2);
        label("X1")->setText(x1);
        label("X2")->setText(x2);
    } else {
        // the working quotes this answer in the same words (quadratic_working.cpp)
        label("X1")->setText(tr("No Solution"));
        label("X2")->setText(tr("No Solution"));
    }
    showWorking([solution, boxes] { return quadratic::quadraticWorking(solution, boxes); });
}

} // namespace sb
