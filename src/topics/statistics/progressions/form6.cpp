// SPDX-License-Identifier: GPL-3.0-or-later
#include "form6.h"

#include "progressions.h"
#include "progressions_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;
using namespace progressions;

// the window's refusals, told in the language spoken (Form6::tr)
const char* const qNotZeroOrOne =
    QT_TRANSLATE_NOOP("sb::Form6", "Q Must not be equals to zero or one.!!!");
const char* const qOutsideInfinite =
    QT_TRANSLATE_NOOP("sb::Form6", "In Infinite Progression Q Must be smaller than 1 and bigger "
                                   "than -1 and not be equals to Zero.!!!");
const char* const a1ZeroOrNTooSmall = QT_TRANSLATE_NOOP(
    "sb::Form6", "A1 Must not be equals to zero And N must be bigger than one.!!!");

// a column heading sits directly above its box and is as wide as it
Control heading(const QString& name, const QString& text, int left, int top) {
    return label(name, text, {left, top, 495, 255});
}

// every box takes at most 8 characters, typed or written back by a command
Control entry(const QString& name, int left, int top, const QString& spoken) {
    return textBox(name, {left, top, 495, 405}, 8).named(spoken);
}

Control sectionTitle(const QString& name, const QString& text, Twips at) {
    return label(name, text, at).size(13.5).bold().italic();
}

Control legend(const QString& name, const QString& text, int left, int width) {
    // room for two lines, where the font is wider than the cell
    return label(name, text, {left, 7440, width, 480}).size(9.75).bold();
}

FormSpec form6Spec() {
    return FormSpec{
        "Form6",
        QT_TRANSLATE_NOOP("Form6", "Arithmetic And Geometric Progression"),
        10425,
        7965,
        QColor(255, 255, 192),
        {
            sectionTitle("Label22", QT_TRANSLATE_NOOP("Form6", "Arithmetic Progression"),
                         {0, 0, 7695, 375}),

            // the sums of an arithmetic progression
            heading("Label1", "A1", 240, 480),
            entry("a1", 240, 840, "A1"),
            heading("Label6", "D", 1080, 480),
            entry("d", 1080, 840, "D"),
            heading("Label7", "N", 1920, 480),
            entry("n", 1920, 840, "N"),
            button("Command1", QT_TRANSLATE_NOOP("Form6", "Find Sn"), {2640, 840, 1095, 375}),
            output("ans1", {3840, 840, 1335, 375}).named("Sn"),

            heading("Label8", "A1", 240, 1560),
            entry("a12", 240, 2040, "A1"),
            heading("Label9", "An", 1080, 1560),
            entry("an2", 1080, 2040, "An"),
            heading("Label10", "N", 1920, 1560),
            entry("n2", 1920, 2040, "N"),
            button("Command2", QT_TRANSLATE_NOOP("Form6", "Find Sn"), {2640, 2040, 1095, 375}),
            output("ans2", {3840, 2040, 1335, 375}).named("Sn"),

            heading("Label20", "D", 240, 2640),
            entry("d3", 240, 3000, "D"),
            heading("Label19", "An", 1080, 2640),
            entry("an3", 1080, 3000, "An"),
            heading("Label18", "N", 1920, 2640),
            entry("n3", 1920, 3000, "N"),
            button("Command8", QT_TRANSLATE_NOOP("Form6", "Find Sn"), {2640, 3000, 1095, 375}),
            output("ans3", {3840, 3000, 1335, 375}).named("Sn"),

            // the last element, the difference and the number of elements
            heading("Label2", "A1", 5640, 480),
            entry("a14", 5640, 840, "A1"),
            heading("Label11", "D", 6480, 480),
            entry("d4", 6480, 840, "D"),
            heading("Label3", "N", 7200, 480),
            entry("n4", 7200, 840, "N"),
            button("Command3", QT_TRANSLATE_NOOP("Form6", "Find An"), {7920, 840, 1215, 375}),
            output("ans4", {9240, 840, 975, 375}).named("An"),

            heading("Label13", "A1", 5640, 1560),
            entry("a15", 5640, 1920, "A1"),
            heading("Label14", "An", 6480, 1560),
            entry("an5", 6480, 1920, "An"),
            heading("Label21", "N", 7200, 1560),
            entry("n5", 7200, 1920, "N"),
            button("Command6", QT_TRANSLATE_NOOP("Form6", "Find D"), {7920, 1920, 1215, 375}),
            output("ans5", {9240, 1920, 975, 375}).named("D"),

            heading("Label16", "A1", 5640, 2640),
            entry("a16", 5640, 3000, "A1"),
            heading("Label17", "D", 6480, 2640),
            entry("d6", 6480, 3000, "D"),
            heading("Label12", "An", 7200, 2640),
            entry("an6", 7200, 3000, "An"),
            button("ans6", QT_TRANSLATE_NOOP("Form6", "Find N"), {7920, 3000, 1215, 375}),
            output("ans66", {9240, 3000, 975, 375}).named("N"),

            sectionTitle("Label23", QT_TRANSLATE_NOOP("Form6", "Geometric Progression"),
                         {120, 3840, 3615, 375}),

            // the sums of a geometric progression
            heading("kjkl", "A1", 240, 4440),
            entry("a17", 240, 4800, "A1"),
            heading("Label25", "Q", 1080, 4440),
            entry("q7", 1080, 4800, "Q"),
            heading("Label26", "N", 1920, 4440),
            entry("n7", 1920, 4800, "N"),
            button("command20", QT_TRANSLATE_NOOP("Form6", "Find Sn"), {2640, 4800, 1095, 375}),
            output("ans7", {3840, 4800, 1335, 375}).named("Sn"),

            heading("Label27", "A1", 240, 5400),
            entry("a18", 240, 5760, "A1"),
            heading("Label28", "Q", 1080, 5400),
            entry("q8", 1080, 5760, "Q"),
            heading("Label29", "An", 1920, 5400),
            entry("an8", 1920, 5760, "An"),
            button("command21", QT_TRANSLATE_NOOP("Form6", "Find Sn"), {2640, 5760, 1095, 375}),
            output("ans8", {3840, 5760, 1335, 375}).named("Sn"),

            heading("Label31", "A1", 240, 6360),
            entry("a19", 240, 6720, "A1"),
            heading("Label32", "Q", 1080, 6360),
            entry("q9", 1080, 6720, "Q"),
            button("command22", QT_TRANSLATE_NOOP("Form6", "Find Sn (Infinite Progression)"),
                   {2640, 6480, 1215, 615}),
            output("ans9", {3960, 6600, 1215, 495}).named("Sn"),

            // the last element and the ratio
            heading("Label35", "A1", 5640, 4440),
            entry("a110", 5640, 4800, "A1"),
            heading("Label34", "Q", 6480, 4440),
            entry("q10", 6480, 4800, "Q"),
            heading("Label15", "N", 7200, 4440),
            entry("n10", 7200, 4800, "N"),
            button("Command10", QT_TRANSLATE_NOOP("Form6", "Find An"), {8040, 4800, 1215, 375}),
            output("ans10", {9360, 4800, 855, 375}).named("An"),

            heading("Label36", "A1", 5640, 5400),
            entry("a111", 5640, 5760, "A1"),
            heading("Label39", "An", 6480, 5400),
            entry("an11", 6480, 5760, "An"),
            heading("Label24", "N", 7200, 5400),
            entry("n11", 7200, 5760, "N"),
            button("Command4", QT_TRANSLATE_NOOP("Form6", "Find Q"), {8040, 5760, 1215, 375}),
            output("ans11", {9360, 5760, 855, 375}).named("Q"),

            legend("Label5", QT_TRANSLATE_NOOP("Form6", "A1 - First Element"), 240, 1590),
            legend("Label33", QT_TRANSLATE_NOOP("Form6", "An - Last Element"), 2010, 1490),
            legend("Label4", QT_TRANSLATE_NOOP("Form6", "N - Number Of Elements"), 3680, 1980),
            legend("Label37", QT_TRANSLATE_NOOP("Form6", "D - Arithmetic Jump Size"), 5840, 2170),
            legend("Label38", QT_TRANSLATE_NOOP("Form6", "Q - Geometric Jump Size"), 8190, 2070),

            // the frames of the four halves and the rules between their rows
            line("Line1", 120, 360, 5280, 360),
            line("Line2", 120, 3600, 5280, 3600),
            line("Line3", 120, 360, 120, 3600),
            line("Line4", 5280, 360, 5280, 3600),
            line("Line5", 5280, 360, 10320, 360),
            line("Line6", 5280, 3600, 10320, 3600),
            line("Line7", 5280, 360, 5280, 3600),
            line("Line8", 10320, 360, 10320, 3600),
            line("Line9", 120, 1440, 5280, 1440),
            line("Line10", 120, 2520, 5280, 2520),
            line("Line11", 5280, 1440, 10320, 1440),
            line("Line12", 5280, 2520, 10320, 2520),
            line("Line13", 120, 4320, 5280, 4320),
            line("Line14", 120, 7200, 5280, 7200),
            line("Line15", 120, 4320, 120, 7200),
            line("Line16", 5280, 4320, 5280, 7200),
            line("Line17", 5280, 4320, 10320, 4320),
            line("Line18", 5280, 7200, 10320, 7200),
            line("Line19", 5280, 4320, 5280, 7200),
            line("Line20", 10320, 4320, 10320, 7200),
            line("Line21", 120, 5280, 5280, 5280),
            line("Line22", 120, 6240, 5280, 6240),
            line("Line23", 5280, 5280, 10320, 5280),
            line("Line24", 5280, 6240, 10320, 6240),
            // the box of the legend, one cell a term
            line("Line25", 120, 7320, 10320, 7320),
            line("Line26", 120, 7935, 10320, 7935),
            line("Line27", 120, 7320, 120, 7935),
            line("Line28", 10320, 7320, 10320, 7935),
            line("Line29", 1890, 7320, 1890, 7935),
            line("Line30", 3560, 7320, 3560, 7935),
            line("Line31", 5720, 7320, 5720, 7935),
            line("Line33", 8070, 7320, 8070, 7935),
        },
        entry_rules::progressions,
        progressionsGuide,
    }
        .withExercises(
            // row by row, across both halves, each row's boxes before its button and answer: the
            // rows of the two halves are not level, and the infinite sum's button stands higher
            // than its boxes
            {
                exercise("a1 d n", "Command1", "ans1"),
                exercise("a14 d4 n4", "Command3", "ans4"),
                exercise("a12 an2 n2", "Command2", "ans2"),
                exercise("a15 an5 n5", "Command6", "ans5"),
                exercise("d3 an3 n3", "Command8", "ans3"),
                exercise("a16 d6 an6", "ans6", "ans66"),
                exercise("a17 q7 n7", "command20", "ans7"),
                exercise("a110 q10 n10", "Command10", "ans10"),
                exercise("a18 q8 an8", "command21", "ans8"),
                exercise("a111 an11 n11", "Command4", "ans11"),
                exercise("a19 q9", "command22", "ans9"),
            },
            Tab::Exercises);
}

} // namespace

ui::FormSpec Form6::paper() { return form6Spec(); }

Form6::Form6() : Form(paper()) {
    // A computation without a value (N = 1 in Find D, D = 0 in Find N, an overflow, a power
    // with no real value, a written-back text that no longer reads as a number once cut)
    // ends with the fault message and an empty answer; the boxes keep what was written.
    onClick("Command1", [this] { Command1_Click(); }, {"ans1"});
    onClick("Command2", [this] { Command2_Click(); }, {"ans2"});
    onClick("Command8", [this] { Command8_Click(); }, {"ans3"});
    onClick("Command3", [this] { Command3_Click(); }, {"ans4"});
    onClick("Command6", [this] { Command6_Click(); }, {"ans5"});
    onClick("ans6", [this] { ans6_Click(); }, {"ans66"});
    onClick("command20", [this] { command20_Click(); }, {"ans7"});
    onClick("command21", [this] { command21_Click(); }, {"ans8"});
    onClick("command22", [this] { command22_Click(); }, {"ans9"});
    onClick("Command10", [this] { Command10_Click(); }, {"ans10"});
    onClick("Command4", [this] { Command4_Click(); }, {"ans11"});
}

Box Form6::rewrite(const QString& name, const QString& letter) {
    Box read{letter, box(name)->text(), {}, {}};
    read.written = writeBack(name); // the whole text, which the box may have cut
    read.shown = box(name)->text();
    return read;
}

Box Form6::held(const QString& name, const QString& letter) {
    Box read{letter, box(name)->text(), {}, {}};
    read.shown = read.typed;
    read.value = eval(box(name));
    return read;
}

bool Form6::rewriteRow(Boxes& read,
                       std::initializer_list<std::pair<const char*, const char*>> boxes) {
    inputsValid = true;
    for (const auto& [name, letter] : boxes)
        read.push_back(rewrite(QString::fromLatin1(name), QString::fromLatin1(letter)));
    return inputsValid;
}

// The written-back boxes enter the computation as the number of the text they show.
void Form6::takeShown(Boxes& read) {
    for (Box& b : read)
        if (!b.written.isEmpty()) b.value = numberOf(b.shown);
}

void Form6::answer(const QString& output, Row row, Boxes& read,
                   const std::function<Worked()>& routine) {
    Worked worked;
    try {
        takeShown(read);
        worked = routine();
    } catch (const ArithmeticFault&) {
        // the same message and empty answer as any fault, and the working says why
        say(faultMessage());
        label(output)->clear();
        showWorking([row, read] { return unansweredWorking(row, read, {faultMessage()}); });
        return;
    }
    showResult(output, worked.answer);
    showWorking([row, read, worked] { return progressionWorking(row, read, worked); });
}

void Form6::refuse(const QString& message, Row row, Boxes& read) {
    say(message);
    // the refusal is the command's end: a box whose cut text no longer reads as a number
    // (-1.234E-) is told by the number it was written as, with no fault of its own
    for (Box& b : read) {
        if (b.written.isEmpty()) continue;
        try {
            b.value = numberOf(b.shown);
        } catch (const ArithmeticFault&) {
            b.value = numberOf(b.written);
        }
    }
    showWorking([row, read, message] { return unansweredWorking(row, read, {message}); });
}

void Form6::Command1_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"a1", "A1"}, {"d", "D"}, {"n", "N"}})) return label("ans1")->clear();
    answer("ans1", Row::ArithSumA1DN, r, [&] {
        return ArithSumA1DNWorked(boxOf(r, u"A1").value, boxOf(r, u"D").value,
                                  boxOf(r, u"N").value);
    });
}

void Form6::Command2_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"a12", "A1"}, {"an2", "An"}, {"n2", "N"}})) return label("ans2")->clear();
    answer("ans2", Row::ArithSumA1AnN, r, [&] {
        return ArithSumA1AnNWorked(boxOf(r, u"A1").value, boxOf(r, u"An").value,
                                   boxOf(r, u"N").value);
    });
}

void Form6::Command8_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"an3", "An"}, {"d3", "D"}, {"n3", "N"}})) return label("ans3")->clear();
    answer("ans3", Row::ArithSumDAnN, r, [&] {
        return ArithSumDAnNWorked(boxOf(r, u"D").value, boxOf(r, u"An").value,
                                  boxOf(r, u"N").value);
    });
}

void Form6::Command3_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"a14", "A1"}, {"d4", "D"}, {"n4", "N"}})) return label("ans4")->clear();
    answer("ans4", Row::ArithLastA1DN, r, [&] {
        return ArithLastA1DNWorked(boxOf(r, u"A1").value, boxOf(r, u"D").value,
                                   boxOf(r, u"N").value);
    });
}

void Form6::Command6_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"an5", "An"}, {"a15", "A1"}, {"n5", "N"}})) return label("ans5")->clear();
    answer("ans5", Row::ArithDiffA1AnN, r, [&] {
        return ArithDiffA1AnNWorked(boxOf(r, u"A1").value, boxOf(r, u"An").value,
                                    boxOf(r, u"N").value);
    });
}

void Form6::ans6_Click() {
    Boxes r;
    if (!rewriteRow(r, {{"a16", "A1"}, {"d6", "D"}, {"an6", "An"}})) return; // ans66 keeps it
    answer("ans66", Row::ArithCountA1DAn, r, [&] {
        return ArithCountA1DAnWorked(boxOf(r, u"A1").value, boxOf(r, u"D").value,
                                     boxOf(r, u"An").value);
    });
}

// In the geometric rows Q is used as typed, at full precision: it is not written back.

void Form6::command20_Click() {
    inputsValid = true;
    Boxes r{rewrite("a17", "A1"), held("q7", "Q"), rewrite("n7", "N")};
    const double q = r[1].value;
    if (!inputsValid) return label("ans7")->clear();
    if (q == 0 || q == 1) {
        refuse(tr(qNotZeroOrOne), Row::GeomSumA1QN, r);
        label("ans7")->clear();
        return;
    }
    answer("ans7", Row::GeomSumA1QN, r,
           [&] { return GeomSumA1QNWorked(boxOf(r, u"A1").value, q, boxOf(r, u"N").value); });
}

void Form6::command21_Click() {
    inputsValid = true;
    Boxes r{rewrite("a18", "A1"), held("q8", "Q"), held("an8", "An")};
    const double q = r[1].value;
    if (!inputsValid) return label("ans8")->clear();
    if (q == 0 || q == 1) {
        label("ans8")->clear();
        return refuse(tr(qNotZeroOrOne), Row::GeomSumA1QAn, r);
    }
    answer("ans8", Row::GeomSumA1QAn, r,
           [&] { return GeomSumA1QAnWorked(boxOf(r, u"A1").value, q, r[2].value); });
}

void Form6::command22_Click() {
    inputsValid = true;
    Boxes r{rewrite("a19", "A1"), held("q9", "Q")};
    const double q = r[1].value;
    if (!inputsValid) return label("ans9")->clear();
    if (q >= 1 || q == 0 || q <= -1) {
        label("ans9")->clear();
        return refuse(tr(qOutsideInfinite), Row::GeomSumInfinite, r);
    }
    answer("ans9", Row::GeomSumInfinite, r,
           [&] { return GeomSumInfiniteWorked(boxOf(r, u"A1").value, q); });
}

void Form6::Command10_Click() {
    inputsValid = true;
    Boxes r{rewrite("a110", "A1"), held("q10", "Q"), rewrite("n10", "N")};
    const double q = r[1].value;
    if (!inputsValid) return label("ans10")->clear();
    if (q == 0 || q == 1) return refuse(tr(qNotZeroOrOne), Row::GeomLastA1QN, r); // ans10 keeps it
    answer("ans10", Row::GeomLastA1QN, r,
           [&] { return GeomLastA1QNWorked(boxOf(r, u"A1").value, q, boxOf(r, u"N").value); });
}

void Form6::Command4_Click() {
    inputsValid = true;
    Boxes r{rewrite("a111", "A1"), rewrite("n11", "N"), held("an11", "An")};
    if (!inputsValid) return label("ans11")->clear();
    takeShown(r);
    const double a1 = boxOf(r, u"A1").value, n = boxOf(r, u"N").value;
    if (a1 == 0 || n <= 1) {
        label("ans11")->clear();
        return refuse(tr(a1ZeroOrNTooSmall), Row::GeomRatioA1AnN, r);
    }
    answer("ans11", Row::GeomRatioA1AnN, r,
           [&] { return GeomRatioA1AnNWorked(a1, r[2].value, n); });
}

} // namespace sb
