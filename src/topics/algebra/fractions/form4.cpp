// SPDX-License-Identifier: GPL-3.0-or-later
#include "form4.h"

#include "fraction_commands.h"
#include "fractions_working.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

Control heading(const QString& name, const QString& text, Twips at) {
    return label(name, text, at).bold().size(18);
}

Control caption(const QString& name, const QString& text, Twips at) {
    return label(name, text, at).bold().size(9.75);
}

FormSpec form4Spec() {
    return FormSpec{
        "Form4",
        QT_TRANSLATE_NOOP("Form4", "Operators On Fractions"),
        11430,
        7500,
        QColor(192, 192, 255),
        {
            // the operators on two mixed numbers
            heading("Label8", QT_TRANSLATE_NOOP("Form4", "Operators On Fractions"),
                    {240, 240, 6735, 495}),
            caption("Label3", QT_TRANSLATE_NOOP("Form4", "Fraction 1"), {720, 1080, 1455, 375}),
            textBox("s1", {600, 2280, 615, 495}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 1 whole number")),
            textBox("m1", {1680, 1800, 615, 495}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 1 numerator")),
            line("Line3", 1680, 2520, 2280, 2520),
            textBox("d1", {1680, 2640, 615, 495}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 1 denominator")),
            caption("Label4", QT_TRANSLATE_NOOP("Form4", "The Operator"), {3360, 1800, 1695, 375}),
            textBox("op", {3840, 2280, 495, 375})
                .bold()
                .size(9.75)
                .named(QT_TRANSLATE_NOOP("Form4", "The Operator")),
            label("gcg", "[+ , - , * , / , < , > , =  ]", {2880, 2880, 2655, 495}),
            caption("Label5", QT_TRANSLATE_NOOP("Form4", "Fraction 2"), {5400, 1080, 1695, 495}),
            textBox("s2", {5640, 2160, 615, 495}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 2 whole number")),
            textBox("m2", {6600, 1800, 615, 525}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 2 numerator")),
            line("Line4", 6600, 2520, 7200, 2520),
            textBox("d2", {6600, 2760, 615, 495}, 4)
                .named(QT_TRANSLATE_NOOP("Form4", "Fraction 2 denominator")),
            button("Command1", QT_TRANSLATE_NOOP("Form4", "Result"), {7440, 2160, 1695, 495}),
            caption("Label2", QT_TRANSLATE_NOOP("Form4", "Result"), {10440, 1080, 975, 375}),
            output("s3", {9240, 2040, 1215, 495})
                .named(QT_TRANSLATE_NOOP("Form4", "Result whole number")),
            output("m3", {10440, 1680, 855, 495})
                .named(QT_TRANSLATE_NOOP("Form4", "Result numerator")),
            line("Line2", 10440, 2280, 11280, 2280),
            output("d3", {10440, 2400, 735, 615})
                .named(QT_TRANSLATE_NOOP("Form4", "Result denominator")),
            output("bool", {7920, 2880, 2055, 615})
                .bold()
                .size(9.75)
                .named(QT_TRANSLATE_NOOP("Form4", "Comparison")),
            line("Line1", 0, 3720, 11430, 3720),
            line("Line5", 5760, 3720, 5760, 7500),
            // the common denominator: box b sits under "A" and box a under "B"
            heading("Label1", QT_TRANSLATE_NOOP("Form4", "Common Denominator"),
                    {480, 3840, 4575, 735}),
            label("Label6", "A", {960, 5160, 615, 375}),
            label("Label7", "B", {2400, 5160, 735, 375}),
            textBox("b", {840, 5760, 735, 495}, 8).named("A"),
            textBox("a", {2160, 5760, 735, 495}, 8).named("B"),
            button("Command2", QT_TRANSLATE_NOOP("Form4", "Make Common Denominator"),
                   {720, 6600, 2415, 615}),
            caption("Label10", QT_TRANSLATE_NOOP("Form4", "Result"), {3480, 5280, 975, 375}),
            output("c", {3600, 5880, 2175, 375})
                .named(QT_TRANSLATE_NOOP("Form4", "Common Denominator Result")),
            // the reduction
            heading("Label9", QT_TRANSLATE_NOOP("Form4", "Reduction"), {6120, 3960, 3375, 735}),
            textBox("inm4", {6240, 5280, 735, 615}, 8)
                .named(QT_TRANSLATE_NOOP("Form4", "Reduction numerator")),
            line("Line6", 6240, 6000, 6960, 6000),
            textBox("ind4", {6240, 6120, 735, 615}, 8)
                .named(QT_TRANSLATE_NOOP("Form4", "Reduction denominator")),
            button("Command3", QT_TRANSLATE_NOOP("Form4", "Reduction"), {7440, 5760, 1455, 495}),
            caption("Label11", QT_TRANSLATE_NOOP("Form4", "Result"), {9360, 4920, 975, 375}),
            output("om4", {9360, 5520, 1335, 375})
                .named(QT_TRANSLATE_NOOP("Form4", "Reduction Result numerator")),
            line("Line7", 9360, 6000, 10200, 6000),
            output("od4", {9360, 6120, 1215, 375})
                .named(QT_TRANSLATE_NOOP("Form4", "Reduction Result denominator")),
        },
        std::nullopt,
        fractions::fractionsGuide,
    }
        .withExercises(
            // the boxes sit at staggered heights, so Tab visits each exercise in the order it is
            // read rather than by height
            {
                exercise("s1 m1 d1 op s2 m2 d2", "Command1", "s3 m3 d3 bool"),
                exercise("b a", "Command2", "c"),
                exercise("inm4 ind4", "Command3", "om4 od4"),
            },
            Tab::Exercises);
}

} // namespace

ui::FormSpec Form4::paper() { return form4Spec(); }

Form4::Form4() : Form(paper()) {
    // an integer out of range, a denominator whose integer is 0 or 0 / 0 ends a command
    // with the one fault message, and every result stays as it was before the click
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
    onClick("Command3", [this] { Command3_Click(); });
}

void Form4::Command1_Click() {
    using namespace fractions;
    const auto typed = [this] {
        return TypedFractions{box("s1")->text(), box("m1")->text(), box("d1")->text(),
                              box("s2")->text(), box("m2")->text(), box("d2")->text()};
    };
    if (const auto refusal = refuseFractions(typed())) return say(*refusal);
    const TypedFractions asTyped = typed();
    // an empty or non-numeric whole part becomes 0, and stays so whatever follows
    for (QLineEdit* whole : {box("s1"), box("s2")}) whole->setText(wholePart(whole->text()));
    const auto op = operatorOf(box("op")->text());
    if (!op) return say(messages::setOperation());

    const ResultLabels before{label("s3")->text(), label("m3")->text(), label("d3")->text(),
                              label("bool")->text()};
    const TypedFractions used = typed();
    const ResultOutcome outcome = applyOperator(*op, used, before);
    if (outcome.message) say(*outcome.message);
    else {
        label("s3")->setText(outcome.labels.s3);
        label("m3")->setText(outcome.labels.m3);
        label("d3")->setText(outcome.labels.d3);
        label("bool")->setText(outcome.labels.truth);
    }
    showWorking([=, op = *op] { return resultWorking(op, asTyped, used, outcome); });
}

void Form4::Command2_Click() {
    const auto outcome = fractions::makeCommonDenominator(box("b")->text(), box("a")->text());
    if (outcome.refusal) return say(*outcome.refusal);
    label("c")->setText(outcome.c);
    showWorking([b = box("b")->text(), a = box("a")->text(), outcome] {
        return fractions::commonDenominatorWorking(b, a, outcome);
    });
}

void Form4::Command3_Click() {
    const auto outcome = fractions::reduceFraction(box("inm4")->text(), box("ind4")->text());
    if (outcome.refusal) return say(*outcome.refusal);
    label("om4")->setText(outcome.numerator);
    label("od4")->setText(outcome.denominator);
    showWorking([n = box("inm4")->text(), d = box("ind4")->text(), outcome] {
        return fractions::reductionWorking(n, d, outcome);
    });
}

} // namespace sb
