// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/complex/complex_working.h"

#include "english_default.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::complex;
using sb::working::Element;
using sb::working::Figure;

using ComplexWorking = EnglishDefault;

void expectLines(const sb::working::Working& w, const std::vector<const char*>& expected) {
    const QStringList shown = w.lines(true);
    for (const char* line : expected)
        EXPECT_TRUE(shown.contains(QString::fromUtf8(line)))
            << line << "\nin\n" << shown.join(u'\n').toStdString();
}

// n or n/d as the window's value entry reads it: the division done in decimals
double typedValue(const QString& text) {
    return text.contains(u'/') ? text.section(u'/', 0, 0).toDouble() / text.section(u'/', 1, 1).toDouble()
                               : text.toDouble();
}

std::vector<double> fromOrigin(Pair z) { return {0, 0, z.re, z.im}; }

// The steps of the four operations. Where the typed texts are known the steps work with the
// numbers as typed: a third stays a third, and where the window's decimals leave rounding in
// its answer, the exact value is given and the rounding said once.
TEST_F(ComplexWorking, StepsOfTheFourOperations) {
    struct Row {
        std::array<QString, 4> typed; // a, b, c, d
        const char* op;
        bool known; // the typed texts are passed to the working
        std::vector<const char*> expected;
    };
    const char* const note0 = "The exact value is 0. The window shows 5.55111512312578E-17: the "
                              "computer keeps about 16 digits and rounds at every step, so the last "
                              "digits it shows carry that rounding.";
    const Row rows[] = {
        {{"3", "-2", "6", "4"}, "+", false,
         {"z1 = a + bi = 3 - 2i and z2 = c + di = 6 + 4i", "Real part: 3 + 6 = 9",
          "Imaginary part: -2 + 4 = 2", "Answer: R = 9 and Im = 2, that is 9 + 2i"}},
        {{"3", "-2", "6", "-4"}, "-", false,
         {"Real part: 3 - 6 = -3", "Imaginary part: -2 - (-4) = 2",
          "Answer: R = -3 and Im = 2, that is -3 + 2i"}},
        {{"3", "-2", "6", "4"}, "*", false,
         {"ac = 3 × 6 = 18", "bd = (-2) × 4 = -8", "bc = (-2) × 6 = -12", "ad = 3 × 4 = 12",
          "Real part: ac - bd = 18 - (-8) = 26", "Imaginary part: bc + ad = -12 + 12 = 0",
          "Answer: R = 26 and Im = 0, that is 26"}},
        {{"1", "1", "1", "-1"}, "/", false,
         {"c² + d² = 1² + (-1)² = 1 + 1 = 2",
          "Real part: (ac + bd) ÷ (c² + d²) = (1 + (-1)) ÷ 2 = 0 ÷ 2 = 0",
          "Imaginary part: (bc - ad) ÷ (c² + d²) = (1 - (-1)) ÷ 2 = 2 ÷ 2 = 1",
          "Answer: R = 0 and Im = 1, that is i"}},
        {{"3", "-2", "6", "4"}, "/", false,
         {"Real part: (ac + bd) ÷ (c² + d²) = (18 + (-8)) ÷ 52 = 10 ÷ 52 = 5/26 ≈ 0.192307692307692",
          "Imaginary part: (bc - ad) ÷ (c² + d²) = (-12 - 12) ÷ 52 = -24 ÷ 52 = -6/13 ≈ "
          "-0.461538461538462",
          "Answer: R = 0.192307692307692 and Im = -0.461538461538462, that is 5/26 - (6/13)i"}},
        {{"0.1", "0.3", "3", "1"}, "*", true,
         {"Real part: ac - bd = 0.3 - 0.3 = 0", note0,
          "Answer: R = 5.55111512312578E-17 and Im = 1, that is i"}},
        {{"1/3", "2/3", "3", "0"}, "*", true,
         {"z1 = a + bi = 1/3 + (2/3)i and z2 = c + di = 3", "ac = (1/3) × 3 = 1",
          "Real part: ac - bd = 1 - 0 = 1", "Imaginary part: bc + ad = 2 + 0 = 2"}},
        {{"1/3", "0", "1/6", "0"}, "+", true, {"Real part: 1/3 + (1/6) = 0.5"}},
        {{"1", "1", "1/3", "0"}, "/", true,
         {"c² + d² = (1/3)² + 0² = 1/9 + 0 = 1/9",
          "Real part: (ac + bd) ÷ (c² + d²) = (1/3 + 0) ÷ (1/9) = 1/3 ÷ (1/9) = 3"}},
        {{"0.7", "0", "0.2", "0"}, "-", true, {"Real part: 0.7 - 0.2 = 0.5"}},
        // squares beyond exact fractions: the window's decimals, each result rounded
        {{"-1", "1.75", "1E+30", "10"}, "/", true,
         {"c² + d² = (1 × 10³⁰)² + 10² ≈ 1 × 10⁶⁰ + 100 ≈ 1 × 10⁶⁰",
          "Answer: R = -1E-30 and Im = 1.75E-30, that is -1 × 10⁻³⁰ + (1.75 × 10⁻³⁰)i"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed[0].toStdString() + " " + row.op);
        const Pair z1{typedValue(row.typed[0]), typedValue(row.typed[1])};
        const Pair z2{typedValue(row.typed[2]), typedValue(row.typed[3])};
        const Operated o = ComplexOperate(z1, row.op, z2);
        expectLines(operationWorking(z1, row.op, z2, o, row.known ? row.typed : std::array<QString, 4>{}),
                    row.expected);
    }
}

// The arrows start at the origin and end at the numbers typed and the result shown; the
// sum and the difference are the diagonal of the dashed parallelogram.
TEST_F(ComplexWorking, ArgandArrowsEndAtTheNumbers) {
    const Pair z1{3, -2}, z2{6, 4};
    for (const char* op : {"+", "-", "*", "/"}) {
        SCOPED_TRACE(op);
        const Operated o = ComplexOperate(z1, op, z2);
        const Figure f = operationWorking(z1, op, z2, o).figure;
        EXPECT_TRUE(f.axes && f.sameScale);
        for (const auto& [name, z] : {std::pair{"z1", z1}, {"z2", z2}, {"result", o.result}}) {
            const Element* arrow = f.find(name);
            ASSERT_NE(arrow, nullptr) << name;
            EXPECT_EQ(arrow->numbers, fromOrigin(z)) << name;
        }
        const Element* parallelogram = f.find("parallelogram");
        EXPECT_EQ(parallelogram != nullptr, QString(op) == "+" || QString(op) == "-");
        if (parallelogram) {
            const auto& n = parallelogram->numbers;
            EXPECT_TRUE(parallelogram->look.dashed);
            // the opposite corners are the origin and the result, and its sides match
            EXPECT_EQ(Pair(n[4], n[5]), o.result);
            EXPECT_EQ(n[2] + n[6], o.result.re);
            EXPECT_EQ(n[3] + n[7], o.result.im);
        }
    }
}

TEST_F(ComplexWorking, PowersOfITurnByQuarters) {
    struct Row {
        double n;
        Pair point;
        std::vector<const char*> expected;
    };
    const Row rows[] = {
        {7, {0, -1}, {"N = 7", "Take away fours: 7 = 4 × 1 + 3, so i⁷ = i³", "Answer: i⁷ = -i"}},
        {2.5, {-1, 0}, {"N = 2.5 is no whole number: it is rounded to the nearest one (a half "
                        "to the even one), N = 2.", "Take away fours: 2 = 4 × 0 + 2",
                        "Answer: i² = -1"}},
        {-1, {0, -1}, {"Take away fours: -1 = 4 × (-1) + 3, so i⁻¹ = i³", "Answer: i⁻¹ = -i"}},
        {4, {1, 0}, {"Answer: i⁴ = 1"}},
        {-2147483648.0, {1, 0}, {"Take away fours: -2147483648 = 4 × (-536870912) + 0, so "
                                 "i⁻²¹⁴⁷⁴⁸³⁶⁴⁸ = i⁰"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        const auto w = powerWorking(row.n, PowerOfIWorked(row.n));
        expectLines(w, row.expected);
        const Element* power = w.figure.find("power");
        ASSERT_NE(power, nullptr);
        EXPECT_EQ(Pair(power->numbers[0], power->numbers[1]), row.point);
        EXPECT_NE(w.figure.find("unit-circle"), nullptr);
    }
}

// A fraction typed for N is read exactly: 7/2 is a half and goes to the even 4, but 0.7/0.2
// divided in decimals comes out a hair below 3.5, and the window rounds it to 3.
TEST_F(ComplexWorking, TheTypedPowerIsReadExactly) {
    struct Row {
        const char* typed;
        double n; // as the window read it
        const char* expected;
    };
    const Row rows[] = {
        {"7/2", 3.5, "N = 3.5 is no whole number: it is rounded to the nearest one (a half to the "
                     "even one), N = 4."},
        {"0.7/0.2", 0.7 / 0.2,
         "N = 3.5 is no whole number. Rounded to the nearest one (a half to the even one) it "
         "gives 4, but the window divides with decimals rounded to about 16 digits: its N came "
         "out a hair below 3.5, so it rounds to N = 3."},
        {"0.3/0.1", 0.3 / 0.1, "N = 3"},
        {"1/3", 1.0 / 3, "N = 1/3 is no whole number: it is rounded to the nearest one (a half to "
                         "the even one), N = 0."},
        {"-5/2", -2.5, "N = -2.5 is no whole number: it is rounded to the nearest one (a half to "
                       "the even one), N = -2."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        expectLines(powerWorking(row.n, PowerOfIWorked(row.n), row.typed), {row.expected});
    }
}

// The polar form, its arrow from the origin and its angle from the positive real axis. On an
// axis or a diagonal the angle is exact, the polar form is written as in a textbook beside the
// window's text, and r × cos θ and r × sin θ give x and y back; typed texts, where known, are
// worked exactly.
TEST_F(ComplexWorking, PolarArrowAndItsAngle) {
    struct Row {
        QString x, y;
        bool known; // the typed texts are passed to the working
        std::vector<const char*> expected;
    };
    const Row rows[] = {
        {"3", "4", false,
         {"x² + y² = 3² + 4² = 9 + 16 = 25", "r = √25 = 5, the length of the arrow",
          "The angle: arctan(y ÷ x) = arctan(4 ÷ 3) = 53.130102354156°",
          "Rounded to 2 places: 53.13°",
          "Answer: Root(25)*Cos(53.13) + Root(25)*i*Sin(53.13), that is about 5 × (cos "
          "53.13° + i sin 53.13°), the angle rounded to 2 places"}},
        {"-1", "-1", false,
         {"x is less than 0, so the arrow points left: turn by half a circle, 45 - 180 "
          "= -135°"}},
        {"-1", "-1e-9", false,
         {"Rounded to 2 places: -180°",
          "-180° points the same way as 180°, so the angle is 180°."}},
        {"0", "0", false,
         {"z is 0: it points nowhere, and its angle is taken as 0°."}},
        {"10", "1E-05", false,
         {"x² + y² = 10² + 0.00001² = 100 + 1 × 10⁻¹⁰ = 100.0000000001",
          "The angle: arctan(y ÷ x) = arctan(0.00001 ÷ 10) = 0.0000572957795130633°"}},
        {"1", "1", true,
         {"r = √2 ≈ 1.4142135623731, the length of the arrow",
          "The angle: arctan(y ÷ x) = arctan(1 ÷ 1) = 45°",
          "Answer: Root(2)*Cos(45) + Root(2)*i*Sin(45), that is √2 × (cos 45° + i sin 45°)",
          "Check: cos 45° and sin 45° are √2/2 and √2/2, so √2 × (√2/2 + (√2/2)i) = 1 + i"}},
        {"2", "-2", true,
         {"r = √8 = 2√2 ≈ 2.82842712474619, the length of the arrow",
          "Answer: Root(8)*Cos(-45) + Root(8)*i*Sin(-45), that is 2√2 × (cos(-45°) + i sin(-45°))",
          "Check: cos(-45°) and sin(-45°) are √2/2 and -√2/2, so 2√2 × (√2/2 - (√2/2)i) = 2 - 2i"}},
        {"-3", "0", true,
         {"x is less than 0, so the arrow points left: turn by half a circle, 0 + 180 = 180°",
          "Check: cos 180° and sin 180° are -1 and 0, so 3 × (-1) = -3"}},
        {"0", "-2", true,
         {"x = 0 and y is less than 0: the arrow points straight down, so the angle is -90°.",
          "Check: cos(-90°) and sin(-90°) are 0 and -1, so 2 × (-i) = -2i"}},
        {"1/3", "1/3", true,
         {"x² + y² = (1/3)² + (1/3)² = 1/9 + 1/9 = 2/9 ≈ 0.222222222222222",
          "r = √(2/9) = √2/3 ≈ 0.471404520791032, the length of the arrow",
          "Answer: Root(0.222222222222222)*Cos(45) + Root(0.222222222222222)*i*Sin(45), "
          "that is √2/3 × (cos 45° + i sin 45°)"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE((row.x + u' ' + row.y).toStdString());
        const double x = typedValue(row.x), y = typedValue(row.y);
        const Polar p = PolarWorked(x, y);
        const auto w = polarWorking(x, y, p, row.known ? std::array<QString, 2>{row.x, row.y}
                                                       : std::array<QString, 2>{});
        expectLines(w, row.expected);
        const Element* arrow = w.figure.find("polar");
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->numbers, fromOrigin({x, y}));
        EXPECT_TRUE(arrow->text.startsWith("r = ")) << arrow->text.toStdString();
        const Element* angle = w.figure.find("angle");
        if (x != 0 || y != 0) {
            ASSERT_NE(angle, nullptr);
            EXPECT_EQ(angle->numbers[3], 0);       // from the positive real axis
            EXPECT_EQ(angle->numbers[4], p.angle); // through the angle shown
        }
    }
}

TEST_F(ComplexWorking, NumbersTooLargeToDrawGiveANote) {
    const Pair z{1E+300, 1};
    const Figure f = operationWorking(z, "+", z, ComplexOperate(z, "+", z)).figure;
    EXPECT_TRUE(f.empty());
    EXPECT_FALSE(f.note.isEmpty());
}

} // namespace
