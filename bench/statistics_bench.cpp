// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window on long lists: a pasted column of a million numbers must be read,
// and its mean, variance and standard deviation computed, well within a second; building
// the working of the answer (its steps and figure) must add under 100 ms.

#include "entry/conversions.h"
#include "topics/statistics/dispersion/statistics_lists.h"
#include "topics/statistics/dispersion/statistics_working.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int elements = 1'000'000;

// A list as a pupil might paste it: decimals like 123.45, with fractions like 7/8 and mixed
// numbers like 2/1/3 among them; or nothing but fractions and mixed numbers, each of which
// is written out to be read back.
QString numbersList(unsigned seed, bool fractionsOnly = false) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> whole(0, 9999), cents(0, 99), small(1, 9),
        kind(0, fractionsOnly ? 1 : 9);
    QString text;
    text.reserve(elements * 8);
    for (int i = 0; i < elements; ++i) {
        if (i > 0) text += u' ';
        switch (kind(random)) {
        case 0: text += QStringLiteral("%1/%2").arg(small(random)).arg(small(random) + 1); break;
        case 1:
            text += QStringLiteral("%1/%2/%3")
                        .arg(small(random))
                        .arg(small(random))
                        .arg(small(random) + 1);
            break;
        default: text += QStringLiteral("%1.%2").arg(whole(random)).arg(cents(random)); break;
        }
    }
    return text;
}

// Weights: small whole numbers, halves and the odd fraction.
QString weightsList(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> small(1, 9), kind(0, 9);
    QString text;
    text.reserve(elements * 4);
    for (int i = 0; i < elements; ++i) {
        if (i > 0) text += u' ';
        const int k = kind(random);
        if (k == 0) text += QStringLiteral("1/%1").arg(small(random) + 1);
        else if (k < 4) text += QStringLiteral("%1.5").arg(small(random));
        else text += QString::number(small(random));
    }
    return text;
}

enum class Input { Numbers, Weighted, Fractions, Dice };

// One command on the lists: read and check them, then compute; items are list elements
// read (numbers and weights both count).
template <double (*measure)(const sb::statistics::Lists&)>
void command(benchmark::State& state, Input input) {
    static const QString numbers = numbersList(7), weights = weightsList(11),
                         fractions = numbersList(13, true);
    const QString& n = input == Input::Fractions ? fractions : numbers;
    const QString& w = input == Input::Weighted ? weights : QString();
    const sb::NumberMarks marks{QLocale(QStringLiteral("en_US"))};
    std::size_t held = 0;
    for (auto _ : state) {
        const auto checked = sb::statistics::checklists(n, w, marks);
        if (checked.refusal) state.SkipWithError("the list was refused");
        benchmark::DoNotOptimize(measure(checked.lists));
        held =
            (checked.lists.numbers.capacity() + checked.lists.weights.capacity()) * sizeof(double);
    }
    state.SetItemsProcessed(state.iterations() * elements * (w.isEmpty() ? 1 : 2));
    // what the read lists hold beyond the text itself, per number of the list
    state.counters["bytes_per_number"] = double(held) / elements;
}

void StatisticsMean(benchmark::State& s, Input input) { command<sb::statistics::mean>(s, input); }
void StatisticsVariance(benchmark::State& s, Input input) {
    command<sb::statistics::variance>(s, input);
}
void StatisticsDeviation(benchmark::State& s, Input input) {
    command<sb::statistics::deviation>(s, input);
}

BENCHMARK_CAPTURE(StatisticsMean, unweighted, Input::Numbers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsMean, weighted, Input::Weighted)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsMean, fractions, Input::Fractions)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsVariance, unweighted, Input::Numbers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsVariance, weighted, Input::Weighted)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsDeviation, unweighted, Input::Numbers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsDeviation, weighted, Input::Weighted)->Unit(benchmark::kMillisecond);

// Building the working of a command whose lists are read and measured already: what
// opening the pane adds to the command. Many different values make a histogram; dice
// throws (1 to 6) one bar per value, after a pass that never gives up early.
void StatisticsWorking(benchmark::State& state, Input input, sb::statistics::Measure which) {
    static const QString numbers = numbersList(7), weights = weightsList(11);
    static const QString dice = [] {
        std::mt19937 random(17);
        std::uniform_int_distribution<int> throwOf(1, 6);
        QString text;
        for (int i = 0; i < elements; ++i) text += QString::number(throwOf(random)) + u' ';
        text.chop(1);
        return text;
    }();
    const QString& n = input == Input::Dice ? dice : numbers;
    const QString& w = input == Input::Weighted ? weights : QString();
    const auto checked = sb::statistics::checklists(n, w, sb::NumberMarks(QLocale()));
    const sb::statistics::Sums sums = sb::statistics::measure(checked.lists, which);
    for (auto _ : state)
        benchmark::DoNotOptimize(sb::statistics::statisticsWorking(which, checked.lists, sums));
    state.SetItemsProcessed(state.iterations() * elements);
}

using sb::statistics::Measure;
BENCHMARK_CAPTURE(StatisticsWorking, mean_histogram, Input::Numbers, Measure::Mean)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsWorking, deviation_histogram, Input::Numbers, Measure::Deviation)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsWorking, variance_weighted, Input::Weighted, Measure::Variance)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsWorking, deviation_dice, Input::Dice, Measure::Deviation)
    ->Unit(benchmark::kMillisecond);

} // namespace
