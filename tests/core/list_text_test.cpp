// SPDX-License-Identifier: GPL-3.0-or-later
// Lists pasted or dropped into a statistics box: columns, rows and files become values one
// blank apart.

#include "entry/list_text.h"

#include <gtest/gtest.h>

namespace {

// A paste (no decimal mark), or a file read where the decimal mark is the one given
struct Case {
    const char16_t* decimalMark;
    const char16_t* given;
    const char16_t* list;
};

TEST(ListText, ColumnsRowsAndFilesBecomeOneLine) {
    const Case cases[] = {
        {nullptr, u"1\n2\n3\n4", u"1 2 3 4"},           // a column
        {nullptr, u"1\r\n2\r\n3\r\n", u"1 2 3"},        // from a spreadsheet on another desktop
        {nullptr, u"1\n\n\n2\n", u"1 2"},               // blank lines
        {nullptr, u"\n\t 1\t2\t3 \r\n", u"1 2 3"},      // a row, with breaks and blanks at its ends
        {nullptr, u"1 \n 2", u"1 2"},                   // blanks next to a break go with it
        {nullptr, u"1.5\u20282\u2029-3", u"1.5 2 -3"},  // Unicode's own line breaks
        {nullptr, u"1  2 ", u"1  2 "},                  // no break: kept as typed, the box judges it
        {nullptr, u"1,5;2", u"1,5;2"},                  // commas stay in a paste
        {nullptr, u"\n\r\t", u""},
        {nullptr, u"", u""},
        {u".", u"1,2,3\n4,5,6\n", u"1 2 3 4 5 6"},
        {u".", u"1.5, 2.5 ,3", u"1.5 2.5 3"},
        {u".", u"1;2;;3", u"1 2 3"},
        {u",", u"1,5;2,5\n3", u"1,5 2,5 3"},     // a decimal-comma spreadsheet
        {u",", u"1, 2 ,3,", u"1 2 3"},           // commas beside blanks separate
        {u",", u"1,5,2,5", u"1,5,2,5"},          // digits around every comma: all decimal marks
        {u".", u",,\n", u""},
    };
    for (const Case& c : cases) {
        const QString given = QString::fromUtf16(c.given);
        EXPECT_EQ(c.decimalMark ? sb::fileList(given, QString::fromUtf16(c.decimalMark))
                                : sb::pastedList(given),
                  QString::fromUtf16(c.list))
            << given.toStdString();
    }
}

// Whatever is pasted, the list holds no break, no blank at an end next to where a break was,
// and no two blanks that a break made.
TEST(ListText, NoBreakSurvivesAPaste) {
    const QString alphabet = QStringLiteral("12 .\n\r\t,");
    std::uint32_t seed = 7;
    for (int n = 0; n < 2000; ++n) {
        QString text;
        for (int i = 0; i < 12; ++i) {
            seed = seed * 1664525u + 1013904223u;
            text += alphabet[int(seed >> 24) % alphabet.size()];
        }
        const QString list = sb::pastedList(text);
        EXPECT_FALSE(list.contains(u'\n') || list.contains(u'\r') || list.contains(u'\t'))
            << text.toStdString();
        QString typed = text; // the same text with no breaks is kept as it is
        typed.remove(u'\n').remove(u'\r').remove(u'\t');
        EXPECT_EQ(sb::pastedList(typed), typed);
    }
}

} // namespace
