// SPDX-License-Identifier: GPL-3.0-or-later
// The circle window's working: the steps of its buttons, and the circle drawn as the
// exercise has it.

#include "topics/geometry/circle/circle_working.h"

#include "entry/value_entry.h"
#include "figure_geometry.h"
#include "topics/geometry/angles.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::circle;
using namespace figure_geometry;
using enum Measure;

std::string stepsOf(Measure given, Measure found, const QString& typed) {
    const double value = sb::readValue(typed, sb::entry_rules::circle).value;
    return circleWorking(solve(given, found, value), typed).lines(false).join(u'\n').toStdString();
}

// The note said where the window's last digits differ from the true value's.
std::string note(const char* exact, const char* shown) {
    return std::string("The exact value is ") + exact + ". The window shows " + shown +
           ": the computer keeps about 16 digits and rounds at every step, so the last digits "
           "it shows carry that rounding.\nThe window's π, 3.14159265358979, also stops a "
           "little below the true π, 3.14159265358979323…";
}

// The steps in a textbook's forms (πr², 2πr), the exact answer beside the window's decimal
// (2π, π/9, 25/π), the window's π said once, and why its last digit differs where it does.
TEST(CircleWorking, StepsOfEachKindOfButton) {
    const EnglishNumbers english;
    struct Row {
        Measure given, found;
        const char* typed;
        std::string steps;
    };
    const Row rows[] = {
        {Radius, Perimeter, "1",
         "Perimeter = 2πr, with π = 3.14159265358979\nr = 1\nPerimeter = 2 × π × 1 = 2π\n"
         "With the window's π: πr = 3.14159265358979 × 1 = 3.14159265358979\n"
         "Perimeter = πr × 2 = 3.14159265358979 × 2 = 6.28318530717958\n"
         "So the perimeter is 2π ≈ 6.28318530717958\n" +
             note("2π ≈ 6.28318530717959", "6.28318530717958")},
        // a typed fraction stays one: (1/3)² = 1/9
        {Radius, Area, "1/3",
         "Area = πr², with π = 3.14159265358979\nr = 1/3 ≈ 0.333333333333333\n"
         "Area = π × (1/3)² = π/9\n"
         "With the window's π: πr = 3.14159265358979 × 0.333333333333333 ≈ 1.0471975511966\n"
         "Area = πr × r = 1.0471975511966 × 0.333333333333333 ≈ 0.349065850398866\n"
         "So the area is π/9 ≈ 0.349065850398866"},
        {Area, Perimeter, "1",
         "Area = πr², so r = √(A ÷ π); then Perimeter = 2πr, with π = 3.14159265358979\nA = 1\n"
         "A ÷ π = 1 ÷ 3.14159265358979 ≈ 0.318309886183791\n"
         "r = √0.318309886183791 ≈ 0.564189583547757\n"
         "2r = 2 × 0.564189583547757 ≈ 1.12837916709551\n"
         "Perimeter = 2r × π = 1.12837916709551 × 3.14159265358979 ≈ 3.54490770181103\n"
         "So the perimeter is 3.54490770181103"},
        {Area, Radius, "1",
         "Area = πr², so r = √(A ÷ π), with π = 3.14159265358979\nA = 1\n"
         "A ÷ π = 1 ÷ 3.14159265358979 ≈ 0.318309886183791\n"
         "r = √0.318309886183791 ≈ 0.564189583547757\nSo the radius is 0.564189583547757\n" +
             note("√(1 ÷ π) ≈ 0.564189583547756", "0.564189583547757")},
        // the half perimeter squared by the power function
        {Perimeter, Area, "10",
         "Perimeter = 2πr, so r = P ÷ (2π); then Area = πr², with π = 3.14159265358979\nP = 10\n"
         "P ÷ π = 10 ÷ 3.14159265358979 ≈ 3.18309886183791\n"
         "r = 3.18309886183791 ÷ 2 ≈ 1.59154943091896\nr² = 1.59154943091896² ≈ 2.53302959105845\n"
         "Area = π × r² = 3.14159265358979 × 2.53302959105845 ≈ 7.95774715459478\n"
         "So the area is 25/π ≈ 7.95774715459478\n" +
             note("25/π ≈ 7.95774715459477", "7.95774715459478")},
        {Perimeter, Diameter, "10",
         "Perimeter = πd, so d = P ÷ π, with π = 3.14159265358979\nP = 10\n"
         "d = 10 ÷ 3.14159265358979 ≈ 3.18309886183791\nSo the diameter is 10/π ≈ 3.18309886183791"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        EXPECT_EQ(stepsOf(row.given, row.found, QString::fromUtf8(row.typed)), row.steps);
    }
}

// The exact answer of a typed radius, diameter or perimeter, as a pupil's book writes it.
TEST(CircleWorking, ExactAnswers) {
    const EnglishNumbers english;
    struct Row {
        Measure given, found;
        const char* typed;
        const char* exact;
    };
    const Row rows[] = {
        {Radius, Area, "2/1/2", "25π/4"},    {Radius, Area, "0.1", "π/100"},
        {Radius, Perimeter, "1/2", "π"},     {Radius, Perimeter, "2/3", "4π/3"},
        {Diameter, Area, "1/2", "π/16"},     {Diameter, Perimeter, "7", "7π"},
        {Perimeter, Radius, "1", "1/(2π)"},  {Perimeter, Diameter, "2/3", "2/(3π)"},
        {Perimeter, Area, "1", "1/(4π)"},
    };
    for (const Row& row : rows) {
        const std::string steps = stepsOf(row.given, row.found, QString::fromUtf8(row.typed));
        SCOPED_TRACE(steps);
        EXPECT_NE(steps.find(std::string(" is ") + row.exact + " ≈ "), std::string::npos);
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
