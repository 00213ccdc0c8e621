// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/quadratic/quadratic_working.h"

#include "english_default.h"
#include "entry/conversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sb::quadratic;
using sb::working::Figure;

using QuadraticWorking = EnglishDefault;

std::string lines(const sb::working::Working& w) {
    return w.lines(true).join(u'\n').toStdString();
}

TEST_F(QuadraticWorking, StepsOfEachOutcome) {
    struct Row {
        double a, b, c;
        std::vector<const char*> expected; // lines among the steps, detail ones included
    };
    const Row rows[] = {
        {-3, 6, -2,
         {"The equation: -3·x² + 6·x - 2 = 0", "A = -3, B = 6, C = -2",
          "D = B² - 4·A·C = 6² - 4·(-3)·(-2) = 12", "B² = 6·6 = 36", "4·A = (-3)·4 = -12",
          "4·A·C = (-2)·(-12) = 24", "D = 36 - 24 = 12", "√D = √12 = 3.46410161513775",
          "2·A = -6",
          "x1 = (-B + √D) / (2·A) = (-6 + 3.46410161513775) / (-6) = 0.422649730810374",
          "x2 = (-B - √D) / (2·A) = (-6 - 3.46410161513775) / (-6) = 1.57735026918963",
          "Answer: X1 = 0.422649730810374 and X2 = 1.57735026918963"}},
        {1, 2, 1,
         {"D is 0, so the two roots are the same.", "Answer: X1 = -1 and X2 = -1"}},
        {1, 0, 1,
         {"The equation: 1·x² + 0·x + 1 = 0", "D = B² - 4·A·C = 0² - 4·1·1 = -4",
          "Answer: X1 and X2 show \"No Solution\"", "p = -B / (2·A) = 0 / 2 = 0",
          "√(-D) = √4 = 2", "q = √(-D) / |2·A| = 2 / 2 = 1",
          "The complex roots: x1 = 0 + 1·i and x2 = 0 - 1·i"}},
        {-2, 1, -1, {"q = √(-D) / |2·A| = 2.64575131106459 / 4 = 0.661437827766148",
                     "The complex roots: x1 = 0.25 + 0.661437827766148·i and x2 = 0.25 - "
                     "0.661437827766148·i"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const auto w = quadraticWorking(Solve(row.a, row.b, row.c));
        const QStringList shown = w.lines(true);
        for (const char* line : row.expected)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line << "\nin\n" << lines(w);
    }
}

TEST_F(QuadraticWorking, TellsHowEachBoxGaveItsCoefficient) {
    const std::array<BoxText, 3> boxes{{{"1/3", "0.333333333333333", "0.333"},
                                        {"1/4", "0.25", "0.25"},
                                        {"0", "0", "0"}}};
    const QStringList shown = quadraticWorking(Solve(0.333, 0.25, 0), boxes).lines(false);
    EXPECT_TRUE(shown.contains("You typed 1/3 for A, which is 0.333333333333333. The box keeps "
                               "5 characters, so it shows 0.333, and A = 0.333."));
    EXPECT_TRUE(shown.contains("You typed 1/4 for B, which is 0.25."));
    EXPECT_FALSE(shown.join(' ').contains("for C")); // typed as it shows
}

// Every point of the curve lies on the parabola, the roots on the x-axis at the values
// shown, and the curve reaches past both.
TEST_F(QuadraticWorking, TheParabolaIsDrawnToScale) {
    const double cases[][3] = {{-3, 6, -2}, {1, -3, 2},   {1, 2, 1},     {1, 0, 1},
                               {0.333, 1, 0}, {-2, 1, -1}, {1E-5, 1, 1}, {99999, -1, -99999},
                               {1, -2000, 1}};
    for (const auto& [a, b, c] : cases) {
        SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
        const Solution s = Solve(a, b, c);
        const Figure f = parabolaFigure(s);
        const auto* curve = f.find("parabola");
        ASSERT_NE(curve, nullptr) << f.note.toStdString();
        const auto& xy = curve->numbers;
        ASSERT_GE(xy.size(), 100u);
        double lowest = INFINITY, highest = -INFINITY;
        for (size_t i = 0; i + 1 < xy.size(); i += 2) {
            EXPECT_DOUBLE_EQ(xy[i + 1], a * xy[i] * xy[i] + b * xy[i] + c);
            lowest = std::min(lowest, xy[i]), highest = std::max(highest, xy[i]);
        }
        const auto* vertex = f.find("vertex");
        ASSERT_NE(vertex, nullptr);
        EXPECT_DOUBLE_EQ(vertex->numbers[0], -b / (2 * a));
        if (const auto* roots = std::get_if<Roots>(&s.outcome)) {
            const auto* r1 = f.find("root1");
            const auto* r2 = f.find("root2");
            ASSERT_TRUE(r1 && r2);
            EXPECT_EQ(r1->numbers, (std::vector<double>{roots->x1, 0}));
            EXPECT_EQ(r2->numbers, (std::vector<double>{roots->x2, 0}));
            EXPECT_LT(lowest, std::min(roots->x1, roots->x2));
            EXPECT_GT(highest, std::max(roots->x1, roots->x2));
        } else {
            EXPECT_EQ(f.find("root1"), nullptr);
        }
        // the view shows the whole curve and the x-axis
        ASSERT_TRUE(f.view.has_value());
        EXPECT_LE(f.view->bottom, 0);
        EXPECT_GE(f.view->top, 0);
        EXPECT_LE(f.view->left, lowest);
        EXPECT_GE(f.view->right, highest);
    }
}

TEST_F(QuadraticWorking, DescriptionNamesTheRootsAndTheVertex) {
    struct Row {
        double a, b, c;
        const char* description;
    };
    const Row rows[] = {
        {1, -3, 2, "Parabola crossing the x-axis at 1 and 2, lowest point (1.5, -0.25)."},
        {1, 2, 1, "Parabola touching the x-axis at -1, lowest point (-1, 0)."},
        {-1, 0, -1, "Parabola clear of the x-axis, so no real root, highest point (0, -1)."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parabolaFigure(Solve(row.a, row.b, row.c)).description.toStdString(),
                  row.description);
}

// Coefficients whose parabola the painter cannot place give a note, never inf or nan.
TEST_F(QuadraticWorking, NumbersBeyondDrawingGiveANote) {
    const Figure f = parabolaFigure(Solve(1E-99, 9E+99, 1));
    EXPECT_TRUE(f.empty());
    EXPECT_FALSE(f.note.isEmpty());
}

TEST_F(QuadraticWorking, TheGuideWorksTheWindowsExample) {
    const sb::working::Guide g = quadraticGuide();
    EXPECT_TRUE(g.example.lines(false).contains(
        "Answer: X1 = 0.422649730810374 and X2 = 1.57735026918963"));
    EXPECT_NE(g.example.figure.find("parabola"), nullptr);
}

} // namespace
