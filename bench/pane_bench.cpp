// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a topic window's working pane for the first time and drawing it, figure included:
// what the pupil waits for after pressing "Show Working" (it must stay under 30 ms).

#include "app/window_registry.h"
#include "ui/form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void PaneOpen(benchmark::State& state) {
    const QString name = QStringLiteral("Form%1").arg(state.range(0));
    sb::WindowRegistry registry;
    sb::registerProgramWindows(registry);
    for (auto _ : state) {
        state.PauseTiming();
        auto* window = qobject_cast<sb::ui::Form*>(registry.show(name));
        QApplication::processEvents();
        state.ResumeTiming();
        window->toggleWorking(); // makes the pane, builds the working shown
        benchmark::DoNotOptimize(window->grab()); // paints the window with its pane
        state.PauseTiming();
        window->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(PaneOpen)->DenseRange(2, 13)->Unit(benchmark::kMillisecond);

} // namespace
