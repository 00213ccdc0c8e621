// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/circle/circle_measures.h"

#include "entry/fault.h"
#include "shown.h"
#include "topics/geometry/angles.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

using namespace sb::circle;

using Measure = double (*)(double);

TEST(CirclePi, IsTheFifteenDigitConstantNotTheTrueOne) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(sb::angles::pi), 0x400921FB54442D11u);
}

TEST(CircleMeasures, AnswersAsShown) {
    struct Row {
        const char* what;
        Measure measure;
        double value;
        const char* expected;
    };
    const Row rows[] = {
        {"area from radius", areaFromRadius, 1, "3.14159265358979"},
        // the short pi shows: the full constant gives ...448 and ...675
        {"area from radius", areaFromRadius, 5, "78.5398163397447"},
        {"area from radius", areaFromRadius, 13, "530.929158456674"},
        {"area from radius", areaFromRadius, 0.5, "0.785398163397448"},
        {"perimeter from radius", perimeterFromRadius, 1, "6.28318530717958"},
        {"area from diameter", areaFromDiameter, 2, "3.14159265358979"},
        {"area from diameter", areaFromDiameter, 10, "78.5398163397447"},
        {"perimeter from diameter", perimeterFromDiameter, 2, "6.28318530717958"},
        {"radius from area", radiusFromArea, 1, "0.564189583547757"},
        {"radius from area", radiusFromArea, 78.5398163397447, "5"},
        {"diameter from area", diameterFromArea, 1, "1.12837916709551"},
        {"perimeter from area", perimeterFromArea, 1, "3.54490770181103"},
        {"radius from perimeter", radiusFromPerimeter, 10, "1.59154943091896"},
        {"diameter from perimeter", diameterFromPerimeter, 10, "3.18309886183791"},
        {"area from perimeter", areaFromPerimeter, 10, "7.95774715459478"},
        {"area from perimeter", areaFromPerimeter, 6.28318530717958, "3.14159265358979"},
        // the order shows in the last digit: r * r * pi gives ...595 and ...908
        {"area from radius", areaFromRadius, 0.32, "0.321699087727594"},
        {"area from radius", areaFromRadius, 0.49, "0.754296396126909"},
        // d * d * pi / 4 gives ...448E-05
        {"area from diameter", areaFromDiameter, 0.01, "7.85398163397447E-05"},
        // 2 * sqrt(area * pi) gives 2.2137941502317
        {"perimeter from area", perimeterFromArea, 0.39, "2.21379415023169"},
        // h to the power 2.0, not h * h, which gives ...983
        {"area from perimeter", areaFromPerimeter, 276.23, "6072.00083791984"},
        // tiny values stay finite and are shown in exponent form
        {"area from radius", areaFromRadius, 1e-9, "3.14159265358979E-18"},
        {"radius from perimeter", radiusFromPerimeter, 99999999, "15915494.1500346"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.what << " of " << row.value);
        EXPECT_EQ(shown(row.measure(row.value)), row.expected);
    }
}

TEST(CircleMeasures, TooLargeIsAFault) {
    struct Row {
        const char* what;
        Measure measure;
        double value;
    };
    const Row rows[] = {
        {"area from radius", areaFromRadius, 1e200},
        {"perimeter from radius", perimeterFromRadius, 1e308},
        {"area from diameter", areaFromDiameter, 1e300},
        {"perimeter from diameter", perimeterFromDiameter, 1.7e308 * 1.05},
        {"area from perimeter", areaFromPerimeter, 1e160}, // the power overflows
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.what << " of " << row.value);
        EXPECT_THROW(row.measure(row.value), sb::ArithmeticFault);
    }
}

TEST(CircleMeasures, LargestInputsThatStillFit) {
    // a value read from a box can be as large as 1e308: the quotients never overflow
    EXPECT_EQ(shown(radiusFromArea(1e308)), "5.64189583547757E+153");
    EXPECT_EQ(shown(diameterFromPerimeter(1e308)), "3.18309886183791E+307");
    EXPECT_EQ(shown(areaFromRadius(7e153)), "1.539380400259E+308");
}

} // namespace
