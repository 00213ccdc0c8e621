// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/conversion/conversion_working.h"

#include "working/working.h"

#include "working_steps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace sb::conversion;
using sb::working::Element;
using sb::working::Figure;
using sb::working::Shape;
using sb::working::Working;

class ConversionWorking : public InEnUs {};

TEST_F(ConversionWorking, StepsOfEachConversion) {
    expectSteps({
        {"to improper", improperWorking("6", FractionToImproper("6", "1", "4")),
         "A mixed number as an improper fraction: whole number × denominator + numerator, over "
         "the same denominator\n"
         "The exercise: 6 and 1/4\n"
         "6 × 4 = 24\n"
         "24 + 1 = 25\n"
         "The denominator stays as it was typed: 4\n"
         "Answer: 25/4"},
        {"to improper, whole part rounded",
         improperWorking("2.5", FractionToImproper("2.5", "1", "04")),
         "A mixed number as an improper fraction: whole number × denominator + numerator, over "
         "the same denominator\n"
         "The whole part is 2.5; it is taken as the whole number 2\n"
         "The exercise: 2 and 1/4\n"
         "2 × 4 = 8\n"
         "8 + 1 = 9\n"
         "The denominator stays as it was typed: 04\n"
         "Answer: 9/04"},
        {"to mixed", mixedWorking("-7", "2", ImproperToFraction("-7", "2")),
         "An improper fraction as a mixed number: divide the numerator by the denominator; the "
         "quotient is the whole number, the remainder the new numerator\n"
         "-7 ÷ 2 = -3, remainder -1\n"
         "Answer: -3 and -1/2\n"
         "Each part keeps its own sign: -3 and -1/2 is -3 - 1/2 = -7/2, that is minus 3 and 1/2"},
        {"to mixed, no fraction part, denominator as typed",
         mixedWorking("8", "4.4", ImproperToFraction("8", "4.4")),
         "An improper fraction as a mixed number: divide the numerator by the denominator; the "
         "quotient is the whole number, the remainder the new numerator\n"
         "The denominator is 4.4; it is taken as the whole number 4\n"
         "8 ÷ 4 = 2, remainder 0\n"
         "The remainder is 0, so there is no fraction part\n"
         "Answer: 2"},
        {"to decimal, empty whole part",
         decimalWorking("", "1.5", FractionToDecimal("", "1.5", "2")),
         "A mixed number as a decimal: divide the numerator by the denominator, then add the "
         "whole number\n"
         "The whole number box was empty, so it is 0\n"
         "The numerator is 1.5; it is taken as the whole number 2\n"
         "The exercise: 0 and 2/2\n"
         "2 ÷ 2 = 1\n"
         "1 + 0 = 1\n"
         "Answer: 1"},
        {"to decimal, whole part no number",
         decimalWorking("ab", "1", FractionToDecimal("ab", "1", "2")),
         "The whole number box held \"ab\", which is no number, so the window set it to 0 and "
         "worked nothing out\n"
         "Press the button again to convert with the whole number 0"},
        {"from a decimal", decimalFractionWorking("0.25", DecimalToFraction("0.25")),
         "A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros "
         "as there are digits\n"
         "0.25 has 2 digits after the decimal point: 25\n"
         "10 to the power 2 is 100, so the digits make 25/100\n"
         "The whole number is the part before the decimal point: 0\n"
         "Answer: 0 and 25/100\n"
         "The window does not reduce the fraction\n"
         "Divided by their greatest common divisor 25, in lowest terms: 25/100 = 1/4"},
        {"from a negative decimal in lowest terms",
         decimalFractionWorking("-1.3", DecimalToFraction("-1.3")),
         "A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros "
         "as there are digits\n"
         "-1.3 has 1 digit after the decimal point: 3\n"
         "10 to the power 1 is 10, so the digits make 3/10\n"
         "The whole number is the part before the decimal point: -1\n"
         "Here the minus sign stands for the whole number and the fraction together: -1.3 is "
         "-13/10\n"
         "Answer: -1 and 3/10\n"
         "In the other panels each part keeps its own sign: there -1.3 is typed -1 and -3/10\n"
         "The window does not reduce the fraction\n"
         "The greatest common divisor of 10 and 3 is 1, so 3/10 is in lowest terms already"},
        {"from a decimal without a fraction part",
         decimalFractionWorking("2.00", DecimalToFraction("2.00")),
         "A decimal as a fraction: the digits after the decimal point, over 1 with as many zeros "
         "as there are digits\n"
         "2.00 has 2 digits after the decimal point: 00\n"
         "10 to the power 2 is 100, so the digits make 0/100\n"
         "The whole number is the part before the decimal point: 2\n"
         "The digits after the decimal point make 0, so there is no fraction part\n"
         "Answer: 2"},
    });
}

// The lines that say what the window's own conventions make of the signs of a whole number
// and its fraction, and the exact forms beside the answers: what a conversion adds after its
// computation.
TEST_F(ConversionWorking, SignsAndExactForms) {
    const auto improper = [](const char* s, const char* m, const char* d) {
        return improperWorking(s, FractionToImproper(s, m, d));
    };
    const auto mixed = [](const char* m, const char* d) {
        return mixedWorking(m, d, ImproperToFraction(m, d));
    };
    const auto decimal = [](const char* s, const char* m, const char* d) {
        return decimalWorking(s, m, FractionToDecimal(s, m, d));
    };
    const auto fromDecimal = [](const char* x) {
        return decimalFractionWorking(x, DecimalToFraction(x));
    };
    struct Row {
        Working working;
        std::vector<const char*> said; // the lines about signs and exact forms, in order
    };
    const Row rows[] = {
        {improper("-2", "1", "3"),
         {"Each part keeps its own sign: -2 and 1/3 is -2 + 1/3 = -5/3, not minus 2 and 1/3",
          "For minus 2 and 1/3, that is -7/3, type -2 and -1/3"}},
        {improper("-2", "-1", "3"), {}},
        {improper("2", "1", "-3"),
         {"Each part keeps its own sign: 2 and 1/-3 is 2 - 1/3 = 5/3, not 2 and 1/3",
          "For 2 and 1/3, that is 7/3, type 2 and -1/-3",
          "In lowest terms: -5/-3, that is 5/3"}},
        {improper("6", "2", "4"), {"In lowest terms: 26/4, that is 13/2"}},
        {mixed("10", "4"), {"In lowest terms: 2 and 2/4 is 2 and 1/2, that is 5/2"}},
        {mixed("7", "-2"),
         {"In lowest terms: -3 and 1/-2 is -3 and -1/2, that is -7/2"}},
        {decimal("0", "1", "3"),
         {"The exact value is 1/3: its decimal never ends, so the window shows it rounded to 15 "
          "digits, 0.333333333333333"}},
        {decimal("-2", "1", "3"),
         {"Each part keeps its own sign: -2 and 1/3 is -2 + 1/3 = -5/3, not minus 2 and 1/3",
          "For minus 2 and 1/3, that is -7/3, type -2 and -1/3",
          "The exact value is -5/3: its decimal never ends, so the window shows it rounded to 15 "
          "digits, -1.66666666666667"}},
        {decimal("2", "1", "4"), {"As a fraction in lowest terms: 2.25 = 9/4"}},
        {decimal("1", "1", "0.4"), {"As a fraction in lowest terms: 3.5 = 7/2"}},
        {fromDecimal("-0.25"),
         {"Here the minus sign stands for the whole number and the fraction together: -0.25 is "
          "-1/4",
          "In the other panels each part keeps its own sign: there -0.25 is typed 0 and -25/100"}},
        {fromDecimal("0.5"), {}},
    };
    const QStringList about = {"Each part", "For ", "In lowest terms", "The exact value",
                               "As a fraction", "Here the minus", "In the other panels"};
    for (const Row& row : rows) {
        const QStringList shown = row.working.lines(false);
        SCOPED_TRACE(shown.join('\n').toStdString());
        std::vector<std::string> said;
        for (const QString& line : shown)
            for (const QString& start : about)
                if (line.startsWith(start)) {
                    said.push_back(line.toStdString());
                    break;
                }
        EXPECT_EQ(said, std::vector<std::string>(row.said.begin(), row.said.end()));
    }
}

// Every row of bars is shaded to the value converted, which the point `value` marks, and
// each is cut into its denominator unless that makes too many parts.
TEST_F(ConversionWorking, BarsOfEveryFormAreAsLongAsTheValue) {
    struct Row {
        Working working;
        double value;
        std::vector<std::pair<const char*, int>> cuts; // row, its cuts
    };
    const Row rows[] = {
        {improperWorking("6", FractionToImproper("6", "1", "4")),
         6.25,
         {{"mixedBars", 3}, {"improperBars", 21}}},
        {mixedWorking("-7", "2", ImproperToFraction("-7", "2")),
         -3.5,
         {{"improperBars", 4}, {"mixedBars", 1}}},
        {decimalWorking("2", "1", FractionToDecimal("2", "1", "4")),
         2.25,
         {{"mixedBars", 3}, {"decimalBars", 0}}},
        {decimalFractionWorking("0.125", DecimalToFraction("0.125")),
         0.125,
         {{"decimalBars", 0}, {"mixedBars", 0}, {"lowestBars", 7}}},
    };
    for (const Row& row : rows) {
        const Figure& f = row.working.figure;
        SCOPED_TRACE(f.description.toStdString());
        const Element* value = f.find("value");
        ASSERT_TRUE(value);
        EXPECT_DOUBLE_EQ(value->numbers[0], row.value);
        for (const auto& [name, cuts] : row.cuts) {
            const Element* shade = f.find(QString(name) + "Shade");
            ASSERT_TRUE(shade) << name;
            EXPECT_DOUBLE_EQ(shade->numbers[0] < 0 ? -shade->numbers[2] : shade->numbers[2],
                             row.value);
            int found = 0;
            for (const Element& e : f.elements) found += e.name == QString(name) + "Cut";
            EXPECT_EQ(found, cuts) << name;
        }
    }
    const Figure thousandths = decimalFractionWorking("0.125", DecimalToFraction("0.125")).figure;
    EXPECT_EQ(thousandths.description,
              "Fraction bars of the same length: 0.125 = 0 and 125/1000 = 0 and 1/8, at 0.125 on "
              "the number line. The bars of 0 and 125/1000 are not cut into their 1000 parts: "
              "too many to tell apart.");
    EXPECT_EQ(decimalWorking("2", "1", FractionToDecimal("2", "1", "0.4")).figure.note,
              "The bars of 2 and 1/0.4 are not cut: 0.4 is not a whole number of parts.");
}

TEST_F(ConversionWorking, AValueTooLargeToDrawLeavesTheFigureEmpty) {
    // 1e300 over 1e-300 is beyond the doubles: the window shows its numerator, the figure
    // only says why it is empty
    const Fraction f = FractionToImproper("0", "1e300", "1e-300");
    ASSERT_FALSE(f.refusal);
    const Figure figure = improperWorking("0", f).figure;
    EXPECT_TRUE(figure.empty());
    EXPECT_EQ(figure.note, "The numbers are too large to draw.");
}

TEST_F(ConversionWorking, TheGuideWorksTheMenusExampleOut) {
    EXPECT_TRUE(conversionGuide().example.lines(false).contains("Answer: 6 and 1/4"));
}

} // namespace
