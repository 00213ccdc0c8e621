// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_text.h"

namespace sb {

namespace {

bool isLineBreak(QChar c) {
    switch (c.unicode()) {
    case u'\n': case u'\r': case u'\t': case u'\v': case u'\f':
    case 0x85: case 0x2028: case 0x2029: return true;
    default: return false;
    }
}

// Copies text, turning each run of separators (those at where says are) and the blanks next
// to it into one blank, dropped at the ends.
template <class IsSeparator> QString joined(QStringView text, IsSeparator isSeparatorAt) {
    QString list;
    list.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isSeparatorAt(i)) {
            list += text[i++];
            continue;
        }
        while (list.endsWith(u' ')) list.chop(1);
        while (i < text.size() && (text[i] == u' ' || isSeparatorAt(i))) ++i;
        if (!list.isEmpty() && i < text.size()) list += u' ';
    }
    return list;
}

} // namespace

QString pastedList(QStringView text) {
    return joined(text, [&](qsizetype i) { return isLineBreak(text[i]); });
}

QString fileList(QStringView text, QStringView decimalMark) {
    const bool decimalComma = decimalMark == u",";
    return joined(text, [&](qsizetype i) {
        const QChar c = text[i];
        if (c == u',' && decimalComma)
            return !(i > 0 && text[i - 1].isDigit() && i + 1 < text.size() && text[i + 1].isDigit());
        return c == u',' || c == u';' || isLineBreak(c);
    });
}

} // namespace sb
