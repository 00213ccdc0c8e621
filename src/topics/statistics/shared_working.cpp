// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared_working.h"

#include "entry/conversions.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// the context of the texts the statistics and traffic workings share
struct SharedStatisticsWorking {
    Q_DECLARE_TR_FUNCTIONS(SharedStatisticsWorking)
};

} // namespace

namespace sb::statistics {

using working::Rational;

QString exactForNote(const Rational& r) {
    if (const auto text = working::exactBeside(r)) return *text;
    //: %1 is a decimal written out to 15 significant digits
    return SharedStatisticsWorking::tr("%1 to 15 digits")
        .arg(working::plainDigits(working::valueOf(r)));
}

std::optional<QString> powerOfTen(const QString& shown, double value) {
    const qsizetype e = shown.indexOf(u'E');
    if (e < 0) return std::nullopt;
    const QString power = shown.sliced(e + 1), out = working::writtenOut(value);
    // a number too far from 1 to write out keeps its power of ten
    if (std::abs(power.toInt()) > 20)
        //: %1 is a number as the window shows it (2E+25), %2 its power of ten (+25), %3 that
        //: power as a superscript
        return SharedStatisticsWorking::tr("The window writes this as %1: E%2 means × 10%3.")
            .arg(shown, power, working::superscript(power.toInt()));
    //: %1 is a number as the window shows it (2E-06), %2 its power of ten (-06), %3 that power
    //: as a superscript, %4 the number written out (0.000002)
    return SharedStatisticsWorking::tr(
               "The window writes this as %1: E%2 means × 10%3, so %1 is %4.")
        .arg(shown, power, working::superscript(power.toInt()), out);
}

} // namespace sb::statistics
