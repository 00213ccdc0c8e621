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

std::vector<double> fromOrigin(Pair z) { return {0, 0, z.re, z.im}; }

TEST_F(ComplexWorking, StepsOfTheFourOperations) {
    struct Row {
        Pair first;
        const char* op;
        Pair second;
        std::vector<const char*> expected;
    };
    const Row rows[] = {
        {{3, -2}, "+", {6, 4},
         {"z1 = a + b·i = 3 - 2·i and z2 = c + d·i = 6 + 4·i", "Real part: 3 + 6 = 9",
          "Imaginary part: -2 + 4 = 2", "Answer: R = 9 and Im = 2, that is 9 + 2·i"}},
        {{3, -2}, "-", {6, -4},
         {"Real part: 3 - 6 = -3", "Imaginary part: -2 - (-4) = 2",
          "Answer: R = -3 and Im = 2, that is -3 + 2·i"}},
        {{3, -2}, "*", {6, 4},
         {"a·c = 3·6 = 18", "b·d = (-2)·4 = -8", "b·c = (-2)·6 = -12", "a·d = 3·4 = 12",
          "Real part: a·c - b·d = 18 - (-8) = 26", "Imaginary part: b·c + a·d = -12 + 12 = 0",
          "Answer: R = 26 and Im = 0, that is 26 + 0·i"}},
        {{1, 1}, "/", {1, -1},
         {"c² + d² = 1² + (-1)² = 2", "d² = 1, c² = 1",
          "Real part: (b·d + a·c) / (c² + d²) = (-1 + 1) / 2 = 0 / 2 = 0",
          "Imaginary part: (b·c - a·d) / (c² + d²) = (1 - (-1)) / 2 = 2 / 2 = 1",
          "Answer: R = 0 and Im = 1, that is 0 + 1·i"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.op);
        const Operated o = ComplexOperate(row.first, row.op, row.second);
        expectLines(operationWorking(row.first, row.op, row.second, o), row.expected);
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
        {7, {0, -1}, {"N = 7", "Take away fours: 7 = 4·1 + 3, so i^7 = i^3", "Answer: i^7 = -i"}},
        {2.5, {-1, 0}, {"N = 2.5 is no whole number: it is rounded to the nearest one (a half "
                        "to the even one), N = 2.", "Take away fours: 2 = 4·0 + 2",
                        "Answer: i^2 = -1"}},
        {-1, {0, -1}, {"Take away fours: -1 = 4·(-1) + 3, so i^(-1) = i^3", "Answer: i^(-1) = -i"}},
        {4, {1, 0}, {"Answer: i^4 = 1"}},
        {-2147483648.0, {1, 0}, {"Take away fours: -2147483648 = 4·(-536870912) + 0, so "
                                 "i^(-2147483648) = i^0"}},
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

TEST_F(ComplexWorking, PolarArrowAndItsAngle) {
    struct Row {
        double x, y;
        std::vector<const char*> expected;
    };
    const Row rows[] = {
        {3, 4, {"x² + y² = 3² + 4² = 9 + 16 = 25", "Root(25) = 5, the length of the arrow",
                "The angle: arctan(y / x) = arctan(4 / 3) = 53.130102354156 degrees",
                "Rounded to 2 places: 53.13",
                "Answer: Root(25)*Cos(53.13) + Root(25)*i*Sin(53.13)"}},
        {-1, -1, {"x is less than 0, so the arrow points left: turn by half a circle, 45 - 180 "
                  "= -135 degrees"}},
        {-1, -1e-9, {"Rounded to 2 places: -180",
                     "-180 degrees points the same way as 180, so the angle is 180."}},
        {0, -2, {"x = 0 and y is less than 0: the arrow points straight down, so the angle is -90."}},
        {0, 0, {"z is 0: it points nowhere, and its angle is taken as 0."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
        const Polar p = PolarWorked(row.x, row.y);
        const auto w = polarWorking(row.x, row.y, p);
        expectLines(w, row.expected);
        const Element* arrow = w.figure.find("polar");
        ASSERT_NE(arrow, nullptr);
        EXPECT_EQ(arrow->numbers, fromOrigin({row.x, row.y}));
        const Element* angle = w.figure.find("angle");
        if (row.x != 0 || row.y != 0) {
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
