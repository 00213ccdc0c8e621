// SPDX-License-Identifier: GPL-3.0-or-later
// The circle, quadrilateral and triangle areas windows: every answer they show appears in
// their working exactly as shown, over random values of every command.

#include "topics/geometry/circle/form7.h"
#include "topics/geometry/quadrilaterals/form8.h"
#include "topics/geometry/triangle_areas/form9.h"
#include "working_property.h"

#include <gtest/gtest.h>

namespace {

using working_property::anyValue;

// mostly positive values, which these windows take, and now and then a refused one; a third
// of them the sizes and fractions whose rounding shows: tiny and large values, thirds and
// sevenths, and tenths that add up to each other
QString mostlyPositive(std::mt19937& random) {
    static const char* const odd[] = {"1E-7", "0.0001", "99999", "1/997", "3/7",   "0.1",
                                      "0.2",  "0.3",    "1E5",   "2/1/3", "12345", "0.7",
                                      "1.0001", "1/3",  "2/3",   "1E-3"};
    if (std::uniform_int_distribution<int>(0, 2)(random) == 0)
        return QString::fromLatin1(odd[std::uniform_int_distribution<int>(0, 15)(random)]);
    const QString value = anyValue(random);
    return std::uniform_int_distribution<int>(0, 5)(random) == 0 || !value.startsWith(u'-')
               ? value
               : value.mid(1);
}

// every command of the window, its boxes filled with mostly positive values
std::vector<working_property::RandomCommand> commands(const QString& window) {
    return working_property::randomCommands(window, {{"", mostlyPositive}});
}

TEST(GeometryWorking, CircleAnswersAppearInTheWorking) {
    sb::Form7 window;
    working_property::expectAnswersInWorking(window, commands("Form7"));
}

TEST(GeometryWorking, QuadrilateralAnswersAppearInTheWorking) {
    sb::Form8 window;
    working_property::expectAnswersInWorking(window, commands("Form8"));
}

TEST(GeometryWorking, TriangleAnswersAppearInTheWorking) {
    sb::Form9 window;
    working_property::expectAnswersInWorking(window, commands("Form9"));
}

} // namespace
