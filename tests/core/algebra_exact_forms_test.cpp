// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/exact_forms.h"

#include "english_default.h"

#include <gtest/gtest.h>

namespace {

using namespace sb::algebra;

using AlgebraExactForms = EnglishDefault;

// A factor is bracketed when its written form has a sign or a fraction bar; the written form
// itself is checked with the other exact texts.
TEST_F(AlgebraExactForms, FactorsInBracketsWhereTheyNeedThem) {
    const std::pair<Rational, const char*> rows[] = {
        {Rational::of(1, 3), "(1/3)"},     {Rational::of(-1, 2), "(-0.5)"},
        {Rational(2), "2"},                {Rational::of(1, 1024), "0.0009765625"},
        {Rational::of(1, 3) * Rational::of(3, 1), "1"},
    };
    for (const auto& [value, factor] : rows) EXPECT_EQ(exactFactor(value).toStdString(), factor);
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

// An exact value of many zeros is written with its power of ten, in brackets as a factor.
TEST_F(AlgebraExactForms, FactorsOfManyZeros) {
    const Rational big = Rational(1000000000000000000) * Rational(1000000000000);
    EXPECT_EQ(exactFactor(big).toStdString(), "(1 × 10³⁰)");
    EXPECT_EQ(exactFactor(Rational::of(1, 100000000000)).toStdString(), "(1 × 10⁻¹¹)");
}

} // namespace
