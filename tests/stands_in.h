// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sb_tests {

// True when text stands in line as a whole: not as part of a longer number ("0.5" does not
// stand in "10.5" nor in "0.55", but does in "so x = 0.5.").
inline bool standsIn(const QString& line, const QString& text) {
    const auto partOfNumber = [](QChar c) { return c.isDigit() || c == u'.' || c == u'E'; };
    for (qsizetype at = line.indexOf(text); at >= 0; at = line.indexOf(text, at + 1)) {
        const qsizetype end = at + text.size();
        const bool before = at > 0 && partOfNumber(line[at - 1]);
        // a full stop that ends the sentence is no decimal point: no digit follows it
        const bool stop = end < line.size() && line[end] == u'.' &&
                          (end + 1 == line.size() || !line[end + 1].isDigit());
        const bool after = end < line.size() && partOfNumber(line[end]) && !stop;
        if (!before && !after) return true;
    }
    return false;
}

} // namespace sb_tests
