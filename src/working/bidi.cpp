// SPDX-License-Identifier: GPL-3.0-or-later
#include "bidi.h"

#include <algorithm>

namespace sb::working {

namespace {

constexpr QChar leftToRightIsolate(0x2066), popIsolate(0x2069);

bool rightToLeft(QChar c) { return c.direction() == QChar::DirR || c.direction() == QChar::DirAL; }
// what may start or end a formula's run: not a right-to-left letter nor a mark on one (an
// Arabic vowel sign), no blank, and no sign that joins words to what follows or ends a sentence
bool opens(QChar c) {
    return !rightToLeft(c) && !c.isMark() && !c.isSpace() &&
           !QStringView(u"=:.,;!?،؛؟").contains(c);
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
        while (end > i && !opens(line[end - 1])) --end;
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
