// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/angles.h"

#include "entry/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace sb::angles;

// Exact results: the ends of the range return the program's constants, and the values in
// between keep the quadrant (Arccos from 0 to pi, Arcsin from -pi/2 to pi/2).
TEST(Angles, InverseFunctionsAcrossTheirRange) {
    struct Row {
        double v, arccos, arcsin;
    };
    const double belowOne = std::nextafter(1.0, 0.0), aboveMinusOne = -belowOne;
    const Row rows[] = {
        {1, 0, 3.14159265358979 / 2},
        {-1, 3.14159265358979, -3.14159265358979 / 2},
        {0, std::numbers::pi / 2, 0},
        {-0.0, std::numbers::pi / 2, 0},
        {0.5, 1.0471975511965976, 0.52359877559829893},
        {-0.5, 2.0943951023931957, -0.52359877559829893},
        {belowOne, 1.4901161193847656e-08, 1.5707963118937354},
        {aboveMinusOne, 3.1415926386886319, -1.5707963118937354},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "v = " << row.v);
        EXPECT_EQ(Arccos(row.v).value(), row.arccos);
        EXPECT_EQ(Arcsin(row.v).value(), row.arcsin);
    }
}

TEST(Angles, BeyondMinusOneToOneIsAFault) {
    const double justAbove = std::nextafter(1.0, 2.0);
    for (const double v : {justAbove, -justAbove, 2.0, -1e300}) {
        SCOPED_TRACE(testing::Message() << "v = " << v);
        EXPECT_THROW(Arccos(v), sb::ArithmeticFault);
        EXPECT_THROW(Arcsin(v), sb::ArithmeticFault);
    }
}

} // namespace
