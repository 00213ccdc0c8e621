// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-topic-paint: how long a topic window takes from the click of its menu button to
// its first paint, the window shown and drawn whole. Starts the program's windows as the
// program does (the main menu shown and drawn first), gives the program the time a pupil takes
// to find a button, then for each round, for every button named on the command line, moves
// the pointer onto the button and leaves it there as long, clicks, waits until the window has
// painted and closes it again. The program builds a window while the pointer rests on its
// button; --no-rest clicks without moving the pointer first, so that the click builds the
// window too. --settle sets the time given (default 200 ms; what the program does meanwhile is
// not the click's). The button is let go as soon as it is pressed, unless --hold says how long
// a pupil's finger stays on it; the time is then counted from the letting go, when the button
// acts.
//
//     build/sumbrook-topic-paint [--rounds N] [--settle MS] [--no-rest] [--hold MS] BUTTON...
//     e.g. build/sumbrook-topic-paint --rounds 2 Command5 Command15
//
// One line an open: the window, the round, milliseconds from the click until the click
// returned (the window shown) and until its first paint was done (the event loop idle again
// after the window's first paint event). Runs on any Qt platform: under a real X server
// (Xvfb, see bench/measure) or offscreen (QT_QPA_PLATFORM=offscreen).
//
// Under callgrind each open is dumped on its own, named after its window, so the
// instructions from click to paint can be counted free of the machine's load (give the
// program more time there, as it runs many times slower: --settle 5000):
//     valgrind --tool=callgrind build/sumbrook-topic-paint --rounds 1 --settle 5000 Command5

#include "app/start_up.h"
#include "app/window_registry.h"
#include "ui/form.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <cstdio>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

// Waits until window has had a paint event and the event loop has gone idle after it: the
// whole window is drawn in that one pass and handed to the screen.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : window_(window) {
        qApp->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                [this] {
                    if (painted_) loop_.quit();
                });
    }
    // false when nothing was painted within five seconds
    bool wait() {
        QTimer::singleShot(5000, &loop_, &QEventLoop::quit);
        if (!painted_) loop_.exec();
        return painted_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            painted_ = true;
        return false;
    }

private:
    QWidget* window_;
    bool painted_ = false;
    QEventLoop loop_;
};

// The top-level window that is visible now and was not among before.
QWidget* newWindow(const QWidgetList& before) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w) && qobject_cast<sb::ui::Form*>(w)) return w;
    return nullptr;
}

QWidgetList visibleWindows() {
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown << w;
    return shown;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList buttons = app.arguments().mid(1);
    int rounds = 5, settle = 200, hold = 0;
    bool rest = true, understood = true;
    while (understood && !buttons.isEmpty() && buttons[0].startsWith(u"--")) {
        const QString option = buttons.takeFirst();
        if (option == u"--no-rest") {
            rest = false;
            continue;
        }
        int* value = option == u"--rounds"   ? &rounds
                     : option == u"--settle" ? &settle
                     : option == u"--hold"   ? &hold
                                             : nullptr;
        understood = value && !buttons.isEmpty();
        if (understood) *value = buttons.takeFirst().toInt();
    }
    if (!understood || buttons.isEmpty() || rounds < 1) {
        std::fprintf(stderr, "usage: sumbrook-topic-paint [--rounds N] [--settle MS] "
                             "[--no-rest] [--hold MS] BUTTON...\n");
        return 2;
    }

    sb::WindowRegistry windows;
    QWidget* menu = nullptr;
    {
        const QWidgetList before = visibleWindows();
        sb::startUp(windows);
        menu = newWindow(before);
        FirstPaint(menu).wait();
        QTest::qWait(settle);
    }

    for (int round = 1; round <= rounds; ++round) {
        for (const QString& name : buttons) {
            auto* button = menu->findChild<QWidget*>(name);
            if (!button) {
                std::fprintf(stderr, "the main menu has no %s\n", qPrintable(name));
                return 2;
            }
            const QWidgetList before = visibleWindows();
            QElapsedTimer clock;
            if (rest) { // from a corner of the menu onto the button
                QTest::mouseMove(menu, QPoint(1, 1));
                QTest::mouseMove(button);
                QTest::qWait(settle);
            }
            if (hold > 0) {
                QTest::mousePress(button, Qt::LeftButton);
                QTest::qWait(hold);
            }
            CALLGRIND_ZERO_STATS;
            clock.start();
            if (hold > 0) QTest::mouseRelease(button, Qt::LeftButton);
            else QTest::mouseClick(button, Qt::LeftButton);
            const double shown = clock.nsecsElapsed() / 1e6;
            QPointer<QWidget> window = newWindow(before);
            if (!window) {
                std::fprintf(stderr, "%s opened no window\n", qPrintable(name));
                return 1;
            }
            if (!FirstPaint(window).wait()) {
                std::fprintf(stderr, "%s was not painted\n", qPrintable(window->objectName()));
                return 1;
            }
            const double painted = clock.nsecsElapsed() / 1e6;
            CALLGRIND_DUMP_STATS_AT(qPrintable(window->objectName()));
            std::printf("%s round %d shown %.2f ms painted %.2f ms\n",
                        qPrintable(window->objectName()), round, shown, painted);
            std::fflush(stdout);
            window->close(); // discarded: the next click builds it afresh
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    return 0;
}
