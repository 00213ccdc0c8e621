// SPDX-License-Identifier: GPL-3.0-or-later
#include "form13.h"

#include "complex_numbers.h"
#include "complex_working.h"
#include "entry/conversions.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

// A pair <R, Im> of two boxes, its brackets drawn as two slanted lines each around them.
ControlTable pair(const QString& r, const QString& im, Twips at, int imLeft, const QString& comma,
                  int firstLine, int maxLength) {
    const int top = at.top, bottom = at.top + at.height, middle = at.top + at.height / 2;
    const int open = at.left - 60, close = imLeft + at.width + 60;
    const auto lineName = [firstLine](int k) {
        return QStringLiteral("Line%1").arg(firstLine + k);
    };
    return {
        line(lineName(0), open, top, open - 120, middle),
        line(lineName(1), open - 120, middle, open, bottom),
        textBox(r, at, maxLength).named("R"),
        label(comma, ",", {at.left + at.width + 45, top, 255, at.height}),
        textBox(im, {imLeft, top, at.width, at.height}, maxLength).named("Im"),
        line(lineName(2), close, top, close + 120, middle),
        line(lineName(3), close + 120, middle, close, bottom),
    };
}

FormSpec form13Spec() {
    ControlTable controls{
        // the four operations
        label("Label17", QT_TRANSLATE_NOOP("Form13", "Operations [ + - * / ] On Complex Numbers"),
              {240, 240, 5175, 375}),
        label("Label9", "R", {720, 720, 255, 255}),
        label("Label10", "Im", {1440, 720, 255, 255}),
        label("Label13", QT_TRANSLATE_NOOP("Form13", "Operation"), {2160, 840, 975, 255}),
        textBox("op", {2400, 1080, 375, 375}).named(QT_TRANSLATE_NOOP("Form13", "Operation")),
        label("Label16", "[ + , - , * , / ]", {2160, 1560, 975, 255}),
        label("Label11", "R", {3360, 720, 255, 255}),
        label("Label12", "Im", {4080, 720, 255, 255}),
        button("Command1", QT_TRANSLATE_NOOP("Form13", "Solve"), {4920, 1080, 1455, 375}),
        label("Label14", "R", {7080, 720, 255, 255}),
        label("Label15", "Im", {8280, 720, 255, 255}),
        // the real part starts a little further left than drawn: a negative 15-digit
        // number with an exponent (-1.42857142857143E-100) is cut short in the drawn room
        output("o1", {6480, 1080, 1680, 375}).named("R"),
        output("o2", {8160, 1080, 1095, 375}).named("Im"),
        // the worked example of an addition, written as the polar example at the foot is
        //: the numbers and the formulas stay as they are; only "Example" and "Is" are words
        label("Label8",
              QT_TRANSLATE_NOOP("Form13",
                                "Example: (3-2*i) + (6+4*i) => <3,-2> + <6,4>   Is :   <9,2>"),
              {360, 2040, 8175, 375}),
        line("Line13", 0, 2640, 10080, 2640),
        // the powers of i
        label("Label18", QT_TRANSLATE_NOOP("Form13", "Solving I power N"), {120, 2880, 5055, 375}),
        label("Label2", "i", {360, 3840, 255, 375}),
        textBox("p", {720, 3480, 495, 405}, 9).named("N"),
        button("Command2", QT_TRANSLATE_NOOP("Form13", "Solve"), {1680, 3840, 1215, 375}),
        output("o3", {3360, 3840, 735, 375}).named(QT_TRANSLATE_NOOP("Form13", "i power N")),
        line("Line14", 0, 4800, 10080, 4800),
        // the polar representation
        label("Label19", QT_TRANSLATE_NOOP("Form13", "Polar Representation"),
              {240, 5160, 4335, 375}),
        label("Label3", "R", {600, 5760, 255, 255}),
        label("fdf", "Im", {1320, 5760, 255, 255}),
        button("Command3", QT_TRANSLATE_NOOP("Form13", "To Polar"), {2400, 6120, 1095, 375}),
        output("o4", {3840, 6120, 5295, 375})
            .named(QT_TRANSLATE_NOOP("Form13", "Polar Representation")),
        //: the numbers and the formulas stay as they are; only "Example" and "Is" are words
        label("Label21",
              QT_TRANSLATE_NOOP(
                  "Form13", "Example: 1+i => <1,1>   Is :   Root(2)*cos(45) + Root(2)*i*sin (45)"),
              {240, 6720, 7575, 375}),
    };
    for (const auto& boxes : {pair("r1", "i1", {600, 1080, 495, 285}, 1440, "Label1", 1, 6),
                              pair("r2", "i2", {3240, 1080, 495, 285}, 4080, "Label4", 5, 6),
                              pair("re3", "im3", {480, 6120, 495, 285}, 1320, "Label5", 9, 5)})
        controls.insert(controls.end(), boxes.begin(), boxes.end());
    return FormSpec{"Form13",
                    QT_TRANSLATE_NOOP("Form13", "Complex Numbers"),
                    10080,
                    7110,
                    QColor(0xC0FFC0),
                    controls,
                    entry_rules::complex,
                    complex::complexGuide}
        .withExercises(
            {
                exercise("r1 i1 op r2 i2", "Command1", "o1 o2"),
                exercise("p", "Command2", "o3"),
                exercise("re3 im3", "Command3", "o4"),
            },
            Tab::Exercises);
}

} // namespace

ui::FormSpec Form13::paper() { return form13Spec(); }

Form13::Form13() : Form(paper()) {
    onClick("Command1", [this] { Command1_Click(); }, {"o1", "o2"});
    onClick("Command2", [this] { Command2_Click(); }, {"o3"});
    onClick("Command3", [this] { Command3_Click(); }, {"o4"});
}

// Each command empties its outputs first, so a refused command leaves them empty. Once one
// value is refused the later reads return 0 without a word, so the first bad box is the one
// told, and a bad value is told before a bad operator.

void Form13::Command1_Click() {
    label("o1")->clear();
    label("o2")->clear();
    const auto v = readAll({"r1", "r2", "i1", "i2"});
    if (!v) return;

    const double a = (*v)[0], c = (*v)[1], b = (*v)[2], d = (*v)[3];
    const QString op = box("op")->text();
    const auto outcome = complex::ComplexOperate({a, b}, op, {c, d});
    if (outcome.refusal) return say(*outcome.refusal);
    const QString re = resultText(outcome.result.re), im = resultText(outcome.result.im);
    label("o1")->setText(re);
    label("o2")->setText(im);
    const std::array<QString, 4> typed{box("r1")->text(), box("i1")->text(), box("r2")->text(),
                                       box("i2")->text()};
    showWorking([=] { return complex::operationWorking({a, b}, op, {c, d}, outcome, typed); });
}

void Form13::Command2_Click() {
    label("o3")->clear();
    const auto n = readAll({"p"});
    if (!n) return;
    const double exponent = n->front();
    const auto power = complex::PowerOfIWorked(exponent);
    label("o3")->setText(power.text);
    const QString typed = box("p")->text();
    showWorking([=] { return complex::powerWorking(exponent, power, typed); });
}

void Form13::Command3_Click() {
    label("o4")->clear();
    const auto xy = readAll({"re3", "im3"});
    if (!xy) return;
    const double x = (*xy)[0], y = (*xy)[1];
    const auto polar = complex::PolarWorked(x, y);
    label("o4")->setText(polar.text);
    const std::array<QString, 2> typed{box("re3")->text(), box("im3")->text()};
    showWorking([=] { return complex::polarWorking(x, y, polar, typed); });
}

} // namespace sb
