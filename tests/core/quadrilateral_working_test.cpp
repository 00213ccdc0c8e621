// SPDX-License-Identifier: GPL-3.0-or-later
// The quadrilateral window's working: the steps of its commands, and the shape drawn as the
// exercise has it.

#include "topics/geometry/quadrilaterals/quadrilateral_working.h"

#include "entry/value_entry.h"
#include "figure_geometry.h"

#include <tuple>

#include <gtest/gtest.h>

namespace {

using namespace sb::quadrilaterals;
using namespace figure_geometry;
using enum Question;

// The steps of a command solved with the numbers the window reads from the typed texts.
std::string stepsOf(Question q, const QStringList& typed) {
    std::vector<double> values;
    for (const QString& text : typed)
        values.push_back(sb::readValue(text, sb::entry_rules::quadrilaterals).value);
    return quadrilateralWorking(solve(q, values), {}, typed).lines(false).join(u'\n').toStdString();
}

// The steps of commands, with the exact values a pupil's book writes: typed fractions as
// fractions, a square root as a surd beside the window's decimal, and the sentence on the
// window's last digits where they differ from the exact value's.
TEST(QuadrilateralWorking, StepsOfCommands) {
    const EnglishNumbers english;
    struct Row {
        Question question;
        QStringList typed;
        std::string steps;
    };
    const Row rows[] = {
        {SquarePerimeterFromArea, {"2"},
         "Area = side², so side = √Area\nside = √2 ≈ 1.4142135623731\n"
         "Perimeter = 4 × side = 4 × √2 = 4√2 ≈ 5.65685424949238\n"
         "So the perimeter is 4√2 ≈ 5.65685424949238"},
        {SquareSideFromArea, {"6.25"},
         "Area = side², so side = √Area\nside = √6.25 = 2.5\nSo the side is 2.5\n"
         "Check: side² = 2.5² = 6.25, the area given"},
        {SquareSideFromArea, {"1/9"},
         "Area = side², so side = √Area\nside = √(1/9) = 1/3\n"
         "So the side is 1/3 ≈ 0.333333333333333\nCheck: side² = (1/3)² = 1/9, the area given"},
        {SquareAreaFromPerimeter, {"10"},
         "Perimeter = 4 × side, so side = Perimeter ÷ 4\nside = 10 ÷ 4 = 2.5\n"
         "Area = side² = 2.5² = 6.25\nSo the area is 6.25"},
        // the window's last digit carries its rounding
        {SquareAreaFromPerimeter, {"10/3"},
         "Perimeter = 4 × side, so side = Perimeter ÷ 4\nside = 10/3 ÷ 4 = 5/6\n"
         "Area = side² = (5/6)² = 25/36\nSo the area is 25/36 ≈ 0.694444444444444\n"
         "The exact value is 25/36 ≈ 0.694444444444444. The window shows 0.694444444444445: "
         "the computer keeps about 16 digits and rounds at every step, so the last digits it "
         "shows carry that rounding."},
        {TrapeziumArea, {"3", "5", "4"},
         "Area of a trapezium = (A + B) × height ÷ 2\nA + B = 3 + 5 = 8\n"
         "(A + B) × height = 8 × 4 = 32\nArea = 32 ÷ 2 = 16\nSo the area is 16"},
        {TrapeziumArea, {"1/3", "1/7", "1/11"},
         "Area of a trapezium = (A + B) × height ÷ 2\nA + B = 1/3 + 1/7 = 10/21\n"
         "(A + B) × height = 10/21 × 1/11 = 10/231\nArea = 10/231 ÷ 2 = 5/231\n"
         "So the area is 5/231 ≈ 0.0216450216450216"},
        {DiagonalsArea, {"6", "8"},
         "The diagonals cross at a right angle: Area = d1 × d2 ÷ 2\nd1 × d2 = 6 × 8 = 48\n"
         "Area = 48 ÷ 2 = 24\nSo the area is 24"},
        {RectanglePerimeterFromArea, {"4", "10"},
         "Area = A × B, so B = Area ÷ A\nB = 10 ÷ 4 = 2.5\nPerimeter = (A + B) × 2\n"
         "A + B = 4 + 2.5 = 6.5\nPerimeter = 6.5 × 2 = 13\nSo the perimeter is 13"},
        // 0.1 + 0.2 is 0.3 exactly, whatever the window's sum carries
        {RectanglePerimeter, {"0.1", "0.2"},
         "Perimeter = (A + B) × 2: two sides A and two sides B\nA + B = 0.1 + 0.2 = 0.3\n"
         "Perimeter = 0.3 × 2 = 0.6\nSo the perimeter is 0.6"},
        // only side B is rounded, and the window rounds its own B
        {RectangleSideFromPerimeter, {"1", "10/3"},
         "Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2\nA + A = 1 + 1 = 2\n"
         "P - (A + A) = 10/3 - 2 = 4/3\nB = 4/3 ÷ 2 = 2/3\n"
         "The window works with B = 0.666666666666667\n"
         "The window rounds B to 4 decimal places: 0.6667\nSo side B is 0.6667\n"
         "Check with B = 2/3: A + A + B + B = 1 + 1 + 2/3 + 2/3 = 10/3, the perimeter given"},
        {RectangleAreaFromPerimeter, {"1", "10/3"},
         "Perimeter = A + A + B + B, so B = (P - (A + A)) ÷ 2\nA + A = 1 + 1 = 2\n"
         "P - (A + A) = 10/3 - 2 = 4/3\nB = 4/3 ÷ 2 = 2/3\nArea = A × B = 1 × 2/3 = 2/3\n"
         "So the area is 2/3 ≈ 0.666666666666667"},
        {ParallelogramHeightOrBase, {"3", "10"},
         "Area = base × height, so the one not known = Area ÷ the one known\n10 ÷ 3 = 10/3\n"
         "So the height (or the base) is 10/3 ≈ 3.33333333333333\n"
         "Check: base × height = 3 × 10/3 = 10, the area given"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        EXPECT_EQ(stepsOf(row.question, row.typed), row.steps);
    }
}

// Each label stands at the element it names: the diagonal d1 (the one across) carries
// "d1 = ...", the diagonal d2 its own, each at a point of its diagonal or at the end of a
// leader from one; and the parallelogram is slanted, its height dashed square on its base,
// so the slant side and the height do not look alike.
TEST(QuadrilateralWorking, LabelsAtTheirElementsAndASlantedParallelogram) {
    const EnglishNumbers english;
    for (const auto& [d1, d2] : {std::pair{6.0, 8.0}, std::pair{8.0, 6.0}, std::pair{1.0, 50.0},
                                 std::pair{13.0 / 6, 1.25}}) {
        const Figure f = quadrilateralWorking(solve(DiagonalsArea, {d1, d2})).figure;
        for (const auto& [diagonal, name, length_] :
             {std::tuple{"diagonal1", "d1", d1}, std::tuple{"diagonal2", "d2", d2}}) {
            const std::string label = std::string(diagonal) + "-label";
            SCOPED_TRACE(label);
            const auto segment = numbers(f, diagonal);
            std::vector<double> at = numbers(f, label.c_str());
            EXPECT_EQ(length(segment), length_);
            // a leader runs from the diagonal to the label
            const std::string leaderName = std::string(diagonal) + "-leader";
            if (f.find(QString::fromStdString(leaderName))) {
                const auto leader = numbers(f, leaderName.c_str());
                EXPECT_EQ(std::vector<double>(leader.begin() + 2, leader.end()), at);
                at = std::vector<double>{leader[0], leader[1]};
            }
            // the point it stands at lies on its own diagonal, between its ends
            const double cross = (segment[2] - segment[0]) * (at[1] - segment[1]) -
                                 (segment[3] - segment[1]) * (at[0] - segment[0]);
            EXPECT_EQ(cross, 0);
            EXPECT_LE(std::min(segment[0], segment[2]), at[0]);
            EXPECT_GE(std::max(segment[0], segment[2]), at[0]);
            EXPECT_LE(std::min(segment[1], segment[3]), at[1]);
            EXPECT_GE(std::max(segment[1], segment[3]), at[1]);
            EXPECT_EQ(f.find(QString::fromStdString(label))->text,
                      QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(length_, 0, 'g', 15));
        }
    }
    for (const Question q : {ParallelogramArea, ParallelogramHeightOrBase, ParallelogramPerimeter}) {
        const Figure f = quadrilateralWorking(solve(q, {4, 2.5})).figure;
        SCOPED_TRACE(f.description.toStdString());
        const std::vector<double> shape = numbers(f, "shape");
        // no right angle at the first corner: the side from it leans
        EXPECT_NE(shape.at(6), shape.at(0));
        EXPECT_TRUE(f.description.contains(QStringLiteral("Any slant gives the same")));
        if (q != ParallelogramPerimeter) {
            const auto h = numbers(f, "height");
            EXPECT_EQ(h.at(0), h.at(2));
            EXPECT_EQ(length(h), q == ParallelogramArea ? 2.5 : 2.5 / 4);
            // from a top corner down to the base's line
            EXPECT_EQ(std::vector<double>(h.begin(), h.begin() + 2),
                      std::vector<double>(shape.begin() + 4, shape.begin() + 6));
            EXPECT_EQ(h.at(3), shape.at(1));
        }
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
    // the height is its left side, square on the base
    EXPECT_EQ(edges.at(3), 0.4);
    const std::vector<double> corners = numbers(trapezium, "shape");
    EXPECT_EQ(corners.at(0), corners.at(6));
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
