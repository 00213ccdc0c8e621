// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/quadratic/solve_quadratic.h"

#include "entry/fault.h"
#include "shown.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

using namespace sb::quadratic;

TEST(SolveQuadratic, RootsInTheProgramsOrder) {
    struct Row {
        double a, b, c;
        const char* x1;
        const char* x2;
    };
    const Row rows[] = {
        {-3, 6, -2, "0.422649730810374", "1.57735026918963"},
        {1, -3, 2, "2", "1"},
        {1, 2, 1, "-1", "-1"}, // d = 0 still has roots
        {0.333, 1, 0, "0", "-3.003003003003"},
        {-1, 0, 4, "-2", "2"}, // not sorted
        {1e-300, 1, 0, "0", "-1E+300"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const Outcome outcome = SolveQuadratic(row.a, row.b, row.c);
        ASSERT_TRUE(std::holds_alternative<Roots>(outcome));
        const Roots roots = std::get<Roots>(outcome);
        EXPECT_EQ(shown(roots.x1), row.x1);
        EXPECT_EQ(shown(roots.x2), row.x2);
    }
}

TEST(SolveQuadratic, NoRootsToShow) {
    struct Row {
        double a, b, c;
        bool aIsZero; // else no real root
    };
    const Row rows[] = {
        {0, 1, 2, true},  {0, 0, 0, true},  {-0.0, 5, 1, true},
        {1, 0, 1, false}, {1, 1, 1, false}, {-2, 1, -1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const Outcome outcome = SolveQuadratic(row.a, row.b, row.c);
        if (row.aIsZero) EXPECT_TRUE(std::holds_alternative<AIsZero>(outcome));
        else EXPECT_TRUE(std::holds_alternative<NoRealRoot>(outcome));
    }
}

TEST(SolveQuadratic, OverflowIsAFault) {
    struct Row {
        double a, b, c;
    };
    const Row rows[] = {
        {1e200, 1e200, 1e200}, // b * b
        {1e308, 0, 0},         // a * 4 and a + a
        {1e308, 1, -1},
        {1e-310, 1, 0}, // the root itself
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        EXPECT_THROW(SolveQuadratic(row.a, row.b, row.c), sb::ArithmeticFault);
    }
}

} // namespace
