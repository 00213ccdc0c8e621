// SPDX-License-Identifier: GPL-3.0-or-later
#include "exact_forms.h"


namespace sb::algebra {

QString exactFactor(const Rational& value) {
    const QString text = exactWritten(value);
    return value.sign() < 0 || text.contains(u'/') || text.contains(u'×') ? u'(' + text + u')' : text;
}

QString termsText(const std::vector<Surd>& terms) {
    QString text;
    for (const Surd& t : terms) {
        if (t.q.sign() == 0) continue;
        const Surd size{t.q.sign() < 0 ? -t.q : t.q, t.r};
        const QString written = size.r == 1 ? exactWritten(size.q) : size.text();
        if (text.isEmpty()) text = t.q.sign() < 0 ? u'-' + written : written;
        else text += (t.q.sign() < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + written;
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString sumText(const Rational& p, const Surd& t) {
    if (t.r == 1) return exactWritten(p + t.q);
    return termsText({Surd{p, 1}, t});
}

} // namespace sb::algebra
