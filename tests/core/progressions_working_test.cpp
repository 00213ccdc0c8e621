// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/progressions/progressions_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace sb::progressions;
using sb::working::Figure;

using ProgressionsWorking = EnglishDefault;

// A box read as typed: the text is the value's.
Box typed(const char* letter, double value) {
    const QString text = sb::resultText(value);
    return {QString::fromLatin1(letter), text, text, text, value};
}

using Routine3 = Worked (*)(double, double, double);

TEST_F(ProgressionsWorking, StepsOfEachRow) {
    struct Case {
        Row row;
        std::vector<Box> boxes;
        Worked worked;
        QStringList lines; // detail lines included
    };
    const Box cutA1{"A1", "1/3", "0.333333333333333", "0.333333", 0.333333};
    const Case cases[] = {
        {Row::ArithSumA1DN,
         {cutA1, typed("D", 1), typed("N", 10)},
         ArithSumA1DNWorked(0.333333, 1, 10),
         {"Sn = N/2 · (2·A1 + (N - 1)·D)", "A1 = 1/3 = 0.333333333333333",
          "The box keeps 8 characters, so A1 is read as 0.333333", "D = 1", "N = 10",
          "N - 1 = 10 - 1 = 9", "(N - 1)·D = 9 × 1 = 9",
          "2·A1 + (N - 1)·D = 0.333333 + 0.333333 + 9 = 9.666666", "N × 9.666666 = 96.66666",
          "Sn = 10 × 9.666666 / 2 = 48.33333"}},
        {Row::ArithSumDAnN,
         {typed("D", -3), typed("An", 2), {"N", "10/2", "5", "5", 5}},
         ArithSumDAnNWorked(-3, 2, 5),
         {"Sn = N/2 · (2·An - (N - 1)·D)", "An = 2", "D = -3",
          "N = 10/2, written back into its box as 5", "2·An = 2 + 2 = 4", "N - 1 = 5 - 1 = 4",
          "(N - 1)·D = 4 × (-3) = -12", "2·An - (N - 1)·D = 4 - (-12) = 16",
          "2·An - (N - 1)·D is A1 + An: the first term plus the last.", "N × 16 = 80",
          "Sn = 5 × 16 / 2 = 40"}},
        {Row::ArithCountA1DAn,
         {typed("A1", 1), typed("D", 2), typed("An", 10)},
         ArithCountA1DAnWorked(1, 2, 10),
         {"N = (An - A1 + D) / D", "A1 = 1", "D = 2", "An = 10", "An - A1 = 10 - 1 = 9",
          "An - A1 + D = 9 + 2 = 11", "N = 11 / 2 = 5.5",
          "N is not a whole number: An is not exactly one of the terms."}},
        {Row::GeomSumA1QN,
         {typed("A1", 1), {"Q", "4/2", "", "4/2", 2}, typed("N", 10)},
         GeomSumA1QNWorked(1, 2, 10),
         {"Sn = A1 · (Q^N - 1) / (Q - 1)", "A1 = 1", "Q = 4/2 = 2", "N = 10", "Q^N = 2^10 = 1024",
          "Q^N - 1 = 1023", "A1 · (Q^N - 1) = 1 × 1023 = 1023", "Q - 1 = 1",
          "Sn = 1023 / 1 = 1023"}},
        {Row::GeomSumInfinite,
         {typed("A1", 1), {"Q", "-0.5", "", "-0.5", -0.5}},
         GeomSumInfiniteWorked(1, -0.5),
         {"S = A1 / (1 - Q), as -1 < Q < 1", "A1 = 1", "Q = -0.5", "1 - Q = 1 - (-0.5) = 1.5",
          "S = 1 / 1.5 = 0.666666666666667"}},
        {Row::GeomRatioA1AnN,
         {typed("A1", 2), {"An", "162", "", "162", 162}, typed("N", 5)},
         GeomRatioA1AnNWorked(2, 162, 5),
         {"Q = (An / A1)^(1 / (N - 1))", "A1 = 2", "An = 162", "N = 5", "N - 1 = 5 - 1 = 4",
          "1 / (N - 1) = 0.25", "An / A1 = 162 / 2 = 81", "Q = 81^0.25 = 3",
          "A power gives the positive root only, even where a negative Q would fit as well."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.first().toStdString());
        EXPECT_EQ(
            progressionWorking(c.row, c.boxes, c.worked).lines(true).join(u'\n').toStdString(),
            c.lines.join(u'\n').toStdString());
    }
}

std::vector<const sb::working::Element*> named(const Figure& f, const char* name) {
    std::vector<const sb::working::Element*> found;
    for (const auto& e : f.elements)
        if (e.name == QLatin1String(name)) found.push_back(&e);
    return found;
}

void expectFinite(const Figure& f) {
    for (const auto& e : f.elements)
        for (double n : e.numbers) EXPECT_TRUE(std::isfinite(n)) << e.name.toStdString();
}

// The term bars stand on the axis, one per term and in order, as high as the terms (a
// term of 0 is a bar of height 0): over random progressions of 1 to 100 terms.
TEST_F(ProgressionsWorking, TermBarsAreTheTerms) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> small(-20, 20), count(1, 100);
    for (int round = 0; round < 200; ++round) {
        const double a1 = small(random) / 2.0, step = small(random) / 4.0, n = count(random);
        const bool geometric = round % 2 == 1;
        // the window refuses Q = 0 and Q = 1
        const double ratio = step == 0 || step == 1 ? 0.5 : std::clamp(step, -1.25, 1.25);
        for (const bool sum : {true, false}) {
            const Row row = geometric ? (sum ? Row::GeomSumA1QN : Row::GeomLastA1QN)
                                      : (sum ? Row::ArithSumA1DN : Row::ArithLastA1DN);
            const char* second = geometric ? "Q" : "D";
            const double by = geometric ? ratio : step;
            const Routine3 routine = geometric ? (sum ? GeomSumA1QNWorked : GeomLastA1QNWorked)
                                               : (sum ? ArithSumA1DNWorked : ArithLastA1DNWorked);
            const Figure f =
                progressionWorking(row, {typed("A1", a1), typed(second, by), typed("N", n)},
                                   routine(a1, by, n))
                    .figure;
            SCOPED_TRACE(testing::Message() << a1 << " " << by << " " << n);
            const auto bars = named(f, "term");
            ASSERT_EQ(bars.size(), std::size_t(n));
            for (std::size_t i = 0; i < bars.size(); ++i) {
                const double k = double(i + 1);
                const auto& b = bars[i]->numbers;
                EXPECT_EQ(b[0] + b[2] / 2, k);
                EXPECT_EQ(b[1], 0);
                EXPECT_EQ(b[3], geometric ? GeomLastA1QN(a1, by, k) : ArithLastA1DN(a1, by, k));
            }
            expectFinite(f);
        }
    }
}

// Beyond 100 terms: the first and the last 20, with the gap marked and told.
TEST_F(ProgressionsWorking, LongProgressionsShowBothEnds) {
    const Figure f =
        progressionWorking(Row::ArithSumA1DN, {typed("A1", 1), typed("D", 1), typed("N", 1000)},
                           ArithSumA1DNWorked(1, 1, 1000))
            .figure;
    const auto bars = named(f, "term");
    ASSERT_EQ(bars.size(), 40u);
    EXPECT_EQ(bars[19]->numbers[3], 20);
    EXPECT_EQ(bars[20]->numbers[3], 981);
    EXPECT_EQ(bars[39]->numbers[3], 1000);
    EXPECT_EQ(named(f, "gap").size(), 1u);
    EXPECT_EQ(f.note, "Terms 21 to 980 are left out at the gap; the bars after it are the last 20 "
                      "terms, 981 to 1,000.");
    // N not a whole number: no terms, and why
    const Figure broken =
        progressionWorking(Row::ArithSumA1DN, {typed("A1", 1), typed("D", 1), typed("N", 2.5)},
                           ArithSumA1DNWorked(1, 1, 2.5))
            .figure;
    EXPECT_TRUE(named(broken, "term").empty());
    EXPECT_FALSE(broken.note.isEmpty());
}

// The partial sums approach the limit from one side for 0 < Q < 1 and from both sides in
// turn for -1 < Q < 0; at least S1 to S5 are drawn, and the limit is the sum shown.
TEST_F(ProgressionsWorking, PartialSumsApproachTheLimit) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> first(-50, 50), ratio(0.01, 0.99);
    for (int round = 0; round < 300; ++round) {
        const double a1 = first(random), q = round % 2 ? ratio(random) : -ratio(random);
        const Worked w = GeomSumInfiniteWorked(a1, q);
        const Figure f =
            progressionWorking(Row::GeomSumInfinite, {typed("A1", a1), typed("Q", q)}, w).figure;
        SCOPED_TRACE(testing::Message() << "A1 " << a1 << " Q " << q);
        const auto limit = named(f, "limit");
        ASSERT_EQ(limit.size(), 1u);
        EXPECT_EQ(limit[0]->numbers[1], w.answer);
        EXPECT_EQ(limit[0]->numbers[3], w.answer);
        const auto partial = named(f, "partial");
        ASSERT_GE(partial.size(), 5u);
        const double tiny = 1e-12 * std::abs(w.answer);
        for (std::size_t k = 0; k < partial.size(); ++k) {
            const double gap = w.answer - partial[k]->numbers[1];
            if (std::abs(gap) <= tiny) continue; // as close as doubles tell
            // the gap left is A1 q^k / (1 - q): the sign of A1 (times -1 for odd k if q < 0)
            const double expected = q > 0 || k % 2 == 1 ? a1 : -a1;
            EXPECT_EQ(gap > 0, expected > 0) << "S" << k + 1;
            if (k > 0) {
                EXPECT_LE(std::abs(gap), std::abs(w.answer - partial[k - 1]->numbers[1]));
            }
        }
    }
}

// Find D, Find N and Find Q: the known terms at 1 and at N, and what was found.
TEST_F(ProgressionsWorking, KnownTermsAndTheOneFound) {
    const Figure n =
        progressionWorking(Row::ArithCountA1DAn, {typed("A1", 1), typed("D", 2), typed("An", 9)},
                           ArithCountA1DAnWorked(1, 2, 9))
            .figure;
    const auto known = named(n, "known");
    ASSERT_EQ(known.size(), 2u);
    EXPECT_EQ(known[1]->numbers[0] + known[1]->numbers[2] / 2, 5); // An stands at N = 5
    EXPECT_EQ(known[1]->numbers[3], 9);
    EXPECT_EQ(n.find("found")->numbers, (std::vector<double>{5, 0}));
    EXPECT_EQ(named(n, "between").size(), 3u); // 3, 5, 7

    const Figure q =
        progressionWorking(Row::GeomRatioA1AnN, {typed("A1", 2), typed("An", 162), typed("N", 5)},
                           GeomRatioA1AnNWorked(2, 162, 5))
            .figure;
    std::vector<double> between;
    for (const auto* e : named(q, "between")) between.push_back(e->numbers[3]);
    EXPECT_EQ(between, (std::vector<double>{6, 18, 54}));
    EXPECT_TRUE(q.find("ratio")->text.startsWith(u"Q = 3"));
}

// Whatever the values that reach a figure, it holds no infinity: a huge progression is told
// in a note.
TEST_F(ProgressionsWorking, NoInfinityInAnyFigure) {
    std::mt19937 random(23);
    std::uniform_real_distribution<double> exponent(-300, 300);
    std::uniform_int_distribution<int> sign(0, 1);
    const Row rows[] = {Row::ArithSumA1DN,  Row::ArithSumA1AnN,  Row::ArithSumDAnN,
                        Row::ArithLastA1DN, Row::ArithDiffA1AnN, Row::ArithCountA1DAn,
                        Row::GeomSumA1QN,   Row::GeomSumA1QAn,   Row::GeomLastA1QN,
                        Row::GeomRatioA1AnN};
    for (int round = 0; round < 500; ++round) {
        auto any = [&] { return (sign(random) ? 1 : -1) * std::pow(10.0, exponent(random)); };
        const double x = any(), y = any(), z = round % 3 ? std::round(std::abs(any())) : 30;
        for (const Row row : rows) {
            std::vector<Box> boxes = {typed("A1", x), typed("An", y), typed("D", y), typed("Q", y),
                                      typed("N", z)};
            Worked w;
            w.answer = x;
            w.steps = {x, y, z, x, y};
            expectFinite(progressionWorking(row, boxes, w).figure);
        }
    }
}

} // namespace
