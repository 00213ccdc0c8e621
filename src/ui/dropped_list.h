// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files dropped on a statistics list box (a .txt or .csv file from the file manager): read as
// their text, their values one blank apart (see fileList).

#include <QStringList>

namespace sb::ui {

struct DroppedList {
    QString list;    // the values of the files, in order, one blank apart
    QString message; // why nothing can be taken; empty when list holds the files' values
};

// The largest file a box takes: some nine million values, far beyond any exercise, and within
// what the box keeps in little memory.
constexpr qint64 droppedFileLimit = 64 * 1024 * 1024;

// The files' values, or the message for the first that cannot be taken: one that cannot be
// read, is no text (bytes that are no characters, a nul), or is larger than droppedFileLimit.
// A text in UTF-16 or UTF-32 with its byte order mark is read as such; any other as UTF-8.
DroppedList readDroppedList(const QStringList& paths, QStringView decimalMark);

} // namespace sb::ui
