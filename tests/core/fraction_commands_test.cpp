// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/fractions/fraction_commands.h"

#include "fault_of.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace sb::fractions;
using Kind = sb::ArithmeticFault::Kind;

const QLocale en(QStringLiteral("en_US"));
const std::string mustEnterNumeric = "Must enter a numeric value";
const std::string denominatorZero = "Denominator Cant Be Zero!!!";
const std::string numberZero = "Number Can't Be Zero!!!";

// Two mixed numbers and the operator as typed into the boxes.
struct Typed {
    const char *s1, *m1, *d1, *op, *s2, *m2, *d2;
};

testing::Message trace(const Typed& t) {
    return testing::Message() << "[" << t.s1 << "] " << t.m1 << "/" << t.d1 << " " << t.op << " ["
                              << t.s2 << "] " << t.m2 << "/" << t.d2;
}

std::string said(const std::optional<QString>& message) {
    return message ? message->toStdString() : std::string();
}

// As "Result" does once the fractions are accepted: empty whole parts become "0", the
// operator is looked up, and the operator runs from the labels as they were.
ResultOutcome press(const Typed& t, const ResultLabels& before, const QLocale& locale = en) {
    const TypedFractions typed{wholePart(t.s1, locale), t.m1, t.d1,
                               wholePart(t.s2, locale), t.m2, t.d2};
    return applyOperator(operatorOf(QString::fromUtf8(t.op)).value(), typed, before, locale);
}

std::string fraction(const ResultLabels& labels) {
    return (labels.s3 + "|" + labels.m3 + "|" + labels.d3).toStdString();
}

TEST(FractionResult, RefusalsInTheirOrder) {
    struct Row {
        Typed typed;
        std::string message;
    };
    const Row rows[] = {
        {{"abc", "1", "2", "", "", "1", "3"}, ""}, // whole parts are not tested
        {{"", "1", "0.4", "", "", "1", "3"}, ""},  // not 0 as a number
        {{"", "", "2", "", "", "1", "3"}, mustEnterNumeric},
        {{"", "", "2", "", "", "1", "0"}, mustEnterNumeric},
        {{"", "1", "0", "", "", "1", "x"}, mustEnterNumeric},
        {{"", "1", "2", "", "", "1", "0"}, denominatorZero},
        {{"", "1", "0.0", "", "", "1", "3"}, denominatorZero},
    };
    for (const Row& row : rows) {
        const Typed& t = row.typed;
        SCOPED_TRACE(trace(t));
        EXPECT_EQ(said(refuseFractions({t.s1, t.m1, t.d1, t.s2, t.m2, t.d2}, en)), row.message);
    }
    EXPECT_EQ(wholePart("", en).toStdString(), "0");
    EXPECT_EQ(wholePart("abc", en).toStdString(), "0");
    EXPECT_EQ(wholePart("-1.5", en).toStdString(), "-1.5");
    EXPECT_EQ(operatorOf("/"), Operator::Divide);
    EXPECT_EQ(operatorOf("="), Operator::Equal);
    for (const char* refused : {" +", "+ ", "", "++", "x", ":"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(operatorOf(refused).has_value());
    }
}

TEST(FractionResult, ArithmeticWritesTheFractionAndKeepsTheTruth) {
    struct Row {
        Typed typed;
        const char* fraction; // s3|m3|d3
    };
    const Row rows[] = {
        {{"", "1", "2", "+", "", "1", "3"}, "0|5|6"},
        {{"1", "1", "2", "+", "2", "2", "3"}, "4|1|6"},
        {{"", "1", "6", "+", "", "1", "6"}, "0|2|6"}, // not reduced
        {{"", "1", "2", "+", "", "1", "2"}, "1||"},
        {{"", "1", "4", "-", "", "3", "4"}, "0|-2|4"},
        {{"", "1", "4", "-", "", "7", "4"}, "-1|-2|4"},
        {{"1", "1", "2", "-", "", "3", "4"}, "0|3|4"},
        {{"-1", "1", "2", "-", "", "0", "1"}, "0|-1|2"},
        {{"", "2", "3", "*", "", "3", "4"}, "0|1|2"},
        {{"1", "1", "2", "*", "", "2", "3"}, "1||"},
        {{"", "3", "2", "*", "", "5", "3"}, "2|1|2"},
        {{"", "1", "2", "/", "", "1", "4"}, "2||"},
        {{"", "1", "2", "/", "", "-1", "4"}, "-2||"},
        {{"-1", "1", "2", "+", "", "0", "1"}, "-1|1|2"},
        // read back through the labels: numerators enter "+" as numbers, the sum as an
        // integer (2.5 gives 2); "-", "*" and "/" take the integers of the boxes
        {{"", "1.5", "4", "+", "", "1.5", "4"}, "0|3|4"},
        {{"", "2.5", "4", "+", "", "0", "1"}, "0|2|4"},
        {{"", "1", "2.5", "+", "", "0", "1"}, "0|1|2"}, // 1 x (2 / 2.5) = 0.8
        {{"", "1.5", "4", "-", "", "0.5", "4"}, "0|2|4"},
        // the whole parts: "+" rounds their sum, the others each one on its own
        {{"1.5", "0", "1", "+", "", "0", "1"}, "2||"},
        {{"1.5", "0", "1", "+", "1.5", "0", "1"}, "3||"},
        {{"1.5", "0", "1", "-", "0.5", "0", "1"}, "2||"},
        {{"2.5", "0", "1", "*", "", "1", "1"}, "2||"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(trace(row.typed));
        const ResultOutcome outcome = press(row.typed, {"", "", "", "True"});
        EXPECT_EQ(said(outcome.message), "");
        EXPECT_EQ(fraction(outcome.labels), row.fraction);
        EXPECT_EQ(outcome.labels.truth.toStdString(), "True");
    }
}

TEST(FractionResult, ReadBackFollowsTheLocale) {
    const ResultOutcome outcome =
        press({"", "2,5", "4", "+", "1,5", "0", "1"}, {}, QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(fraction(outcome.labels), "2|2|4");
}

TEST(FractionResult, ComparisonsWriteOnlyTheTruth) {
    struct Row {
        Typed typed;
        const char* truth;
    };
    const Row rows[] = {
        {{"", "1", "2", "<", "", "2", "3"}, "True"},
        {{"", "1", "2", ">", "", "2", "3"}, "False"},
        {{"", "1", "2", "=", "", "2", "4"}, "True"},
        {{"1", "1", "3", "=", "", "4", "3"}, "True"},
        {{"", "1", "2", "<", "", "1", "2"}, "False"},
        {{"-1", "1", "2", "<", "", "0", "1"}, "True"},  // -1/2 < 0
        {{"0.5", "0", "1", "=", "", "1", "2"}, "True"}, // numbers, not integers
        {{"", "1", "0.4", ">", "", "2", "1"}, "True"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(trace(row.typed));
        const ResultOutcome outcome = press(row.typed, {"4", "1", "6", "x"});
        EXPECT_EQ(said(outcome.message), "");
        EXPECT_EQ(fraction(outcome.labels), "4|1|6");
        EXPECT_EQ(outcome.labels.truth.toStdString(), row.truth);
    }
}

// "<", ">" and "=" compare the exact values typed. The doubles of two equal values typed
// differently can differ in their last bit (1 + 2 / 3 and 0 + 5 / 3), and the doubles of two
// different values can be one (1e20 + 1 and 1e20): the column doublesEqual says which the
// doubles alone would have got wrong.
TEST(FractionResult, ComparisonsDecideOnTheExactValues) {
    struct Row {
        const char *s1, *m1, *d1, *s2, *m2, *d2;
        int order; // of fraction 1 against fraction 2: -1, 0 or 1
        bool doublesEqual;
    };
    const Row rows[] = {
        // equal values typed differently
        {"1", "2", "3", "0", "5", "3", 0, false},
        {"2", "4", "6", "2", "2", "3", 0, true},
        {"-1", "-1", "2", "0", "-3", "2", 0, true},
        {"-1", "-1", "2", "-2", "1", "2", 0, true}, // each part with its own sign: -2 + 1/2
        {"0", "-6", "4", "0", "3", "-2", 0, true},
        {"0.1", "0.2", "1", "0", "0.3", "1", 0, false}, // 0.1 + 0.2 is no double 0.3
        {"0", "1", "0.4", "2", "1", "2", 0, true},
        {"1.5", "0", "1", "1", "1", "2", 0, true},
        {"0", "0.1", "3", "0", "1", "30", 0, true},
        // values that really differ, the doubles' answer kept (and the rows of the test above)
        {"0", "1", "3", "0", "0.33", "1", 1, false},
        {"-2", "1", "3", "-2", "-1", "3", 1, false},
        {"0", "1", "9999", "0", "1", "9998", -1, false},
        // values that differ although their doubles are one
        {"1e20", "1", "1", "1e20", "0", "1", 1, true},
        {"1e17", "1", "3", "1e17", "1", "2", -1, true},
        {"-1e20", "-1", "2", "-1e20", "0", "5", -1, true},
        // values too large for exact fractions are compared by their doubles
        {"9e99", "1", "1", "1e99", "0", "1", 1, false},
        {"1e99", "1", "1", "1e99", "0", "1", 0, true},
    };
    for (const Row& row : rows) {
        const std::pair<const char*, int> operators[] = {{"<", -1}, {">", 1}, {"=", 0}};
        for (const auto& [op, holds] : operators) {
            const Typed typed{row.s1, row.m1, row.d1, op, row.s2, row.m2, row.d2};
            SCOPED_TRACE(trace(typed));
            const ResultOutcome outcome = press(typed, {});
            EXPECT_EQ(outcome.labels.truth.toStdString(), row.order == holds ? "True" : "False");
            EXPECT_EQ(outcome.trace.p == outcome.trace.q, row.doublesEqual);
        }
    }
    // the exact values are read in the locale the boxes are typed in
    EXPECT_EQ(press({"0,1", "0,2", "1", "=", "0", "0,3", "1"}, {}, QLocale(QStringLiteral("de_DE")))
                  .labels.truth,
              "True");
}

TEST(FractionResult, ZeroSecondFractionLeavesTheLabels) {
    const Typed rows[] = {
        {"", "2", "3", "/", "", "0", "5"},
        {"", "0", "3", "/", "", "0", "5"},
        {"", "2", "3", "/", "-1", "2", "2"}, // -1 + 2/2
    };
    for (const Typed& typed : rows) {
        SCOPED_TRACE(trace(typed));
        const ResultOutcome outcome = press(typed, {"4", "1", "6", "True"});
        EXPECT_EQ(said(outcome.message), "Fraction 2 Can't be equals to zero ");
        EXPECT_EQ(fraction(outcome.labels), "4|1|6");
        EXPECT_EQ(outcome.labels.truth.toStdString(), "True");
    }
}

TEST(FractionResult, FaultsOfTheIntegers) {
    struct Row {
        Typed typed;
        Kind kind;
    };
    for (const char* op : {"+", "-", "*", "/"}) {
        const Row rows[] = {
            {{"", "1", "0.4", op, "", "1", "2"}, Kind::DivisionByZero},
            {{"", "1", "2", op, "", "1", "0.4"}, Kind::DivisionByZero},
            {{"", "1e10", "1", op, "", "1", "1"}, Kind::Overflow},
            {{"1e10", "1", "2", op, "", "1", "2"}, Kind::Overflow},
            // common(1e9, 3), or the product of the denominators by the numerator of "/"
            {{"", "1", "1e9", op, "", *op == '/' ? "3" : "1", "3"}, Kind::Overflow},
        };
        for (const Row& row : rows) {
            SCOPED_TRACE(trace(row.typed));
            EXPECT_EQ(faultOf([&] { press(row.typed, {}); }), row.kind);
        }
    }
}

TEST(FractionTools, CommonDenominator) {
    struct Row {
        const char *A, *B; // the boxes b and a: A enters as typed, B as its integer
        std::string refusal;
        const char* c;
    };
    const Row rows[] = {
        {"4", "6", "", "12"},
        {"6", "4", "", "12"},
        {"-4", "6", "", "-12"},
        {"4", "-6", "", "12"},
        {"4", "-4", "", "-4"}, // gcd(-4, 4) = 4
        {"3", "3", "", "3"},
        {"2.5", "3", "", "7.5"},
        {"3", "2.5", "", "6"},
        {"0.4", "3", "", "0.4"},
        {"0", "abc", numberZero, ""},
        {"abc", "0.0", numberZero, ""},
        {"abc", "5", mustEnterNumeric, ""},
        {"5", "", mustEnterNumeric, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "A = " << row.A << ", B = " << row.B);
        const CommonDenominator outcome = makeCommonDenominator(row.A, row.B, en);
        EXPECT_EQ(said(outcome.refusal), row.refusal);
        EXPECT_EQ(outcome.c.toStdString(), row.c);
    }
    EXPECT_THROW(makeCommonDenominator("0.4", "0.4", en), sb::ArithmeticFault); // 0 / 0
    EXPECT_THROW(makeCommonDenominator("1e10", "3", en), sb::ArithmeticFault);
    EXPECT_THROW(makeCommonDenominator("3", "1e10", en), sb::ArithmeticFault);
}

TEST(FractionTools, Reduction) {
    struct Row {
        const char *numerator, *denominator;
        std::string refusal;
        const char* reduced; // numerator|denominator
    };
    const Row rows[] = {
        {"6", "8", "", "3|4"},           {"-6", "8", "", "-3|4"},
        {"6", "-8", "", "-3|4"},         {"-6", "-8", "", "3|4"},
        {"-2", "4", "", "1|-2"},         {"4", "-4", "", "1|-1"}, // gcd(-4, 4) = 4
        {"0", "5", "", "0|1"},           {"2.5", "4", "", "1|2"},
        {"", "0", numberZero, "|"},      {"abc", "0", numberZero, "|"},
        {"", "", mustEnterNumeric, "|"}, {"6", "abc", mustEnterNumeric, "|"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.numerator << " / " << row.denominator);
        const Reduction outcome = reduceFraction(row.numerator, row.denominator, en);
        EXPECT_EQ(said(outcome.refusal), row.refusal);
        EXPECT_EQ((outcome.numerator + "|" + outcome.denominator).toStdString(), row.reduced);
    }
    EXPECT_THROW(reduceFraction("1", "0.4", en), sb::ArithmeticFault);
    EXPECT_THROW(reduceFraction("1e10", "3", en), sb::ArithmeticFault);
}

} // namespace
