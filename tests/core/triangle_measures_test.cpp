// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/triangle_areas/triangle_measures.h"

#include "entry/fault.h"
#include "shown.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::triangle_areas;

TEST(TriangleMeasures, TwoValueRows) {
    struct Row {
        const char* what;
        double (*measure)(double, double);
        double first, second; // in the order the row reads its boxes
        const char* expected;
    };
    const Row rows[] = {
        {"area from base, height", areaFromBaseAndHeight, 10, 5, "25"},
        {"area from base, height", areaFromBaseAndHeight, 3.5, 7, "12.25"},
        {"height from base, area", heightFromAreaAndBase, 10, 25, "5"},
        // base first: base 3 and area 25 is a height of 50/3, not 6/25
        {"height from base, area", heightFromAreaAndBase, 3, 25, "16.6666666666667"},
        {"base from height, area", baseFromAreaAndHeight, 3, 2.5, "1.66666666666667"},
        {"base from height, area", baseFromAreaAndHeight, 2.5, 3, "2.4"},
        {"area from base, height", areaFromBaseAndHeight, 1e-200, 1e-200, "0"}, // underflow
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.what << ": " << row.first << ", " << row.second);
        EXPECT_EQ(shown(row.measure(row.first, row.second)), row.expected);
    }
}

TEST(TriangleMeasures, ThreeSideRows) {
    struct Row {
        const char* what;
        double (*measure)(double, double, double);
        double a, b, c;
        const char* expected;
    };
    const Row rows[] = {
        {"perimeter", perimeter, 3, 4, 5, "12"},
        // no test that the sides make a triangle: flat and impossible ones add up as well
        {"perimeter", perimeter, 1, 2, 3, "6"},
        {"perimeter", perimeter, 1, 1, 3, "5"},
        {"Heron", heronArea, 3, 4, 5, "6"},
        {"Heron", heronArea, 1, 1, 1, "0.433012701892219"},
        {"Heron", heronArea, 2, 2, 3, "1.98431348329844"},
        {"Heron", heronArea, 1, 2, 3, "0"}, // flat: a product of exactly 0
        {"Heron", heronArea, 3, 2, 1, "0"},
        // rounding leaves the product of a flat triangle a little above 0
        {"Heron", heronArea, 0.1, 0.2, 0.3, "5.77119491429242E-10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.what << ": " << row.a << ", " << row.b << ", " << row.c);
        EXPECT_EQ(shown(row.measure(row.a, row.b, row.c)), row.expected);
    }
}

TEST(TriangleMeasures, PerimeterAddsInTheProgramsOrder) {
    // (b + a) + c: each 1 is lost against 1e16 on its own, where 1 + 1 first would count
    EXPECT_EQ(perimeter(1, 1e16, 1), 1e16);
    EXPECT_NE(perimeter(1, 1e16, 1), 1e16 + (1.0 + 1.0));
}

TEST(TriangleMeasures, FaultsInsteadOfNanOrInf) {
    struct Row {
        const char* what;
        double (*measure)(double, double, double);
        double a, b, c;
    };
    const Row rows[] = {
        {"Heron, no triangle", heronArea, 1, 1, 3},
        {"Heron, no triangle", heronArea, 3, 1, 1},
        {"Heron, no triangle", heronArea, 1, 3, 1},
        {"Heron, no triangle", heronArea, 1, 1, 2.0000001},
        {"Heron, the product overflows", heronArea, 1e100, 1e100, 1e100},
        {"Heron, the sum overflows", heronArea, 1e308, 1e308, 1},
        {"perimeter overflows", perimeter, 1e308, 1e308, 1},
        {"perimeter overflows", perimeter, 1e308, 1, 1e308},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.what << ": " << row.a << ", " << row.b << ", " << row.c);
        EXPECT_THROW(row.measure(row.a, row.b, row.c), sb::ArithmeticFault);
    }
    EXPECT_THROW(areaFromBaseAndHeight(1e200, 1e200), sb::ArithmeticFault);
    EXPECT_THROW(heightFromAreaAndBase(1e-300, 1e308), sb::ArithmeticFault);
    EXPECT_THROW(baseFromAreaAndHeight(0.5, 1e308), sb::ArithmeticFault);
}

} // namespace
