// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/law_of_cosines/cosine_rule.h"

#include "entry/fault.h"
#include "shown.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace sb::law_of_cosines;

// Exact doubles: the factors of the 15-digit pi, squares taken before sums, "2a" as a + a
// and the angle left over as (180 - x) - z all show in the last bits. The texts are what
// the window shows.
TEST(SolveSAS, ThirdSideAndAngles) {
    struct Row {
        double a, z, b;
        double c, x, y;
        const char *cText, *xText, *yText;
    };
    const Row rows[] = {
        {3, 90, 4, 4.9999999999999964, 53.130102354156087, 36.869897645843906, "5",
         "53.1301023541561", "36.8698976458439"},
        {3, 60, 3, 2.9999999999999973, 60.000000000000078, 59.999999999999915, "3",
         "60.0000000000001", "59.9999999999999"},
        {1, 120, 1, 1.7320508075688763, 30.000000000000085, 29.999999999999915, "1.73205080756888",
         "30.0000000000001", "29.9999999999999"},
        {5, 45, 7, 4.9500025572661706, 89.41832203061351, 45.58167796938649, "4.95000255726617",
         "89.4183220306135", "45.5816779693865"},
        {2, 30, 3, 1.6148359528406384, 111.73803380029032, 38.261966199709676, "1.61483595284064",
         "111.73803380029", "38.2619661997097"},
        // ((a + a) * b) * k: taking b * k first shows ...922 and ...277
        {3, 150, 6, 8.727938733529227, 20.10390936101717, 9.896090638982827, "8.72793873352923",
         "20.1039093610172", "9.89609063898283"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.z << ", " << row.b);
        const FromSides t = SolveSAS(row.a, row.z, row.b);
        EXPECT_EQ(t.c, row.c);
        EXPECT_EQ(t.x, row.x);
        EXPECT_EQ(t.y, row.y);
        EXPECT_EQ(shown(t.c), row.cText);
        EXPECT_EQ(shown(t.x), row.xText);
        EXPECT_EQ(shown(t.y), row.yText);
    }
}

TEST(SolveSSS, ThreeAngles) {
    struct Row {
        double a, b, c;
        double z, x, y;
        const char *zText, *xText, *yText;
    };
    const Row rows[] = {
        {3, 4, 5, 89.999999999999915, 53.13010235415603, 36.869897645844048, "89.9999999999999",
         "53.130102354156", "36.869897645844"},
        {1, 1, 1, 59.999999999999886, 60.000000000000057, 60.000000000000057, "59.9999999999999",
         "60.0000000000001", "60.0000000000001"},
        {2, 3, 4, 104.47751218592984, 46.567463442210268, 28.955024371859871, "104.47751218593",
         "46.5674634422103", "28.9550243718599"},
        // flat: the cosines come out exactly 1 and -1, and the half turn of 15 digits
        // times RadToDeg is 180 exactly
        {1, 1, 2, 180, 0, 0, "180", "0", "0"},
        {2, 1, 1, 0, 0, 180, "0", "0", "180"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const Angles t = SolveSSS(row.a, row.b, row.c);
        EXPECT_EQ(t.z, row.z);
        EXPECT_EQ(t.x, row.x);
        EXPECT_EQ(t.y, row.y);
        EXPECT_EQ(shown(t.z), row.zText);
        EXPECT_EQ(shown(t.x), row.xText);
        EXPECT_EQ(shown(t.y), row.yText);
    }
}

// Squares are the platform's power function: for these sides it differs from a * a in the
// last bit, and the shown angle x with it.
TEST(SolveSSS, SquaresAreThePowerFunction) {
    const struct {
        double a, b, c;
        const char* xText;
    } rows[] = {
        {690.78, 289.98, 922.78, "12.5092886985057"}, // a * a gives ...058
        {419.05, 508.54, 927.31, "1.55091244744263"}, // ...239
        {898.56, 420.54, 485.13, "6.68615577775817"}, // ...823
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        EXPECT_EQ(shown(SolveSSS(row.a, row.b, row.c).x), row.xText);
    }
}

// No triangle, overflowing squares, a third side of zero: faults, never nan or inf.
TEST(SolveTriangle, FaultsInsteadOfNanOrInf) {
    struct Row {
        const char* what;
        bool threeSides;
        double p, q, r; // a, b, c or a, z, b
    };
    const Row rows[] = {
        {"one side longer than the other two", true, 1, 1, 3},
        {"the longest side first", true, 3, 1, 1},
        {"squares overflow", true, 1e200, 1e200, 1e200},
        {"a + a overflows", true, 1e308, 1e308, 1e308},
        {"two sides and the angle, squares overflow", false, 1e200, 90, 1e200},
        {"an angle too small to leave a third side", false, 1, 1e-99, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.threeSides) EXPECT_THROW(SolveSSS(row.p, row.q, row.r), sb::ArithmeticFault);
        else EXPECT_THROW(SolveSAS(row.p, row.q, row.r), sb::ArithmeticFault);
    }
}

} // namespace
