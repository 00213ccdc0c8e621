// SPDX-License-Identifier: GPL-3.0-or-later
// Building the working of each command of the quadratic equation and complex numbers
// windows: it is built only when the pane shows it, and must stay far below a frame.

#include "topics/algebra/complex/complex_working.h"
#include "topics/algebra/quadratic/quadratic_working.h"

#include <benchmark/benchmark.h>

namespace {

using namespace sb;

void quadraticTwoRoots(benchmark::State& state) {
    const auto solution = quadratic::Solve(-3, 6, -2);
    for (auto _ : state) benchmark::DoNotOptimize(quadratic::quadraticWorking(solution));
}
BENCHMARK(quadraticTwoRoots);

void quadraticNoRealRoot(benchmark::State& state) {
    const auto solution = quadratic::Solve(0.333, 1, 1);
    for (auto _ : state) benchmark::DoNotOptimize(quadratic::quadraticWorking(solution));
}
BENCHMARK(quadraticNoRealRoot);

void complexOperation(benchmark::State& state) {
    const complex::Pair z1{3, -2}, z2{6, 4};
    const QString op = QString::fromLatin1(state.range(0) == 0 ? "+" : "/");
    const auto outcome = complex::ComplexOperate(z1, op, z2);
    for (auto _ : state) benchmark::DoNotOptimize(complex::operationWorking(z1, op, z2, outcome));
}
BENCHMARK(complexOperation)->Arg(0)->Arg(1); // 0: a sum, 1: a quotient

void complexPower(benchmark::State& state) {
    const auto power = complex::PowerOfIWorked(-5);
    for (auto _ : state) benchmark::DoNotOptimize(complex::powerWorking(-5, power));
}
BENCHMARK(complexPower);

void complexPolar(benchmark::State& state) {
    const auto polar = complex::PolarWorked(-3, 4);
    for (auto _ : state) benchmark::DoNotOptimize(complex::polarWorking(-3, 4, polar));
}
BENCHMARK(complexPolar);

} // namespace
