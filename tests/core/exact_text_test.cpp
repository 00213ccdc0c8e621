// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/exact_text.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using namespace sb::working;

using ExactText = EnglishDefault;

// What the window writes in E-notation a step writes in standard form; every other number as
// the window writes it.
TEST_F(ExactText, NumbersOfAStep) {
    const std::pair<double, const char*> numbers[] = {
        {1E-05, "0.00001"},
        {1E+30, "1 × 10³⁰"},
        {1.5E-09, "0.0000000015"},
        {1E-10, "1 × 10⁻¹⁰"},
        {-3.25E-12, "-3.25 × 10⁻¹²"},
        {1.5E+15, "1.5 × 10¹⁵"},
        {1.2e17, "1.2 × 10¹⁷"},
        {0.25, "0.25"},
        {-0.5, "-0.5"},
        {0, "0"},
        {1.0 / 3, "0.333333333333333"},
        {2.238163270585172e77, "2.23816327058517 × 10⁷⁷"},
        {999999999999999, "999999999999999"},
    };
    for (const auto& [value, text] : numbers) {
        EXPECT_EQ(plain(value).toStdString(), text);
        EXPECT_FALSE(plain(value).contains(u'E')) << text;
    }
    // the locale's decimal mark, in standard form too
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(plain(1.25e-5, german).toStdString(), "0,0000125");
    EXPECT_EQ(plain(1.25e-15, german).toStdString(), "1,25 × 10⁻¹⁵");
    EXPECT_EQ(plain(1234.5, german).toStdString(), "1234,5");
}

// Every digit written out, to say what the window's E-notation stands for.
TEST_F(ExactText, NumbersWrittenOut) {
    const std::pair<double, const char*> numbers[] = {
        {1.25e-5, "0.0000125"}, {1.2e17, "120000000000000000"},
        {-0.5, "-0.5"},         {1.0 / 3, "0.333333333333333"},
        {1234.5, "1234.5"},     {0, "0"},
        {-2E-06, "-0.000002"}};
    for (const auto& [value, text] : numbers) EXPECT_EQ(writtenOut(value).toStdString(), text);
}

// The decimal that ends within 15 significant digits, else a short fraction in lowest terms,
// else nothing; where a step must state the value, the long decimal or fraction itself.
TEST_F(ExactText, ExactValuesWrittenShort) {
    const Rational big = Rational(1000000000000000000) * Rational(1000000000000);
    struct Row {
        Rational value;
        const char* text;              // "" when there is no short form
        const char* written = nullptr; // nullptr: as text
    };
    const Row rows[] = {
        {Rational::of(1, 3), "1/3"},
        {Rational::of(-1, 2), "-0.5"},
        {Rational(2), "2"},
        {Rational::of(-500, 333), "-500/333"},
        {Rational::of(1, 1024), "0.0009765625"},
        {Rational::of(50, 3), "50/3"},
        {Rational::of(1221, 1400), "1221/1400"},
        {Rational::of(1, 999999), "1/999999"},
        {Rational::of(1, 1000003), "", "1/1000003"},
        {Rational::of(1, 100000), "0.00001"},
        {Rational::of(1, 100000000000), "1 × 10⁻¹¹"},
        {big, "1 × 10³⁰"},
        {big - Rational(4), "", "999999999999999999999999999996"},
        // 16 significant digits: no decimal within 15, and the denominator is too long
        {Rational::of(1234567890123457, 10000), "", "123456789012.3457"},
        {Rational::of(1234567890123457, 3), "", "1234567890123457/3"},
        {Rational::of(1, 3) * Rational(3), "1"},
        {Rational(0), "0"},
        {Rational::unknown(), "", "?"},
    };
    for (const Row& row : rows) {
        const char* written = row.written ? row.written : row.text;
        SCOPED_TRACE(written);
        const auto text = exactText(row.value);
        EXPECT_EQ(text ? text->toStdString() : std::string(), row.text);
        if (row.value.known()) EXPECT_EQ(exactWritten(row.value).toStdString(), written);
    }
}

// "=" only when the written result is exactly the value; else "≈".
TEST_F(ExactText, EqualsOrApproximately) {
    struct Row {
        Rational exact;
        double written;
        const char* sign;
    };
    const Row rows[] = {
        {Rational::of(5, 2), 2.5, " = "},
        {Rational(1), 0.999999999999999, " ≈ "},
        {Rational::of(1, 3), 1.0 / 3, " ≈ "},
        {Rational::of(1, 10), 0.1, " = "},       // the double 0.1 is written 0.1, exactly 1/10
        {Rational::of(3, 10), 0.1 + 0.2, " = "}, // 0.30000000000000004 is written 0.3
        {Rational::unknown(), 2, " ≈ "},
    };
    for (const Row& row : rows)
        EXPECT_EQ(equalsSign(row.exact, row.written).toStdString(), row.sign) << row.written;

    const std::pair<Rational, const char*> follows[] = {
        {Rational::of(5, 2), "= 2.5"},
        {Rational::of(10, 3), "= 10/3 ≈ 3.33333333333333"},
        {Rational::of(1, 1000003), "≈ fallback"},
        {Rational::unknown(), "≈ fallback"},
    };
    for (const auto& [value, text] : follows)
        EXPECT_EQ(equalsExact(value, QStringLiteral("fallback")).toStdString(), text);
    const std::pair<Rational, const char*> beside[] = {
        {Rational::of(1, 125), "0.008"},
        {Rational::of(1221, 1400), "1221/1400 ≈ 0.872142857142857"},
        {Rational::of(-2, 3), "-2/3 ≈ -0.666666666666667"},
        {Rational::of(1, 1000003), ""},
    };
    for (const auto& [value, text] : beside)
        EXPECT_EQ(exactBeside(value).value_or(QString()).toStdString(), text);
    EXPECT_TRUE(isFraction(Rational::of(1, 3)));
    EXPECT_FALSE(isFraction(Rational::of(1, 4)));
    EXPECT_FALSE(isFraction(Rational(3)));
}

// Squares are taken out of the root as far as they go; a root of a fraction has its root
// on top, as a pupil's book leaves it.
TEST_F(ExactText, SquareRootsTakenOutOfTheRoot) {
    struct Row {
        Rational value;
        const char* root; // "" when there is none to give
    };
    const Row rows[] = {
        {Rational(12), "2√3"},
        {Rational::of(9, 4), "3/2"},
        {Rational(0), "0"},
        {Rational::of(1, 2), "√2/2"},
        {Rational::of(2, 9), "√2/3"},
        {Rational::of(332, 1000), "√830/50"},
        {Rational(3999996), "6√111111"},
        {Rational::of(3, 16), "√3/4"},
        {Rational(2), "√2"},
        {Rational::of(1, 3), "√3/3"},
        // a square too large to take apart by trial is still known as a square
        {Rational(1000000000000000000) * Rational(1000000000000000000), "1000000000000000000"},
        {Rational(-1), ""},
        {Rational::unknown(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.root);
        const auto root = squareRoot(row.value);
        EXPECT_EQ(root ? root->text().toStdString() : std::string(), row.root);
        // the root squared gives the value back
        if (root) EXPECT_EQ(root->q * root->q * Rational(root->r), row.value);
    }
}

// The value of p + t holds its digits where the two nearly cancel, and the window's number
// is called right only when it is the exact value to the 15 digits it shows.
TEST_F(ExactText, DecimalsOfExactValues) {
    struct Row {
        Rational p;
        Surd t;
        double shown;
        bool right;
    };
    const Row rows[] = {
        {Rational(1000), Surd{-3, 111111}, 0.000500000125000063, true},
        {Rational(1000), Surd{-3, 111111}, 0.000500000125043698,
         false},                                                   // the window's cancellation
        {Rational(1000), Surd{3, 111111}, 1999.99949999987, true}, // not 1999.99949999988
        {Rational(1), Surd{Rational::of(-1, 3), 3}, 0.422649730810374, true},
        {Rational::of(-1, 3), Surd{0, 1}, -0.333333333333333, true},
        {Rational::of(-1, 3), Surd{0, 1}, -0.333333333333334, false},
        {Rational(0), Surd{0, 1}, 5.55111512312578E-17, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shown);
        EXPECT_EQ(shownRight(valueOf(row.p, row.t), row.shown), row.right);
    }
    // √3/2 and 5√3 to 15 digits, as the window would show them with no rounding
    EXPECT_EQ(nearest15(valueOf(Surd{Rational::of(1, 2), 3})), 0.866025403784439);
    EXPECT_EQ(nearest15(valueOf(Surd{5, 3})), 8.66025403784439);
    EXPECT_EQ(nearest15(rootValue(Rational(2))), 1.4142135623731);
    EXPECT_EQ(nearest15(rootValue(Precise(2) / Precise(8))), 0.5);
    EXPECT_NE(rootValue(Rational(-1)), rootValue(Rational(-1))); // NaN
    // 1000 + 3√111111 rounds down at the 15th digit, though a double of it rounds up
    EXPECT_EQ(plainDigits(valueOf(Rational(1000), Surd{3, 111111})).toStdString(),
              "1999.99949999987");
    EXPECT_EQ(plainDigits(valueOf(Surd{Rational::of(1, 3), 3})).toStdString(), "0.577350269189626");
    EXPECT_EQ(plainDigits(valueOf(Rational::of(1, 3 * 100000000000LL))).toStdString(),
              "3.33333333333333 × 10⁻¹²");
}

TEST_F(ExactText, PowersAsSuperscripts) {
    const std::pair<long long, const char*> rows[] = {{7, "⁷"},
                                                      {-12, "⁻¹²"},
                                                      {0, "⁰"},
                                                      {-2147483648LL, "⁻²¹⁴⁷⁴⁸³⁶⁴⁸"},
                                                      {1234567890, "¹²³⁴⁵⁶⁷⁸⁹⁰"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(superscript(value).toStdString(), text);
}

// A value a double cannot hold is 0 or infinite as the double nearest its 15 digits, and at
// once; a value at a double's edges keeps its 15 digits.
TEST_F(ExactText, NearestFifteenDigitsBeyondADoublesRange) {
    const Precise tiny = Precise(1e-300) * Precise(1e-300), huge = Precise(1e300) * Precise(1e300);
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::pair<Precise, double>> rows = {
        {tiny, 0.0},
        {-tiny, 0.0},
        {huge, inf},
        {-huge, -inf},
        {Precise(1e300) * Precise(1.5), 1.5e300},
        {Precise(2e-308) / Precise(3), 6.66666666666667e-309},
    };
    for (const auto& [value, nearest] : rows)
        EXPECT_EQ(nearest15(value), nearest) << static_cast<double>(value);
}

} // namespace
