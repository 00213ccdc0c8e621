// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/algebra/complex/complex_numbers.h"

#include "fault_of.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using namespace sb::complex;
using Kind = sb::ArithmeticFault::Kind;

const QLocale en(QStringLiteral("en_US"));
const std::string setOperation = "Please Set the operation [+ - * / < > =]!!!.";
const std::string secondIsZero = "Complex Number two csn't be zero!!!.";

TEST(ComplexOperate, TheFourOperations) {
    struct Row {
        Pair first;
        const char* op;
        Pair second;
        Pair result;
    };
    const Row rows[] = {
        {{3, -2}, "+", {6, 4}, {9, 2}},
        {{3, -2}, "-", {6, 4}, {-3, -6}},
        {{3, -2}, "*", {6, 4}, {26, 0}},
        {{1, 2}, "*", {3, 4}, {-5, 10}},
        {{0, 1}, "*", {0, 1}, {-1, 0}},
        {{1, 1}, "/", {1, -1}, {0, 1}},
        {{4, 6}, "/", {0, 2}, {3, -2}}, // q = 4
        {{1, 0}, "/", {0, -1}, {0, 1}},
        {{1, 0}, "/", {3, 0}, {1.0 / 3, 0}},
        {{-0.5, 0.25}, "+", {0.5, -0.25}, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.first.re << "," << row.first.im << " " << row.op
                                        << " " << row.second.re << "," << row.second.im);
        const Operated outcome = ComplexOperate(row.first, row.op, row.second);
        EXPECT_FALSE(outcome.refusal.has_value());
        EXPECT_EQ(outcome.result.re, row.result.re);
        EXPECT_EQ(outcome.result.im, row.result.im);
    }
}

TEST(ComplexOperate, Refusals) {
    struct Row {
        const char* op;
        Pair second;
        std::string message;
    };
    const Row rows[] = {
        {"/", {0, 0}, secondIsZero},        {"/", {-0.0, -0.0}, secondIsZero},
        {"<", {1, 1}, setOperation}, // named in the message, yet no operation here
        {">", {1, 1}, setOperation},        {"=", {1, 1}, setOperation},
        {" +", {1, 1}, setOperation},       {"+ ", {1, 1}, setOperation},
        {"", {1, 1}, setOperation},         {"**", {1, 1}, setOperation},
        {"x", {0, 0}, setOperation}, // the operator is told before the zero divisor
        {"\xc3\xb7", {1, 1}, setOperation},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.op);
        const Operated outcome = ComplexOperate({1, 2}, QString::fromUtf8(row.op), row.second);
        ASSERT_TRUE(outcome.refusal.has_value());
        EXPECT_EQ(outcome.refusal->toStdString(), row.message);
    }
}

TEST(ComplexOperate, ResultsBeyondTheRangeOfADoubleAreFaults) {
    struct Row {
        Pair first;
        const char* op;
        Pair second;
    };
    const double big = std::numeric_limits<double>::max();
    const Row rows[] = {
        {{big, 0}, "+", {big, 0}},         {{0, -big}, "-", {0, big}},
        {{1e200, 1}, "*", {1e200, 1}},     {{1, 1}, "/", {1e200, 0}}, // the square of c
        {{1e300, 1e300}, "/", {1e-10, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.op);
        EXPECT_EQ(faultOf([&] { ComplexOperate(row.first, row.op, row.second); }), Kind::Overflow);
    }
}

TEST(PowerOfI, RemainderByFourOfTheRoundedExponent) {
    struct Row {
        double n;
        const char* power;
    };
    const Row rows[] = {
        {0, "1"},
        {4, "1"},
        {-4, "1"},
        {1, "i"},
        {5, "i"},
        {2, "-1"},
        {3, "-i"},
        {-1, "-i"},
        {-2, "-1"},
        {-3, "i"},
        {-5, "-i"},
        {2.5, "-1"},
        {3.5, "1"},
        {0.5, "1"},
        {1.5, "-1"},
        {-0.5, "1"},
        {-2.5, "-1"},
        {-1.5, "-1"},
        {1.4, "i"},
        {-0.0, "1"},
        {2147483647, "-i"},
        {-2147483648.0, "1"},
        {-2147483648.5, "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_EQ(PowerOfI(row.n).toStdString(), row.power);
    }
    for (const double beyond : {2147483647.5, 2147483648.0, -2147483649.0, 1e10, -1e300}) {
        SCOPED_TRACE(beyond);
        EXPECT_EQ(faultOf([&] { PowerOfI(beyond); }), Kind::Overflow);
    }
}

std::string polar(const char* s, const char* angle) {
    return std::string("Root(") + s + ")*Cos(" + angle + ") + Root(" + s + ")*i*Sin(" + angle + ")";
}

TEST(PolarText, AngleOfTheQuadrantRoundedToTwoPlaces) {
    struct Row {
        double x, y;
        const char* s;
        const char* angle;
    };
    const Row rows[] = {
        // right of the imaginary axis: the arctangent of y / x as it is
        {1, 1, "2", "45"},
        {3, 4, "25", "53.13"},
        {1, -1, "2", "-45"},
        {3, -4, "25", "-53.13"},
        {2, 1, "5", "26.57"},
        {5, -12, "169", "-67.38"},
        {2, 0, "4", "0"},
        {1, -0.0, "1", "0"},
        {1e-300, 1e10, "1E+20", "90"}, // y / x beyond the doubles: still the right angle
        // left of it: the arctangent turned by half a circle
        {-1, 1, "2", "135"},
        {-1, -1, "2", "-135"},
        {-3, 4, "25", "126.87"},
        {-3, -4, "25", "-126.87"},
        {-1, 0, "1", "180"},
        {-1, -0.0, "1", "180"},
        {-1, 1e-9, "1", "180"},
        {-1, -1e-9, "1", "180"}, // rounds to -180, the same angle
        // on the imaginary axis
        {0, 1, "1", "90"},
        {0, -2, "4", "-90"},
        {-0.0, 3, "9", "90"},
        {-0.0, -3, "9", "-90"},
        {0, 0, "0", "0"},
        {-0.0, -0.0, "0", "0"},
        // the sum of the squares as its result text
        {0.1, 0.2, "0.05", "63.43"},
        {1e-5, 0, "1E-10", "0"},
        {1e150, 1e150, "2E+300", "45"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
        EXPECT_EQ(PolarText(row.x, row.y, en).toStdString(), polar(row.s, row.angle));
    }
}

TEST(PolarText, WrittenInTheLocale) {
    const QLocale de(QStringLiteral("de_DE"));
    EXPECT_EQ(PolarText(3, 4, de).toStdString(), polar("25", "53,13"));
    EXPECT_EQ(PolarText(0.5, -0.5, de).toStdString(), polar("0,5", "-45"));
}

TEST(PolarText, SquaresBeyondTheRangeOfADoubleAreFaults) {
    for (const auto& [x, y] : {std::pair{1e200, 1.0}, {1.0, -1e200}, {-1e155, 1e155}}) {
        SCOPED_TRACE(testing::Message() << x << ", " << y);
        EXPECT_EQ(faultOf([&] { PolarText(x, y, en); }), Kind::Overflow);
    }
}

} // namespace
