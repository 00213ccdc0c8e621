// SPDX-License-Identifier: GPL-3.0-or-later
// The circle window's working: the steps of its buttons, and the circle drawn as the
// exercise has it.

#include "topics/geometry/circle/circle_working.h"

#include "figure_geometry.h"
#include "topics/geometry/angles.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::circle;
using namespace figure_geometry;
using enum Measure;

TEST(CircleWorking, StepsOfEachKindOfButton) {
    const EnglishNumbers english;
    struct Row {
        Measure given, found;
        double value;
        QStringList lines;
    };
    const Row rows[] = {
        {Radius,
         Area,
         5,
         {"Area = r × π × r, with π = 3.14159265358979", "r = 5",
          "r × π = 5 × 3.14159265358979 = 15.7079632679489",
          "Area = 15.7079632679489 × 5 = 78.5398163397447", "So the area is 78.5398163397447"}},
        {Diameter,
         Perimeter,
         2,
         {"The radius is half the diameter, r = d ÷ 2; then Perimeter = r × π × 2, with π = "
          "3.14159265358979",
          "d = 2", "r = 2 ÷ 2 = 1", "r × π = 1 × 3.14159265358979 = 3.14159265358979",
          "Perimeter = 3.14159265358979 × 2 = 6.28318530717958",
          "So the perimeter is 6.28318530717958"}},
        {Area,
         Perimeter,
         1,
         {"Area = π × r × r, so r = √(A ÷ π); then Perimeter = 2 × r × π, with π = "
          "3.14159265358979",
          "A = 1", "A ÷ π = 1 ÷ 3.14159265358979 = 0.318309886183791",
          "r = √0.318309886183791 = 0.564189583547757",
          "2 × r = 2 × 0.564189583547757 = 1.12837916709551",
          "Perimeter = 1.12837916709551 × 3.14159265358979 = 3.54490770181103",
          "So the perimeter is 3.54490770181103"}},
        // the half perimeter squared by the power function
        {Perimeter,
         Area,
         10,
         {"Perimeter = 2 × π × r, so r = P ÷ π ÷ 2; then Area = r² × π, with π = "
          "3.14159265358979",
          "P = 10", "P ÷ π = 10 ÷ 3.14159265358979 = 3.18309886183791",
          "r = 3.18309886183791 ÷ 2 = 1.59154943091896",
          "r² = 1.59154943091896² = 2.53302959105845",
          "Area = 2.53302959105845 × 3.14159265358979 = 7.95774715459478",
          "So the area is 7.95774715459478"}},
        {Perimeter,
         Diameter,
         10,
         {"Perimeter = π × d, so d = P ÷ π, with π = 3.14159265358979", "P = 10",
          "d = 10 ÷ 3.14159265358979 = 3.18309886183791", "So the diameter is 3.18309886183791"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines.first().toStdString());
        const sb::working::Working w = circleWorking(solve(row.given, row.found, row.value));
        EXPECT_EQ(w.lines(false), row.lines);
        EXPECT_TRUE(w.hasDetail()); // the program's pi, explained
    }
}

// Over random values of every button: the circle's area and rim are the ones typed or shown
// (with the program's pi), its radius or diameter is drawn, the area shaded when found and
// the rim heavy when the perimeter is.
TEST(CircleWorking, TheCircleIsTheExercise) {
    const std::pair<Measure, Measure> buttons[] = {
        {Radius, Area},        {Radius, Perimeter}, {Diameter, Area},  {Diameter, Perimeter},
        {Area, Radius},        {Area, Diameter},    {Area, Perimeter}, {Perimeter, Radius},
        {Perimeter, Diameter}, {Perimeter, Area}};
    std::mt19937 random(16);
    const double pi = sb::angles::pi;
    for (const auto& [given, found] : buttons)
        for (int round = 0; round < 200; ++round) {
            const Circle c = solve(given, found, pupilValue(random));
            const Figure f = circleWorking(c).figure;
            SCOPED_TRACE(f.description.toStdString());
            const double r = numbers(f, "circle").at(2);
            const auto measured = [&](Measure m) {
                switch (m) {
                case Radius: return r;
                case Diameter: return 2 * r;
                case Area: return pi * r * r;
                default: return 2 * pi * r;
                }
            };
            expectClose(measured(given), c.value, "typed");
            expectClose(measured(found), c.result, "shown");
            const bool diameter = given == Diameter || found == Diameter;
            const char* drawn = diameter ? "diameter" : "radius";
            expectClose(length(numbers(f, drawn)), diameter ? 2 * r : r, drawn);
            const sb::working::Look rim = f.find("circle")->look;
            EXPECT_EQ(rim.filled, found == Area);
            EXPECT_EQ(rim.heavy, found == Perimeter);
        }
}

TEST(CircleWorking, SizesBeyondTheScreensScaleDrawNothing) {
    for (const double radius : {1e300, 1e-300}) {
        const Figure f = circleWorking(solve(Radius, Perimeter, radius)).figure;
        EXPECT_TRUE(f.empty());
        EXPECT_FALSE(f.note.isEmpty());
    }
    EXPECT_FALSE(circleWorking(solve(Radius, Perimeter, 1e200)).figure.empty());
}

} // namespace
