// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/progressions/progressions.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include "shown.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace sb::progressions;

const QLocale english(QStringLiteral("en_US"));

// What a box of the window holds once a command wrote the number back into it: its
// result text, cut to the box's 8 characters, read again.
double writtenBack(double value) {
    return sb::numberOf(sb::resultText(value, english).left(8), english);
}

using Routine = std::function<double(double, double, double)>;

struct Row {
    const char* what;
    Routine routine;
    double x, y, z; // the routine's inputs in the order it takes them
    const char* result;
};

TEST(Progressions, AnswersAsTheWindowShowsThem) {
    const Row rows[] = {
        {"Sn from A1, D, N", ArithSumA1DN, 1, 1, 100, "5050"},
        {"Sn from A1, D, N", ArithSumA1DN, 3, -2, 4, "0"},
        {"Sn from A1, D, N, N not whole", ArithSumA1DN, 1, 1, 2.5, "4.375"},
        {"Sn from A1, An, N", ArithSumA1AnN, 1, 100, 100, "5050"},
        {"Sn from A1, An, N", ArithSumA1AnN, 0.1, 0.2, 3, "0.45"},
        {"Sn from D, An, N", ArithSumDAnN, 1, 100, 100, "5050"},
        {"Sn from D, An, N", ArithSumDAnN, -3, 2, 5, "40"},
        {"An from A1, D, N", ArithLastA1DN, 1, 2, 10, "19"},
        {"An from A1, D, N", ArithLastA1DN, 5, -0.5, 1, "5"},
        {"D from A1, An, N", ArithDiffA1AnN, 2, 20, 7, "3"},
        {"D from A1, An, N", ArithDiffA1AnN, 0, 1, 4, "0.333333333333333"},
        {"N from A1, D, An: not rounded", ArithCountA1DAn, 1, 2, 10, "5.5"},
        {"N from A1, D, An: negative too", ArithCountA1DAn, 10, 1, 1, "-8"},
        {"Sn from A1, Q, N", GeomSumA1QN, 1, 2, 10, "1023"},
        {"Sn from A1, Q, N, Q negative", GeomSumA1QN, 1, -2, 3, "3"},
        {"Sn from A1, Q, N, N not whole", GeomSumA1QN, 1, 4, 0.5, "0.333333333333333"},
        {"Sn from A1, Q, An", GeomSumA1QAn, 1, 2, 512, "1023"},
        {"Sn from A1, Q, An", GeomSumA1QAn, 3, 0.5, 0.375, "5.625"},
        {"An from A1, Q, N", GeomLastA1QN, 3, 2, 5, "48"},
        {"An from A1, Q, N, Q negative", GeomLastA1QN, 1, -3, 4, "-27"},
        {"An from A1, Q, N, underflow to 0", GeomLastA1QN, 1, 1e-200, 3, "0"},
        {"Q from A1, An, N", GeomRatioA1AnN, 2, 162, 5, "3"},
        {"Q: the positive root only", GeomRatioA1AnN, 1, 16, 5, "2"},
        {"Q: a negative ratio when N = 2", GeomRatioA1AnN, 2, -6, 2, "-3"},
        {"Q: a falling progression", GeomRatioA1AnN, 8, 1, 4, "0.5"},
        // a negative ratio: the real root when N - 1 is odd
        {"Q: a negative ratio, N - 1 = 3", GeomRatioA1AnN, 2, -54, 4, "-3"},
        {"Q: a negative ratio, negative A1", GeomRatioA1AnN, -2, 54, 4, "-3"},
        {"Q: a ratio of -1", GeomRatioA1AnN, 3, -3, 8, "-1"},
        {"Q: An / A1 = 0, N - 1 odd", GeomRatioA1AnN, 3, 0, 4, "0"},
        {"Q: An / A1 = 0, N - 1 even", GeomRatioA1AnN, 3, 0, 5, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.what << ": " << row.x << ", " << row.y << ", " << row.z);
        EXPECT_EQ(shown(row.routine(row.x, row.y, row.z)), row.result);
    }
}

TEST(Progressions, InfiniteSum) {
    struct Sum {
        double a1, q;
        const char* result;
    };
    const Sum rows[] = {
        {1, 0.5, "2"},
        {1, -0.5, "0.666666666666667"},
        {3, 0.9999999, "30000000.0157907"}, // just inside the range is still summed
        {-4, 0.75, "-16"},
    };
    for (const Sum& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a1 << ", " << row.q);
        EXPECT_EQ(shown(GeomSumInfinite(row.a1, row.q)), row.result);
    }
    // Q = 1 has no sum at all: a fault, never inf
    EXPECT_THROW(GeomSumInfinite(1, 1), sb::ArithmeticFault);
}

// A value written back into its box is cut to 8 characters, and the next step works with
// the cut value: a third shows as 0.333333 and the sum of ten is no longer 25.
TEST(Progressions, TheCutOfAWrittenBackValueEntersTheResult) {
    struct Cut {
        const char* what;
        Routine routine;
        double x, y, z;
        const char* exact;
        const char* afterCut;
    };
    const Cut rows[] = {
        {"D = 1/3", ArithSumA1DN, 1, 1.0 / 3, 10, "25", "24.999985"},
        {"D = -1/3", ArithLastA1DN, 0, -1.0 / 3, 4, "-1", "-0.99999"},
        {"A1 = 2/3 is cut, not rounded", ArithSumA1AnN, 2.0 / 3, 0, 3, "1", "0.999999"},
        {"N = 1e9 loses two digits", ArithLastA1DN, 0, 1, 1e9, "999999999", "9999999"},
        {"An = 1/7", ArithDiffA1AnN, 0, 1.0 / 7, 2, "0.142857142857143", "0.142857"},
    };
    for (const Cut& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(shown(row.routine(row.x, row.y, row.z)), row.exact);
        EXPECT_EQ(shown(row.routine(writtenBack(row.x), writtenBack(row.y), writtenBack(row.z))),
                  row.afterCut);
    }
}

// Where a result has no value the routine raises the fault, so neither inf nor nan can
// reach an answer.
TEST(Progressions, NoResultIsAFault) {
    struct Fault {
        const char* what;
        Routine routine;
        double x, y, z;
    };
    const Fault rows[] = {
        {"D with N = 1", ArithDiffA1AnN, 1, 5, 1},
        {"D with N = 1 and A1 = An: 0 / 0", ArithDiffA1AnN, 5, 5, 1},
        {"N with D = 0", ArithCountA1DAn, 1, 0, 5},
        {"N with D = 0 and A1 = An: 0 / 0", ArithCountA1DAn, 1, 0, 1},
        // 2 * A1 overflows although the sum itself would fit
        {"Sn in the window's order", ArithSumA1DN, 0.9e308, 0, 1},
        {"Sn: N * v before the halving", ArithSumA1AnN, 1e308, 1e308, 2},
        {"Sn: 2 * An", ArithSumDAnN, 0, 1e308, 1},
        {"An overflows", ArithLastA1DN, 1e308, 1e308, 3},
        {"Q^N overflows", GeomSumA1QN, 1, 10, 400},
        {"a negative Q to a broken N", GeomSumA1QN, 1, -2, 2.5},
        {"a negative Q to a broken N - 1", GeomLastA1QN, 1, -2, 1.5},
        {"0 to a negative power", GeomLastA1QN, 1, 0, 0},
        {"Q^(N - 1) overflows", GeomLastA1QN, 2, 1e10, 40},
        {"a square root of a negative ratio", GeomRatioA1AnN, 1, -9, 3},
        {"a fourth root of a negative ratio", GeomRatioA1AnN, 2, -162, 5},
        {"a root of a negative ratio of a broken degree", GeomRatioA1AnN, 1, -8, 2.5},
        {"a root of degree 0", GeomRatioA1AnN, 2, 6, 1},
        {"a ratio to a huge power", GeomRatioA1AnN, 1, 10, 1.000001},
        {"Sn from An: An * Q overflows", GeomSumA1QAn, 1, 1e200, 1e200},
    };
    for (const Fault& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_THROW(row.routine(row.x, row.y, row.z), sb::ArithmeticFault);
    }
}

} // namespace
