// The statistics window on long lists: a pasted column of a million numbers must be read,
// and its mean, variance and standard deviation computed, well within a second.

#include "entry/conversions.h"
#include "topics/statistics/dispersion/statistics_lists.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int elements = 1'000'000;

// A list as a pupil might paste it: decimals like 123.45, with fractions like 7/8 and mixed
// numbers like 2/1/3 among them.
QString numbersList(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> whole(0, 9999), cents(0, 99), small(1, 9), kind(0, 9);
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

const QString& numbers() {
    static const QString text = numbersList(7);
    return text;
}

const QString& weights() {
    static const QString text = weightsList(11);
    return text;
}

// One command on the lists: read and check them, then compute; items are list elements
// read (numbers and weights both count).
template <double (*measure)(const sb::statistics::Lists&)>
void command(benchmark::State& state, bool weighted) {
    const QString& n = numbers();
    const QString noWeights;
    const QString& w = weighted ? weights() : noWeights;
    const sb::NumberMarks marks{QLocale(QStringLiteral("en_US"))};
    std::size_t held = 0;
    for (auto _ : state) {
        const auto checked = sb::statistics::checklists(n, w, marks);
        if (checked.refusal) state.SkipWithError("the list was refused");
        benchmark::DoNotOptimize(measure(checked.lists));
        held =
            (checked.lists.numbers.capacity() + checked.lists.weights.capacity()) * sizeof(double);
    }
    state.SetItemsProcessed(state.iterations() * elements * (weighted ? 2 : 1));
    // what the read lists hold beyond the text itself, per number of the list
    state.counters["bytes_per_number"] = double(held) / elements;
}

void StatisticsMean(benchmark::State& s, bool weighted) {
    command<sb::statistics::mean>(s, weighted);
}
void StatisticsVariance(benchmark::State& s, bool weighted) {
    command<sb::statistics::variance>(s, weighted);
}
void StatisticsDeviation(benchmark::State& s, bool weighted) {
    command<sb::statistics::deviation>(s, weighted);
}

BENCHMARK_CAPTURE(StatisticsMean, unweighted, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsMean, weighted, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsVariance, unweighted, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsVariance, weighted, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsDeviation, unweighted, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StatisticsDeviation, weighted, true)->Unit(benchmark::kMillisecond);

} // namespace
