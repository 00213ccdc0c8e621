// SPDX-License-Identifier: GPL-3.0-or-later
#include "bidi.h"

#include <algorithm>

namespace sb::working {

namespace {

constexpr QChar leftToRightIsolate(0x2066), popIsolate(0x2069);

bool rightToLeft(QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; }
// What may start a formula's run: a letter or digit that is not right to left, an opening
// bracket or quote, a sign or a root; and what may end one: a letter or digit, a closing
// bracket or quote, a degree or per cent sign. A blank, a mark on an Arabic letter, a sign
// that joins words to what follows (= :) or a dash between them, and the punctuation that
// ends a sentence stay with the words.
bool opens(QChar c) {
    return !rightToLeft(c) && (c.isLetterOrNumber() || QStringView(u"([{-+√|'\"").contains(c));
}
bool closes(QChar c) {
    return !rightToLeft(c) && (c.isLetterOrNumber() || QStringView(u")]}|'\"°%′").contains(c));
}

} // namespace

bool hasRightToLeftLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(), rightToLeft);
}

QString isolateFormulas(const QString& line) {
    if (line.contains(leftToRightIsolate)) return line; // isolated already
    if (!hasRightToLeftLetter(line))
        return line.isEmpty() ? line : leftToRightIsolate + line + popIsolate;
    QString out;
    qsizetype i = 0;
    while (i < line.size()) {
        if (!opens(line[i])) {
            out += line[i++];
            continue;
        }
        // the run reaches to the next right-to-left letter, back to the last sign that may end it
        qsizetype next = i;
        while (next < line.size() && !rightToLeft(line[next])) ++next;
        qsizetype end = next;
        while (end > i && !closes(line[end - 1])) --end;
        if (end == i) { // a bracket or a sign alone
            out += line[i++];
            continue;
        }
        const QString run = line.mid(i, end - i);
        // brackets or signs alone belong to the words: a bracket keeps its mirrored shape
        const bool formula =
            std::any_of(run.begin(), run.end(), [](QChar c) { return c.isLetterOrNumber(); });
        out += formula ? leftToRightIsolate + run + popIsolate : run;
        i = end;
    }
    return out;
}

} // namespace sb::working
