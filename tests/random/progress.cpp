// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress.h"

#include <cstdio>
#include <unistd.h>

namespace random_actions {

namespace {

QString minutes(qint64 ms) {
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar(u'0'));
}

double perSecond(long actions, qint64 ms) { return ms > 0 ? actions * 1000.0 / ms : 0; }

} // namespace

Progress::Progress(long total, bool soak, long linesEvery)
    : total_(total), linesEvery_(linesEvery), nextLine_(linesEvery), soak_(soak),
      terminal_(isatty(fileno(stdout))) {
    clock_.start();
}

QString Progress::line() const {
    return QStringLiteral("%1 of %2 actions, %3 a second, %4 faults, %5 elapsed")
        .arg(done_)
        .arg(total_)
        .arg(perSecond(done_, clock_.elapsed()), 0, 'f', 0)
        .arg(faults_.size())
        .arg(minutes(clock_.elapsed()));
}

void Progress::done(long actions) {
    done_ += actions;
    if (!soak_) return;
    if (terminal_) {
        // rewritten in place, a few times a second at most
        if (clock_.elapsed() - shownAt_ < 250 && done_ < total_) return;
        shownAt_ = clock_.elapsed();
        std::printf("\r%s\033[K", qPrintable(line()));
        lineOpen_ = true;
    } else if (done_ >= nextLine_ || done_ >= total_) {
        while (nextLine_ <= done_) nextLine_ += linesEvery_;
        std::printf("%s\n", qPrintable(line()));
    }
    std::fflush(stdout);
}

void Progress::endLine() {
    if (lineOpen_) std::printf("\n");
    lineOpen_ = false;
}

void Progress::fault(const QString& what) {
    endLine();
    faults_ << what;
    std::printf("random actions: %s\n", qPrintable(what));
    std::fflush(stdout);
}

void Progress::summary(size_t windows, unsigned long seed) {
    endLine();
    const qint64 ms = clock_.elapsed();
    if (!soak_) {
        if (faults_.isEmpty())
            std::printf("random actions: %ld actions on %zu windows, seed %lu: no fault\n", done_,
                        windows, seed);
        return;
    }
    std::printf("soak: %ld actions on %zu windows, seed %lu, in %s (%.1f s), %.0f actions a "
                "second, %lld faults\n",
                done_, windows, seed, qPrintable(minutes(ms)), ms / 1000.0,
                perSecond(done_, ms), qlonglong(faults_.size()));
    for (const QString& f : faults_) std::printf("fault: %s\n", qPrintable(f));
}

} // namespace random_actions
