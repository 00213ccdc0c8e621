// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/fractions/integer_routines.h"

#include "fault_of.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace sb::fractions;
using Kind = sb::ArithmeticFault::Kind;

TEST(IntegerRoutines, GcdKeepsTheSignOfTheLastRemainder) {
    struct Row {
        int p, q, gcd;
    };
    const Row rows[] = {
        {12, 18, 6},           {8, 6, 2},         {-4, 6, 2},        {4, -6, -2},
        {-8, 6, -2},           {-8, -6, -2},      {0, 5, 5},         {0, -5, -5},
        {-5, 0, -5},           {7, 0, 7},         {0, 0, 0},         {7, -2, 1},
        {INT_MIN, 0, INT_MIN}, {INT_MIN, -1, -1}, {-1, INT_MIN, -1}, {INT_MIN, INT_MIN, INT_MIN},
        {INT_MIN, 6, -2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "gcd(" << row.p << ", " << row.q << ")");
        EXPECT_EQ(gcd(row.p, row.q), row.gcd);
    }
}

// Euclid's divisions, as the working lists them, are true and end at the gcd.
TEST(IntegerRoutines, EuclidListsTheDivisionsOfGcd) {
    const std::pair<int, int> pairs[] = {{12, 18},      {40, 54},     {-8, 6},
                                         {4, -6},       {7, 0},       {0, -5},
                                         {INT_MIN, -1}, {INT_MIN, 6}, {1836311903, 1134903170}};
    for (const auto& [p, q] : pairs) {
        SCOPED_TRACE(testing::Message() << "gcd(" << p << ", " << q << ")");
        const auto divisions = euclid(p, q);
        std::int64_t dividend = p, divisor = q;
        for (const Division& d : divisions) {
            EXPECT_EQ(d.dividend, dividend);
            EXPECT_EQ(d.divisor, divisor);
            EXPECT_EQ(std::int64_t(d.dividend), d.quotient * d.divisor + d.remainder);
            dividend = d.divisor, divisor = d.remainder;
        }
        EXPECT_EQ(divisor, 0);
        EXPECT_EQ(dividend, gcd(p, q));
    }
}

TEST(IntegerRoutines, CommonDividesTheProductByTheGcd) {
    struct Row {
        int p, q, common;
    };
    const Row rows[] = {
        {2, 3, 6},
        {4, 6, 12},
        {6, 4, 12},
        {-2, 4, 4},
        {2, -4, -4},
        {-2, -4, -4},
        {6, 6, 6},
        {4, -4, -4},
        {-4, 4, 4},
        {0, 5, 0},
        {46340, 46341, 46340 * 46341},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "common(" << row.p << ", " << row.q << ")");
        EXPECT_EQ(common(row.p, row.q), row.common);
    }
    EXPECT_EQ(faultOf([] { common(1000000000, 3); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { common(INT_MIN, -1); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { common(0, 0); }), Kind::Invalid);
}

TEST(IntegerRoutines, MixedAndImproperKeepEachSign) {
    struct Row {
        int n, d;
        MixedNumber mixed;
    };
    const Row mixed[] = {
        {7, 6, {1, 1, 6}}, {-2, 4, {0, -2, 4}},  {-6, 4, {-1, -2, 4}},
        {6, 6, {1, 0, 6}}, {7, -2, {-3, 1, -2}}, {0, 3, {0, 0, 3}},
    };
    for (const Row& row : mixed) {
        SCOPED_TRACE(testing::Message() << "tomixed(" << row.n << ", " << row.d << ")");
        EXPECT_EQ(tomixed(row.n, row.d), row.mixed);
    }
    EXPECT_EQ(faultOf([] { tomixed(5, 0); }), Kind::DivisionByZero);
    EXPECT_EQ(faultOf([] { tomixed(INT_MIN, -1); }), Kind::Overflow);

    // a negative whole part is added, not subtracted
    EXPECT_EQ(toimproper(-1, 1, 2), (MixedNumber{0, -1, 2}));
    EXPECT_EQ(toimproper(1, 1, 2), (MixedNumber{0, 3, 2}));
    EXPECT_EQ(toimproper(2, -1, 3), (MixedNumber{0, 5, 3}));
    EXPECT_EQ(faultOf([] { toimproper(65536, 0, 65536); }), Kind::Overflow); // the product
    EXPECT_EQ(faultOf([] { toimproper(1, INT_MAX, 1); }), Kind::Overflow);   // the sum
}

} // namespace
