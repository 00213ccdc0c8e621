// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/progressions/progressions_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "entry/value_entry.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
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

Worked run(Row row, double x, double y, double z) {
    switch (row) {
    case Row::ArithSumA1DN: return ArithSumA1DNWorked(x, y, z);
    case Row::ArithSumA1AnN: return ArithSumA1AnNWorked(x, y, z);
    case Row::ArithSumDAnN: return ArithSumDAnNWorked(x, y, z);
    case Row::ArithLastA1DN: return ArithLastA1DNWorked(x, y, z);
    case Row::ArithDiffA1AnN: return ArithDiffA1AnNWorked(x, y, z);
    case Row::ArithCountA1DAn: return ArithCountA1DAnWorked(x, y, z);
    case Row::GeomSumA1QN: return GeomSumA1QNWorked(x, y, z);
    case Row::GeomSumA1QAn: return GeomSumA1QAnWorked(x, y, z);
    case Row::GeomSumInfinite: return GeomSumInfiniteWorked(x, y);
    case Row::GeomLastA1QN: return GeomLastA1QNWorked(x, y, z);
    case Row::GeomRatioA1AnN: return GeomRatioA1AnNWorked(x, y, z);
    }
    return {};
}

// The row's routine run on the values of its boxes, given in the routine's order.
Worked run(Row row, const std::vector<Box>& b) {
    return run(row, b[0].value, b[1].value, b.size() > 2 ? b[2].value : 0);
}

Figure figure(Row row, const std::vector<Box>& b) {
    return progressionWorking(row, b, run(row, b)).figure;
}

// The boxes of a row from the texts typed, in the routine's order and one space apart: Q, and
// An in a geometric row, are used as typed (their value is the typed text's); every other box
// is written back as typed. A box given whole takes the place of the one of its letter.
std::vector<Box> boxes(Row row, const char* typed, const std::optional<Box>& own = {}) {
    const QStringList texts = QString::fromUtf8(typed).split(u' ');
    const bool geometric = row >= Row::GeomSumA1QN;
    QStringList letters;
    switch (row) {
    case Row::ArithSumA1DN:
    case Row::ArithLastA1DN: letters = {"A1", "D", "N"}; break;
    case Row::ArithSumDAnN: letters = {"D", "An", "N"}; break;
    case Row::ArithCountA1DAn: letters = {"A1", "D", "An"}; break;
    case Row::GeomSumA1QN:
    case Row::GeomLastA1QN:
    case Row::GeomSumInfinite: letters = {"A1", "Q", "N"}; break;
    case Row::GeomSumA1QAn: letters = {"A1", "Q", "An"}; break;
    default: letters = {"A1", "An", "N"}; break;
    }
    std::vector<Box> made;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        const double value = sb::readValue(text, sb::entry_rules::progressions).value;
        const bool held = geometric && (letters[i] == u"Q" || letters[i] == u"An");
        made.push_back({letters[i], text, held ? QString() : text, text, value});
        if (own && own->letter == letters[i]) made.back() = *own;
    }
    return made;
}

TEST_F(ProgressionsWorking, StepsOfEachRow) {
    struct Case {
        Row row;
        const char* typed;
        QStringList lines; // detail lines included
        std::optional<Box> own = {};
    };
    const Box cutA1{"A1", "1/3", "0.333333333333333", "0.333333", 0.333333};
    const Case cases[] = {
        {Row::ArithSumA1DN,
         "1/3 1 10",
         {"Sn = N(2A1 + (N - 1)D) ÷ 2", "A1 = 1/3 ≈ 0.333333333333333",
          "The box keeps 8 characters, so A1 is read as 0.333333", "D = 1", "N = 10",
          "N - 1 = 10 - 1 = 9", "(N - 1)D = 9 × 1 = 9",
          "2A1 + (N - 1)D = 0.333333 + 0.333333 + 9 = 9.666666", "10 × 9.666666 = 96.66666",
          "Sn = 10 × 9.666666 ÷ 2 = 48.33333"},
         cutA1},
        {Row::ArithSumDAnN,
         "-3 2 10/2",
         {"Sn = N(2An - (N - 1)D) ÷ 2", "An = 2", "D = -3",
          "N = 10/2, written back into its box as 5", "2An = 2 + 2 = 4", "N - 1 = 5 - 1 = 4",
          "(N - 1)D = 4 × (-3) = -12", "2An - (N - 1)D = 4 - (-12) = 16",
          "2An - (N - 1)D is A1 + An: the first term plus the last.", "5 × 16 = 80",
          "Sn = 5 × 16 ÷ 2 = 40"},
         Box{"N", "10/2", "5", "5", 5}},
        {Row::GeomSumA1QN,
         "1 4/2 10",
         {"Sn = A1(Qᴺ - 1) ÷ (Q - 1)", "A1 = 1", "Q = 4/2 = 2", "N = 10", "Qᴺ = 2¹⁰ = 1024",
          "Qᴺ - 1 = 1024 - 1 = 1023", "A1(Qᴺ - 1) = 1 × 1023 = 1023", "Q - 1 = 2 - 1 = 1",
          "Sn = 1023 ÷ 1 = 1023"}},
        {Row::GeomSumInfinite,
         "1 -0.5",
         {"S = A1 ÷ (1 - Q), as -1 < Q < 1", "A1 = 1", "Q = -0.5", "1 - Q = 1 - (-0.5) = 1.5",
          "S = 1 ÷ 1.5 = 2/3 ≈ 0.666666666666667"}},
        {Row::GeomRatioA1AnN,
         "2 162 5",
         {"Q = ᴺ⁻¹√(An ÷ A1)", "A1 = 2", "An = 162", "N = 5", "N - 1 = 5 - 1 = 4",
          "An ÷ A1 = 162 ÷ 2 = 81",
          "1 ÷ (N - 1) = 1 ÷ 4 = 0.25: the window takes the root as the power 0.25.",
          "Q = ⁴√81 = 3",
          "Q = -3 fits as well: 2 × (-3)⁴ = 162 too. The window shows the positive one.",
          "Check: A1Qᴺ⁻¹ = 2 × 3⁴ = 162, which is An."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.first().toStdString());
        const std::vector<Box> b = boxes(c.row, c.typed, c.own);
        EXPECT_EQ(progressionWorking(c.row, b, run(c.row, b)).lines(true).join(u'\n').toStdString(),
                  c.lines.join(u'\n').toStdString());
    }
}

// The working of exact cases: the lines it must hold, and a text no line may hold.
TEST_F(ProgressionsWorking, ExactCasesSayWhatTheyMean) {
    struct Case {
        Row row;
        const char* typed;
        const char* lines; // one a line
        QString never = {};
    };
    const Case cases[] = {
        // N counts terms: the whole N meant, and what they give (10, -3, 2.5 and the negative
        // ratio 2, -54, 4 are printed whole by the window script)
        {Row::ArithSumA1DN, "1 1 0.5", "If you meant N = 1, Sn is 1."},
        {Row::ArithSumA1DN, "1 1 0",
         "N is the number of terms, so it should be a whole number from 1 up; N = 0 counts no "
         "terms.",
         "If you meant"},
        {Row::ArithSumDAnN, "2 9 -3",
         "N is the number of terms, so it should be a whole number from 1 up; N = -3 counts no "
         "terms.",
         "If you meant"},
        {Row::ArithSumA1AnN, "1 9 5", "Sn = 5 × 10 ÷ 2 = 25", "whole number"},
        {Row::ArithLastA1DN, "2 3 4.5",
         "N is the number of terms, so it should be a whole number: there is no term number 4.5.\n"
         "If you meant N = 4, An is 11; if you meant N = 5, it is 14."},
        {Row::GeomLastA1QN, "3 2 2.5",
         "If you meant N = 2, An is 6; if you meant N = 3, it is 12.\n"
         "Qᴺ⁻¹ = (2 to the power 1.5) = 2.82842712474619"},
        {Row::GeomSumA1QN, "1 2 2.5", "If you meant N = 2, Sn is 3; if you meant N = 3, it is 7."},
        {Row::ArithDiffA1AnN, "2 20 2.5",
         "N is the number of terms, so it should be a whole number: 2.5 terms make no "
         "progression.\n"
         "D = 18 ÷ 1.5 = 12",
         "Check"},
        {Row::ArithDiffA1AnN, "0 1 4",
         "D = 1 ÷ 3 = 1/3 ≈ 0.333333333333333\n"
         "Check: A1 + (N - 1)D = 0 + 3 × (1/3) = 1, which is An."},
        // Find Q: the real root of a negative ratio, the negative twin of an even degree, the
        // check from the ratio found
        {Row::GeomRatioA1AnN, "1 2 3",
         "Q = √2 = 1.4142135623731\n"
         "Q = -1.4142135623731 fits as well, as an even power of a number and of its negative "
         "are the same. The window shows the positive one.",
         "Check"},
        {Row::GeomRatioA1AnN, "27 1 4",
         "An ÷ A1 = 1 ÷ 27 = 1/27\n"
         "Q = ³√(1/27) = 1/3 ≈ 0.333333333333333\n"
         "Check: A1Qᴺ⁻¹ = 27 × (1/3)³ = 1, which is An."},
        {Row::GeomRatioA1AnN, "2 -6 2",
         "With N - 1 = 1 the root is An ÷ A1 itself.\n"
         "Q = -3",
         "fits as well"},
        {Row::GeomRatioA1AnN, "3 0 5",
         "Q = ⁴√0 = 0\n"
         "With An = 0 the ratio is 0: every term after A1 is 0.",
         "fits as well"},
        {Row::GeomRatioA1AnN, "1 10 2.5",
         "1 ÷ (N - 1) = 1 ÷ 1.5 = 2/3\n"
         "Q = (10 to the power 2/3) = 4.64158883361278",
         "Check"},
        // exact fractions: (1/3)² = 1/9
        {Row::GeomSumA1QN, "9 1/3 2",
         "Qᴺ = (1/3)² = 1/9\n"
         "Qᴺ - 1 = 1/9 - 1 = -8/9\n"
         "A1(Qᴺ - 1) = 9 × (-8/9) = -8\n"
         "Q - 1 = 1/3 - 1 = -2/3\n"
         "Sn = -8 ÷ (-2/3) = 12"},
        {Row::GeomSumA1QAn, "1 2 10",
         "An = 10 is not A1 times a whole power of Q, so it is none of the terms. The formula "
         "gives a number all the same, and that number is what the window shows."},
        {Row::GeomSumA1QAn, "3 1/2 3/8",
         "QAn = 0.5 × 0.375 = 0.1875\n"
         "Sn = -2.8125 ÷ (-0.5) = 5.625",
         "none of the terms"},
        // no E-notation that the window does not show: standard form, as a book writes it
        {Row::GeomLastA1QN, "1 0.001 4",
         "Qᴺ⁻¹ = 0.001³ = 0.000000001\n"
         "An = 1 × 0.000000001 = 1E-09"},
        {Row::GeomSumA1QN, "1 18 61.62", "Qᴺ = (18 to the power 61.62) = 2.23816327058517 × 10⁷⁷"},
        // Find N: a whole N is checked, a broken one placed, one below 1 explained
        {Row::ArithCountA1DAn, "1 2 9",
         "N = 10 ÷ 2 = 5\n"
         "Check: A1 + (N - 1)D = 1 + 4 × 2 = 9, which is An.",
         "whole number"},
        {Row::ArithCountA1DAn, "10 1 1",
         "N = -8 ÷ 1 = -8\n"
         "N should be a whole number from 1 up, and N = -8 is not: An = 1 does not lie ahead of "
         "A1 = 10 in steps of D = 1, so it is none of the terms from A1 on.",
         "Check"},
        // the window's number carries rounding: the exact value, and why they differ, once
        {Row::ArithCountA1DAn, "0.1 1.1 2.9",
         "N = 3.9 ÷ 1.1 = 39/11 ≈ 3.54545454545455\n"
         "The exact value is 39/11 ≈ 3.54545454545455. The window shows 3.54545454545454: the "
         "computer keeps about 16 digits and rounds at every step, so the last digits it shows "
         "carry that rounding."},
        {Row::ArithCountA1DAn, "2.3 0.6 1.7",
         "An - A1 + D = -0.6 + 0.6 = 0\n"
         "N = 0 ÷ 0.6 = 0\n"
         "The exact value is 0. The window shows 1.85037170770859E-16: the computer keeps about "
         "16 digits and rounds at every step, so the last digits it shows carry that rounding."},
    };
    for (const Case& c : cases) {
        const std::vector<Box> b = boxes(c.row, c.typed);
        const QStringList lines = progressionWorking(c.row, b, run(c.row, b)).lines(true);
        SCOPED_TRACE(lines.join(u'\n').toStdString());
        for (const QString& line : QString::fromUtf8(c.lines).split(u'\n'))
            EXPECT_TRUE(lines.contains(line)) << line.toStdString();
        if (!c.never.isEmpty()) {
            EXPECT_FALSE(lines.join(u'\n').contains(c.never));
        }
    }
}

// A row the window refused, or whose computation has no value: the message, then why.
TEST_F(ProgressionsWorking, UnansweredRowsSayWhy) {
    const QString zeroOrOne = QStringLiteral("Q Must not be equals to zero or one.!!!");
    const QString infinite = QStringLiteral("In Infinite Progression Q Must be smaller than 1 and "
                                            "bigger than -1 and not be equals to Zero.!!!");
    const QString ratio =
        QStringLiteral("A1 Must not be equals to zero And N must be bigger than one.!!!");
    const QString fault = QStringLiteral("Unreasonable Data!!!.");
    struct Case {
        Row row;
        const char* typed;
        QString message;
        const char* lines;           // after the message
        std::optional<Box> own = {}; // A1 as the box cut it
    };
    const Case cases[] = {
        {Row::GeomSumA1QN, "2 1 5", zeroOrOne,
         "With Q = 1 every term is A1 = 2: each is 1 times the one before.\n"
         "The formula divides by Q - 1 = 0, so it cannot be used.\n"
         "The sum of N terms that are all A1 is N × A1 = 5 × 2 = 10."},
        {Row::GeomSumA1QN, "2 2/2 2.5", zeroOrOne,
         "With Q = 1 every term is A1 = 2: each is 1 times the one before.\n"
         "The formula divides by Q - 1 = 0, so it cannot be used.\n"
         "The sum of N terms that are all A1 is N × A1."},
        // a box cut to a text that no longer reads as a number: told by its number
        {Row::GeomSumA1QN, "-1234e-8 1 3", zeroOrOne,
         "With Q = 1 every term is A1 = -0.00001234: each is 1 times the one before.\n"
         "The formula divides by Q - 1 = 0, so it cannot be used.\n"
         "The sum of N terms that are all A1 is N × A1.",
         Box{"A1", "-1234e-8", "-1.234E-05", "-1.234E-", -1.234e-05}},
        {Row::GeomSumA1QAn, "2 1 3", zeroOrOne,
         "With Q = 1 every term is A1 = 2: each is 1 times the one before.\n"
         "The formula divides by Q - 1 = 0, so it cannot be used.\n"
         "The sum of N terms that are all A1 is N × A1.\n"
         "An does not tell how many terms there are.\n"
         "Here An = 3 is not A1, so it is none of the terms."},
        {Row::GeomSumA1QN, "4 0 3", zeroOrOne,
         "With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.\n"
         "So the sum is A1 = 4."},
        {Row::GeomLastA1QN, "3 1 5", zeroOrOne,
         "With Q = 1 every term is A1 = 3: each is 1 times the one before.\n"
         "So An = A1 = 3. The window takes no Q of 1 all the same."},
        {Row::GeomSumInfinite, "1 -1", infinite,
         "All the terms add up to one sum only when they shrink towards 0, that is when -1 < Q "
         "< 1.\n"
         "With Q = -1 the terms change sign each time and do not shrink, so the sums S1, S2, S3, "
         "and so on never settle."},
        {Row::GeomSumInfinite, "0 2", infinite,
         "With A1 = 0 every term is 0, and so is their sum; the window asks for -1 < Q < 1 all "
         "the same."},
        {Row::GeomLastA1QN, "5 0 3", zeroOrOne,
         "With Q = 0 every term after A1 is 0: A1, 0, 0, and so on. The window takes no Q of 0.\n"
         "So An = 0 from the second term on, and An = A1 = 5 when N = 1."},
        {Row::GeomRatioA1AnN, "0 5 1", ratio,
         "With A1 = 0 every term is 0 × Q = 0, and An ÷ A1 would divide by 0, so no ratio can "
         "be found.\n"
         "N counts the terms, and a ratio needs two of them, A1 and An: N = 1 is not more than "
         "1."},
        {Row::GeomRatioA1AnN, "2 -162 5", fault,
         "An ÷ A1 = -81 is negative and N - 1 = 4 is even: an even power of a real number is "
         "never negative, so no real Q fits."},
        {Row::GeomRatioA1AnN, "1 -8 2.5", fault,
         "An ÷ A1 = -8 is negative and N - 1 = 1.5 is not a whole number: such a root of a "
         "negative number has no real value."},
        {Row::GeomSumA1QN, "1 -2 2.5", fault,
         "Q = -2 is negative and N = 2.5 is not a whole number: a negative number to a power "
         "that is not whole has no real value.\n"
         "N counts the terms, so it should be a whole number."},
        {Row::ArithLastA1DN, "-1234e-8 1 3", fault,
         "The box of A1 keeps only 8 characters, so it shows -1.234E-, the start of the number "
         "-0.00001234 written in E-notation. -1.234E- is no number, and the row cannot go on "
         "with it.",
         Box{"A1", "-1234e-8", "-1.234E-05", "-1.234E-", 0}},
        {Row::ArithDiffA1AnN, "2 20 1", fault,
         "N = 1 makes N - 1 = 0, and the formula divides by it: with one term there is no step "
         "from one term to the next."},
        {Row::ArithCountA1DAn, "4 0 4", fault,
         "D = 0 makes every term A1 = 4, and the formula divides by D = 0.\n"
         "Here An is A1, so every N fits."},
        {Row::GeomSumA1QN, "1 10 400", fault,
         "A number on the way grows beyond the largest one the computer can hold, about 1.8 × "
         "10³⁰⁸, so there is no answer."},
    };
    for (const Case& c : cases) {
        const QString expected =
            QStringLiteral("The window said: \"%1\"\n").arg(c.message) + QString::fromUtf8(c.lines);
        const std::vector<Box> b = boxes(c.row, c.typed, c.own);
        EXPECT_EQ(unansweredWorking(c.row, b, {c.message}).lines(true).join(u'\n').toStdString(),
                  expected.toStdString());
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
            const Figure f = figure(row, {typed("A1", a1), typed(second, by), typed("N", n)});
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
    const Figure f = figure(Row::ArithSumA1DN, {typed("A1", 1), typed("D", 1), typed("N", 1000)});
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
        figure(Row::ArithSumA1DN, {typed("A1", 1), typed("D", 1), typed("N", 2.5)});
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
    const Figure n = figure(Row::ArithCountA1DAn, {typed("A1", 1), typed("D", 2), typed("An", 9)});
    const auto known = named(n, "known");
    ASSERT_EQ(known.size(), 2u);
    EXPECT_EQ(known[1]->numbers[0] + known[1]->numbers[2] / 2, 5); // An stands at N = 5
    EXPECT_EQ(known[1]->numbers[3], 9);
    EXPECT_EQ(n.find("found")->numbers, (std::vector<double>{5, 0}));
    EXPECT_EQ(named(n, "between").size(), 3u); // 3, 5, 7

    const Figure q = figure(Row::GeomRatioA1AnN, {typed("A1", 2), typed("An", 162), typed("N", 5)});
    std::vector<double> between;
    for (const auto* e : named(q, "between")) between.push_back(e->numbers[3]);
    EXPECT_EQ(between, (std::vector<double>{6, 18, 54}));
    EXPECT_TRUE(q.find("ratio")->text.startsWith(u"Q = 3"));

    // the label of the ratio stands above every bar, the terms between included
    struct Ratio {
        double a1, an, n;
    };
    const Ratio ratios[] = {{2, -54, 4}, {2, 162, 5}, {-1, 32, 6}, {5, 5, 3}, {1, -1, 8}};
    for (const Ratio& r : ratios) {
        const Figure f =
            figure(Row::GeomRatioA1AnN, {typed("A1", r.a1), typed("An", r.an), typed("N", r.n)});
        SCOPED_TRACE(testing::Message() << r.a1 << " " << r.an << " " << r.n);
        for (const auto& e : f.elements)
            if (e.shape == sb::working::Shape::Bar) {
                EXPECT_GE(f.find("ratio")->numbers[1], e.numbers[1] + e.numbers[3]);
            }
    }
}

// A text the chart has no room for is not lost: the slope's D, the N found, the ratio and the
// terms' values stand on the chart or in its note or description, as the window writes them.
TEST_F(ProgressionsWorking, WhatTheChartLeavesOutItsNoteSays) {
    const struct {
        Row row;
        const char *first, *second, *third;
        double x, y, z;
        const char* found; // "D = 3", "N = 5": the answer with its letter
        QString term;      // a term between the ends, as written
    } cases[] = {
        {Row::ArithDiffA1AnN, "A1", "An", "N", 2, 8, -14.0 / 11, "D", {}},
        {Row::ArithDiffA1AnN, "A1", "An", "N", 0, 9, 12.0 / 11, "D", {}},
        {Row::ArithCountA1DAn, "A1", "D", "An", -2, -17, 3, "N", {}},
        {Row::GeomRatioA1AnN, "A1", "An", "N", 12, 12, 6, "Q", {}},
        {Row::GeomLastA1QN, "A1", "Q", "N", 4, -70.18, 12, "An", "-280.72"},
        {Row::GeomLastA1QN, "A1", "Q", "N", -9.0 / 7, 0.5, 11, "An", "-0.642857142857143"},
        {Row::GeomSumA1QN, "A1", "Q", "N", 1.5, 1.25, 12, nullptr, "2.9296875"},
    };
    for (const auto& c : cases) {
        const Worked w = run(c.row, c.x, c.y, c.z);
        const Figure f =
            progressionWorking(c.row,
                               {typed(c.first, c.x), typed(c.second, c.y), typed(c.third, c.z)}, w)
                .figure;
        QString all = f.note + u'\n' + f.description;
        for (const auto& e : f.elements) all += u'\n' + e.text;
        QStringList said;
        if (c.found) said << QStringLiteral("%1 = %2").arg(c.found, sb::resultText(w.answer));
        else said << sb::resultText(w.answer);
        if (!c.term.isEmpty()) said << c.term;
        for (const QString& text : said)
            EXPECT_TRUE(all.contains(text)) << text.toStdString() << " in\n" << all.toStdString();
    }
}

// Whatever the values that reach a figure, it holds no infinity: a huge progression is told
// in a note. The same values in a row with no answer are told as numbers.
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
            // and the working of a row with no answer tells its numbers, whatever their size
            const QString why = unansweredWorking(row, boxes, {"no answer"}).lines(true).join(u' ');
            EXPECT_FALSE(why.contains(u"nan", Qt::CaseInsensitive) ||
                         why.contains(u"inf", Qt::CaseInsensitive))
                << why.toStdString();
        }
    }
}

} // namespace
