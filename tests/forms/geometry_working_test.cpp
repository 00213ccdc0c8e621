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
using working_property::RandomCommand;

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

// commands and the boxes each reads, as "Command1 r1", "Command13 a2 b2 h2"
std::vector<RandomCommand> commands(const QStringList& table) {
    std::vector<RandomCommand> out;
    for (const QString& row : table) {
        const QStringList words = row.split(u' ');
        RandomCommand command{words.first(), {}};
        for (const QString& box : words.mid(1)) command.boxes.push_back({box, mostlyPositive});
        out.push_back(command);
    }
    return out;
}

TEST(GeometryWorking, CircleAnswersAppearInTheWorking) {
    sb::Form7 window;
    working_property::expectAnswersInWorking(
        window,
        commands({"Command1 r1", "Command3 r1", "Command2 d1", "Command4 d1", "Command23 a1",
                  "Command21 a1", "Command5 a2", "Command10 p1", "Command8 p1", "Command6 p2"}));
}

TEST(GeometryWorking, QuadrilateralAnswersAppearInTheWorking) {
    sb::Form8 window;
    working_property::expectAnswersInWorking(
        window,
        commands({"Command1 s1", "Command3 s1", "Command2 a1", "Command4 a1", "Command7 p1",
                  "Command9 p1", "Command13 a2 b2 h2", "Command11 hh1 hh2", "Command5 a3 b3",
                  "Command8 a3 b3", "Command15 a6 ar6", "Command14 a6 ar6", "Command10 a7 p7",
                  "Command6 a7 p7", "Command19 b6 h6", "Command16 b7 ar7", "Command17 a8 b8"}));
}

TEST(GeometryWorking, TriangleAnswersAppearInTheWorking) {
    sb::Form9 window;
    working_property::expectAnswersInWorking(
        window, commands({"Command1 b1 h1", "Command2 b2 s2", "Command7 h3 s3", "Command9 a4 b4 c4",
                          "Command11 a5 b5 c5"}));
}

} // namespace
