// SPDX-License-Identifier: GPL-3.0-or-later
// The triangle areas window's working: the steps of its rows, and the triangle drawn as the
// exercise has it, or its sides laid end to end when they do not close.

#include "topics/geometry/triangle_areas/triangle_areas_working.h"

#include "figure_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace sb::triangle_areas;
using namespace figure_geometry;
using enum Question;

TEST(TriangleAreasWorking, StepsOfEachRow) {
    const EnglishNumbers english;
    struct Row {
        Question question;
        std::vector<double> given;
        bool detail;
        QStringList lines;
    };
    const Row rows[] = {
        {AreaFromBaseAndHeight,
         {10, 5},
         false,
         {"Area = height × base ÷ 2", "height × base = 5 × 10 = 50", "Area = 50 ÷ 2 = 25",
          "So the area is 25"}},
        // base first, then area
        {HeightFromAreaAndBase,
         {3, 25},
         false,
         {"Area = base × height ÷ 2, so height = (Area + Area) ÷ base",
          "Area + Area = 25 + 25 = 50", "height = 50 ÷ 3 = 16.6666666666667",
          "So the height is 16.6666666666667"}},
        {Perimeter,
         {1, 1, 3},
         false,
         {"Perimeter = a + b + c", "b + a = 1 + 1 = 2", "Perimeter = 2 + 3 = 5",
          "So the perimeter is 5",
          "1 + 1 = 2 is 1 short of c = 3: these sides do not meet, so they make no triangle; "
          "the sum is their total all the same"}},
        {HeronArea,
         {3, 4, 5},
         true,
         {"Heron's formula: the half perimeter s = (a + b + c) ÷ 2,",
          "then Area = √(s × (s - a) × (s - b) × (s - c))", "s = (3 + 4 + 5) ÷ 2 = 12 ÷ 2 = 6",
          "b + a = 4 + 3 = 7, then 7 + 5 = 12", "s - a = 6 - 3 = 3", "s - b = 6 - 4 = 2",
          "s - c = 6 - 5 = 1", "x = (s - a) × s × (s - b) × (s - c) = 3 × 6 × 2 × 1 = 36",
          "(s - a) × s = 3 × 6 = 18", "18 × (s - b) = 18 × 2 = 36", "36 × (s - c) = 36 × 1 = 36",
          "Area = √36 = 6", "So the area is 6"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.first().toStdString());
        EXPECT_EQ(triangleWorking(solve(row.question, row.given)).lines(row.detail), row.lines);
    }
}

// Heron's product below zero: the window's message, then why, then what the boxes take.
TEST(TriangleAreasWorking, SidesThatDoNotCloseHaveNoArea) {
    const EnglishNumbers english;
    const QStringList lines =
        triangleWorking(solve(HeronArea, {1, 3, 1}), "Unreasonable Data!!!.").lines(false);
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], "The window said: \"Unreasonable Data!!!.\"");
    EXPECT_EQ(lines[7], "x = (s - a) × s × (s - b) × (s - c) = 1.5 × 2.5 × (-0.5) × 1.5 = "
                        "-2.8125");
    EXPECT_EQ(lines[9], "1 + 1 = 2 is 1 short of b = 3: these sides do not meet, so they make "
                        "no triangle");
    EXPECT_TRUE(lines.contains(triangleGuide().boxes.first()));
}

// Random triangles that close: the triangle's sides are the three typed, its area the area
// shown; for base and height, the dashed height stands square on the base.
TEST(TriangleAreasWorking, TheTriangleIsTheExercise) {
    std::mt19937 random(16);
    for (int round = 0; round < 500; ++round) {
        double v[3] = {pupilValue(random), pupilValue(random), 0};
        // the third side strictly between the difference and the sum of the two others
        v[2] =
            std::abs(v[0] - v[1]) + (v[0] + v[1] - std::abs(v[0] - v[1])) *
                                        std::uniform_real_distribution<double>(0.02, 0.98)(random);
        for (const Question q : {Perimeter, HeronArea}) {
            const Answer a = solve(q, {v[0], v[1], v[2]});
            const Figure f = triangleWorking(a).figure;
            SCOPED_TRACE(f.description.toStdString());
            std::vector<double> drawn = sides(numbers(f, "triangle")), typed(v, v + 3);
            std::sort(drawn.begin(), drawn.end());
            std::sort(typed.begin(), typed.end());
            for (int i = 0; i < 3; ++i) expectClose(drawn.at(i), typed[i], "side");
            if (q == HeronArea) expectClose(shoelace(numbers(f, "triangle")), *a.result, "area");
        }
        for (const Question q :
             {AreaFromBaseAndHeight, HeightFromAreaAndBase, BaseFromAreaAndHeight}) {
            const Answer a = solve(q, {v[0], v[1]});
            const Figure f = triangleWorking(a).figure;
            SCOPED_TRACE(f.description.toStdString());
            const double area = q == AreaFromBaseAndHeight ? *a.result : v[1];
            const double height = q == BaseFromAreaAndHeight   ? v[0]
                                  : q == HeightFromAreaAndBase ? *a.result
                                                               : v[1];
            const auto h = numbers(f, "height"), t = numbers(f, "triangle");
            expectClose(shoelace(t), area, "area");
            expectClose(length(h), height, "height");
            EXPECT_EQ(h.at(0), h.at(2)); // upright ...
            EXPECT_EQ(h.at(3), 0);       // ... down to the base, which lies on y = 0
            EXPECT_EQ(t.at(1), 0);
            EXPECT_EQ(t.at(3), 0);
        }
    }
}

// Sides that do not close lie end to end: each as long as typed, the two shorter ones
// falling short of the longest by the gap drawn.
TEST(TriangleAreasWorking, SidesThatDoNotCloseLieEndToEnd) {
    struct Row {
        double a, b, c;
    };
    for (const Row& row : {Row{1, 1, 3}, Row{5, 1, 2}, Row{0.5, 9, 0.25}}) {
        for (const Question q : {Perimeter, HeronArea}) {
            const Figure f = triangleWorking(solve(q, {row.a, row.b, row.c})).figure;
            SCOPED_TRACE(f.description.toStdString());
            EXPECT_FALSE(f.find("triangle"));
            const double a = length(numbers(f, "side-a")), b = length(numbers(f, "side-b")),
                         c = length(numbers(f, "side-c"));
            expectClose(a, row.a, "a");
            expectClose(b, row.b, "b");
            expectClose(c, row.c, "c");
            expectClose(length(numbers(f, "shortfall")), std::max({a, b, c}) * 2 - (a + b + c),
                        "shortfall");
        }
    }
}

// A flat triangle has the area 0 and is drawn flat; the figure of sizes a screen cannot
// scale to is left out.
TEST(TriangleAreasWorking, FlatAndExtremeTriangles) {
    const Figure flat = triangleWorking(solve(HeronArea, {1, 2, 3})).figure;
    EXPECT_EQ(shoelace(numbers(flat, "triangle")), 0);
    const Figure huge = triangleWorking(solve(Perimeter, {1e300, 1e300, 1e300})).figure;
    EXPECT_TRUE(huge.empty());
    EXPECT_TRUE(allFinite(triangleWorking(solve(AreaFromBaseAndHeight, {1e300, 1e-300})).figure));
}

} // namespace
