// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/quadratic/quadratic_working.h"

#include "english_default.h"
#include "entry/conversions.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sb::quadratic;
using sb::working::Figure;

using QuadraticWorking = EnglishDefault;

std::string lines(const sb::working::Working& w) {
    return w.lines(true).join(u'\n').toStdString();
}

// The steps of each outcome, and the roots exactly beside the window's numbers.
TEST_F(QuadraticWorking, StepsOfEachOutcome) {
    struct Row {
        double a, b, c;
        std::vector<const char*> expected; // lines among the steps, detail ones included
    };
    const Row rows[] = {
        {-3, 6, -2,
         {"The equation: -3x² + 6x - 2 = 0", "A = -3, B = 6, C = -2",
          "D = B² - 4AC = 6² - 4 × (-3) × (-2) = 36 - 24 = 12",
          "D is more than 0, so the equation has two roots.",
          "√D = √12 = 2√3 ≈ 3.46410161513775", "2A = 2 × (-3) = -6",
          "x1 = (-B + √D) ÷ (2A) = (-6 + √12) ÷ (-6) = 1 - √3/3 ≈ 0.422649730810374",
          "x2 = (-B - √D) ÷ (2A) = (-6 - √12) ÷ (-6) = 1 + √3/3 ≈ 1.57735026918963",
          "With the decimals the window works with: x1 = (-6 + 3.46410161513775) ÷ (-6) = 0.422649730810374",
          "Answer: X1 = 0.422649730810374 and X2 = 1.57735026918963",
          "Check x1 = 1 - √3/3: x1² = (1 - √3/3)² = 4/3 - 2√3/3",
          "So Ax² + Bx + C = -3 × (4/3 - 2√3/3) + 6 × (1 - √3/3) - 2 = -4 + 2√3 + 6 - 2√3 - 2 = 0"}},
        {1, 2, 1,
         {"D is 0, so the two roots are the same: the equation has one root.",
          "x = -B ÷ (2A) = -2 ÷ 2 = -1", "Answer: X1 = -1 and X2 = -1",
          "Check x = -1: 1 × (-1)² + 2 × (-1) + 1 = 1 - 2 + 1 = 0"}},
        {1, 0, 1,
         {"The equation: x² + 1 = 0", "D = B² - 4AC = 0² - 4 × 1 × 1 = 0 - 4 = -4",
          "D is less than 0. No real number squared is negative, so √D is no real number: the "
          "equation has no real solution.",
          "Answer: X1 and X2 show \"No Solution\": the equation has no real solution.",
          "p = -B ÷ (2A) = 0 ÷ 2 = 0", "q = √(-D) ÷ |2A| = √4 ÷ 2 = 1",
          "The complex roots: x1 = i and x2 = -i"}},
        {-2, 1, -1, {"q = √(-D) ÷ |2A| = √7 ÷ 4 = √7/4 ≈ 0.661437827766148",
                     "The complex roots: x1 = 0.25 + (√7/4)i and x2 = 0.25 - (√7/4)i"}},
        // the roots exactly: whole numbers, fractions in lowest terms and roots taken out as far
        // as they go, with the rounding said where the window's number is off in its last digits
        {1, -3, 2, {"x1 = (-B + √D) ÷ (2A) = (3 + 1) ÷ 2 = 2", "x2 = (-B - √D) ÷ (2A) = (3 - 1) ÷ 2 = 1"}},
        {3, 1, 0, {"x2 = (-B - √D) ÷ (2A) = (-1 - 1) ÷ 6 = -1/3 ≈ -0.333333333333333"}},
        {2, 0, -1, {"√D = √8 = 2√2 ≈ 2.82842712474619",
                    "x1 = (-B + √D) ÷ (2A) = (0 + √8) ÷ 4 = √2/2 ≈ 0.707106781186548",
                    "x2 = (-B - √D) ÷ (2A) = (0 - √8) ÷ 4 = -√2/2 ≈ -0.707106781186548"}},
        {0.333, 1, 0, {"x2 = (-B - √D) ÷ (2A) = (-1 - 1) ÷ 0.666 = -1000/333 ≈ -3.003003003003"}},
        {1, -2000, 1,
         {"x2 = (-B - √D) ÷ (2A) = (2000 - √3999996) ÷ 2 = 1000 - 3√111111",
          "The exact value is 1000 - 3√111111 ≈ 0.000500000125000063. The window shows "
          "0.000500000125043698: the computer keeps about 16 digits and rounds at every step, "
          "so the last digits it shows carry that rounding."}},
        {1, 0, -0.25, {"√D = √1 = 1", "x1 = (-B + √D) ÷ (2A) = (0 + 1) ÷ 2 = 0.5",
                       "Check x1 = 0.5: 1 × 0.5² - 0.25 = 0.25 - 0.25 = 0"}},
        // a box showing 1E-05 (typed 1/100000): the steps write 0.00001, as a book does
        {2.5, 1E-05, 0.2,
         {"The equation: 2.5x² + 0.00001x + 0.2 = 0", "A = 2.5, B = 0.00001, C = 0.2",
          "D = B² - 4AC = 0.00001² - 4 × 2.5 × 0.2 = 1 × 10⁻¹⁰ - 2 = -1.9999999999",
          "p = -B ÷ (2A) = -0.00001 ÷ 5 = -0.000002",
          "q = √(-D) ÷ |2A| = √1.9999999999 ÷ 5 ≈ 0.282842712467548"}},
        // squares beyond exact fractions: the window's decimals, said to be rounded
        {1E+30, 1E+30, 1,
         {"The equation: 1 × 10³⁰x² + 1 × 10³⁰x + 1 = 0",
          "D = B² - 4AC = (1 × 10³⁰)² - 4 × (1 × 10³⁰) × 1 ≈ 1 × 10⁶⁰ - (4 × 10³⁰) ≈ 1 × 10⁶⁰",
          "Answer: X1 = 0 and X2 = -1"}},
        // a vertex beyond exact fractions (B tiny beside A): the figure tells the computed one
        {6711, 7E-18, 0,
         {"Answer: X1 = 0 and X2 = -1.04306362688124E-21"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const auto w = quadraticWorking(Solve(row.a, row.b, row.c));
        const QStringList shown = w.lines(true);
        for (const char* line : row.expected)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line << "\nin\n" << lines(w);
        EXPECT_FALSE(w.figure.description.isEmpty());
    }
}

// The equation as a textbook writes it: no 1 before a letter, terms with 0 left out.
TEST_F(QuadraticWorking, TheEquationReadsAsInABook) {
    struct Row {
        double a, b, c;
        const char* equation;
    };
    const Row rows[] = {
        {1, -1, 0, "x² - x = 0"}, {-1, 1, -1, "-x² + x - 1 = 0"},
        {0.5, -0.25, 0, "0.5x² - 0.25x = 0"}, {-2, 0, 0, "-2x² = 0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(quadraticWorking(Solve(row.a, row.b, row.c)).lines(false).value(0).toStdString(),
                  std::string("The equation: ") + row.equation);
}

// Whether D is 0 is decided on the coefficients as shown, exactly: 0.6² - 4 × 0.1 × 0.9 is 0
// although the window's decimals give a hair below it, and the window then shows "No Solution".
TEST_F(QuadraticWorking, TheSignOfDIsDecidedExactly) {
    struct Row {
        double a, b, c;
        const char* decision;
    };
    const Row rows[] = {
        // the window's D tips below 0 here, above 0 in the next row
        {0.1, 0.6, 0.9, "D is 0, so the two roots are the same: the equation has one root."},
        {1, 0.2, 0.01, "D is 0, so the two roots are the same: the equation has one root."},
        {1, 0.2, 0.011, "D is less than 0. No real number squared is negative, so √D is no real "
                        "number: the equation has no real solution."},
        {1, 0.2, 0.009, "D is more than 0, so the equation has two roots."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        const Solution s = Solve(row.a, row.b, row.c);
        const auto w = quadraticWorking(s);
        const QStringList shown = w.lines(false);
        EXPECT_TRUE(shown.contains(QString::fromUtf8(row.decision))) << lines(w);
        // the window's own answer stands in the working whichever way its decimals tipped
        if (std::holds_alternative<NoRealRoot>(s.outcome))
            EXPECT_TRUE(shown.join(u'\n').contains("X1 and X2 show \"No Solution\"")) << lines(w);
        else
            EXPECT_TRUE(shown.join(u'\n').contains("Answer: X1 = ")) << lines(w);
    }
}

// Every root the working finds, put back into the equation, comes to 0 in its check: the
// exact forms are right, over a grid of whole and decimal coefficients.
TEST_F(QuadraticWorking, EveryCheckComesToZero) {
    int checked = 0;
    for (double a : {-4.0, -1.0, 0.5, 1.0, 2.0, 3.0})
        for (double b = -6; b <= 6; b += 1)
            for (double c : {-5.0, -2.0, -0.75, 0.0, 1.0, 2.0, 4.0}) {
                const Solution s = Solve(a, b, c);
                if (!std::holds_alternative<Roots>(s.outcome)) continue;
                const QStringList shown = quadraticWorking(s).lines(false);
                const auto checks = shown.filter(QRegularExpression("^(Check|So Ax²)"));
                ASSERT_FALSE(checks.isEmpty()) << a << ", " << b << ", " << c;
                for (const QString& line : checks) {
                    if (line.contains(u'²') && line.startsWith("Check x") && line.contains(": x")) continue; // x² = ...
                    EXPECT_TRUE(line.endsWith(" = 0")) << a << ", " << b << ", " << c << ": "
                                                       << line.toStdString();
                    ++checked;
                }
            }
    EXPECT_GT(checked, 300);
}

// A = 0: no quadratic equation; the root of the linear equation left, or why there is none.
TEST_F(QuadraticWorking, TheLinearEquationLeftWhenAIsZero) {
    struct Row {
        double b, c;
        std::vector<const char*> expected;
        bool line; // the figure has a root on the x-axis
    };
    const Row rows[] = {
        {3, 1, {"The equation: 3x + 1 = 0", "Take C to the other side: 3x = -1",
                "Divide by B: x = -C ÷ B = -1 ÷ 3 = -1/3 ≈ -0.333333333333333",
                "Check: 3 × (-1/3) + 1 = -1 + 1 = 0"}, true},
        {-1, 2, {"The equation: -x + 2 = 0", "Take C to the other side: -x = -2",
                 "Divide by B: x = -C ÷ B = -2 ÷ (-1) = 2", "Check: -1 × 2 + 2 = -2 + 2 = 0"}, true},
        {0.25, 0, {"Divide by B: x = -C ÷ B = 0 ÷ 0.25 = 0"}, true},
        {0, 5, {"The equation: 0x + 5 = 0",
                "B = 0 as well, so the left side is 5 whatever x is, and 5 is not 0: no x solves "
                "the equation."}, false},
        {-1, 1E-99, {"The equation: -x + 1 × 10⁻⁹⁹ = 0", "Take C to the other side: -x = -1 × 10⁻⁹⁹"}, true},
        {0, 0, {"The equation: 0x = 0", "B = 0 and C = 0 as well, so the left side is 0 "
                "whatever x is: every x solves the equation."}, false},
    };
    const QString message = QStringLiteral("It Sould Be Quadratix Equation So A Value Must Not Be Zero ");
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.b << ", " << row.c);
        const auto w = linearWorking(message, row.b, row.c);
        const QStringList shown = w.lines(false);
        EXPECT_EQ(shown.value(0), "The window said: \"" + message + u'"');
        for (const char* line : row.expected)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line << "\nin\n" << lines(w);
        const auto* root = w.figure.find("root");
        EXPECT_EQ(root != nullptr, row.line);
        if (root) EXPECT_EQ(root->numbers, (std::vector<double>{-row.c / row.b, 0}));
        ASSERT_NE(w.figure.find("line"), nullptr);
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
        // exactly D = 0, though the window's decimals tip it below 0 and it shows "No Solution"
        {0.1, 0.6, 0.9, "Parabola touching the x-axis at -3, lowest point (-3, 0)."},
        {3, 1, 0, "Parabola crossing the x-axis at -0.333333333333333 and 0, lowest point "
                  "(-0.166666666666667, -0.0833333333333333)."},
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
