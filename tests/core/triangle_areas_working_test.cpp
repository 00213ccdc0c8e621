// SPDX-License-Identifier: GPL-3.0-or-later
// The triangle areas window's working: the steps of its rows, and the triangle drawn as the
// exercise has it, or its sides laid end to end when they do not close.

#include "topics/geometry/triangle_areas/triangle_areas_working.h"

#include "entry/value_entry.h"
#include "topics/geometry/exact_answers.h"
#include "figure_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace sb::triangle_areas;

using namespace figure_geometry;
using enum Question;

// The steps of a question solved with the numbers the window reads from the typed texts.
std::string stepsOf(Question q, const QStringList& typed, bool detail = false) {
    std::vector<double> values;
    for (const QString& text : typed)
        values.push_back(sb::readValue(text, sb::entry_rules::triangles).value);
    return triangleWorking(solve(q, values), {}, typed).lines(detail).join(u'\n').toStdString();
}

// The steps of each row, the exact values written where a pupil's book writes them: the
// typed values as fractions, the quotient beside its decimal, Heron's root as a surd.
TEST(TriangleAreasWorking, StepsOfEachRow) {
    const EnglishNumbers english;
    struct Row {
        Question question;
        QStringList typed;
        bool detail;
        std::string steps;
    };
    const Row rows[] = {
        {AreaFromBaseAndHeight, {"10", "5"}, false,
         "Area = base × height ÷ 2\nbase × height = 10 × 5 = 50\nArea = 50 ÷ 2 = 25\n"
         "So the area is 25"},
        // base first, then area; the quotient as a fraction beside the window's decimal
        {HeightFromAreaAndBase, {"3", "25"}, false,
         "Area = base × height ÷ 2, so height = (Area + Area) ÷ base\n"
         "Area + Area = 25 + 25 = 50\nheight = 50 ÷ 3 = 50/3\n"
         "So the height is 50/3 ≈ 16.6666666666667\n"
         "Check: base × height ÷ 2 = 3 × 50/3 ÷ 2 = 25, the area given"},
        {BaseFromAreaAndHeight, {"1/3", "1/2"}, false,
         "Area = base × height ÷ 2, so base = (Area + Area) ÷ height\n"
         "Area + Area = 0.5 + 0.5 = 1\nbase = 1 ÷ 1/3 = 3\nSo the base is 3\n"
         "Check: base × height ÷ 2 = 3 × 1/3 ÷ 2 = 0.5, the area given"},
        {AreaFromBaseAndHeight, {"2/1/3", "3"}, false,
         "Area = base × height ÷ 2\nbase × height = 7/3 × 3 = 7\nArea = 7 ÷ 2 = 3.5\n"
         "So the area is 3.5"},
        {Perimeter, {"1/3", "1/3", "1/3"}, false,
         "Perimeter = a + b + c\na = 1/3, b = 1/3, c = 1/3\nb + a = 1/3 + 1/3 = 2/3\n"
         "Perimeter = 2/3 + 1/3 = 1\nSo the perimeter is 1"},
        // s(s - a)(s - b)(s - c) in a textbook's order, every letter introduced before use
        {HeronArea, {"3", "4", "5"}, true,
         "Heron's formula: the half perimeter s = (a + b + c) ÷ 2,\n"
         "then Area = √(s(s - a)(s - b)(s - c))\na = 3, b = 4, c = 5\n"
         "A triangle needs its two shorter sides together to be longer than the longest: "
         "3 + 4 = 7, longer than c = 5, so these sides make a triangle\n"
         "s = (3 + 4 + 5) ÷ 2 = 12 ÷ 2 = 6\n"
         "The sides are added b + a first: 4 + 3 = 7, then 7 + 5 = 12\n"
         "s - a = 6 - 3 = 3\ns - b = 6 - 4 = 2\ns - c = 6 - 5 = 1\n"
         "s(s - a)(s - b)(s - c) = 6 × 3 × 2 × 1 = 36\ns × (s - a) = 6 × 3 = 18\n"
         "18 × (s - b) = 18 × 2 = 36\n36 × (s - c) = 36 × 1 = 36\nArea = √36 = 6\n"
         "So the area is 6"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        EXPECT_EQ(stepsOf(row.question, row.typed, row.detail), row.steps);
    }
}

// Heron's formula with the exact values: the root of a fraction that is no perfect square
// a surd in simplest form beside the window's decimal; sides that only just meet lie flat,
// with the area 0, however the window's rounding came out; sides that do not meet name the
// side that is too long. Where the decimal mark is a comma, the typed values are read and
// written with it, and the three sides are parted by semicolons.
TEST(TriangleAreasWorking, HeronExactly) {
    const EnglishNumbers english; // brings the locale before back at the end
    struct Row {
        QStringList typed;
        std::vector<std::string> lines; // each stands in the steps
        const char* locale = "en_US";
    };
    const Row rows[] = {
        {{"1", "1", "1"},
         {"s = (1 + 1 + 1) ÷ 2 = 3 ÷ 2 = 1.5", "s(s - a)(s - b)(s - c) = 1.5 × 0.5 × 0.5 × 0.5 = 0.1875",
          "Area = √0.1875 = √3/4 ≈ 0.433012701892219", "So the area is √3/4 ≈ 0.433012701892219"}},
        {{"1/3", "1/3", "1/3"},
         {"a = 1/3, b = 1/3, c = 1/3", "s = (1/3 + 1/3 + 1/3) ÷ 2 = 1 ÷ 2 = 0.5",
          "s - a = 0.5 - 1/3 = 1/6", "s(s - a)(s - b)(s - c) = 0.5 × 1/6 × 1/6 × 1/6 = 1/432",
          "Area = √(1/432) = √3/36 ≈ 0.0481125224324688"}},
        // the window's rounding leaves a flat triangle's product a little above zero
        {{"0.1", "0.2", "0.3"},
         {"0.1 + 0.2 = 0.3, only as long as c = 0.3", "s - c = 0.3 - 0.3 = 0", "Area = √0 = 0", "So the area is 0",
          "The exact value is 0. The window shows 5.77119491429242E-10: the computer keeps about "
          "16 digits and rounds at every step, so the last digits it shows carry that rounding."}},
        {{"1", "1", "3"},
         {"1 + 1 = 2, shorter than c = 3 by 1. Side c is too long",
          "s(s - a)(s - b)(s - c) = 2.5 × 1.5 × 1.5 × (-0.5) = -2.8125",
          "-2.8125 is below zero, and no number times itself is below zero: there is no area"}},
        // the window's rounding takes a flat triangle's product below zero: its message
        {{"0.3", "0.6", "0.9"},
         {"only as long as c = 0.9. These sides lie flat", "Area = √0 = 0",
          "The window rounds at every step, and its product came out a hair below zero instead "
          "of 0. Below zero has no square root, so it gave its message instead of an area"}},
        {{"0,1", "0,2", "0,3"},
         {"a = 0,1; b = 0,2; c = 0,3", "0,1 + 0,2 = 0,3, only as long as c = 0,3",
          "s - c = 0,3 - 0,3 = 0", "The window shows 5,77119491429242E-10"},
         "de_DE"},
    };
    for (const Row& row : rows) {
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        const std::string steps = stepsOf(HeronArea, row.typed);
        SCOPED_TRACE(steps);
        for (const std::string& line : row.lines)
            EXPECT_NE(steps.find(line), std::string::npos) << line;
        EXPECT_EQ(steps.find(" x "), std::string::npos); // no letter no step introduced
    }
}

// Whether three sides make a triangle is decided on the values as typed: one third typed
// as a fraction is one third, and 0.1 + 0.2 is 0.3.
TEST(TriangleAreasWorking, TheConditionOnTheTypedValues) {
    const EnglishNumbers english;
    struct Row {
        QStringList typed;
        const char* verdict;
    };
    const char *const triangle = "so these sides make a triangle",
                      *const flat = "These sides lie flat along one line",
                      *const apart = "is too long";
    const Row rows[] = {
        {{"3", "4", "5"}, triangle},          {{"1", "2", "3"}, flat},
        {{"0.1", "0.2", "0.3"}, flat},        {{"0.3", "0.2", "0.1"}, flat},
        {{"1/3", "1/3", "2/3"}, flat},        {{"2/1/2", "1.5", "4"}, flat},
        {{"1/3", "1/3", "0.6666"}, triangle}, {{"1/3", "1/3", "0.6667"}, apart},
        {{"99999", "1", "99999"}, triangle},  {{"1", "1", "2.0001"}, apart},
    };
    for (const Row& row : rows)
        for (const Question q : {HeronArea, Perimeter}) {
            SCOPED_TRACE(row.typed.join(u' ').toStdString());
            const std::string steps = stepsOf(q, row.typed);
            if (q == Perimeter && row.verdict == triangle) {
                EXPECT_EQ(steps.find("A triangle needs"), std::string::npos) << steps;
                continue;
            }
            EXPECT_NE(steps.find(row.verdict), std::string::npos) << steps;
        }
}

// The exact answer beside the window's number, shared by the circle, triangle areas and
// quadrilateral windows: the window's number alone when it is the exact value however it is
// written, the fraction or surd beside it when rounded, and the note when its last digits
// differ from the exact value's.
TEST(TriangleAreasWorking, ExactAnswerBesideTheWindowsNumber) {
    const EnglishNumbers english;
    using sb::working::Rational;
    struct Row {
        Rational exact;
        double window;
        const char* text;
        bool note;
    };
    const Row rows[] = {
        {6, 6, "6", false},
        {Rational::of(50, 3), 50.0 / 3, "50/3 ≈ 16.6666666666667", false},
        {Rational::of(3, 10), 0.1 + 0.2, "0.3", false}, // the window shows 0.3
        {Rational::of(1, 10'000'000), 1e-7, "1E-07", false},
        {0, 5.77119491429242e-10, "0", true},
        {Rational::of(25, 36), 0.6944444444444451, "25/36 ≈ 0.694444444444444", true},
        {Rational::of(3, 10), 0.29999999999999, "0.3", true},
    };
    for (const Row& row : rows) {
        const sb::geometry::ExactAnswer answer = sb::geometry::answerOf(row.exact, row.window);
        EXPECT_EQ(answer.text.toStdString(), row.text);
        EXPECT_EQ(!answer.note.isEmpty(), row.note) << row.text;
        if (row.note) EXPECT_TRUE(answer.note.contains(sb::resultText(row.window)));
    }
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
