// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the triangle-solving windows is built when somebody looks at it: the
// steps and the figure of each kind of solve must take microseconds, not milliseconds.

#include "topics/geometry/law_of_cosines/cosine_working.h"
#include "topics/geometry/law_of_sines/sine_working.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sb;

void twoSidesAndTheAngleBetween(benchmark::State& state) {
    const auto solved = law_of_cosines::SolveSAS(7, 45, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(law_of_cosines::twoSidesWorking(3, 7, 45, 5, solved));
}
BENCHMARK(twoSidesAndTheAngleBetween);

void threeSides(benchmark::State& state) {
    const auto solved = law_of_cosines::SolveSSS(3, 4, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(law_of_cosines::threeSidesWorking(3, 4, 5, solved));
}
BENCHMARK(threeSides);

void threeSidesThatDoNotClose(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            law_of_cosines::threeSidesRefused(1, 3, 1, "Unreasonable Data!!!."));
}
BENCHMARK(threeSidesThatDoNotClose);

void twoAnglesAndASide(benchmark::State& state) {
    const auto solved = law_of_sines::SolveXZB(30, 90, 5);
    for (auto _ : state) benchmark::DoNotOptimize(law_of_sines::twoAnglesWorking(1, solved));
}
BENCHMARK(twoAnglesAndASide);

void twoTrianglesFit(benchmark::State& state) {
    const auto solved = law_of_sines::SolveYAC(30, 6, 10);
    for (auto _ : state) benchmark::DoNotOptimize(law_of_sines::twoSidesWorking(2, solved));
}
BENCHMARK(twoTrianglesFit);

void sideTooShort(benchmark::State& state) {
    const auto solved = law_of_sines::SolveYAC(30, 4, 10);
    for (auto _ : state)
        benchmark::DoNotOptimize(law_of_sines::twoSidesWorking(2, solved, "There is no solution"));
}
BENCHMARK(sideTooShort);

} // namespace
