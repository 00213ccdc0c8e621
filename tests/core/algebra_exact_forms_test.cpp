// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/exact_forms.h"

#include "english_default.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::algebra;

using AlgebraExactForms = EnglishDefault;

TEST_F(AlgebraExactForms, FractionsAndDecimalsAsTheStepsWriteThem) {
    struct Row {
        Rational value;
        const char *text, *factor;
    };
    const Row rows[] = {
        {Rational::of(1, 3), "1/3", "(1/3)"},       {Rational::of(-1, 2), "-0.5", "(-0.5)"},
        {Rational(2), "2", "2"},                     {Rational::of(-500, 333), "-500/333", "(-500/333)"},
        {Rational::of(1, 1024), "0.0009765625", "0.0009765625"},
        {Rational::of(1, 3) * Rational::of(3, 1), "1", "1"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(exactText(row.value).toStdString(), row.text);
        EXPECT_EQ(exactFactor(row.value).toStdString(), row.factor);
    }
}

// Squares are taken out of the root as far as they go; a root of a fraction has its root
// on top, as a pupil's book leaves it.
TEST_F(AlgebraExactForms, SquareRootsTakenOutOfTheRoot) {
    struct Row {
        Rational value;
        const char* root; // "" when there is none to give
    };
    const Row rows[] = {
        {Rational(12), "2√3"},          {Rational::of(9, 4), "3/2"},   {Rational(8), "2√2"},
        {Rational(0), "0"},             {Rational::of(1, 2), "√2/2"},  {Rational::of(2, 9), "√2/3"},
        {Rational::of(332, 1000), "√830/50"}, {Rational(3999996), "6√111111"},
        {Rational(-1), ""},             {Rational::unknown(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.root);
        const auto root = squareRoot(row.value);
        EXPECT_EQ(root ? root->text().toStdString() : std::string(), row.root);
        // the root squared gives the value back
        if (root) EXPECT_EQ(root->q * root->q * Rational(root->r), row.value);
    }
}

TEST_F(AlgebraExactForms, SumsOfTermsWithTheirOwnSigns) {
    struct Row {
        std::vector<Surd> terms;
        const char* text;
    };
    const Row rows[] = {
        {{Surd{Rational::of(4, 3), 1}, Surd{Rational::of(-2, 3), 3}}, "4/3 - 2√3/3"},
        {{Surd{-4, 1}, Surd{2, 3}, Surd{6, 1}, Surd{-2, 3}, Surd{-2, 1}}, "-4 + 2√3 + 6 - 2√3 - 2"},
        {{Surd{0, 1}, Surd{1, 2}}, "√2"},
        {{Surd{0, 1}, Surd{0, 5}}, "0"},
        {{Surd{Rational::of(-1, 4), 1}, Surd{Rational::of(1, 10), 1}}, "-0.25 + 0.1"},
    };
    for (const Row& row : rows) EXPECT_EQ(termsText(row.terms).toStdString(), row.text);
    EXPECT_EQ(sumText(Rational(1), Surd{Rational::of(-1, 3), 3}).toStdString(), "1 - √3/3");
    EXPECT_EQ(sumText(Rational(3), Surd{Rational(-1), 1}).toStdString(), "2");
}

// The value of p + t holds its digits where the two nearly cancel, and the window's number
// is called right only when it is the exact value to the 15 digits it shows.
TEST_F(AlgebraExactForms, DecimalsOfExactValues) {
    struct Row {
        Rational p;
        Surd t;
        double shown;
        bool right;
    };
    const Row rows[] = {
        {Rational(1000), Surd{-3, 111111}, 0.000500000125000063, true},
        {Rational(1000), Surd{-3, 111111}, 0.000500000125043698, false}, // the window's cancellation
        {Rational(1000), Surd{3, 111111}, 1999.99949999987, true},       // not 1999.99949999988
        {Rational(1), Surd{Rational::of(-1, 3), 3}, 0.422649730810374, true},
        {Rational::of(-1, 3), Surd{0, 1}, -0.333333333333333, true},
        {Rational::of(-1, 3), Surd{0, 1}, -0.333333333333334, false},
        {Rational(0), Surd{0, 1}, 5.55111512312578E-17, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown);
        EXPECT_EQ(shownRight(valueOf(row.p, row.t), row.shown), row.right);
    }
}

// What the window writes in E-notation a textbook writes as a decimal or with a power of
// ten; exact values of many zeros too, but not a value that 15 digits would round.
TEST_F(AlgebraExactForms, NumbersAsABookWritesThem) {
    const std::pair<double, const char*> numbers[] = {
        {1E-05, "0.00001"}, {-2E-06, "-0.000002"}, {1E+30, "1 × 10³⁰"}, {-7E-99, "-7 × 10⁻⁹⁹"},
        {1.5E+15, "1.5 × 10¹⁵"}, {0.25, "0.25"}, {123456, "123456"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(bookNumber(value).toStdString(), text);
    const Rational big = Rational(1000000000000000000) * Rational(1000000000000);
    EXPECT_EQ(exactText(big).toStdString(), "1 × 10³⁰");
    EXPECT_EQ(exactFactor(big).toStdString(), "(1 × 10³⁰)");
    EXPECT_EQ(exactText(big - Rational(4)).toStdString(), "999999999999999999999999999996");
}

TEST_F(AlgebraExactForms, PowersAsSuperscripts) {
    const std::pair<long long, const char*> rows[] = {
        {7, "⁷"}, {-12, "⁻¹²"}, {0, "⁰"}, {-2147483648LL, "⁻²¹⁴⁷⁴⁸³⁶⁴⁸"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(superscript(value).toStdString(), text);
}

} // namespace
