// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/conversion/fraction_conversion.h"

#include "fault_of.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace sb::conversion;
using Kind = sb::ArithmeticFault::Kind;

const QLocale en(QStringLiteral("en_US"));
const QLocale de(QStringLiteral("de_DE"));
const std::string mustEnterNumeric = "Must enter a numeric value";
const std::string denominatorZero = "Denominator Cant Be Zero!!!";
const std::string decimalForm = "You must enter a decimal number in form ab.def";

// The labels of a panel as "whole|numerator|denominator", or the message told instead.
std::string shown(const Fraction& f) {
    if (f.refusal) return f.refusal->toStdString();
    return (f.whole + "|" + f.numerator + "|" + f.denominator).toStdString();
}

// The whole-part box and the decimal label as "box|decimal" ("-" for no result), or the
// message told instead.
std::string shown(const Decimal& d) {
    if (d.refusal) return d.refusal->toStdString();
    return (d.whole.value_or("?") + "|" + d.decimal.value_or("-")).toStdString();
}

struct Typed {
    const char *a, *b, *c;
};

TEST(FractionConversion, FractionToImproper) {
    struct Row {
        Typed typed; // whole, numerator, denominator
        std::string shown;
    };
    const Row rows[] = {
        {{"6", "1", "4"}, "|25|4"},
        {{"-2", "1", "2"}, "|-3|2"}, // the whole part's sign stays with it
        {{"0", "3", "4"}, "|3|4"},
        {{"2", "1", "04"}, "|9|04"}, // the denominator as typed, its number computed with
        {{"1", "1", " 4 "}, "|5| 4 "},
        {{"2.5", "1", "4"}, "|9|4"}, // the whole part as an integer, halves to even
        {{"3.5", "1", "4"}, "|17|4"},
        {{"1", "0.5", "2"}, "|2.5|2"}, // numerator and denominator as typed
        {{"1", "1", "0.5"}, "|1.5|0.5"},
        {{"1", "1", "-4"}, "|-3|-4"},
        {{"1e2", "1", "4"}, "|401|4"},
        {{"", "1", "4"}, mustEnterNumeric}, // an empty whole part is no 0 here
        {{"1", "", "4"}, mustEnterNumeric},
        {{"1", "1", ""}, mustEnterNumeric},
        {{"1", "1/4", "4"}, mustEnterNumeric},
        {{"x", "1", "0"}, mustEnterNumeric}, // numbers are tested before the denominator
        {{"1", "1", "0"}, denominatorZero},
        {{"1", "1", "-0.0"}, denominatorZero},
    };
    for (const Row& row : rows) {
        const Typed& t = row.typed;
        SCOPED_TRACE(testing::Message() << t.a << " " << t.b << "/" << t.c);
        EXPECT_EQ(shown(FractionToImproper(t.a, t.b, t.c, en)), row.shown);
    }
}

TEST(FractionConversion, ImproperToFraction) {
    struct Row {
        const char *numerator, *denominator;
        std::string shown;
    };
    const Row rows[] = {
        {"25", "4", "6|1|4"},
        {"3", "4", "0|3|4"},
        {"8", "4", "2||"},
        {"-7", "2", "-3|-1|2"}, // the remainder takes the numerator's sign
        {"7", "-2", "-3|1|-2"},
        {"-8", "4", "-2||"},
        {"10", "4", "2|2|4"}, // not reduced
        {"0", "5", "0||"},
        {"7.5", "2", "4||"},
        {"7", "2.4", "3|1|2.4"}, // computed with 2, shown as typed
        {"25", " 04", "6|1| 04"},
        {"", "4", mustEnterNumeric},
        {"1", "x", mustEnterNumeric},
        {"x", "0", mustEnterNumeric},
        {"1/2", "3", mustEnterNumeric},
        {"1", "0", denominatorZero},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.numerator << "/" << row.denominator);
        EXPECT_EQ(shown(ImproperToFraction(row.numerator, row.denominator, en)), row.shown);
    }
}

TEST(FractionConversion, FractionToDecimal) {
    struct Row {
        Typed typed; // whole, numerator, denominator
        std::string shown;
    };
    const Row rows[] = {
        {{"", "1", "4"}, "0|0.25"}, // an empty whole part becomes 0
        {{"2", "1", "4"}, "2|2.25"},
        {{"", "1", "3"}, "0|0.333333333333333"},
        {{"", "1.5", "2"}, "0|1"}, // the numerator as an integer, halves to even
        {{"", "2.5", "1"}, "0|2"},
        {{"", "1", "0.5"}, "0|2"}, // the denominator as typed
        {{"-2", "1", "4"}, "-2|-1.75"},
        {{"1.5", "1", "4"}, "1.5|2.25"}, // the box keeps 1.5; 2 is added
        {{"abc", "1", "4"}, "0|-"},      // set to 0, nothing computed, no message
        {{" ", "1", "4"}, "0|-"},
        {{"abc", "x", "4"}, mustEnterNumeric},
        {{"abc", "1", "0"}, denominatorZero},
        {{"1", "", "4"}, mustEnterNumeric},
        {{"1", "1", ""}, mustEnterNumeric},
        {{"", "1", "0"}, denominatorZero},
    };
    for (const Row& row : rows) {
        const Typed& t = row.typed;
        SCOPED_TRACE(testing::Message() << t.a << " " << t.b << "/" << t.c);
        EXPECT_EQ(shown(FractionToDecimal(t.a, t.b, t.c, en)), row.shown);
    }
}

TEST(FractionConversion, DecimalToFraction) {
    struct Row {
        const char* locale;
        const char* decimal;
        std::string shown;
    };
    const Row rows[] = {
        {"en_US", "0.25", "0|25|100"}, // never reduced
        {"en_US", "0.5", "0|5|10"},
        {"en_US", "12.5", "12|5|10"},
        {"en_US", "0.05", "0|5|100"}, // leading zeros leave the numerator, not the places
        {"en_US", "0.125", "0|125|1000"},
        {"en_US", "-0.25", "-0|25|100"}, // the whole part as typed
        {"en_US", "+1.5", "+1|5|10"},
        {"en_US", " 1.5", " 1|5|10"},
        {"en_US", "1.5 ", "1|5|10"}, // a blank after the digits is no decimal place
        {"en_US", "2.0", "2||"},
        {"en_US", "2.000", "2||"},
        {"en_US", "12", decimalForm},
        {"en_US", ".5", decimalForm},
        {"en_US", "3.", decimalForm},
        {"en_US", "-.5", decimalForm},
        {"en_US", "1.5e1", decimalForm}, // 15 has no places 5e1
        {"en_US", "1.2.3", mustEnterNumeric},
        {"en_US", "", mustEnterNumeric},
        {"en_US", "abc", mustEnterNumeric},
        {"en_US", "1/2", mustEnterNumeric},
        {"de_DE", "12,5", "12|5|10"}, // the locale's decimal mark is the point
        {"de_DE", "12.5", mustEnterNumeric},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.locale << " " << row.decimal);
        EXPECT_EQ(shown(DecimalToFraction(row.decimal, QLocale(row.locale))), row.shown);
    }
}

TEST(FractionConversion, IntegersBeyondTheirRangeAreFaults) {
    EXPECT_EQ(faultOf([] { FractionToImproper("9e99", "1", "4", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { FractionToImproper("9", "1", "1e308", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { ImproperToFraction("1", "0.4", en); }), Kind::DivisionByZero);
    EXPECT_EQ(faultOf([] { ImproperToFraction("9e99", "2", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { ImproperToFraction("-2147483648", "-1", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { FractionToDecimal("", "9e99", "4", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { FractionToDecimal("9e99", "1", "4", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { FractionToDecimal("", "2000000000", "1e-300", en); }), Kind::Overflow);
    EXPECT_EQ(faultOf([] { DecimalToFraction("1.99999999999", en); }), Kind::Overflow);
}

} // namespace
