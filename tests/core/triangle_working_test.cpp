// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the two triangle-solving windows: its steps from tables, and its figures
// checked as geometry, over random triangles: the drawn sides and angles are the values the
// window shows, and the second triangle is there exactly when two fit.

#include "entry/fault.h"
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

// The lines of a working, detail included, must hold the expected ones in this order.
void expectLines(const Working& working, const QStringList& expected) {
    const QStringList lines = working.lines(true);
    qsizetype at = 0;
    for (const QString& line : expected) {
        const qsizetype found = lines.indexOf(line, at);
        EXPECT_GE(found, 0) << line.toStdString() << "\nin:\n" << lines.join('\n').toStdString();
        if (found >= 0) at = found + 1;
    }
}

// The cases a pupil's book works exactly, and their kin: the typed numbers as fractions,
// the sines and cosines of 30°, 45°, 60°, 90° and their multiples as roots. Every decision
// (one triangle or two, a right angle, a side too long or falling short) is the exact one,
// and where the window's number carries rounding, the steps give the exact value and why.
TEST(TriangleWorking, Steps) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    using namespace law_of_sines;
    const auto sides = [](double y, double a, double c, const QStringList& typed = {}) {
        return twoSidesWorking(2, SolveYAC(y, a, c), {}, typed);
    };
    const auto sas = [](double a, double z, double b) {
        return law_of_cosines::twoSidesWorking(1, a, z, b, law_of_cosines::SolveSAS(a, z, b));
    };
    const auto sss = [](double a, double b, double c) {
        return law_of_cosines::threeSidesWorking(a, b, c, law_of_cosines::SolveSSS(a, b, c));
    };
    const auto refused = [](double a, double b, double c, const QStringList& typed) {
        return law_of_cosines::threeSidesRefused(a, b, c, "Unreasonable Data!!!.", typed);
    };
    const Steps rows[] = {
        {"two sides and the angle between them",
         [] {
             return law_of_cosines::twoSidesWorking(2, 3, 60, 3,
                                                    law_of_cosines::SolveSAS(3, 60, 3));
         },
         {"Triangle 2: the sides a and b and the angle z between them are given.",
          "cos(60°) = 1/2 = 0.5", "c² = 3² + 3² - 2 × 3 × 3 × (1/2) = 9", "c = √9 = 3",
          "x = arccos(1/2) = 60°",
          "The window shows: c = 3, x = 60.0000000000001°, y = 59.9999999999999°."}},
        {"three sides", [&] { return sss(3, 4, 5); },
         {"cos(x) = (3² + 5² - 4²) ÷ (2 × 3 × 5) = 18 ÷ 30 = 3/5 = 0.6",
          "x = arccos(3/5) = 53.130102354156°",
          "cos(y) = (4² + 5² - 3²) ÷ (2 × 4 × 5) = 32 ÷ 40 = 4/5 = 0.8",
          "The three angles make 180°: z = 180° - x - y = 180° - 53.130102354156° - "
          "36.869897645844° = 90°",
          "Check: a² + b² = 3² + 4² = 9 + 16 = 25 = 5² = c²"}},
        {"two angles and a side", [] { return twoAnglesWorking(1, SolveXZB(30, 90, 5)); },
         {"The three angles make 180°: y = 180° - x - z = 180° - 30° - 90° = 60°",
          "sin(30°) = 1/2 = 0.5, sin(60°) = √3/2 ≈ 0.866025403784439, sin(90°) = 1",
          "c = b sin(z) ÷ sin(x) = 5 × 1 ÷ (1/2) = 10",
          "a = c sin(y) ÷ sin(z) = 10 × (√3/2) ÷ 1 = 5√3 ≈ 8.66025403784439",
          "Check: a² + b² = (5√3)² + 5² = 75 + 25 = 100 = 10² = c²",
          "Answer: c = 10, a = 8.66025403784439, y = 60°."}},
        {"two triangles fit, answered in the panel's order",
         [] { return twoSidesWorking(3, SolveYAC(30, 6, 10)); },
         {"Answer: z = 56.4426902380793°, x = 93.5573097619207°, b = 11.9768788281998.",
          "Second answer: z' = 123.557309761921°, x' = 26.4426902380793°, b' = 5.34362924748898."}},
        {"an obtuse angle leaving x below 0",
         [] { return twoSidesWorking(3, SolveYAC(120, 5, 5.5), "There is no solution"); },
         {"z = arcsin(11√3/20) = 72.2936809444705°, the angle up to 90° with that sine.",
          "x = 180° - y - z = 180° - 120° - 72.2936809444705° = -12.2936809444705°",
          "The angles x and z must each be above 0°: no triangle fits these values."}},
        {"y 30, a 1/3, c 2/3 typed as fractions",
         [&] { return sides(30, 1.0 / 3, 2.0 / 3, {"30", "1/3", "2/3"}); },
         {"y = 30°, a = 1/3, c = 2/3",
          "a = 1/3 is just as long: it meets the line of b at a right angle.",
          "Check: a² + b² = (1/3)² + (√3/3)² = 1/9 + 1/3 = 4/9 = (2/3)² = c²"}},
        {"y 150, a 5, c 10: the right angle leaves no room", [&] { return sides(150, 5, 10); },
         {"a = 5 is just as long: it meets the line of b at a right angle.",
          "x = 180° - y - z = 180° - 150° - 90° = -60°"}},
        {"y 45, a 1/3, c 1/3: a right angle at X",
         [&] { return sides(45, 1.0 / 3, 1.0 / 3, {"45", "1/3", "1/3"}); },
         {"z = arcsin(√2/2) = 45°, the angle up to 90° with that sine.",
          "x = 180° - y - z = 180° - 45° - 45° = 90°",
          "Check: a² + c² = (1/3)² + (1/3)² = 1/9 + 1/9 = 2/9 = (√2/3)² = b²"}},
        {"two angles, one sine not exact", [] { return twoAnglesWorking(1, SolveXZB(120, 45, 2)); },
         {"c = b sin(z) ÷ sin(x) = 2 × (√2/2) ÷ (√3/2) = 2√6/3 ≈ 1.63299316185545",
          "a = c sin(y) ÷ sin(z) = (2√6/3) × 0.258819045102521 ÷ (√2/2) = 0.597716981445368"}},
        {"y 90, a 5, c 5: flat", [&] { return sides(90, 5, 5); },
         {"x = 180° - y - z = 180° - 90° - 90° = 0°"}},
        {"y 45, a 4, c 5: two fit", [&] { return sides(45, 4, 5); },
         {"sin(45°) = √2/2 ≈ 0.707106781186548",
          "A second triangle fits too, because y is below 90° and c sin(y) = 5√2/2 ≈ "
          "3.53553390593274 < a = 4 < c = 5. The window shows only the first; the figure draws "
          "the second dashed."}},
        {"two angles whose sum is exactly 180°",
         [] { return twoAnglesWorking(1, SolveXZB(33.3, 146.7, 3), "There is no solution"); },
         {"The three angles make 180°: y = 180° - x - z = 180° - 33.3° - 146.7° = 0°",
          "Each angle of a triangle is above 0°, so x and z together must be less than 180°: no "
          "triangle has these angles."}},
        // the law of cosines with exact cosines
        {"2, 60, 4: a right angle found", [&] { return sas(2, 60, 4); },
         {"c² = 2² + 4² - 2 × 2 × 4 × (1/2) = 12", "c = √12 = 2√3 ≈ 3.46410161513775",
          "cos(x) = (2² + (2√3)² - 4²) ÷ (2 × 2 × 2√3) = 0 ÷ (8√3) = 0", "x = arccos(0) = 90°",
          "The three angles make 180°: y = 180° - x - z = 180° - 90° - 60° = 30°",
          "Check: a² + c² = 2² + (2√3)² = 4 + 12 = 16 = 4² = b²"}},
        {"5, 12, 13", [&] { return sss(5, 12, 13); },
         {"Exactly, cos(z) = (a² + b² - c²) ÷ (2ab) = 0 ÷ 120 = 0, so z = 90°."}},
        // 0.1 + 0.2 is 0.3 exactly, though not in the computer's sum
        {"0.1, 0.2, 0.3 flat", [&] { return sss(0.1, 0.2, 0.3); },
         {"a + b = 0.1 + 0.2 = 0.3 = c: the two sides together are just as long as the third, "
          "so the triangle lies flat, with no height.",
          "cos(x) = (0.1² + 0.3² - 0.2²) ÷ (2 × 0.1 × 0.3) = 0.06 ÷ 0.06 = 1",
          "x = arccos(1) = 0°"}},
        {"three equal sides whose squares overflow",
         [&] { return refused(1e200, 1e200, 1e200, {"1e200", "1e200", "1e200"}); },
         {"The squares of these sides are too large for the computer."}},
        {"1, 1/3, 2/3 refused as flat",
         [&] { return refused(1, 1.0 / 3, 2.0 / 3, {"1", "1/3", "2/3"}); },
         {"The sides a = 1, b = 1/3 and c = 2/3 make no triangle it can solve.",
          "The two shorter sides together, 1/3 + 2/3 = 1, are just as long as the longest side, "
          "a = 1: the triangle is flat, with no height."}},
    };
    for (const Steps& row : rows) {
        SCOPED_TRACE(row.what);
        expectLines(row.work(), row.expected);
    }
    // sides whose squares leave the exact fractions' reach: worked as the computer found
    // them, with the exact cosine still written the one way, and nothing unknown shown
    const QString large = sas(9e30, 60, 9e30).lines(true).join('\n');
    EXPECT_TRUE(large.contains("× (1/2) = ")) << large.toStdString();
    EXPECT_FALSE(large.contains('?')) << large.toStdString();
    // a triangle too large for the computer is neither flat nor a side too long
    const QString huge =
        law_of_cosines::threeSidesRefused(1e200, 1e200, 1e200, "").lines(true).join('\n');
    EXPECT_FALSE(huge.contains("flat") || huge.contains("too long")) << huge.toStdString();
}

// Over the special angles and small whole sides, the steps' verdict on side a (shorter,
// just as long, longer) and on a second triangle is the one the true values give, worked
// here with more digits than the window's doubles hold: never "5 < 5".
TEST(TriangleWorking, VerdictsOfTheExactCases) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    int justReaching = 0, twoFitting = 0;
    for (const int y : {30, 45, 60, 90, 120, 135, 150})
        for (int a = 1; a <= 12; ++a)
            for (int c = 1; c <= 12; ++c) {
                SCOPED_TRACE(testing::Message() << y << ", " << a << ", " << c);
                const long double h = c * std::sin(y * 3.141592653589793238462643383279L / 180);
                const int truth = std::fabs(h - a) < 1e-15L ? 0 : a < h ? -1 : 1;
                const auto s = law_of_sines::SolveYAC(y, a, c);
                const QString text = law_of_sines::twoSidesWorking(2, s).lines(true).join('\n');
                // shorter (-1), just as long (0), longer (1): said exactly when true
                for (const auto& [verdict, is] : {std::pair{"shorter", -1}, {"just as long", 0},
                                                   {"longer", 1}})
                    EXPECT_EQ(text.contains(QStringLiteral("a = %1 is %2").arg(a).arg(verdict)),
                              truth == is)
                        << text.toStdString();
                const bool two = truth > 0 && y < 90 && a < c;
                EXPECT_EQ(text.contains("A second triangle fits too"), two) << text.toStdString();
                justReaching += truth == 0 && y < 90;
                twoFitting += two;
            }
    EXPECT_GE(justReaching, 6); // 30° with a = c/2, 90° has none that fit
    EXPECT_GT(twoFitting, 50);
}

// Over three small whole sides: a right angle is named exactly when the squares say so, a
// flat triangle exactly when two sides make the third, and three sides that do not close
// name the side that is too long.
TEST(TriangleWorking, VerdictsOfThreeSides) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    int right = 0, flat = 0, tooLong = 0;
    for (int a = 1; a <= 13; ++a)
        for (int b = 1; b <= 13; ++b)
            for (int c = 1; c <= 13; ++c) {
                SCOPED_TRACE(testing::Message() << a << ", " << b << ", " << c);
                const int sides[3] = {a, b, c};
                const int k = int(std::max_element(sides, sides + 3) - sides);
                const int others = a + b + c - sides[k];
                const char letter = "abc"[k];
                const auto working = [&] {
                    try {
                        return law_of_cosines::threeSidesWorking(a, b, c,
                                                                 law_of_cosines::SolveSSS(a, b, c));
                    } catch (const ArithmeticFault&) {
                        return law_of_cosines::threeSidesRefused(a, b, c, "Unreasonable Data!!!.");
                    }
                };
                const QString text = working().lines(true).join('\n');
                const bool isRight = a * a + b * b + c * c == 2 * sides[k] * sides[k];
                EXPECT_EQ(text.contains("Check: "), isRight) << text.toStdString();
                EXPECT_EQ(text.contains("flat"), others == sides[k]) << text.toStdString();
                EXPECT_EQ(text.contains(QStringLiteral("The side %1 = %2 is too long")
                                            .arg(QChar(letter))
                                            .arg(sides[k])),
                          others < sides[k])
                    << text.toStdString();
                right += isRight, flat += others == sides[k], tooLong += others < sides[k];
            }
    EXPECT_GT(right, 10);
    EXPECT_GT(flat, 30);
    EXPECT_GT(tooLong, 300);
}

// The exact forms the steps write: fractions beside their decimals,
// the special angles found back from their sines and cosines, typed values read exactly.
TEST(TriangleWorking, ExactForms) {
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    using sb::working::Rational;
    using sb::working::Surd;
    const struct {
        Surd value;
        const char* text;
    } texts[] = {{{Rational::of(3, 5), 1}, "3/5 = 0.6"},
                 {{Rational::of(5, 6), 1}, "5/6 ≈ 0.833333333333333"},
                 {{5, 3}, "5√3 ≈ 8.66025403784439"},
                 {{Rational::of(-1, 2), 1}, "-1/2 = -0.5"},
                 {{Rational::of(1, 2), 2}, "√2/2 ≈ 0.707106781186548"},
                 {{25, 1}, "25"},
                 {{Rational::of(4231525, 1000000), 1}, "4.231525"}};
    for (const auto& t : texts) EXPECT_EQ(geometry::exactForm(t.value), QString::fromUtf8(t.text));

    const struct {
        Surd cosine;
        int degrees; // -1: no angle of 0°, 30°, 45°, 60°, 90° or their multiples
    } cosines[] = {{{Rational::of(-1, 2), 1}, 120},
                   {{Rational::of(1, 2), 2}, 45},
                   {{0, 1}, 90},
                   {{Rational::of(-1, 2), 3}, 150},
                   {{-1, 1}, 180},
                   {{Rational::of(3, 5), 1}, -1},
                   {{Rational::of(1, 3), 3}, -1}};
    for (const auto& c : cosines) {
        const auto found = geometry::exactArccos(c.cosine);
        EXPECT_EQ(found ? int(found->toDouble()) : -1, c.degrees) << c.cosine.text().toStdString();
    }
    EXPECT_EQ(geometry::exactArcsin({1, 1}), Rational(90));
    EXPECT_EQ(geometry::exactArcsin({Rational::of(1, 2), 3}), Rational(60));
    EXPECT_FALSE(geometry::exactArcsin({Rational::of(5, 6), 1}));

    const struct {
        double value;
        const char* typed;
        Rational exact;
    } given[] = {{1.0 / 3, "1/3", Rational::of(1, 3)},
                 {0.1, "", Rational::of(1, 10)},
                 {7.0 / 3, "2/1/3", Rational::of(7, 3)},
                 {12.25, "12.25", Rational::of(49, 4)}};
    for (const auto& g : given)
        EXPECT_EQ(geometry::exactOf(g.value, QString::fromUtf8(g.typed)), g.exact) << g.typed;
    // 1/3 read without its text has no exact value: its 15 digits are not the number
    EXPECT_FALSE(geometry::exactOf(1.0 / 3).known());
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

// Where no triangle fits: the side swung short of the line by c sin(y) - a, and three
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

    // a side that exactly reaches the line, though the computer's c sin(150°) came out a
    // hair beyond it: drawn meeting the line, with no shortfall to label
    const Figure reached =
        law_of_sines::twoSidesWorking(2, law_of_sines::SolveYAC(150, 5, 10), "There is no solution")
            .figure;
    EXPECT_EQ(reached.find("shortfall"), nullptr);
    ASSERT_NE(reached.find("meet-1"), nullptr);
    EXPECT_EQ(reached.find("meet-1")->numbers[1], 0);

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
