// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the statistics working of a million values as PDF: the steps already cut the long
// list, so the document is a page or two and must be written well within a second.

#include "app/window_registry.h"
#include "ui/form.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

void MillionValuesPdf(benchmark::State& state) {
    sb::WindowRegistry registry;
    sb::registerProgramWindows(registry);
    auto* window = qobject_cast<sb::ui::Form*>(registry.show(QStringLiteral("Form5")));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(1, 999);
    QString numbers;
    for (int i = 0; i < 1'000'000; ++i) numbers += QString::number(value(random)) + u' ';
    numbers.chop(1);
    window->findChild<QLineEdit*>(QStringLiteral("n"))->setText(numbers);
    // the standard deviation, whose working with its detail takes two pages
    window->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    window->setMoreDetail(true);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("working.pdf"));
    for (auto _ : state) benchmark::DoNotOptimize(window->saveWorkingAsPdf(path));
    state.counters["bytes"] = double(QFileInfo(path).size());
    state.counters["steps"] = double(window->workingLines().size());
    window->close();
}
BENCHMARK(MillionValuesPdf)->Unit(benchmark::kMillisecond);

} // namespace
