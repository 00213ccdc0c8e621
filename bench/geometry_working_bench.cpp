// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the circle, quadrilateral and triangle areas windows is built only when the
// pupil looks at it: the steps and the figure of any command must take microseconds, not the
// milliseconds a pupil would notice.

#include "topics/geometry/circle/circle_working.h"
#include "topics/geometry/quadrilaterals/quadrilateral_working.h"
#include "topics/geometry/triangle_areas/triangle_areas_working.h"

#include <benchmark/benchmark.h>

namespace {

using Measure = sb::circle::Measure;

void circleWorking(benchmark::State& state) {
    const auto given = Measure(state.range(0)), found = Measure(state.range(1));
    const sb::circle::Circle answer = sb::circle::solve(given, found, 12.5);
    for (auto _ : state) benchmark::DoNotOptimize(sb::circle::circleWorking(answer));
}
// the ten buttons: radius 0, diameter 1, area 2, perimeter 3
BENCHMARK(circleWorking)
    ->ArgsProduct({{0, 1}, {2, 3}})
    ->ArgsProduct({{2, 3}, {0, 1}})
    ->Args({2, 3})
    ->Args({3, 2});

// the longest steps of the window: a perimeter with side A, and the refusal with its guide
void quadrilateralWorking(benchmark::State& state) {
    using Q = sb::quadrilaterals::Question;
    const auto question = Q(state.range(0));
    const std::vector<double> given = question == Q::TrapeziumArea ? std::vector{3.0, 5.0, 4.0}
                                      : question >= Q::TrapeziumArea
                                          ? std::vector{3.0, double(state.range(1))}
                                          : std::vector{7.0};
    const auto answer = sb::quadrilaterals::solve(question, given);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sb::quadrilaterals::quadrilateralWorking(answer, QStringLiteral("Implausible Data")));
}
BENCHMARK(quadrilateralWorking)
    ->ArgsProduct({{int(sb::quadrilaterals::Question::SquarePerimeterFromArea),
                    int(sb::quadrilaterals::Question::TrapeziumArea),
                    int(sb::quadrilaterals::Question::DiagonalsArea),
                    int(sb::quadrilaterals::Question::RectangleAreaFromPerimeter),
                    int(sb::quadrilaterals::Question::ParallelogramHeightOrBase)},
                   {10}})
    ->Args({int(sb::quadrilaterals::Question::RectangleAreaFromPerimeter), 5}); // refused

// base and height, Heron's formula, and sides that do not close (refused, with the guide)
void triangleWorking(benchmark::State& state) {
    using Q = sb::triangle_areas::Question;
    const bool heron = state.range(0) > 0;
    const std::vector<double> given = !heron                ? std::vector{10.0, 5.0}
                                      : state.range(0) == 1 ? std::vector{5.0, 6.0, 7.0}
                                                            : std::vector{1.0, 1.0, 3.0};
    const auto answer =
        sb::triangle_areas::solve(heron ? Q::HeronArea : Q::AreaFromBaseAndHeight, given);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sb::triangle_areas::triangleWorking(answer, QStringLiteral("Unreasonable Data!!!.")));
}
BENCHMARK(triangleWorking)->DenseRange(0, 2);

} // namespace
