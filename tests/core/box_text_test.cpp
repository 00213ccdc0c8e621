// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/box_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A box keeps whole characters: what an edit inserted is cut at a character boundary.
TEST(BoxText, KeepsWholeCharacters) {
    struct Row {
        const char* what;
        const char* before; // what the box showed
        const char* edited; // its text after the edit, the cursor at |
        int maxLength;
        const char* kept; // what the box keeps, the cursor at |
    };
    const Row rows[] = {
        {"fits", "12", "123|", 5, "123|"},
        {"no limit", "", "1234567890|", 0, "1234567890|"},
        {"typed into a full box", "12345", "123456|", 5, "12345|"},
        {"typed in the middle", "12345", "12x|345", 5, "12|345"},
        {"set: cut at the end", "-3", "0.333333333333333|", 5, "0.333|"},
        {"set: shares a tail with the old text", "12345", "9912345|", 5, "99123|"},
        {"pasted over a selection", "abcde", "1234567|", 5, "12345|"},
        {"pasted in the middle", "ab", "a1234|b", 5, "a123|b"},
        {"emoji: the third does not fit", "😀😀", "😀😀😀|", 5, "😀😀|"},
        {"emoji set whole", "", "😀😀😀|", 5, "😀😀|"},
        {"emoji before an emoji", "x😀", "x😀|😀", 4, "x|😀"},
        {"emoji after four", "1234", "1234😀|", 5, "1234|"},
        {"combining mark on its base", "abcd", "abcde\u0301|", 5, "abcd|"},
        {"combining mark on a base in the box", "abcde", "abcde\u0301|", 5, "abcde|"},
        {"flag: two regional indicators", "1", "1🇩🇪|", 4, "1|"},
        {"flag fits", "", "🇩🇪|", 4, "🇩🇪|"},
        {"typed before an equal character", "ab", "a|ab", 2, "|ab"},
        {"limit below the old text", "123456", "1234567|", 5, "12345|"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString edited = QString::fromUtf8(row.edited);
        const QString kept = QString::fromUtf8(row.kept);
        const auto result =
            sb::keepWholeCharacters(QString::fromUtf8(row.before), QString(edited).remove(u'|'),
                                    edited.indexOf(u'|'), row.maxLength);
        QString shown = result.text;
        shown.insert(result.cursor, u'|');
        EXPECT_EQ(shown.toStdString(), kept.toStdString());
    }
}

} // namespace
