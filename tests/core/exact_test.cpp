// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/exact.h"

#include <gtest/gtest.h>

using sb::working::Rational;
using sb::working::Surd;

namespace {

const QLocale english(QLocale::English, QLocale::UnitedStates);
const QLocale german(QLocale::German, QLocale::Germany);

TEST(ExactValues, TypedTextsAreReadExactlyAsTheValueEntryReadsThem) {
    const struct {
        const char* typed;
        const char* fraction;
    } cases[] = {
        {"0.1", "1/10"},        {"-2/1/3", "-5/3"}, {"1/2/3", "5/3"},     {"0/5/3", "5/3"},
        {" 2.50 ", "5/2"},      {"1e-3", "1/1000"}, {"-1.5E2", "-150"},    {"4/6", "2/3"},
        {"-0", "0"},            {"3/-4", "-3/4"},   {"0.1/0.3", "1/3"},    {"+7", "7"},
        {"123456789012345678901234567", "123456789012345678901234567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rational::ofText(QString::fromUtf8(c.typed), english).text(), c.fraction) << c.typed;
    EXPECT_EQ(Rational::ofText(u"2,5", german).text(), "5/2");
    for (const char* refused : {"", "abc", "1/0", "1/2/3/4", "1e999"})
        EXPECT_FALSE(Rational::ofText(QString::fromUtf8(refused), english).known()) << refused;
}

TEST(ExactValues, ArithmeticStaysExactAndAnOverflowIsUnknown) {
    const Rational third = Rational::of(1, 3);
    EXPECT_EQ((third + third + third).text(), "1");
    EXPECT_EQ((third * third).text(), "1/9");
    EXPECT_EQ((Rational(5) / Rational(3)).mixedText(), "1 2/3");
    EXPECT_EQ((Rational(-5) / Rational(3)).mixedText(), "-1 2/3");
    EXPECT_EQ(Rational::of(2, 3).power(-2).text(), "9/4");
    EXPECT_FALSE((Rational(1) / Rational(0)).known());
    const Rational huge = Rational::of(Rational::Int(1) << 100, 1);
    EXPECT_FALSE((huge * huge).known());
    EXPECT_FALSE((huge * huge + 1).known()); // unknown spreads
    EXPECT_FALSE(huge * huge < Rational(1)); // and compares with nothing
    EXPECT_EQ(*Rational::of(-1, 8).decimalText(english), "-0.125");
    EXPECT_EQ(*Rational::of(3, 40).decimalText(german), "0,075");
    EXPECT_FALSE(Rational::of(1, 3).decimalText().has_value());
}

TEST(ExactValues, ShownAndDoubleValues) {
    EXPECT_EQ(Rational::ofShown(0.1 + 0.2).text(), "3/10");       // 15 digits: 0.3
    EXPECT_EQ(Rational::ofShown(1.0 / 3).text(), "333333333333333/1000000000000000");
    EXPECT_EQ(Rational::ofShown(-2.5e-7).text(), "-1/4000000");
    EXPECT_EQ(Rational::ofDouble(0.375).text(), "3/8");
    EXPECT_NE(Rational::ofDouble(0.1), Rational::of(1, 10)); // the double is not a tenth
    EXPECT_EQ(Rational::ofDouble(0.1).toDouble(), 0.1);
}

TEST(ExactValues, SinesAndCosinesOfTheSpecialAngles) {
    const struct {
        long long degrees;
        const char* sine;
        const char* cosine;
    } cases[] = {
        {0, "0", "1"},           {30, "1/2", "√3/2"},  {45, "√2/2", "√2/2"}, {60, "√3/2", "1/2"},
        {90, "1", "0"},          {120, "√3/2", "-1/2"}, {135, "√2/2", "-√2/2"}, {180, "0", "-1"},
        {210, "-1/2", "-√3/2"}, {270, "-1", "0"},     {330, "-1/2", "√3/2"}, {-30, "-1/2", "√3/2"},
        {720 + 45, "√2/2", "√2/2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sb::working::exactSin(c.degrees)->text(), c.sine) << c.degrees;
        EXPECT_EQ(sb::working::exactCos(c.degrees)->text(), c.cosine) << c.degrees;
    }
    for (const Rational notSpecial : {Rational(20), Rational::of(61, 2), Rational(100)})
        EXPECT_FALSE(sb::working::exactSin(notSpecial).has_value());
}

TEST(ExactValues, SurdsCompareAsTheNumbersTheyAre) {
    const Surd halfRootThree{Rational::of(1, 2), 3};
    // c × sin(30°) against a: 10 × 1/2 is 5 exactly
    EXPECT_EQ(*sb::working::exactSin(30) * Rational(10), (Surd{5, 1}));
    EXPECT_LT(halfRootThree, (Surd{Rational::of(87, 100), 1}));
    EXPECT_GT(halfRootThree, (Surd{Rational::of(86, 100), 1}));
    EXPECT_LT((Surd{-1, 2}), (Surd{-1, 1}));
    EXPECT_EQ((Surd{1, 2} * Surd{1, 6}).text(), "2√3");
    EXPECT_EQ((Surd{Rational::of(1, 2), 3} * Rational(10)).text(), "5√3");
}

TEST(ExactValues, RoundingBound) {
    EXPECT_TRUE(sb::working::withinRounding(0.999999999999999, 1));
    EXPECT_FALSE(sb::working::withinRounding(0.99999999999, 1));
    EXPECT_EQ(sb::working::compareWithinRounding(60.0000000000001, 60), 0);
    EXPECT_EQ(sb::working::tidy(-2.77555756156289E-17, 0.2), 0);
    EXPECT_EQ(sb::working::tidy(1.6E-15, 1), 0);
    EXPECT_EQ(sb::working::tidy(0.001, 1), 0.001);
}

} // namespace
