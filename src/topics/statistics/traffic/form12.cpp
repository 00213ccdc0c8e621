// SPDX-License-Identifier: GPL-3.0-or-later
#include "form12.h"

#include "entry/conversions.h"
#include "traffic.h"
#include "traffic_working.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;
using namespace traffic;

Control caption(const QString& name, const QString& text, Twips at) {
    return label(name, text, at);
}

Control result(const QString& name, Twips at, const QString& spoken) {
    return output(name, at).bold().named(spoken);
}

FormSpec form12Spec() {
    return FormSpec{
        "Form12",
        QT_TRANSLATE_NOOP("Form12", "Traffic And Percentage Problems"),
        10515,
        8055,
        QColor(159, 192, 201),
        {
            // distance, speed and time
            caption("Label23", QT_TRANSLATE_NOOP("Form12", "Traffic Problems"),
                    {480, 600, 1935, 375})
                .bold(),
            caption("Label24", "S", {480, 1080, 855, 255}),
            caption("Label25", "V", {1920, 1080, 855, 255}),
            textBox("s1", {480, 1320, 855, 375}, 8).named("S"),
            textBox("v1", {1920, 1320, 855, 375}, 6).named("V"),
            button("Command3", QT_TRANSLATE_NOOP("Form12", "Find T"), {3120, 1320, 1455, 375}),
            result("t1", {4920, 1320, 1575, 375}, "T"),
            caption("Label26", "S", {480, 1920, 855, 255}),
            caption("Label27", "T", {1920, 1920, 855, 255}),
            textBox("s2", {480, 2160, 855, 375}, 8).named("S"),
            textBox("t2", {1920, 2160, 855, 375}, 6).named("T"),
            button("Command4", QT_TRANSLATE_NOOP("Form12", "Find V"), {3120, 2160, 1455, 375}),
            result("v2", {4920, 2160, 1575, 375}, "V"),
            caption("Label28", "T", {480, 2760, 855, 255}),
            caption("Label29", "V", {1920, 2760, 855, 255}),
            textBox("t3", {480, 3000, 855, 375}, 6).named("T"),
            textBox("v3", {1920, 3000, 855, 375}, 6).named("V"),
            button("Command5", QT_TRANSLATE_NOOP("Form12", "Find S"), {3120, 3000, 1455, 375}),
            result("s3", {4920, 3000, 1575, 375}, "S"),
            caption("Label1", QT_TRANSLATE_NOOP("Form12", "S - The  distance"),
                    {7320, 1440, 1815, 375}),
            caption("Label2", QT_TRANSLATE_NOOP("Form12", "V - The Speed"),
                    {7320, 1800, 1815, 255}),
            caption("Label3", QT_TRANSLATE_NOOP("Form12", "T - The Time"), {7320, 2160, 1815, 375}),

            // a price decreased by a percentage
            caption("Label22", QT_TRANSLATE_NOOP("Form12", "Percentage Problems"),
                    {360, 4200, 2895, 375})
                .bold(),
            caption("Label4", QT_TRANSLATE_NOOP("Form12", "Item cost is"), {360, 4800, 1095, 375}),
            textBox("pr1", {1440, 4800, 855, 285}, 10)
                .named(QT_TRANSLATE_NOOP("Form12", "Item cost is")),
            caption("Label5", QT_TRANSLATE_NOOP("Form12", "$ , The Item cost was decreased by"),
                    {2400, 4800, 3255, 375}),
            textBox("p1", {5760, 4800, 615, 285}, 5)
                .named(QT_TRANSLATE_NOOP("Form12", "$ , The Item cost was decreased by")),
            caption("Label6", QT_TRANSLATE_NOOP("Form12", "percent. "), {6480, 4800, 855, 255}),
            button("Command2", QT_TRANSLATE_NOOP("Form12", "Solve"), {7440, 4800, 1815, 375}),
            caption("Label7", QT_TRANSLATE_NOOP("Form12", "The new price is"),
                    {360, 5280, 1575, 375}),
            result("np1", {2040, 5280, 1575, 375}, QT_TRANSLATE_NOOP("Form12", "The new price is")),
            caption("Label9", "$.", {3720, 5280, 255, 255}),
            caption("Label12", QT_TRANSLATE_NOOP("Form12", "The Item cost was decreased by"),
                    {360, 5760, 3015, 375}),
            result("de1", {3480, 5760, 1335, 255},
                   QT_TRANSLATE_NOOP("Form12", "The Item cost was decreased by")),
            caption("Label11", "$", {4920, 5760, 735, 375}),

            // a price increased by a percentage
            caption("Label21", QT_TRANSLATE_NOOP("Form12", "Item cost is"), {360, 6360, 1095, 375}),
            textBox("pr2", {1440, 6360, 855, 285}, 10)
                .named(QT_TRANSLATE_NOOP("Form12", "Item cost is")),
            caption("Label20", QT_TRANSLATE_NOOP("Form12", "$ , The Item cost was increased by"),
                    {2400, 6360, 3255, 375}),
            textBox("p2", {5760, 6360, 615, 285}, 5)
                .named(QT_TRANSLATE_NOOP("Form12", "$ , The Item cost was increased by")),
            caption("Label19", QT_TRANSLATE_NOOP("Form12", "percent. "), {6480, 6360, 855, 255}),
            button("Command1", QT_TRANSLATE_NOOP("Form12", "Solve"), {7440, 6360, 1815, 375}),
            caption("Label18", QT_TRANSLATE_NOOP("Form12", "The new price is"),
                    {360, 6840, 1575, 375}),
            result("np2", {2040, 6840, 1455, 375}, QT_TRANSLATE_NOOP("Form12", "The new price is")),
            caption("Label16", "$.", {3480, 6840, 255, 255}),
            caption("Label13", QT_TRANSLATE_NOOP("Form12", "The Item cost was increased by"),
                    {360, 7320, 3015, 375}),
            result("de2", {3480, 7320, 1455, 255},
                   QT_TRANSLATE_NOOP("Form12", "The Item cost was increased by")),
            caption("Label14", "$", {5040, 7320, 735, 375}),

            // the two areas apart, and boxes around the traffic area, its legend and each
            // price problem
            line("Line1", 0, 3960, 10515, 3960),
            line("Line2", 120, 480, 9720, 480),
            line("Line3", 120, 3720, 9720, 3720),
            line("Line4", 120, 480, 120, 3720),
            line("Line5", 9720, 480, 9720, 3720),
            line("Line6", 7080, 1200, 9240, 1200),
            line("Line7", 7080, 2880, 9240, 2880),
            line("Line8", 7080, 1200, 7080, 2880),
            line("Line9", 9240, 1200, 9240, 2880),
            line("Line10", 120, 4680, 9720, 4680),
            line("Line11", 120, 6240, 9720, 6240),
            line("Line12", 120, 4680, 120, 6240),
            line("Line13", 9720, 4680, 9720, 6240),
            line("Line14", 120, 6240, 9720, 6240),
            line("Line15", 120, 7800, 9720, 7800),
            line("Line16", 120, 6240, 120, 7800),
            line("Line17", 9720, 6240, 9720, 7800),
        },
        entry_rules::traffic,
        trafficGuide,
    }
        .withExercises(
            {
                exercise("s1 v1", "Command3", "t1"),
                exercise("s2 t2", "Command4", "v2"),
                exercise("t3 v3", "Command5", "s3"),
                exercise("pr1 p1", "Command2", "np1 de1"),
                exercise("pr2 p2", "Command1", "np2 de2"),
            },
            Tab::Exercises);
}

} // namespace

ui::FormSpec Form12::paper() { return form12Spec(); }

Form12::Form12() : Form(paper()) {
    // a quotient, product or sum beyond the range of a double: the fault message, and the
    // command's answers are left empty
    onClick("Command3", [this] { Command3_Click(); }, {"t1"});
    onClick("Command4", [this] { Command4_Click(); }, {"v2"});
    onClick("Command5", [this] { Command5_Click(); }, {"s3"});
    onClick("Command2", [this] { Command2_Click(); }, {"de1", "np1"});
    onClick("Command1", [this] { Command1_Click(); }, {"de2", "np2"});
}

std::optional<std::array<Given, 2>> Form12::readTwo(const QString& first, const QString& second) {
    inputsValid = true;
    const Given a{box(first)->text(), eval(box(first))};
    if (!inputsValid) return std::nullopt;
    const Given b{box(second)->text(), eval(box(second))};
    if (!inputsValid) return std::nullopt;
    return std::array{a, b};
}

void Form12::solveMotion(Unknown unknown, const QString& first, const QString& second,
                         const QString& output, double (*solve)(double, double)) {
    label(output)->clear();
    const auto given = readTwo(first, second);
    if (!given) return;
    const auto [a, b] = *given;
    const double answer = solve(a.value, b.value);
    showResult(output, answer);
    showWorking([=] { return motionWorking(unknown, a, b, answer); });
}

void Form12::Command3_Click() { solveMotion(Unknown::Time, "s1", "v1", "t1", FindT); }

void Form12::Command4_Click() { solveMotion(Unknown::Speed, "s2", "t2", "v2", FindV); }

void Form12::Command5_Click() { solveMotion(Unknown::Distance, "t3", "v3", "s3", FindS); }

void Form12::Command2_Click() { solvePrice(true, "p1", "pr1", "de1", "np1"); }

void Form12::Command1_Click() { solvePrice(false, "p2", "pr2", "de2", "np2"); }

void Form12::solvePrice(bool decrease, const QString& percentage, const QString& cost,
                        const QString& amount, const QString& newPrice) {
    label(amount)->clear();
    label(newPrice)->clear();
    const auto pc = readTwo(percentage, cost);
    if (!pc) return;
    const auto [p, c] = *pc;
    // 100 % itself takes the whole price off; an increase has no limit
    if (decrease && p.value > 100) return say(tr("The percentage must be smaller then 100!!!."));
    PriceChange change{PercentageAmountWorked(p.value, c.value)};
    showResult(amount, change.amount.amount);
    // the new price is reckoned from the amount as it shows, to 15 digits
    change.amountShown = numberOf(label(amount)->text());
    change.newPrice = decrease ? DecreasedPrice(c.value, change.amountShown)
                               : IncreasedPrice(change.amountShown, c.value);
    showResult(newPrice, change.newPrice);
    showWorking([=] { return priceWorking(decrease, p, c, change); });
}

} // namespace sb
