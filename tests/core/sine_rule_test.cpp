// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/law_of_sines/sine_rule.h"

#include "entry/fault.h"
#include "shown.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace sb::law_of_sines;

// One solve of a panel: the three given values and the three it computes, in the order
// the panel shows them, exact and as shown.
struct Row {
    double p, q, r;
    double first, second, third;
    const char *firstText, *secondText, *thirdText;
};

void expectSolved(const Row& row, const Solution& s, double Triangle::*first,
                  double Triangle::*second, double Triangle::*third) {
    SCOPED_TRACE(testing::Message() << row.p << ", " << row.q << ", " << row.r);
    ASSERT_EQ(s.verdict, Verdict::Solved);
    EXPECT_EQ(s.triangle.*first, row.first);
    EXPECT_EQ(s.triangle.*second, row.second);
    EXPECT_EQ(s.triangle.*third, row.third);
    EXPECT_EQ(shown(s.triangle.*first), row.firstText);
    EXPECT_EQ(shown(s.triangle.*second), row.secondText);
    EXPECT_EQ(shown(s.triangle.*third), row.thirdText);
}

// x, z, b give c, a (from that c) and y
TEST(SolveXZB, TwoAnglesAndTheSideBetweenThem) {
    const Row rows[] = {
        {30, 90, 5, 10.000000000000009, 8.6602540378443891, 60, "10", "8.66025403784439", "60"},
        {45, 60, 7, 8.5732140997411257, 9.5621778264910748, 75, "8.57321409974113",
         "9.56217782649107", "75"},
        {20, 30, 4, 5.8476088003261752, 8.9590564540470243, 130, "5.84760880032618",
         "8.95905645404702", "130"},
    };
    for (const Row& row : rows)
        expectSolved(row, SolveXZB(row.p, row.q, row.r), &Triangle::c, &Triangle::a, &Triangle::y);
}

// y, z, c give x, a and b, both sides from c
TEST(SolveYZC, TwoAnglesAndTheBase) {
    const Row rows[] = {
        {30, 90, 10, 60, 4.9999999999999956, 8.660254037844382, "60", "5", "8.66025403784438"},
        {45, 60, 7, 75, 5.7154760664940802, 7.8074855015528764, "75", "5.71547606649408",
         "7.80748550155288"},
        {100, 30, 3, 50, 5.9088465180732559, 4.5962666587138692, "50", "5.90884651807326",
         "4.59626665871387"},
    };
    for (const Row& row : rows)
        expectSolved(row, SolveYZC(row.p, row.q, row.r), &Triangle::x, &Triangle::a, &Triangle::b);
}

// y, a, c give z (at most 90), x and b
TEST(SolveYAC, TheTriangleWithTheAcuteAngle) {
    const Row rows[] = {
        // two triangles fit; only the one with the acute z
        {30, 6, 10, 56.442690238079265, 93.557309761920735, 11.976878828199798, "56.4426902380793",
         "93.5573097619207", "11.9768788281998"},
        // right in exact arithmetic: 30 degrees falls short of pi / 6, so z stays below 90
        {30, 5, 10, 89.999997585163555, 60.000002414836445, 8.6602542485786156, "89.9999975851636",
         "60.0000024148364", "8.66025424857862"},
        {90, 5, 4, 53.130102354156044, 36.869897645843956, 2.9999999999999929, "53.130102354156",
         "36.869897645844", "2.99999999999999"},
        {40, 9, 11, 51.778918398914733, 88.221081601085274, 13.994766413085843, "51.7789183989147",
         "88.2210816010853", "13.9947664130858"},
        {150, 7, 3, 12.373625116188627, 17.626374883811373, 4.2393209542353167, "12.3736251161886",
         "17.6263748838114", "4.23932095423532"},
    };
    for (const Row& row : rows)
        expectSolved(row, SolveYAC(row.p, row.q, row.r), &Triangle::z, &Triangle::x, &Triangle::b);
}

TEST(SolveBySines, NoTriangle) {
    struct Case {
        const char* what;
        std::function<Solution()> solve;
        Verdict verdict;
    };
    const Case cases[] = {
        {"x + z = 180 leaves y = 0", [] { return SolveXZB(100, 80, 5); }, Verdict::NoTriangle},
        {"x + z beyond 180", [] { return SolveXZB(100, 90, 5); }, Verdict::NoTriangle},
        {"y + z = 180 leaves x = 0", [] { return SolveYZC(100, 80, 5); }, Verdict::NoTriangle},
        {"a cannot reach: 10 sin 30 > 4", [] { return SolveYAC(30, 4, 10); },
         Verdict::SideTooShort},
        // h equals a: the side just reaches, so this is not a side too short
        {"a reaches at z = 90, leaving x = 0", [] { return SolveYAC(90, 5, 5); },
         Verdict::NoTriangle},
        {"obtuse y and the acute z leave x below 0", [] { return SolveYAC(120, 5, 5.5); },
         Verdict::NoTriangle},
        // sin(y) * c over a huge a is too small to tell from 0, so z = 0
        {"z comes out 0", [] { return SolveYAC(90, 1e308, 1e-99); }, Verdict::NoTriangle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.solve().verdict, c.verdict);
    }
}

TEST(SolveBySines, OverflowIsAFault) {
    const std::function<Solution()> solves[] = {
        [] { return SolveXZB(1e-99, 90, 1e300); }, // c = b / sin(x)
        [] { return SolveYZC(90, 1e-99, 1e300); }, // a = c / sin(z)
        [] { return SolveYAC(1e-99, 1e300, 1); },  // b = a / sin(y)
    };
    for (const auto& solve : solves) EXPECT_THROW(solve(), sb::ArithmeticFault);
}

} // namespace
