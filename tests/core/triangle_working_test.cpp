// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the two triangle-solving windows: its steps from tables, and its figures
// checked as geometry, over random triangles: the drawn sides and angles are the values the
// window shows, and the second triangle is there exactly when two fit.

#include "topics/geometry/angles.h"
#include "topics/geometry/law_of_cosines/cosine_working.h"
#include "topics/geometry/law_of_sines/sine_working.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

using namespace sb;
using working::Element;
using working::Figure;
using working::Working;

struct Steps {
    const char* what;
    std::function<Working()> work;
    QStringList expected; // lines that must be there, in this order
};

TEST(TriangleWorking, Steps) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    using namespace law_of_sines;
    const Steps rows[] = {
        {"two sides and the angle between them",
         [] {
             return law_of_cosines::twoSidesWorking(2, 3, 60, 3,
                                                    law_of_cosines::SolveSAS(3, 60, 3));
         },
         {"Triangle 2: the sides a and b and the angle z between them are given.",
          "a = 3, b = 3, z = 60°",
          "c² = 3² + 3² - 2 × 3 × 3 × 0.500000000000001 = 8.99999999999998",
          "c = √8.99999999999998 = 3", "x = arccos(0.5) = 60.0000000000001°",
          "Answer: c = 3, x = 60.0000000000001°, y = 59.9999999999999°."}},
        {"three sides",
         [] {
             return law_of_cosines::threeSidesWorking(3, 4, 5, law_of_cosines::SolveSSS(3, 4, 5));
         },
         {"cos(x) = (3² + 5² - 4²) ÷ (2 × 3 × 5) = 18 ÷ 30 = 0.6",
          "x = arccos(0.6) = 53.130102354156°",
          "cos(y) = (4² + 5² - 3²) ÷ (2 × 4 × 5) = 32 ÷ 40 = 0.8",
          "The three angles make 180°: z = 180° - x - y = 180° - 53.130102354156° - "
          "36.869897645844° = 89.9999999999999°"}},
        {"three sides that do not close",
         [] { return law_of_cosines::threeSidesRefused(2, 5, 1.5, "Unreasonable Data!!!."); },
         {"The window said: \"Unreasonable Data!!!.\"",
          "Laid end to end, the two shorter sides reach 1.5 + 2 = 3.5, which is 1.5 short of the "
          "longest side, b = 5.",
          "cos(x) = (2² + 1.5² - 5²) ÷ (2 × 2 × 1.5) = -18.75 ÷ 6 = -3.125"}},
        {"two angles and a side",
         [] { return twoAnglesWorking(1, SolveXZB(30, 90, 5)); },
         {"The three angles make 180°: y = 180° - x - z = 180° - 30° - 90° = 60°",
          "c = sin(z) × b ÷ sin(x) = 1 × 5 ÷ 0.5 = 10",
          "a = sin(y) × c ÷ sin(z) = 0.866025403784438 × 10 ÷ 1 = 8.66025403784439",
          "Answer: c = 10, a = 8.66025403784439, y = 60°."}},
        {"two angles leaving none",
         [] { return twoAnglesWorking(4, SolveYZC(100, 80, 5), "There is no solution"); },
         {"The window said: \"There is no solution\"",
          "The three angles make 180°: x = 180° - y - z = 180° - 100° - 80° = 0°"}},
        {"two triangles fit",
         [] { return twoSidesWorking(3, SolveYAC(30, 6, 10)); },
         {"Answer: z = 56.4426902380793°, x = 93.5573097619207°, b = 11.9768788281998.",
          "In the second, z' = 180° - z = 180° - 56.4426902380793° = 123.557309761921°",
          "x' = 180° - y - z' = 180° - 30° - 123.557309761921° = 26.4426902380793°",
          "Second answer: z' = 123.557309761921°, x' = 26.4426902380793°, b' = 5.34362924748898."}},
        {"a side too short",
         [] { return twoSidesWorking(2, SolveYAC(30, 3, 10), "There is no solution"); },
         {"Side a runs from corner X to the line of side b. X lies c × sin(y) = 10 × 0.5 = 5 from "
          "that line.",
          "a = 3 is shorter: it falls short by c × sin(y) - a = 5 - 3 = 2."}},
        {"an obtuse angle leaving x below 0",
         [] { return twoSidesWorking(3, SolveYAC(120, 5, 5.5), "There is no solution"); },
         {"z = arcsin(0.952627944162884) = 72.2936809444705°, the angle up to 90° with that sine.",
          "x = 180° - y - z = 180° - 120° - 72.2936809444705° = -12.2936809444705°",
          "The angles x and z must each be above 0°: no triangle fits these values."}},
    };
    for (const Steps& row : rows) {
        SCOPED_TRACE(row.what);
        const QStringList lines = row.work().lines(true);
        qsizetype at = 0;
        for (const QString& line : row.expected) {
            const qsizetype found = lines.indexOf(line, at);
            EXPECT_GE(found, 0) << line.toStdString() << "\nin:\n"
                                << lines.join('\n').toStdString();
            if (found >= 0) at = found + 1;
        }
    }
}

// The corners of a drawn triangle, and its side lengths and angles as measured.
struct Measured {
    double a, b, c, x, y, z;
};

Measured measure(const Element& triangle) {
    const auto& n = triangle.numbers; // X, Y, Z
    const auto length = [&](int p, int q) {
        return std::hypot(n[2 * p] - n[2 * q], n[2 * p + 1] - n[2 * q + 1]);
    };
    const double a = length(0, 2), b = length(1, 2), c = length(0, 1);
    // each angle from the sides by the cosine rule, in true degrees
    const auto angle = [](double p, double q, double r) {
        return std::acos(std::clamp((p * p + q * q - r * r) / (2 * p * q), -1.0, 1.0)) * 180 / M_PI;
    };
    return {a, b, c, angle(a, c, b), angle(b, c, a), angle(a, b, c)};
}

void expectDrawn(const Figure& f, const char* name, const geometry::Triangle& t) {
    const Element* drawn = f.find(name);
    ASSERT_NE(drawn, nullptr) << name;
    const Measured m = measure(*drawn);
    const double tolerance = 1e-9;
    EXPECT_NEAR(m.a, t.a, tolerance * t.a);
    EXPECT_NEAR(m.b, t.b, tolerance * t.b);
    EXPECT_NEAR(m.c, t.c, tolerance * t.c);
    EXPECT_NEAR(m.x, t.x, tolerance * 180);
    EXPECT_NEAR(m.y, t.y, tolerance * 180);
    EXPECT_NEAR(m.z, t.z, tolerance * 180);
}

// Sides from 0.1 to 100 and angles from 1 to 179 degrees, in every panel.
TEST(TriangleWorking, FiguresAreDrawnToTheValuesShown) {
    std::mt19937 random(16);
    std::uniform_real_distribution<double> sideOf(0.1, 100), angleOf(1, 179);
    int twoFitted = 0, solvedBySines = 0;
    for (int round = 0; round < 400; ++round) {
        const double p = sideOf(random), q = sideOf(random), r = sideOf(random);
        const double g = angleOf(random), h = angleOf(random);
        SCOPED_TRACE(testing::Message() << p << ", " << q << ", " << r << ", " << g << ", " << h);
        const int panel = 1 + round % 3;

        const auto sas = law_of_cosines::SolveSAS(p, g, q);
        expectDrawn(law_of_cosines::twoSidesWorking(panel, p, g, q, sas).figure, "triangle",
                    {p, q, sas.c, sas.x, sas.y, g});
        if (p + q > r && q + r > p && p + r > q) {
            const auto sss = law_of_cosines::SolveSSS(p, q, r);
            expectDrawn(law_of_cosines::threeSidesWorking(p, q, r, sss).figure, "triangle",
                        {p, q, r, sss.x, sss.y, sss.z});
        }
        for (const auto& s : {law_of_sines::SolveXZB(g, h, p), law_of_sines::SolveYZC(g, h, p)}) {
            if (s.verdict != law_of_sines::Verdict::Solved) continue;
            ++solvedBySines;
            expectDrawn(law_of_sines::twoAnglesWorking(round % 2 ? 1 : 4, s).figure, "triangle",
                        s.triangle);
        }
        const auto s = law_of_sines::SolveYAC(g, p, q);
        if (s.verdict != law_of_sines::Verdict::Solved) continue;
        const Figure f = law_of_sines::twoSidesWorking(2 + round % 2, s).figure;
        expectDrawn(f, "triangle", s.triangle);
        const double reach = angles::sine(g).value() * q;
        const bool twoFit = g < 90 && reach < p && p < q;
        EXPECT_EQ(f.find("triangle2") != nullptr, twoFit);
        if (!twoFit) continue;
        ++twoFitted;
        expectDrawn(f, "triangle2", law_of_sines::OtherTriangle(s)->triangle);
    }
    EXPECT_GT(twoFitted, 20);
    EXPECT_GT(solvedBySines, 200);
}

// Where no triangle fits: the side swung short of the line by c × sin(y) - a, and three
// sides laid end to end with the gap they leave.
TEST(TriangleWorking, FiguresOfNoTriangle) {
    const auto s = law_of_sines::SolveYAC(40, 2, 7);
    const Figure swung = law_of_sines::twoSidesWorking(2, s, "There is no solution").figure;
    const Element* a = swung.find("a");
    const Element* shortfall = swung.find("shortfall");
    ASSERT_TRUE(a && shortfall);
    EXPECT_NEAR(a->numbers[1] - a->numbers[3], 2, 1e-12);
    EXPECT_EQ(shortfall->numbers[3], 0); // it ends on the line of side b
    EXPECT_NEAR(shortfall->numbers[1], s.h - 2, 1e-12);
    EXPECT_NEAR(s.h, 7 * std::sin(40 * M_PI / 180), 1e-12);

    const Figure laid =
        law_of_cosines::threeSidesRefused(1.5, 7, 2, "Unreasonable Data!!!.").figure;
    const auto length = [&](const char* name) {
        const Element* e = laid.find(name);
        return e ? e->numbers[2] - e->numbers[0] : -1;
    };
    EXPECT_EQ(length("b"), 7);
    EXPECT_EQ(length("a") + length("c"), 3.5);
    EXPECT_EQ(length("shortfall"), 3.5);
    EXPECT_EQ(laid.find("shortfall")->numbers[0], 3.5);
}

} // namespace
