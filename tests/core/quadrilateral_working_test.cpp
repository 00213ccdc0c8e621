// SPDX-License-Identifier: GPL-3.0-or-later
// The quadrilateral window's working: the steps of its commands, and the shape drawn as the
// exercise has it.

#include "topics/geometry/quadrilaterals/quadrilateral_working.h"

#include "figure_geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::quadrilaterals;
using namespace figure_geometry;
using enum Question;

TEST(QuadrilateralWorking, StepsOfCommands) {
    const EnglishNumbers english;
    struct Row {
        Question question;
        std::vector<double> given;
        QStringList lines;
    };
    const Row rows[] = {
        {SquarePerimeterFromArea,
         {2},
         {"Area = side × side, so side = √Area", "side = √2 = 1.4142135623731",
          "Perimeter = side × 4 = 1.4142135623731 × 4 = 5.65685424949238",
          "So the perimeter is 5.65685424949238"}},
        {SquareAreaFromPerimeter,
         {10},
         {"Perimeter = side × 4, so side = Perimeter ÷ 4", "side = 10 ÷ 4 = 2.5",
          "Area = side² = 2.5² = 6.25", "So the area is 6.25"}},
        {TrapeziumArea,
         {3, 5, 4},
         {"Area of a trapezium = (A + B) × height ÷ 2", "A + B = 3 + 5 = 8",
          "(A + B) × height = 8 × 4 = 32", "Area = 32 ÷ 2 = 16", "So the area is 16"}},
        {RectanglePerimeterFromArea,
         {4, 10},
         {"Area = A × B, so B = Area ÷ A", "B = 10 ÷ 4 = 2.5", "Perimeter = (B + A) × 2",
          "B + A = 2.5 + 4 = 6.5", "Perimeter = 6.5 × 2 = 13", "So the perimeter is 13"}},
        // only side B is rounded
        {RectangleSideFromPerimeter,
         {1, 10.0 / 3},
         {"Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2", "A + A = 1 + 1 = 2",
          "P - (A + A) = 3.33333333333333 - 2 = 1.33333333333333",
          "B = 1.33333333333333 ÷ 2 = 0.666666666666667", "Rounded to 4 decimal places, B = 0.6667",
          "So side B is 0.6667"}},
        {ParallelogramHeightOrBase,
         {4, 10},
         {"Area = base × height, so the one not known = Area ÷ the one known", "10 ÷ 4 = 2.5",
          "So the height (or the base) is 2.5"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.first().toStdString());
        EXPECT_EQ(quadrilateralWorking(solve(row.question, row.given)).lines(false), row.lines);
    }
}

// "Implausible Data": the message, why the perimeter is too short, then what the boxes
// take; the figure lays the two sides A beside the perimeter.
TEST(QuadrilateralWorking, APerimeterTooShortForItsSide) {
    const EnglishNumbers english;
    for (const Question q : {RectangleSideFromPerimeter, RectangleAreaFromPerimeter}) {
        const sb::working::Working w = quadrilateralWorking(solve(q, {6, 10}), "Implausible Data");
        const QStringList lines = w.lines(false);
        ASSERT_GE(lines.size(), 6);
        EXPECT_EQ(lines.mid(0, 6),
                  QStringList({"The window said: \"Implausible Data\"",
                               "Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2",
                               "A + A = 6 + 6 = 12", "P - (A + A) = 10 - 12 = -2",
                               "That leaves nothing for the two sides B: the perimeter 10 is too "
                               "short for the side 6, so no rectangle has these numbers",
                               "A perimeter must be more than A + A = 12"}));
        EXPECT_TRUE(lines.contains(quadrilateralGuide().boxes.first()));
        EXPECT_FALSE(w.figure.find("shape"));
        EXPECT_EQ(length(numbers(w.figure, "perimeter")), 10);
        EXPECT_EQ(length(numbers(w.figure, "side-a")) + length(numbers(w.figure, "side-a2")), 12);
    }
}

// Over random values of every command, the shape's area and perimeter are the ones typed
// or shown. Which value is the area and which the perimeter: the answer shown, a value
// typed (its place in the reading order), or none.
TEST(QuadrilateralWorking, TheShapeIsTheExercise) {
    constexpr int shown = -1, none = -2;
    struct Row {
        Question question;
        int values, area, perimeter;
    };
    const Row rows[] = {
        {SquareArea, 1, shown, none},
        {SquarePerimeter, 1, none, shown},
        {SquareSideFromArea, 1, 0, none},
        {SquarePerimeterFromArea, 1, 0, shown},
        {SquareSideFromPerimeter, 1, none, 0},
        {SquareAreaFromPerimeter, 1, shown, 0},
        {TrapeziumArea, 3, shown, none},
        {DiagonalsArea, 2, shown, none},
        {RectangleArea, 2, shown, none},
        {RectanglePerimeter, 2, none, shown},
        {RectangleSideFromArea, 2, 1, none},
        {RectanglePerimeterFromArea, 2, 1, shown},
        {RectangleSideFromPerimeter, 2, none, 1},
        {RectangleAreaFromPerimeter, 2, shown, 1},
        {ParallelogramArea, 2, shown, none},
        {ParallelogramHeightOrBase, 2, 1, none},
        {ParallelogramPerimeter, 2, none, shown},
    };
    std::mt19937 random(16);
    for (const Row& row : rows)
        for (int round = 0; round < 200; ++round) {
            std::vector<double> given;
            for (int i = 0; i < row.values; ++i) given.push_back(pupilValue(random));
            if (row.perimeter == 1) given[1] += 2 * given[0]; // room for the sides B
            const Answer a = solve(row.question, given);
            const Figure f = quadrilateralWorking(a).figure;
            SCOPED_TRACE(f.description.toStdString());
            const auto valueOf = [&](int which) {
                return which == shown ? *a.result : given[which];
            };
            const std::vector<double> shape = numbers(f, "shape");
            if (row.area != none) expectClose(shoelace(shape), valueOf(row.area), "area");
            if (row.perimeter != none)
                expectClose(perimeter(shape), valueOf(row.perimeter), "perimeter");
        }
}

// The trapezium's parallel sides and height, and the diagonals, are the ones typed.
TEST(QuadrilateralWorking, SidesHeightAndDiagonalsAreTheTypedOnes) {
    const Figure trapezium = quadrilateralWorking(solve(TrapeziumArea, {7, 2.5, 0.4})).figure;
    const std::vector<double> edges = sides(numbers(trapezium, "shape"));
    EXPECT_EQ(edges.at(0), 7);
    EXPECT_EQ(edges.at(2), 2.5);
    EXPECT_EQ(length(numbers(trapezium, "height")), 0.4);
    const Figure kite = quadrilateralWorking(solve(DiagonalsArea, {6, 0.5})).figure;
    const auto d1 = numbers(kite, "diagonal1"), d2 = numbers(kite, "diagonal2");
    EXPECT_EQ(length(d1), 6);
    EXPECT_EQ(length(d2), 0.5);
    EXPECT_EQ((d1[2] - d1[0]) * (d2[2] - d2[0]) + (d1[3] - d1[1]) * (d2[3] - d2[1]), 0);
}

// A side too short to hold its value at the figure's scale gets it at the end of a leader.
TEST(QuadrilateralWorking, AThinShapeLabelsItsShortSideWithALeader) {
    const Figure thin = quadrilateralWorking(solve(RectangleArea, {1000, 0.5})).figure;
    const auto leader = numbers(thin, "height-label-leader");
    ASSERT_EQ(leader.size(), 4u);
    EXPECT_EQ(leader[0], 1000); // from the side's middle ...
    EXPECT_EQ(leader[1], 0.25);
    EXPECT_GT(leader[2], 1000); // ... out to the right, where the label stands
    EXPECT_EQ(numbers(thin, "height-label"), std::vector<double>({leader[2], leader[3]}));
    EXPECT_FALSE(
        quadrilateralWorking(solve(RectangleArea, {4, 3})).figure.find("height-label-leader"));
}

} // namespace
