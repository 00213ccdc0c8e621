// SPDX-License-Identifier: GPL-3.0-or-later
// Building the working of each command of the fraction windows: it is built only when the
// pupil looks, but must then take no more than a blink, bars and cuts included.

#include "topics/algebra/conversion/conversion_working.h"
#include "topics/algebra/fractions/fractions_working.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sb;

template <class Build> void each(benchmark::State& state, Build build) {
    for (auto _ : state) benchmark::DoNotOptimize(build());
}

void fractionToImproper(benchmark::State& s) {
    const auto f = conversion::FractionToImproper("6", "1", "4");
    each(s, [&] { return conversion::improperWorking("6", f); });
}
BENCHMARK(fractionToImproper);

void improperToFraction(benchmark::State& s) {
    const auto f = conversion::ImproperToFraction("25", "4");
    each(s, [&] { return conversion::mixedWorking("25", "4", f); });
}
BENCHMARK(improperToFraction);

void fractionToDecimal(benchmark::State& s) {
    const auto d = conversion::FractionToDecimal("2", "1", "3");
    each(s, [&] { return conversion::decimalWorking("2", "1", d); });
}
BENCHMARK(fractionToDecimal);

void decimalToFraction(benchmark::State& s) {
    const auto f = conversion::DecimalToFraction("0.125");
    each(s, [&] { return conversion::decimalFractionWorking("0.125", f); });
}
BENCHMARK(decimalToFraction);

// each operator on the same two mixed numbers, with many cuts in their bars
void operatorResult(benchmark::State& s) {
    const auto op = fractions::Operator(s.range(0));
    const fractions::TypedFractions typed{"3", "5", "12", "2", "7", "8"};
    const auto outcome = fractions::applyOperator(op, typed, {});
    each(s, [&] { return fractions::resultWorking(op, typed, typed, outcome); });
}
BENCHMARK(operatorResult)->DenseRange(0, 6);

void commonDenominator(benchmark::State& s) {
    const auto o = fractions::makeCommonDenominator("12", "18");
    each(s, [&] { return fractions::commonDenominatorWorking("12", "18", o); });
}
BENCHMARK(commonDenominator);

void reduction(benchmark::State& s) {
    const auto o = fractions::reduceFraction("1836311", "1134903");
    each(s, [&] { return fractions::reductionWorking("1836311", "1134903", o); });
}
BENCHMARK(reduction);

} // namespace
