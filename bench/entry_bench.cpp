// SPDX-License-Identifier: GPL-3.0-or-later
// How long reading a typed value, writing a result and solving an equation take: each
// click of a command does a handful of these, so they must stay far below a frame.

#include "entry/conversions.h"
#include "entry/value_entry.h"
#include "topics/algebra/quadratic/solve_quadratic.h"

#include <benchmark/benchmark.h>

namespace {

const QLocale english(QStringLiteral("en_US"));

void readMixedNumber(benchmark::State& state) {
    const QString typed = QStringLiteral("-2/1/4");
    for (auto _ : state)
        benchmark::DoNotOptimize(sb::readValue(typed, sb::entry_rules::quadratic, english));
}
BENCHMARK(readMixedNumber);

void writeResult(benchmark::State& state) {
    double value = 0.422649730810374;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sb::resultText(value, english));
        value += 1e-9;
    }
}
BENCHMARK(writeResult);

void solveQuadratic(benchmark::State& state) {
    double c = -2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sb::quadratic::SolveQuadratic(-3, 6, c));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(solveQuadratic);

} // namespace

