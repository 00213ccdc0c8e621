// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula_text.h"

#include "entry/conversions.h"

#include <QCoreApplication>
#include <QLocale>

namespace sb::working {

namespace {
struct SharedWorking {
    Q_DECLARE_TR_FUNCTIONS(SharedWorking)
};
} // namespace

QString factor(double value) {
    const QString text = resultText(value);
    return text.startsWith(u'-') ? u'(' + text + u')' : text;
}

QString nextTerm(double value, const QString& unit) {
    const QString sign = value < 0 ? u' ' + minus + u' ' : QStringLiteral(" + ");
    const QString term = resultText(value < 0 ? -value : value);
    return sign + term + unit;
}

QString valueForms() {
    //: what a box takes, put into sentences such as "Each box takes %1." (so it must read
    //: there as it stands); %1 is 0.5 as the language writes it
    return SharedWorking::tr("a whole number (-3), a decimal (%1), a fraction (1/4) or a mixed "
                             "number (2/1/4)")
        .arg(resultText(0.5));
}

QString pointText(double x, double y) {
    const QString parting = QLocale().decimalPoint() == u',' ? QStringLiteral("; ")
                                                             : QStringLiteral(", ");
    return u'(' + resultText(x) + parting + resultText(y) + u')';
}

} // namespace sb::working
