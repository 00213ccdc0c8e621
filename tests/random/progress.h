// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What sumbrook-random tells while it runs: each fault as it is found, and in a soak the
// actions done, their rate, the faults so far and the time taken; a summary at the end.

#include <QElapsedTimer>
#include <QStringList>

namespace random_actions {

class Progress {
public:
    // soak: tell the progress (rewriting one line on a terminal, else a line every
    // linesEvery actions) and end with a summary of every fault
    Progress(long total, bool soak, long linesEvery = 10000);
    void done(long actions);
    void fault(const QString& what);
    void summary(size_t windows, unsigned long seed);
    long faults() const { return long(faults_.size()); }

private:
    QString line() const;
    void endLine();

    long total_, done_ = 0, linesEvery_, nextLine_;
    bool soak_, terminal_, lineOpen_ = false;
    qint64 shownAt_ = -1000;
    QElapsedTimer clock_;
    QStringList faults_;
};

} // namespace random_actions
