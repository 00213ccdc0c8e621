// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a text box with a maximum length keeps of an edit. The length counts UTF-16 code
// units, as the program's strings do, but a character is kept whole or not at all: a
// surrogate pair, or a base character with its combining marks, is never cut in half.

#include <QString>

namespace sb {

struct BoxText {
    QString text;
    qsizetype cursor = 0;
};

// The box showed before; an edit made it edited, with the cursor at cursor (just after
// what was inserted, or at the end when the whole text was set). Returns what the box
// keeps: the edit itself when it fits in maxLength (0: no limit), otherwise the text before
// and after the insertion with as many whole characters of the insertion as fit.
BoxText keepWholeCharacters(const QString& before, const QString& edited, qsizetype cursor,
                            qsizetype maxLength);

} // namespace sb
