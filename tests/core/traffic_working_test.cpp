// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/traffic/traffic_working.h"

#include "entry/conversions.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace sb::traffic;

using TrafficWorking = EnglishDefault;

Given given(double value) { return {sb::resultText(value), value}; }

// A price problem worked as the window works it: the new price from the amount as shown.
sb::working::Working price(bool decrease, const Given& p, const Given& c) {
    PriceChange change{PercentageAmountWorked(p.value, c.value)};
    change.amountShown = sb::readBack(change.amount.amount);
    change.newPrice = decrease ? DecreasedPrice(c.value, change.amountShown)
                               : IncreasedPrice(change.amountShown, c.value);
    return priceWorking(decrease, p, c, change);
}

TEST_F(TrafficWorking, StepsOfEachCommand) {
    struct Case {
        sb::working::Working working;
        QStringList lines; // detail lines included
    };
    const Case cases[] = {
        {motionWorking(Unknown::Time, given(100), given(40), FindT(100, 40)),
         {"Distance = speed × time, so the time is T = S / V.", "S = 100", "V = 40",
          "T = 100 / 40 = 2.5"}},
        {motionWorking(Unknown::Speed, given(1), {"7", 7}, FindV(1, 7)),
         {"Distance = speed × time, so the speed is V = S / T.", "S = 1", "T = 7",
          "V = 1 / 7 = 0.142857142857143"}},
        {motionWorking(Unknown::Distance, {"3/2", 1.5}, given(60), FindS(1.5, 60)),
         {"Distance = speed × time: S = V × T.", "T = 3/2 = 1.5", "V = 60", "S = 60 × 1.5 = 90"}},
        {price(true, given(25), given(80)),
         {"The decrease is P percent of the price C: P × C / 100.", "P = 25", "C = 80",
          "P × C = 25 × 80 = 2000", "The decrease is 25 × 80 / 100 = 20",
          "The new price is C - decrease = 80 - 20 = 60"}},
        // 7 × 0.1 / 100 is a hair above 0.007, which the label shows
        {price(false, given(7), given(0.1)),
         {"The increase is P percent of the price C: P × C / 100.", "P = 7", "C = 0.1",
          "P × C = 7 × 0.1 = 0.7", "The increase is 7 × 0.1 / 100 = 0.007",
          "The new price is worked from the increase as shown, 0.007.",
          "The new price is increase + C = 0.007 + 0.1 = 0.107"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.first().toStdString());
        EXPECT_EQ(c.working.lines(true).join(u'\n').toStdString(),
                  c.lines.join(u'\n').toStdString());
    }
}

// Over random values: the line of the motion runs from the origin to (T, S) with the slope
// V; the bars stand on the axis as high as the price and the new price, and the change's
// arrow runs from one to the other.
TEST_F(TrafficWorking, FiguresAreTheValuesShown) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> any(0.01, 500);
    for (int round = 0; round < 300; ++round) {
        const double a = any(random), b = any(random);
        const double t = FindT(a, b);
        const auto motion = motionWorking(Unknown::Time, given(a), given(b), t).figure;
        EXPECT_EQ(motion.find("motion")->numbers, (std::vector<double>{0, 0, t, a}));
        EXPECT_NEAR(a / t, b, 1e-12 * b);
        const double s = FindS(a, b);
        EXPECT_EQ(
            motionWorking(Unknown::Distance, given(a), given(b), s).figure.find("motion")->numbers,
            (std::vector<double>{0, 0, a, s}));

        const double p = std::min(a, 100.0);
        for (const bool decrease : {true, false}) {
            const auto w = price(decrease, given(p), given(b));
            const auto& f = w.figure;
            const double amount = sb::readBack(PercentageAmount(p, b));
            const double after = decrease ? DecreasedPrice(b, amount) : IncreasedPrice(amount, b);
            EXPECT_EQ(f.find("before")->numbers, (std::vector<double>{0.6, 0, 0.8, b}));
            EXPECT_EQ(f.find("after")->numbers, (std::vector<double>{1.6, 0, 0.8, after}));
            const auto& arrow = f.find("change")->numbers;
            EXPECT_EQ(arrow[1], b);
            EXPECT_EQ(arrow[3], after);
            EXPECT_TRUE(w.lines(false).last().endsWith(QStringLiteral("= ") + sb::resultText(after)));
        }
    }
}

} // namespace
