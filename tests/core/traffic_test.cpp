// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/traffic/traffic.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include "shown.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace sb::traffic;

const QLocale english(QStringLiteral("en_US"));

TEST(Traffic, DistanceSpeedAndTime) {
    struct Row {
        const char* what;
        double (*routine)(double, double);
        double x, y;
        const char* result;
    };
    const Row rows[] = {
        {"T = S / V", FindT, 100, 40, "2.5"},
        {"T = S / V", FindT, 1, 3, "0.333333333333333"},
        {"V = S / T", FindV, 150, 2, "75"},
        {"V = S / T", FindV, 1, 7, "0.142857142857143"},
        {"S = V x T", FindS, 1.5, 60, "90"},
        {"S = V x T", FindS, 0.1, 3, "0.3"},
        {"a small quotient", FindT, 1e-5, 4, "2.5E-06"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.what << ": " << row.x << ", " << row.y);
        EXPECT_EQ(shown(row.routine(row.x, row.y)), row.result);
    }
    EXPECT_THROW(FindT(1e300, 1e-300), sb::ArithmeticFault);
    EXPECT_THROW(FindV(1e300, 1e-10), sb::ArithmeticFault);
    EXPECT_THROW(FindS(1e200, 1e200), sb::ArithmeticFault);
}

// The new price starts from the amount as the window shows it, rounded to 15 digits, and
// that can move the last digit of the new price.
TEST(Traffic, NewPricesFromTheAmountAsShown) {
    struct Row {
        bool decrease;
        double p, c;
        const char* amount;
        const char* newPrice;
        const char* fromUnroundedAmount;
    };
    const Row rows[] = {
        {true, 25, 80, "20", "60", "60"},
        {true, 100, 80, "80", "0", "0"},
        {true, 12.5, 19.99, "2.49875", "17.49125", "17.49125"},
        {false, 150, 80, "120", "200", "200"},
        {false, 12.5, 19.99, "2.49875", "22.48875", "22.48875"},
        {true, 17, 2.0 / 3, "0.113333333333333", "0.553333333333334", "0.553333333333333"},
        {true, 29, 2.0 / 3, "0.193333333333333", "0.473333333333334", "0.473333333333333"},
        {false, 37, 1.0 / 3, "0.123333333333333", "0.456666666666666", "0.456666666666667"},
        {false, 19, 2.0 / 3, "0.126666666666667", "0.793333333333334", "0.793333333333333"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << (row.decrease ? "decrease " : "increase ") << row.p << " % of " << row.c);
        const double amount = PercentageAmount(row.p, row.c);
        EXPECT_EQ(shown(amount), row.amount);
        const double readBack = sb::numberOf(sb::resultText(amount, english), english);
        const auto price = [&](double a) {
            return row.decrease ? DecreasedPrice(row.c, a) : IncreasedPrice(a, row.c);
        };
        EXPECT_EQ(shown(price(readBack)), row.newPrice);
        EXPECT_EQ(shown(price(amount)), row.fromUnroundedAmount);
    }
}

TEST(Traffic, PercentageOverflowIsAFault) {
    // the product comes first, so it overflows where C / 100 first would not
    EXPECT_THROW(PercentageAmount(1e10, 1e300), sb::ArithmeticFault);
    EXPECT_THROW(IncreasedPrice(1.5e308, 1e308), sb::ArithmeticFault);
    EXPECT_EQ(shown(PercentageAmount(1e-300, 1e-300)), "0");
}

} // namespace
