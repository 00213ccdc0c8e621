// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of the statistics window's list box holding a long list, as at every blink of its
// caret, against a bare QLineEdit holding the same list. bench/paste_cost.sh counts the
// instructions of one paint under callgrind through paintOnce.

#include "app/window_registry.h"
#include "ui/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <functional>
#include <limits>
#include <memory>

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

// A digit typed at the caret and taken back
void typeAndTakeBack(benchmark::State& state, QLineEdit* box) {
    box->setFocus();
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_7);
        QTest::keyClick(box, Qt::Key_Backspace);
        QApplication::processEvents();
    }
}

// A digit typed at the end of the list and taken back: QLineEdit lays out its whole text
// again at every change of it, which no paint of the box can spare
void BoxKeystroke(benchmark::State& state) {
    sb::WindowRegistry registry;
    typeAndTakeBack(state, numbersBox(registry, state.range(0)));
}
BENCHMARK(BoxKeystroke)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A bare QLineEdit as the window's box is: its size, font and no limit
std::unique_ptr<QLineEdit> bareLineEdit() {
    auto box = std::make_unique<QLineEdit>();
    box->setMaxLength(std::numeric_limits<int>::max());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    box->setFont(font);
    box->resize(sb::ui::pixels(10095), sb::ui::pixels(495));
    box->show();
    return box;
}

void BareLineEditPaint(benchmark::State& state) {
    const auto box = bareLineEdit();
    box->setText(values(state.range(0)));
    repaint(state, box.get());
}
BENCHMARK(BareLineEditPaint)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The same digit typed and taken back in the middle of the list
void BoxKeystrokeInTheMiddle(benchmark::State& state) {
    sb::WindowRegistry registry;
    QLineEdit* box = numbersBox(registry, state.range(0));
    box->setCursorPosition(box->text().size() / 2);
    typeAndTakeBack(state, box);
}
BENCHMARK(BoxKeystrokeInTheMiddle)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BareLineEditKeystroke(benchmark::State& state) {
    const auto box = bareLineEdit();
    box->setText(values(state.range(0)));
    typeAndTakeBack(state, box.get());
}
BENCHMARK(BareLineEditKeystroke)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The program's resident memory, from /proc/self/status, in MB
double residentMB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

// Emptied afresh, with no undo history (QLineEdit::clear would keep a record of each
// character, and the box's history would keep every list pasted before)
void emptyBox(QLineEdit* box) { box->setText(QString()); }

// Ctrl+V of a list into the empty box, then what follows it, painted
void paste(benchmark::State& state, QLineEdit* box, const std::function<void()>& then = {}) {
    QGuiApplication::clipboard()->setText(values(state.range(0)));
    box->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        emptyBox(box);
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        if (then) then();
        QApplication::processEvents();
    }
    state.counters["characters"] = double(box->text().size());
}

void BoxPaste(benchmark::State& state) {
    sb::WindowRegistry registry;
    paste(state, numbersBox(registry, 0));
}
BENCHMARK(BoxPaste)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BareLineEditPaste(benchmark::State& state) {
    const auto box = bareLineEdit();
    paste(state, box.get());
}
BENCHMARK(BareLineEditPaste)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

// "Calculate Standard-Deviation" on a pasted list, from the paste to the answer painted;
// the counter is the program's resident memory with the list in the box and the answer shown
void BoxPasteAndDeviation(benchmark::State& state) {
    sb::WindowRegistry registry;
    QLineEdit* box = numbersBox(registry, 0);
    auto* form = box->window();
    auto* command = form->findChild<QAbstractButton*>(QStringLiteral("Command2"));
    state.counters["VmRSS_MB_before"] = residentMB();
    paste(state, box, [command] { command->click(); });
    state.counters["answer"] =
        form->findChild<QLabel*>(QStringLiteral("sol"))->text().toDouble();
    state.counters["VmRSS_MB"] = residentMB();
}
BENCHMARK(BoxPasteAndDeviation)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
