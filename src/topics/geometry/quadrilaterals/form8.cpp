// SPDX-License-Identifier: GPL-3.0-or-later
#include "form8.h"

#include "quadrilateral_formulas.h"
#include "quadrilateral_working.h"

#include <QLabel>
#include <QLineEdit>

namespace sb {

namespace {

using namespace ui;

// every box takes at most 6 characters
constexpr int boxLength = 6;

Control heading(const QString& name, const QString& text, Twips at) {
    return label(name, text, at).bold().size(9.75);
}

// a box under its column heading, which is also its spoken name
Control wideBox(const QString& name, const QString& heading, int left, int top) {
    return textBox(name, {left, top, 615, 375}, boxLength).named(heading);
}
Control narrowBox(const QString& name, const QString& heading, int left, int top) {
    return textBox(name, {left, top, 495, 375}, boxLength).named(heading);
}

Control answer(const QString& name, const QString& spoken, int left, int top, int width) {
    return output(name, {left, top, width, 375}).named(spoken);
}

// the lines are numbered in the order they are drawn
Control nextLine(const ControlTable& table, int x1, int y1, int x2, int y2) {
    return line(QStringLiteral("Line%1").arg(table.size() + 1), x1, y1, x2, y2);
}

// Frames drawn side by side in a row, the panels between the given x positions, each with
// its own top and bottom line and sharing the upright lines with its neighbours.
void addFrames(ControlTable& table, int top, int bottom, std::initializer_list<int> xs) {
    const int* x = xs.begin();
    for (; x + 1 != xs.end(); ++x) {
        table.push_back(nextLine(table, x[0], top, x[1], top));
        table.push_back(nextLine(table, x[0], bottom, x[1], bottom));
    }
    for (int upright : xs) table.push_back(nextLine(table, upright, top, upright, bottom));
}

ControlTable lines() {
    ControlTable table;
    // separators between the figures
    for (int y : {480, 2280, 4080, 6120, 8520}) table.push_back(nextLine(table, 0, y, 11880, y));
    addFrames(table, 900, 2040, {120, 4000, 7960, 11760});    // square
    addFrames(table, 2850, 3960, {120, 11760});               // trapezium and diagonals
    table.push_back(nextLine(table, 6120, 2850, 6120, 3960)); // between the two
    addFrames(table, 4680, 5880, {120, 4140, 7980, 11760});   // rectangle
    addFrames(table, 6600, 7920, {120, 4140, 7980, 11760});   // parallelogram and rhombus
    return table;
}

FormSpec form8Spec() {
    ControlTable controls = lines();
    const ControlTable rows = {
        label("Label1", QT_TRANSLATE_NOOP("Form8", "Quadrilateral - Areas And Perimeters"),
              {4080, 0, 5295, 375})
            .bold()
            .size(12),

        // square: side, area or perimeter given
        heading("Label9", QT_TRANSLATE_NOOP("Form8", "Square"), {240, 600, 1215, 255}),
        label("Label2", QT_TRANSLATE_NOOP("Form8", "Side"), {240, 960, 615, 255}),
        label("Label3", QT_TRANSLATE_NOOP("Form8", "Area"), {4080, 960, 615, 255}),
        label("Label4", QT_TRANSLATE_NOOP("Form8", "Perimeter"), {8040, 960, 840, 255}),
        wideBox("s1", QT_TRANSLATE_NOOP("Form8", "Side"), 240, 1320),
        button("Command1", QT_TRANSLATE_NOOP("Form8", "Find Area"), {1080, 960, 1335, 375}),
        button("Command3", QT_TRANSLATE_NOOP("Form8", "Find Perimeter"), {1080, 1560, 1335, 375}),
        answer("o1", QT_TRANSLATE_NOOP("Form8", "Square from its side"), 2520, 1320, 1440),
        wideBox("a1", QT_TRANSLATE_NOOP("Form8", "Area"), 4080, 1320),
        button("Command2", QT_TRANSLATE_NOOP("Form8", "Find Side"), {4920, 960, 1335, 375}),
        button("Command4", QT_TRANSLATE_NOOP("Form8", "Find Perimeter"), {4920, 1560, 1335, 375}),
        answer("o2", QT_TRANSLATE_NOOP("Form8", "Square from its area"), 6360, 1320, 1560),
        wideBox("p1", QT_TRANSLATE_NOOP("Form8", "Perimeter"), 8040, 1320),
        button("Command7", QT_TRANSLATE_NOOP("Form8", "Find Side"), {8880, 1080, 1335, 375}),
        button("Command9", QT_TRANSLATE_NOOP("Form8", "Find Area"), {8880, 1560, 1335, 375}),
        answer("o3", QT_TRANSLATE_NOOP("Form8", "Square from its perimeter"), 10320, 1320, 1440),

        // trapezium: two parallel sides and the height
        heading("Label14", QT_TRANSLATE_NOOP("Form8", "Trapezium"), {240, 2640, 1215, 255}),
        label("Label15", QT_TRANSLATE_NOOP("Form8", "Side A"), {240, 3000, 855, 255}),
        label("Label17", QT_TRANSLATE_NOOP("Form8", "Side B"), {1200, 3000, 855, 255}),
        label("Label18", QT_TRANSLATE_NOOP("Form8", "Height"), {2160, 3000, 855, 255}),
        wideBox("a2", QT_TRANSLATE_NOOP("Form8", "Side A"), 240, 3360),
        wideBox("b2", QT_TRANSLATE_NOOP("Form8", "Side B"), 1200, 3360),
        wideBox("h2", QT_TRANSLATE_NOOP("Form8", "Height"), 2160, 3360),
        button("Command13", QT_TRANSLATE_NOOP("Form8", "Find Area"), {3120, 3360, 1335, 375}),
        answer("o4", QT_TRANSLATE_NOOP("Form8", "Trapezium area"), 4560, 3360, 1500),

        // quadrilateral with perpendicular diagonals
        heading(
            "Label31",
            QT_TRANSLATE_NOOP("Form8", "Quadrilateral which two of its diagonals are verticals"),
            {6240, 2640, 5640, 255}),
        label("Label8", QT_TRANSLATE_NOOP("Form8", "like Rhombus , Square , Dalton "),
              {6240, 2880, 5520, 255}),
        label("Label30", QT_TRANSLATE_NOOP("Form8", "Height A"), {6600, 3120, 855, 255}),
        label("Label29", QT_TRANSLATE_NOOP("Form8", "Height B"), {7560, 3120, 855, 255}),
        wideBox("hh1", QT_TRANSLATE_NOOP("Form8", "Height A"), 6600, 3480),
        wideBox("hh2", QT_TRANSLATE_NOOP("Form8", "Height B"), 7560, 3480),
        button("Command11", QT_TRANSLATE_NOOP("Form8", "Find Area"), {8520, 3480, 1335, 375}),
        answer("o11", QT_TRANSLATE_NOOP("Form8", "Area from the diagonals"), 9960, 3480, 1760),

        // rectangle: two sides, a side and the area, a side and the perimeter
        heading("Label5", QT_TRANSLATE_NOOP("Form8", "Rectangle"), {240, 4200, 1215, 255}),
        label("Label7", QT_TRANSLATE_NOOP("Form8", "Side A"), {240, 4800, 585, 255}),
        label("Label6", QT_TRANSLATE_NOOP("Form8", "Side B"), {840, 4800, 585, 255}),
        narrowBox("a3", QT_TRANSLATE_NOOP("Form8", "Side A"), 240, 5160),
        narrowBox("b3", QT_TRANSLATE_NOOP("Form8", "Side B"), 840, 5160),
        button("Command5", QT_TRANSLATE_NOOP("Form8", "Find Area"), {1560, 4920, 975, 465}),
        button("Command8", QT_TRANSLATE_NOOP("Form8", "Find Perimeter"), {1560, 5400, 975, 465}),
        answer("o5", QT_TRANSLATE_NOOP("Form8", "Rectangle from two sides"), 2640, 5160, 1470),
        label("Label19", QT_TRANSLATE_NOOP("Form8", "Side A"), {4200, 4800, 585, 255}),
        label("Label20", QT_TRANSLATE_NOOP("Form8", "Area"), {4800, 4800, 585, 255}),
        narrowBox("a6", QT_TRANSLATE_NOOP("Form8", "Side A"), 4200, 5160),
        narrowBox("ar6", QT_TRANSLATE_NOOP("Form8", "Area"), 4800, 5160),
        button("Command15", QT_TRANSLATE_NOOP("Form8", "Find B"), {5520, 4920, 975, 465}),
        button("Command14", QT_TRANSLATE_NOOP("Form8", "Find Perimeter"), {5520, 5400, 975, 465}),
        answer("o6", QT_TRANSLATE_NOOP("Form8", "Rectangle from a side and the area"), 6600, 5160,
               1350),
        label("Label11", QT_TRANSLATE_NOOP("Form8", "Side A"), {8040, 4800, 585, 255}),
        label("Label10", QT_TRANSLATE_NOOP("Form8", "Perimeter"), {8640, 4800, 705, 255}),
        narrowBox("a7", QT_TRANSLATE_NOOP("Form8", "Side A"), 8040, 5160),
        narrowBox("p7", QT_TRANSLATE_NOOP("Form8", "Perimeter"), 8640, 5160),
        button("Command10", QT_TRANSLATE_NOOP("Form8", "Find B"), {9360, 4920, 1095, 465}),
        button("Command6", QT_TRANSLATE_NOOP("Form8", "Find Area"), {9360, 5400, 1095, 465}),
        answer("o7", QT_TRANSLATE_NOOP("Form8", "Rectangle from a side and the perimeter"), 10560,
               5160, 1320),

        // parallelogram and rhombus: base and height, area and base or height, two sides
        heading("Label26", QT_TRANSLATE_NOOP("Form8", "Parallelogram And Rhombus"),
                {240, 6240, 3975, 255}),
        label("Label25", QT_TRANSLATE_NOOP("Form8", "Base"), {240, 6840, 585, 255}),
        label("Label23", QT_TRANSLATE_NOOP("Form8", "Height"), {840, 6840, 585, 255}),
        narrowBox("b6", QT_TRANSLATE_NOOP("Form8", "Base"), 240, 7200),
        narrowBox("h6", QT_TRANSLATE_NOOP("Form8", "Height"), 840, 7200),
        button("Command19", QT_TRANSLATE_NOOP("Form8", "Find Area"), {1560, 7200, 975, 375}),
        answer("o8", QT_TRANSLATE_NOOP("Form8", "Parallelogram area"), 2640, 7200, 1470),
        label("Label21", QT_TRANSLATE_NOOP("Form8", "Base/Height"), {4200, 6720, 1275, 255}),
        label("Label16", QT_TRANSLATE_NOOP("Form8", "Area"), {4920, 7080, 585, 255}),
        narrowBox("b7", QT_TRANSLATE_NOOP("Form8", "Base/Height"), 4200, 7080),
        narrowBox("ar7", QT_TRANSLATE_NOOP("Form8", "Area"), 4920, 7440),
        button("Command16", QT_TRANSLATE_NOOP("Form8", "Find Height/Base"),
               {5520, 7080, 1095, 615}),
        answer("o9", QT_TRANSLATE_NOOP("Form8", "Parallelogram height or base"), 6720, 7200, 1230),
        label("Label12", QT_TRANSLATE_NOOP("Form8", "Side A"), {8040, 6840, 585, 255}),
        label("Label13", QT_TRANSLATE_NOOP("Form8", "Side B"), {8640, 6840, 585, 255}),
        narrowBox("a8", QT_TRANSLATE_NOOP("Form8", "Side A"), 8040, 7200),
        narrowBox("b8", QT_TRANSLATE_NOOP("Form8", "Side B"), 8640, 7200),
        button("Command17", QT_TRANSLATE_NOOP("Form8", "Find Perimeter"), {9360, 7080, 1095, 615}),
        answer("o10", QT_TRANSLATE_NOOP("Form8", "Parallelogram perimeter"), 10560, 7200, 1320),
    };
    controls.insert(controls.end(), rows.begin(), rows.end());
    return FormSpec{
        "Form8",
        QT_TRANSLATE_NOOP("Form8", "Quadrilateral - Areas And Perimeters"),
        11880,
        8070,
        QColor(255, 224, 192),
        controls,
        entry_rules::quadrilaterals,
        quadrilaterals::quadrilateralGuide,
    }
        .withExercises(
            // Tab goes the window's own way (tabChain); these say what Enter in a box presses
            {
                exercise("s1", "Command1 Command3", "o1"),
                exercise("a1", "Command2 Command4", "o2"),
                exercise("p1", "Command7 Command9", "o3"),
                exercise("a2 b2 h2", "Command13", "o4"),
                exercise("hh1 hh2", "Command11", "o11"),
                exercise("a3 b3", "Command5 Command8", "o5"),
                exercise("a6 ar6", "Command15 Command14", "o6"),
                exercise("a7 p7", "Command10 Command6", "o7"),
                exercise("b6 h6", "Command19", "o8"),
                exercise("b7 ar7", "Command16", "o9"),
                exercise("a8 b8", "Command17", "o10"),
            });
}

// the order the Tab key moves the focus in
const QStringList tabChain = {
    "s1",        "Command1",  "Command3", "a1",        "Command2", "Command4",  "p1",
    "Command7",  "Command9",  "a2",       "b2",        "h2",       "Command13", "a3",
    "b3",        "a6",        "ar6",      "a7",        "p7",       "Command5",  "Command8",
    "Command14", "Command15", "Command6", "Command10", "a8",       "b8",        "ar7",
    "b7",        "Command16", "h6",       "Command19", "b6",       "Command17", "hh2",
    "Command11", "hh1",
};

} // namespace

ui::FormSpec Form8::paper() { return form8Spec(); }

Form8::Form8() : Form(paper()) {
    // the heading runs to the window's edge; with a wider font than the window was drawn for
    // its end is cut there rather than wrapped under the line below it
    label("Label31")->setWordWrap(false);
    tabOrder(tabChain);

    // a square, product or sum beyond the range of a double is told with the fault message
    // and leaves the panel's answer empty
    onClick("Command1", [this] { Command1_Click(); }, {"o1"});
    onClick("Command3", [this] { Command3_Click(); }, {"o1"});
    onClick("Command2", [this] { Command2_Click(); }, {"o2"});
    onClick("Command4", [this] { Command4_Click(); }, {"o2"});
    onClick("Command7", [this] { Command7_Click(); }, {"o3"});
    onClick("Command9", [this] { Command9_Click(); }, {"o3"});
    onClick("Command13", [this] { Command13_Click(); }, {"o4"});
    onClick("Command11", [this] { Command11_Click(); }, {"o11"});
    onClick("Command5", [this] { Command5_Click(); }, {"o5"});
    onClick("Command8", [this] { Command8_Click(); }, {"o5"});
    onClick("Command15", [this] { Command15_Click(); }, {"o6"});
    onClick("Command14", [this] { Command14_Click(); }, {"o6"});
    onClick("Command10", [this] { Command10_Click(); }, {"o7"});
    onClick("Command6", [this] { Command6_Click(); }, {"o7"});
    onClick("Command19", [this] { Command19_Click(); }, {"o8"});
    onClick("Command16", [this] { Command16_Click(); }, {"o9"});
    onClick("Command17", [this] { Command17_Click(); }, {"o10"});
}

// Every command: empty its answer, read each of its boxes in its own order (a bad value
// does not stop the reading, so each one tells its message), and answer only when all
// were good.
void Form8::find(const QString& output, const QStringList& inputs, Question question) {
    label(output)->clear();
    const auto values = readAll(inputs);
    if (!values) return;
    const quadrilaterals::Answer answer = quadrilaterals::solve(question, *values);
    // the boxes keep the text as typed: the working reads the exact values from it
    QStringList typed;
    for (const QString& name : inputs) typed << box(name)->text();
    if (!answer.result) {
        // a rectangle whose perimeter leaves nothing for its sides B
        const QString implausible = tr("Implausible Data");
        say(implausible);
        showWorking([answer, typed, implausible] {
            return quadrilaterals::quadrilateralWorking(answer, implausible, typed);
        });
        return;
    }
    showResult(output, *answer.result);
    showWorking([answer, typed] { return quadrilaterals::quadrilateralWorking(answer, {}, typed); });
}

using enum quadrilaterals::Question;

void Form8::Command1_Click() { find("o1", {"s1"}, SquareArea); }
void Form8::Command3_Click() { find("o1", {"s1"}, SquarePerimeter); }
void Form8::Command2_Click() { find("o2", {"a1"}, SquareSideFromArea); }
void Form8::Command4_Click() { find("o2", {"a1"}, SquarePerimeterFromArea); }
void Form8::Command7_Click() { find("o3", {"p1"}, SquareSideFromPerimeter); }
void Form8::Command9_Click() { find("o3", {"p1"}, SquareAreaFromPerimeter); }
void Form8::Command13_Click() { find("o4", {"a2", "b2", "h2"}, TrapeziumArea); }
void Form8::Command11_Click() { find("o11", {"hh1", "hh2"}, DiagonalsArea); }
void Form8::Command5_Click() { find("o5", {"a3", "b3"}, RectangleArea); }
void Form8::Command8_Click() { find("o5", {"a3", "b3"}, RectanglePerimeter); }
void Form8::Command15_Click() { find("o6", {"a6", "ar6"}, RectangleSideFromArea); }
void Form8::Command14_Click() { find("o6", {"a6", "ar6"}, RectanglePerimeterFromArea); }
void Form8::Command10_Click() { find("o7", {"a7", "p7"}, RectangleSideFromPerimeter); }
void Form8::Command6_Click() { find("o7", {"a7", "p7"}, RectangleAreaFromPerimeter); }
void Form8::Command19_Click() { find("o8", {"b6", "h6"}, ParallelogramArea); }
void Form8::Command16_Click() { find("o9", {"b7", "ar7"}, ParallelogramHeightOrBase); }
void Form8::Command17_Click() { find("o10", {"a8", "b8"}, ParallelogramPerimeter); }

} // namespace sb
