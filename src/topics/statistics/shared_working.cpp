// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_working.h"

#include "entry/conversions.h"

#include <cmath>

namespace sb::statistics {

using working::Rational;

QString exactForNote(const Rational& r) {
    if (const auto text = working::exactBeside(r)) return *text;
    return QStringLiteral("%1 to 15 digits").arg(working::plainDigits(working::valueOf(r)));
}

std::optional<QString> powerOfTen(const QString& shown, double value) {
    const qsizetype e = shown.indexOf(u'E');
    if (e < 0) return std::nullopt;
    const QString power = shown.sliced(e + 1), out = working::writtenOut(value);
    // a number too far from 1 to write out keeps its power of ten
    if (std::abs(power.toInt()) > 20)
        return QStringLiteral("The window writes this as %1: E%2 means × 10%3.")
            .arg(shown, power, working::superscript(power.toInt()));
    return QStringLiteral("The window writes this as %1: E%2 means × 10%3, so %1 is %4.")
        .arg(shown, power, working::superscript(power.toInt()), out);
}

} // namespace sb::statistics
