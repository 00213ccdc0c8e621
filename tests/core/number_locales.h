// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QSet>
#include <QString>

#include <vector>

// One locale for each way of writing numbers that the program may meet: every decimal
// separator and negative sign found among the locales Qt knows, each pair once.
inline const std::vector<QLocale>& numberLocales() {
    static const std::vector<QLocale> locales = [] {
        std::vector<QLocale> found;
        QSet<QString> seen;
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            const QString marks = locale.decimalPoint() + u'|' + locale.negativeSign();
            if (seen.contains(marks)) continue;
            seen.insert(marks);
            found.push_back(locale);
        }
        return found;
    }();
    return locales;
}
