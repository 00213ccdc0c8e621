// SPDX-License-Identifier: GPL-3.0-or-later
#include "box_text.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace sb {

namespace {

qsizetype commonPrefix(const QString& a, const QString& b) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i]) ++i;
    return i;
}

// The last boundary between whole characters of text in from .. to, or -1.
qsizetype lastBoundary(const QString& text, qsizetype from, qsizetype to) {
    if (to < from) return -1;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(std::min(to, text.size()));
    if (!finder.isAtBoundary()) finder.toPreviousBoundary();
    const qsizetype at = finder.position();
    return at >= from ? at : -1;
}

} // namespace

BoxText keepWholeCharacters(const QString& before, const QString& edited, qsizetype cursor,
                            qsizetype maxLength) {
    cursor = std::clamp<qsizetype>(cursor, 0, edited.size());
    if (maxLength <= 0 || edited.size() <= maxLength) return {edited, cursor};

    // edited = kept prefix of before + inserted + after, where after follows the cursor
    const QString after = edited.mid(cursor);
    const qsizetype start = std::min({commonPrefix(before, edited), cursor,
                                      std::max<qsizetype>(0, before.size() - after.size())});
    const qsizetype room = maxLength - after.size();
    qsizetype end = lastBoundary(edited, start, std::min(cursor, room));
    if (end < 0) {
        // nothing new fits whole: drop the insertion, or when even that is too long (the
        // limit fell below the text), cut the whole text at a boundary
        end = start + after.size() <= maxLength ? start : -1;
    }
    if (end < 0) {
        const qsizetype cut = std::max<qsizetype>(0, lastBoundary(edited, 0, maxLength));
        return {edited.left(cut), cut};
    }
    return {edited.left(end) + after, end};
}

} // namespace sb
