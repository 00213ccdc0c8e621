// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the statistics window's list box holding a long list, as at every blink of its
// caret, against a bare QLineEdit holding the same list. bench/paste_cost.sh counts the
// instructions of one paint under callgrind through paintOnce.

#include "app/window_registry.h"
#include "ui/controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <limits>

// Paints the widget now, as the caret's blink has it painted
[[gnu::noinline]] void paintOnce(QWidget* widget) { widget->repaint(); }

namespace {

QString values(qsizetype count) {
    QString list;
    list.reserve(count * 4);
    for (qsizetype i = 1; i <= count; ++i) list += QString::number(i * 7919 % 999 + 1) + u' ';
    list.chop(1);
    return list;
}

void repaint(benchmark::State& state, QLineEdit* box) {
    box->setFocus();
    QApplication::processEvents();
    for (auto _ : state) paintOnce(box);
    state.counters["characters"] = double(box->text().size());
}

// The statistics window's box of numbers, holding count values
QLineEdit* numbersBox(sb::WindowRegistry& registry, qsizetype count) {
    sb::registerProgramWindows(registry);
    auto* box = registry.show(QStringLiteral("Form5"))->findChild<QLineEdit*>(QStringLiteral("n"));
    box->setText(values(count));
    return box;
}

void BoxPaint(benchmark::State& state) {
    sb::WindowRegistry registry;
    repaint(state, numbersBox(registry, state.range(0)));
}
BENCHMARK(BoxPaint)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A digit typed at the end of the list and taken back: QLineEdit lays out its whole text
// again at every change of it, which no paint of the box can spare
void BoxKeystroke(benchmark::State& state) {
    sb::WindowRegistry registry;
    QLineEdit* box = numbersBox(registry, state.range(0));
    box->setFocus();
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_7);
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::processEvents();
    }
}
BENCHMARK(BoxKeystroke)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BareLineEditPaint(benchmark::State& state) {
    QLineEdit box;
    box.setMaxLength(std::numeric_limits<int>::max());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    box.setFont(font);
    box.resize(sb::ui::pixels(10095), sb::ui::pixels(495));
    box.show();
    box.setText(values(state.range(0)));
    repaint(state, &box);
}
BENCHMARK(BareLineEditPaint)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
