// SPDX-License-Identifier: GPL-3.0-or-later
#include "form5.h"

#include "statistics_working.h"

#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace sb {

namespace {

using namespace ui;

// the text of a label and the spoken name of the box below it
const char* const numbersPrompt = QT_TRANSLATE_NOOP(
    "Form5", "Fill in the numbers separated by space in form:  1 4 65 898 5 2 6 88");
const char* const weightsPrompt = QT_TRANSLATE_NOOP(
    "Form5",
    "Fill in the weight according to the order of the numbers above in form 9 8 3 1 7 6 9 1 ");

FormSpec form5Spec() {
    return FormSpec{
        "Form5",
        QT_TRANSLATE_NOOP("Form5", "Statistics"),
        10950,
        7575,
        QColor(192, 255, 255),
        {
            // "large" headings: as big as their labels are high
            label("Label2", QT_TRANSLATE_NOOP("Form5", "Statistics"), {120, 240, 1935, 375})
                .bold()
                .size(13.5),
            label("Label3", numbersPrompt, {120, 960, 9495, 375}),
            // no maximum length: a long pasted column of numbers is taken whole, and lists
            // of a million values stay quick to edit
            textBox("n", {120, 1560, 10095, 495}).named(numbersPrompt).list(),
            label("Label9", weightsPrompt, {120, 2160, 11775, 375}),
            label("Label10",
                  QT_TRANSLATE_NOOP("Form5", "If You Dont Have weight , Dont Fill In the lower "
                                             "filed and the weights will be set to 1."),
                  {120, 2640, 10455, 375}),
            textBox("w", {120, 3120, 10095, 495}).named(weightsPrompt).list(),
            // the frame of the three formula rows and of the answer
            line("Line1", 0, 3720, 9000, 3720),
            line("Line2", 0, 5040, 9000, 5040),
            line("Line3", 0, 6360, 9000, 6360),
            // the vertical line drawn in two pieces, above and below the third row's line
            line("Line4", 9000, 3720, 9000, 6360),
            line("Line9", 9000, 6360, 9000, 7575),
            line("Line7", 9000, 4200, 10950, 4200),
            line("Line8", 9000, 6120, 10950, 6120),
            button("Command1", QT_TRANSLATE_NOOP("Form5", "Calculate Mean"),
                   {120, 4200, 2055, 615}),
            label("Label4", "(a1*w1+a2*w2+ ... +an*wn)", {4200, 4080, 2775, 255}),
            line("Line5", 4080, 4440, 6840, 4440),
            label("Label5", "(w1+w2+ .. + wn)", {4680, 4560, 1695, 375}),
            button("Command3", QT_TRANSLATE_NOOP("Form5", "Calculate Variance"),
                   {120, 5400, 2175, 615}),
            label("Label6",
                  QT_TRANSLATE_NOOP("Form5", "w1*(a1-average)^2+w2*(a2-average)^2+ ... "
                                             "+wn*(an-average^2)"),
                  {2400, 5400, 6735, 375}),
            line("Line6", 2640, 5760, 8880, 5760),
            label("Label7", "(w1+wn+ ... + wn)", {4680, 5880, 1815, 375}),
            button("Command2", QT_TRANSLATE_NOOP("Form5", "Calculate Standard-Deviation"),
                   {120, 6720, 2175, 615}),
            label("Label8", QT_TRANSLATE_NOOP("Form5", "Root(Different)"), {4680, 6840, 1815, 375}),
            label("Label1", QT_TRANSLATE_NOOP("Form5", "Answer"), {9120, 4320, 1575, 615}).size(18),
            output("sol", {9120, 5280, 1695, 615}).named(QT_TRANSLATE_NOOP("Form5", "Answer")),
        },
        entry_rules::statistics,
        statistics::statisticsGuide,
    }
        .withExercises(
            // Tab keeps reading order, which visits the answer between the first two buttons
            {exercise("n w", "Command1 Command3 Command2", "sol")});
}

} // namespace

ui::FormSpec Form5::paper() { return form5Spec(); }

Form5::Form5() : Form(paper()) {
    // a fault that no message covers (a weight sum of 0, the root of a negative variance,
    // overflow) leaves the answer empty
    onClick("Command1", [this] { Command1_Click(); }, {"sol"});
    onClick("Command3", [this] { Command3_Click(); }, {"sol"});
    onClick("Command2", [this] { Command2_Click(); }, {"sol"});
}

void Form5::Command1_Click() { calculate(statistics::Measure::Mean); }

void Form5::Command3_Click() { calculate(statistics::Measure::Variance); }

void Form5::Command2_Click() { calculate(statistics::Measure::Deviation); }

void Form5::calculate(statistics::Measure which) {
    // the texts are shared with the boxes, not copied; the boxes are never changed
    const QString numbers = box("n")->text();
    const QString weights = box("w")->text();
    label("sol")->setText(QString());
    // every element starts afresh, so after the lists the flag tells of the last one read
    inputsValid = true;
    auto checked = statistics::checklists(numbers, weights, NumberMarks(QLocale()));
    if (checked.refusal) {
        inputsValid = false;
        return say(*checked.refusal);
    }
    // the lists are kept, not copied, for the working's figure until the next command
    const auto lists = std::make_shared<const statistics::Lists>(std::move(checked.lists));
    const statistics::Sums sums = statistics::measure(*lists, which);
    showResult("sol", sums.answer(which));
    showWorking(
        [which, lists, sums] { return statistics::statisticsWorking(which, *lists, sums); });
}

} // namespace sb
