// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/dispersion/statistics_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace {

namespace st = sb::statistics;
using sb::working::Shape;
using st::Measure;

using StatisticsWorking = EnglishDefault;

struct Built {
    st::Lists lists;
    st::Sums sums;
    sb::working::Working working;
};

Built build(const QString& numbers, const QString& weights, Measure which) {
    auto checked = st::checklists(numbers, weights, sb::NumberMarks(QLocale()));
    EXPECT_FALSE(checked.refusal) << numbers.toStdString();
    Built b{std::move(checked.lists), {}, {}};
    b.sums = st::measure(b.lists, which);
    b.working = st::statisticsWorking(which, b.lists, b.sums);
    return b;
}

TEST_F(StatisticsWorking, StepsOfEachCommand) {
    struct Row {
        const char *numbers, *weights;
        Measure which;
        QStringList lines; // with the detail lines
    };
    const Row rows[] = {
        {"1 2 3 4",
         "",
         Measure::Mean,
         {"The mean adds the values and divides by how many there are.", "1 + 2 + 3 + 4 = 10",
          "Sum of the 4 values: 10",
          "With no weights every value counts once, so the total weight is 4",
          "Mean = 10 / 4 = 2.5", "The mean is 2.5"}},
        {"1 2 3",
         "1 1 2",
         Measure::Deviation,
         {"The mean adds value × weight for every value and divides by the sum of the weights.",
          "1 × 1 + 2 × 1 + 3 × 2 = 9", "Sum of value × weight over the 3 values: 9",
          "1 + 1 + 2 = 4", "Sum of the weights: 4", "Mean = 9 / 4 = 2.25",
          "The variance is the mean of the squared distances from the mean, each counted by its "
          "weight:",
          "1 - 2.25 = -1.25; squared × 1: 1.5625", "2 - 2.25 = -0.25; squared × 1: 0.0625",
          "3 - 2.25 = 0.75; squared × 2: 1.125", "Sum of the squares × weights: 2.75",
          "Variance = 2.75 / 4 = 0.6875", "Standard deviation σ = √0.6875 = 0.82915619758885",
          "The standard deviation is 0.82915619758885"}},
        // a negative weight can make the variance negative: no root, and the window says -2
        {"1 2",
         "-1 2",
         Measure::Variance,
         {"The mean adds value × weight for every value and divides by the sum of the weights.",
          "1 × (-1) + 2 × 2 = 3", "Sum of value × weight over the 2 values: 3", "(-1) + 2 = 1",
          "Sum of the weights: 1", "Mean = 3 / 1 = 3",
          "The variance is the mean of the squared distances from the mean, each counted by its "
          "weight:",
          "1 - 3 = -2; squared × (-1): -4", "2 - 3 = -1; squared × 2: 2",
          "Sum of the squares × weights: -2", "Variance = -2 / 1 = -2",
          "A negative weight made the variance negative, so it has no square root.",
          "The variance is -2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.numbers);
        const Built b = build(row.numbers, row.weights, row.which);
        EXPECT_EQ(b.working.lines(true).join(u'\n').toStdString(),
                  row.lines.join(u'\n').toStdString());
    }
}

// Beyond 20 values the table shows the first 20 rows and how many more there are; the
// sums are written out term by term only for a short list.
TEST_F(StatisticsWorking, LongListsCutTheTable) {
    const struct {
        int count;
        const char* more;
    } rows[] = {{20, nullptr},
                {21, "… 1 more value"},
                {1000, "… 980 more values"},
                {1'000'000, "… 999,980 more values"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        QString numbers;
        for (int i = 1; i <= row.count; ++i) numbers += QString::number(i % 97) + u' ';
        numbers.chop(1);
        const Built b = build(numbers, {}, Measure::Variance);
        const QStringList lines = b.working.lines(true);
        const auto tableRows = std::count_if(lines.begin(), lines.end(), [](const QString& l) {
            return l.contains(QStringLiteral("; squared: "));
        });
        EXPECT_EQ(tableRows, std::min(row.count, 20));
        if (row.more) EXPECT_TRUE(lines.contains(QString::fromUtf8(row.more)));
        else EXPECT_FALSE(lines.join(u'\n').contains(u"more value"));
        EXPECT_EQ(b.working.hasDetail(), row.count <= 20); // no sum written out term by term
        EXPECT_LT(lines.size(), 40);
    }
}

// Every number of a figure is finite, so the driver never prints nan or inf.
void expectFinite(const sb::working::Figure& f) {
    for (const auto& e : f.elements)
        for (double n : e.numbers) EXPECT_TRUE(std::isfinite(n)) << e.name.toStdString();
}

double barTotal(const sb::working::Figure& f) {
    double sum = 0;
    for (const auto& e : f.elements)
        if (e.name == u"count") {
            EXPECT_EQ(e.numbers[1], 0); // standing on the axis
            sum += e.numbers[3];
        }
    return sum;
}

// Over random lists: the bars add up to the total weight, the mean is marked where the
// answer is, and the band reaches from mean - sigma to mean + sigma.
TEST_F(StatisticsWorking, FiguresOverRandomLists) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> length(1, 300), spread(1, 4), weightKind(0, 2);
    for (int round = 0; round < 300; ++round) {
        const int n = length(random);
        const double scale = std::pow(10.0, spread(random) * 2 - 4);
        const bool weighted = weightKind(random) == 0;
        std::uniform_int_distribution<int> value(-400, 400), weight(1, 9);
        QString numbers, weights;
        for (int i = 0; i < n; ++i) {
            numbers += sb::resultText(value(random) * scale) + u' ';
            weights += QString::number(weight(random)) + u' ';
        }
        numbers.chop(1), weights.chop(1);
        for (const Measure which : {Measure::Mean, Measure::Variance, Measure::Deviation}) {
            const Built b = build(numbers, weighted ? weights : QString(), which);
            const auto& f = b.working.figure;
            SCOPED_TRACE(numbers.left(200).toStdString());
            expectFinite(f);
            EXPECT_NEAR(barTotal(f), b.sums.weightSum, 1e-9 * b.sums.weightSum);
            ASSERT_TRUE(f.find("mean"));
            EXPECT_EQ(f.find("mean")->numbers, (std::vector<double>{b.sums.mean, 0}));
            EXPECT_EQ(f.find("mean-label")->text, "mean " + sb::resultText(b.sums.mean));
            const auto* sd = f.find("sd");
            ASSERT_EQ(sd != nullptr, which != Measure::Mean);
            if (sd) {
                const double sigma = *b.sums.deviation;
                EXPECT_EQ(sd->numbers,
                          (std::vector<double>{b.sums.mean - sigma, 0, b.sums.mean + sigma, 0}));
            }
            const auto bars = std::count_if(f.elements.begin(), f.elements.end(),
                                            [](const auto& e) { return e.name == u"count"; });
            const std::set<double> different(b.lists.numbers.begin(), b.lists.numbers.end());
            if (different.size() <= 50) {
                EXPECT_EQ(std::size_t(bars), different.size());
            }
            EXPECT_EQ(f.description.startsWith(u"Histogram"), different.size() > 50);
        }
    }
}

// One bar for each different value up to 50 of them; beyond, a histogram whose rule the
// description names.
TEST_F(StatisticsWorking, BarsByValueOrHistogram) {
    const Built dice = build("1 6 6 3 3 3", {}, Measure::Mean);
    std::vector<std::pair<double, double>> bars;
    for (const auto& e : dice.working.figure.elements)
        if (e.name == u"count") bars.push_back({e.numbers[0] + e.numbers[2] / 2, e.numbers[3]});
    EXPECT_EQ(bars, (std::vector<std::pair<double, double>>{{1, 1}, {3, 3}, {6, 2}}));

    QString to7000;
    for (int i = 1; i <= 7000; ++i) to7000 += QString::number(i) + u' ';
    to7000.chop(1);
    const Built wide = build(to7000, {}, Measure::Deviation);
    const auto& f = wide.working.figure;
    EXPECT_TRUE(f.description.startsWith(
        u"Histogram of the 7,000 values from 1 to 7000 in 14 bins of width 500 (Sturges' rule"))
        << f.description.toStdString();
    EXPECT_EQ(barTotal(f), 7000);
    EXPECT_EQ(f.elements.front().name, "band");
}

// Values too far apart for one number line: the mean alone and a note, nothing infinite.
TEST_F(StatisticsWorking, ExtremeValuesDrawNoInfinity) {
    for (const char* numbers : {"1e308 -1e308", "-1.7e308 1.7e308 0", "1e-300 2e-300"}) {
        SCOPED_TRACE(numbers);
        const Built b = build(numbers, {}, Measure::Mean);
        expectFinite(b.working.figure);
        ASSERT_TRUE(b.working.figure.find("mean"));
    }
    EXPECT_FALSE(build("1e308 -1e308", {}, Measure::Mean).working.figure.note.isEmpty());
}

TEST_F(StatisticsWorking, TheGuideWorksItsExample) {
    const auto guide = st::statisticsGuide();
    EXPECT_EQ(guide.boxes.size(), 3);
    EXPECT_EQ(guide.example.steps.back().text, "The standard deviation is 2");
}

} // namespace
