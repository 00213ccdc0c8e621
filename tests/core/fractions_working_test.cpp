// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/fractions/fractions_working.h"

#include "entry/conversions.h"

#include "working_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace sb::fractions;
using sb::working::Element;
using sb::working::Figure;
using sb::working::Shape;
using sb::working::Working;

class FractionsWorking : public InEnUs {};

std::vector<const Element*> all(const Figure& f, const QString& name) {
    std::vector<const Element*> found;
    for (const Element& e : f.elements)
        if (e.name == name) found.push_back(&e);
    return found;
}

double pointAt(const Figure& f, const QString& name) {
    const Element* e = f.find(name);
    EXPECT_TRUE(e && e->shape == Shape::Point) << name.toStdString();
    return e ? e->numbers[0] : NAN;
}

// The shaded length of a row of bars, signed as the value it shows.
double shaded(const Figure& f, const QString& row) {
    const Element* e = f.find(row + QStringLiteral("Shade"));
    if (!e) return 0;
    return e->numbers[0] < 0 ? -e->numbers[2] : e->numbers[2];
}

Working result(const char* s1, const char* m1, const char* d1, Operator op, const char* s2,
               const char* m2, const char* d2) {
    const TypedFractions typed{s1, m1, d1, s2, m2, d2};
    return resultWorking(op, typed, typed, applyOperator(op, typed, {}));
}

TEST_F(FractionsWorking, ResultStepsFollowTheOperator) {
    expectSteps({
        {"+ adds the wholes apart", result("1", "1", "2", Operator::Plus, "2", "2", "3"),
         "The exercise: 1 and 1/2 + 2 and 2/3\n"
         "Add the whole numbers and the fractions apart\n"
         "Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and "
         "d\n"
         "The common denominator of 2 and 3 is C = 6\n"
         "1 × (6 ÷ 2) + 2 × (6 ÷ 3) = 3 + 4 = 7\n"
         "So 1/2 + 2/3 = 7/6\n"
         "As a mixed number: 7 ÷ 6 = 1, remainder 1\n"
         "The whole numbers: 1 + 2 = 3\n"
         "With the 1 from the fraction: 3 + 1 = 4\n"
         "Answer: 4 and 1/6\n"
         "Check with the exact values: 3/2 + 8/3 = 25/6, and 4 and 1/6 is 25/6 too"},
        {"+ rounds the wholes' sum", result("1.5", "1", "2", Operator::Plus, "0", "1", "2"),
         "The exercise: 1.5 and 1/2 + 1/2\n"
         "Add the whole numbers and the fractions apart\n"
         "Rule: a/b + c/d = (a × (C ÷ b) + c × (C ÷ d))/C, with C the common denominator of b and "
         "d\n"
         "The common denominator of 2 and 2 is C = 2\n"
         "1 × (2 ÷ 2) + 1 × (2 ÷ 2) = 1 + 1 = 2\n"
         "So 1/2 + 1/2 = 2/2\n"
         "As a mixed number: 2 ÷ 2 = 1, remainder 0\n"
         "The whole numbers: 1.5 + 0 = 1.5\n"
         "1.5 is rounded to the whole number 2\n"
         "With the 1 from the fraction: 2 + 1 = 3\n"
         "The fraction part is 0, so only the whole number is left\n"
         "Answer: 3"},
        {"- through improper fractions", result("0", "1", "4", Operator::Minus, "0", "7", "4"),
         "The exercise: 1/4 - 7/4\n"
         "Write each mixed number as an improper fraction, then take them away\n"
         "Rule: a/b - c/d = ((C ÷ b) × a - (C ÷ d) × c)/C, with C the common denominator of b and "
         "d\n"
         "Fraction 1 as an improper fraction: (0 × 4 + 1)/4 = 1/4\n"
         "Fraction 2 as an improper fraction: (0 × 4 + 7)/4 = 7/4\n"
         "The common denominator of 4 and 4 is C = 4\n"
         "(4 ÷ 4) × 1 - (4 ÷ 4) × 7 = 1 - 7 = -6\n"
         "As a mixed number: -6 ÷ 4 = -1, remainder -2\n"
         "Answer: -1 and -2/4\n"
         "In lowest terms: -1 and -2/4 is -1 and -1/2, that is -3/2\n"
         "Check with the exact values: 1/4 - 7/4 = -3/2, and -1 and -2/4 is -3/2 too"},
        {"* reduces", result("0", "2", "3", Operator::Times, "0", "3", "4"),
         "The exercise: 2/3 × 3/4\n"
         "Write each mixed number as an improper fraction, then multiply\n"
         "Rule: a/b × c/d = (a × c)/(b × d)\n"
         "Fraction 1 as an improper fraction: (0 × 3 + 2)/3 = 2/3\n"
         "Fraction 2 as an improper fraction: (0 × 4 + 3)/4 = 3/4\n"
         "Numerators: 2 × 3 = 6; denominators: 3 × 4 = 12\n"
         "To reduce 6/12, its greatest common divisor: gcd(12, 6) = 6\n"
         "6 ÷ 6 = 1 and 12 ÷ 6 = 2, so 6/12 = 1/2\n"
         "As a mixed number: 1 ÷ 2 = 0, remainder 1\n"
         "Answer: 0 and 1/2\n"
         "Check with the exact values: 2/3 × 3/4 = 1/2, and 0 and 1/2 is 1/2 too"},
        {"/ turns the second upside down", result("0", "1", "2", Operator::Divide, "0", "1", "4"),
         "The exercise: 1/2 ÷ 1/4\n"
         "Write each mixed number as an improper fraction, then divide\n"
         "Rule: a/b ÷ c/d = (a × d)/(b × c): multiply by the second fraction turned upside "
         "down\n"
         "Fraction 1 as an improper fraction: (0 × 2 + 1)/2 = 1/2\n"
         "Fraction 2 as an improper fraction: (0 × 4 + 1)/4 = 1/4\n"
         "Numerators: 1 × 4 = 4; denominators: 2 × 1 = 2\n"
         "To reduce 4/2, its greatest common divisor: gcd(2, 4) = 2\n"
         "4 ÷ 2 = 2 and 2 ÷ 2 = 1, so 4/2 = 2/1\n"
         "As a mixed number: 2 ÷ 1 = 2, remainder 0\n"
         "The fraction part is 0, so only the whole number is left\n"
         "Answer: 2\n"
         "Check with the exact values: 1/2 ÷ 1/4 = 2"},
        // a comparison is worked on the exact values: each number as one fraction, both over
        // one denominator, the numerators compared
        {"equal, typed differently", result("2", "4", "6", Operator::Equal, "2", "2", "3"),
         "The exercise: 2 and 4/6 = 2 and 2/3\n"
         "Compare the exact values: write each number as one fraction\n"
         "Fraction 1: 2 + 4/6 = 8/3\n"
         "Fraction 2: 2 + 2/3 = 8/3\n"
         "Both have the denominator 3, so compare the numerators\n"
         "8 is equal to 8, so 8/3 is equal to 8/3\n"
         "So 2 and 4/6 = 2 and 2/3 is True"},
        {"both over a new denominator", result("0", "1", "2", Operator::Less, "0", "2", "3"),
         "The exercise: 1/2 < 2/3\n"
         "Compare the exact values: write each number as one fraction\n"
         "Fraction 1: 0 + 1/2 = 1/2\n"
         "Fraction 2: 0 + 2/3 = 2/3\n"
         "Over the common denominator 6: 1/2 = 3/6 and 2/3 = 4/6\n"
         "3 is less than 4, so 1/2 is less than 2/3\n"
         "So 1/2 < 2/3 is True"},
        {"one double, two values", result("1e20", "1", "1", Operator::Greater, "1e20", "0", "1"),
         "The exercise: 1 × 10²⁰ and 1/1 > 1 × 10²⁰ and 0/1\n"
         "Compare the exact values: write each number as one fraction\n"
         "Fraction 1: 1 × 10²⁰ + 1/1 = 100000000000000000001\n"
         "Fraction 2: 1 × 10²⁰ + 0/1 = 100000000000000000000\n"
         "100000000000000000001 is greater than 100000000000000000000\n"
         "Written with 15 digits both are 1 × 10²⁰: the values differ beyond the "
         "digits shown\n"
         "So 1 × 10²⁰ and 1/1 > 1 × 10²⁰ and 0/1 is True"},
        // beyond the exact fractions the window's decimals decide, and the steps show them
        {"huge values by their decimals",
         result("9e99", "1", "1", Operator::Less, "1e99", "0", "1"),
         "The exercise: 9 × 10⁹⁹ and 1/1 < 1 × 10⁹⁹ and 0/1\n"
         "Compare the two numbers as decimals: whole number + numerator ÷ denominator\n"
         "Fraction 1: 9 × 10⁹⁹ + 1 ÷ 1 = 9 × 10⁹⁹\n"
         "Fraction 2: 1 × 10⁹⁹ + 0 ÷ 1 = 1 × 10⁹⁹\n"
         "9 × 10⁹⁹ is greater than 1 × 10⁹⁹\n"
         "So 9 × 10⁹⁹ and 1/1 < 1 × 10⁹⁹ and 0/1 is False"},
        {"a zero fraction 2 cannot divide", result("0", "2", "3", Operator::Divide, "0", "0", "5"),
         "The window said: \"Fraction 2 Can't be equals to zero \"\n"
         "Fraction 2 as an improper fraction: (0 × 5 + 0)/5 = 0/5, which is 0\n"
         "Nothing can be divided by 0, so there is no answer\n"
         "So there is no answer to work out. What the boxes take:\n"
         "Every box takes one plain number, such as 3 or 12: no fractions like 3/4\n"
         "Result: two mixed numbers (a whole number, a numerator and a denominator each) and "
         "one operator: + - * / < > =\n"
         "Make Common Denominator: two whole numbers A and B, not 0\n"
         "Reduction: a numerator and a denominator that is not 0"},
    });
}

TEST_F(FractionsWorking, AWholePartSetTo0IsTold) {
    const TypedFractions typed{"", "1", "2", "x", "1", "3"};
    TypedFractions used = typed;
    used.s1 = used.s2 = "0";
    const QStringList shown =
        resultWorking(Operator::Less, typed, used, applyOperator(Operator::Less, used, {}))
            .lines(false);
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown[0], "The whole number box of fraction 1 held no number, so the window set "
                        "it to 0");
    EXPECT_EQ(shown[1], "The whole number box of fraction 2 held no number, so the window set "
                        "it to 0");
}

TEST_F(FractionsWorking, TheGcdIsWorkedOutInTheDetail) {
    const Working w = result("0", "6", "4", Operator::Times, "0", "9", "10");
    const QStringList detail = w.lines(true);
    // 54/40: Euclid on 40 and 54
    for (const char* line :
         {"40 = 0 × 54 + 40", "54 = 1 × 40 + 14", "40 = 2 × 14 + 12", "14 = 1 × 12 + 2",
          "12 = 6 × 2 + 0", "The last divisor is the greatest common divisor: gcd(40, 54) = 2"})
        EXPECT_TRUE(detail.contains(line)) << line;
    EXPECT_FALSE(w.lines(false).contains("12 = 6 × 2 + 0"));
}

// The figure: both fractions and the result where the window's numbers put them, each row
// of bars shaded to its value and cut into its denominator.
TEST_F(FractionsWorking, ResultFigureStandsAtTheValuesShown) {
    struct Row {
        Working working;
        double p, q, result; // NAN: no result point
        int cuts1, cuts2;    // the cuts of each fraction's bars
    };
    const Row rows[] = {
        {result("1", "1", "2", Operator::Plus, "2", "2", "3"), 1.5, 8.0 / 3, 4 + 1.0 / 6, 2, 6},
        {result("-1", "1", "2", Operator::Times, "0", "3", "4"), -0.5, 0.75, -0.375, 1, 3},
        {result("0", "1", "2", Operator::Less, "0", "2", "3"), 0.5, 2.0 / 3, NAN, 1, 2},
        // 1000 parts are too many to cut: the bar keeps its length, the note says so
        {result("0", "1", "1000", Operator::Plus, "0", "1", "2"), 0.001, 0.5, 0.501, 0, 1},
    };
    for (const Row& row : rows) {
        const Figure& f = row.working.figure;
        SCOPED_TRACE(f.description.toStdString());
        EXPECT_DOUBLE_EQ(pointAt(f, "fraction1"), row.p);
        EXPECT_DOUBLE_EQ(pointAt(f, "fraction2"), row.q);
        EXPECT_DOUBLE_EQ(shaded(f, "fraction1Bars"), row.p);
        EXPECT_DOUBLE_EQ(shaded(f, "fraction2Bars"), row.q);
        EXPECT_EQ(all(f, "fraction1BarsCut").size(), size_t(row.cuts1));
        EXPECT_EQ(all(f, "fraction2BarsCut").size(), size_t(row.cuts2));
        if (std::isnan(row.result)) {
            EXPECT_EQ(f.find("result"), nullptr);
        } else {
            EXPECT_NEAR(pointAt(f, "result"), row.result, 1e-12);
            EXPECT_NEAR(shaded(f, "resultBars"), row.result, 1e-12);
        }
        EXPECT_EQ(f.note.contains("1000 parts"), row.cuts1 == 0);
    }
}

// The hops meet at the result, and the last line explains a result that is no common
// denominator.
TEST_F(FractionsWorking, CommonDenominatorHopsMeetAtTheResult) {
    struct Row {
        const char *b, *a; // A and B
        int hopsOfA, hopsOfB;
        const char *description, *last;
    };
    const Row rows[] = {
        {"4", "6", 3, 2, "Multiples of 4 and of 6 on a number line, meeting at 12.", "Answer: 12"},
        {"-4", "6", 3, 2, "Multiples of -4 and of 6 on a number line, meeting at -12.",
         "A × B is negative, so the window's result is negative too; a common denominator is "
         "taken positive: 12"},
        {"-2", "-4", 2, 1, "Multiples of -2 and of -4 on a number line, meeting at -4.",
         "The window's greatest common divisor -2 is negative, so its result is negative too; a "
         "common denominator is taken positive: 4"},
        {"2.5", "3", 3, 2,
         "Multiples of 2.5 and of 3 on a number line, and the result 7.5, which is not a "
         "multiple of both.",
         "A common denominator is a whole number; 7.5 is none, because A = 2.5 entered the "
         "product as typed"},
        {"1", "30", 0, 1,
         "Multiples of 1 and of 30 on a number line, meeting at 30. The 30 multiples of 1 are "
         "too many to draw one by one.",
         "Answer: 30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        const CommonDenominator o = makeCommonDenominator(row.b, row.a);
        const Working w = commonDenominatorWorking(row.b, row.a, o);
        const Figure& f = w.figure;
        EXPECT_EQ(f.description, row.description);
        EXPECT_EQ(pointAt(f, "result"), sb::numberOf(o.c));
        const auto a = all(f, "multiplesOfA"), b = all(f, "multiplesOfB");
        ASSERT_EQ(a.size(), size_t(row.hopsOfA));
        ASSERT_EQ(b.size(), size_t(row.hopsOfB));
        // hops follow one another from 0, each as long as the number it is a multiple of
        const std::pair<std::vector<const Element*>, double> rowsOfHops[] = {
            {a, std::abs(o.first)}, {b, std::abs(double(o.second))}};
        for (const auto& [hops, size] : rowsOfHops)
            for (size_t i = 0; i < hops.size(); ++i) {
                const auto& n = hops[i]->numbers;
                EXPECT_EQ(n[0], i == 0 ? 0 : hops[i - 1]->numbers[2]);
                EXPECT_DOUBLE_EQ(std::abs(n[2] - n[0]), size);
            }
        EXPECT_TRUE(w.lines(false).contains("Answer: " + o.c));
        EXPECT_EQ(w.lines(false).last().toStdString(), row.last);
    }
}

TEST_F(FractionsWorking, ReductionStepsAndBarsOfEqualLength) {
    struct Row {
        const char *n, *d;
        std::string steps;
        int cutsBefore, cutsAfter;
    };
    const Row rows[] = {
        {"6", "8",
         "To reduce a fraction, divide its numerator and its denominator by their greatest "
         "common divisor\n"
         "The greatest common divisor of 8 and 6 is 2\n"
         "6 ÷ 2 = 3 and 8 ÷ 2 = 4\n"
         "Answer: 6/8 = 3/4",
         7, 3},
        {"-2", "4",
         "To reduce a fraction, divide its numerator and its denominator by their greatest "
         "common divisor\n"
         "The greatest common divisor of 4 and -2 is -2\n"
         "-2 ÷ (-2) = 1 and 4 ÷ (-2) = -2\n"
         "The divisor is negative, so both signs change; the value stays the same\n"
         "Answer: -2/4 = 1/-2\n"
         "The minus sign of the denominator belongs to the whole fraction; a book writes it in "
         "front: 1/-2 = -1/2",
         3, 1},
        {"3.5", "7",
         "To reduce a fraction, divide its numerator and its denominator by their greatest "
         "common divisor\n"
         "The numerator is 3.5; it is taken as the whole number 4\n"
         "The greatest common divisor of 7 and 4 is 1\n"
         "Dividing by 1 changes nothing: 4/7 is in lowest terms already\n"
         "Answer: 4/7",
         6, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        const Reduction o = reduceFraction(row.n, row.d);
        const Working w = reductionWorking(row.n, row.d, o);
        EXPECT_EQ(lines(w), row.steps);
        const double value = double(o.typedNumerator) / o.typedDenominator;
        EXPECT_DOUBLE_EQ(pointAt(w.figure, "value"), value);
        EXPECT_DOUBLE_EQ(shaded(w.figure, "beforeBars"), value);
        EXPECT_DOUBLE_EQ(shaded(w.figure, "afterBars"), value);
        EXPECT_EQ(all(w.figure, "beforeBarsCut").size(), size_t(row.cutsBefore));
        EXPECT_EQ(all(w.figure, "afterBarsCut").size(), size_t(row.cutsAfter));
    }
}

// Where a whole number meets a fraction of the other sign, the steps say what the number is
// and what to type for the mixed number a book means; where the signs agree, nothing.
TEST_F(FractionsWorking, OppositeSignsOfWholeNumberAndFraction) {
    struct Row {
        const char *s, *m, *d;
        const char* said; // the lines, or "" for none
    };
    const Row rows[] = {
        {"-2", "1", "3",
         "In fraction 1 each part keeps its own sign: -2 and 1/3 is -2 + 1/3 = -5/3, not minus 2 "
         "and 1/3\nFor minus 2 and 1/3, that is -7/3, type -2 and -1/3"},
        {"2", "-1", "3",
         "In fraction 1 each part keeps its own sign: 2 and -1/3 is 2 - 1/3 = 5/3, not 2 and "
         "1/3\nFor 2 and 1/3, that is 7/3, type 2 and 1/3"},
        {"2", "1", "-3",
         "In fraction 1 each part keeps its own sign: 2 and 1/-3 is 2 - 1/3 = 5/3, not 2 and "
         "1/3\nFor 2 and 1/3, that is 7/3, type 2 and -1/-3"},
        {"-2", "-1", "-3",
         "In fraction 1 each part keeps its own sign: -2 and -1/-3 is -2 + 1/3 = -5/3, not minus "
         "2 and 1/3\nFor minus 2 and 1/3, that is -7/3, type -2 and 1/-3"},
        {"-1", "3", "2",
         "In fraction 1 each part keeps its own sign: -1 and 3/2 is -1 + 3/2 = 1/2, not minus 1 "
         "and 3/2\nFor minus 1 and 3/2, that is -5/2, type -1 and -3/2"},
        {"-2", "-1", "3", ""},
        {"0", "-1", "3", ""},
        {"-2", "0", "3", ""},
        {"2", "1", "3", ""},
    };
    for (const Operator op : {Operator::Less, Operator::Minus, Operator::Times}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.s) + " " + row.m + "/" + row.d);
            const QStringList shown = result(row.s, row.m, row.d, op, "0", "1", "1").lines(false);
            QStringList said;
            for (const QString& line : shown)
                if (line.startsWith("In fraction") || line.startsWith("For ")) said << line;
            EXPECT_EQ(said.join('\n').toStdString(), row.said);
        }
    }
}

// Answers not in lowest terms, or with a minus sign below, are given in lowest terms too,
// and each answer the exact values give is checked on them.
TEST_F(FractionsWorking, AnswersInLowestTermsAndChecked) {
    struct Row {
        Working working;
        const char* said; // the lines after the answer
    };
    const Row rows[] = {
        {result("0", "1", "6", Operator::Plus, "0", "1", "2"),
         "In lowest terms: 0 and 4/6, that is 2/3\n"
         "Check with the exact values: 1/6 + 1/2 = 2/3, and 0 and 4/6 is 2/3 too"},
        {result("-1", "1", "2", Operator::Plus, "0", "0", "1"),
         "In the answer each part keeps its own sign: -1 and 1/2 is -1 + 1/2 = -1/2, not minus 1 "
         "and 1/2\n"
         "Check with the exact values: -1/2 + 0 = -1/2, and -1 and 1/2 is -1/2 too"},
        {result("0", "1", "2", Operator::Minus, "2", "1", "4"),
         "In the answer each part keeps its own sign: -1 and -3/4 is -1 - 3/4 = -7/4, that is "
         "minus 1 and 3/4\n"
         "Check with the exact values: 1/2 - 9/4 = -7/4, and -1 and -3/4 is -7/4 too"},
        {result("0", "1", "2", Operator::Divide, "0", "-1", "4"),
         "Check with the exact values: 1/2 ÷ (-1/4) = -2"},
        // a product reads the numerator 1.5 as 2: no exact check of a number it did not use
        {result("0", "1.5", "4", Operator::Times, "0", "1", "1"), ""},
        // a sum rounds the whole numbers 1.5 and 0 it adds to 2: no exact check either
        {result("1.5", "1", "2", Operator::Plus, "0", "1", "2"), ""},
        {reductionWorking("0", "5", reduceFraction("0", "5")),
         "A numerator of 0 makes the fraction 0: the greatest common divisor of 0 and a number "
         "is that number, so 0/5 reduces to 0/1"},
        {reductionWorking("6", "-8", reduceFraction("6", "-8")), ""}, // -3/4
    };
    for (const Row& row : rows) {
        const QStringList shown = row.working.lines(false);
        SCOPED_TRACE(shown.join('\n').toStdString());
        QStringList said;
        bool after = false;
        for (const QString& line : shown) {
            if (after) said << line;
            after = after || line.startsWith("Answer: ");
        }
        EXPECT_EQ(said.join('\n').toStdString(), row.said);
    }
}

// Each point of the number line is named, the greater one said; two equal values stand at one
// point, and one label names both so that two do not print over each other.
TEST_F(FractionsWorking, TheNumberLineNamesEachValue) {
    struct Row {
        Working working;
        const char *first, *second;
        const char* description; // "" where another row checks the same
    };
    const Row rows[] = {
        {result("1", "2", "3", Operator::Equal, "0", "5", "3"), "fraction 1 = fraction 2", "",
         "Fraction bars of the same length and a number line: 1 and 2/3 is equal to 5/3, so 1 and "
         "2/3 = 5/3 is True."},
        {result("0.1", "0.2", "1", Operator::Less, "0", "0.3", "1"), "fraction 1 = fraction 2",
         "", ""},
        // differ by 1, but drawn at one point
        {result("1e20", "1", "1", Operator::Equal, "1e20", "0", "1"), "fractions 1 and 2", "",
         ""},
        {result("2", "0", "1", Operator::Greater, "1", "0", "1"), "fraction 1 (greater)",
         "fraction 2", ""},
        {result("0", "1", "2", Operator::Greater, "0", "2", "3"), "fraction 1",
         "fraction 2 (greater)",
         "Fraction bars and a number line: 1/2 is less than 2/3, so 1/2 > 2/3 is False."},
    };
    for (const Row& row : rows) {
        const Figure& f = row.working.figure;
        SCOPED_TRACE(f.description.toStdString());
        EXPECT_EQ(f.find("fraction1")->text, row.first);
        EXPECT_EQ(f.find("fraction2")->text, row.second);
        if (*row.description) EXPECT_EQ(f.description, row.description);
    }
}

TEST_F(FractionsWorking, TheGuideWorksTheExampleOut) {
    const sb::working::Guide guide = fractionsGuide();
    EXPECT_TRUE(guide.example.lines(false).contains("Answer: 4 and 1/6"));
    EXPECT_FALSE(guide.example.figure.empty());
}

} // namespace
