// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers written into the formulas of the steps, as the window shows them (result text).

#include <QString>

namespace sb::working {

// The minus of a formula's operator; a number's own sign stays the window's "-".
inline const QString minus = QStringLiteral("\u2212");

// A number standing as a factor or a base: in brackets when negative, so "4·(-3)" and
// "(-2)²" read right.
QString factor(double value);

// A term after the first: " + 6·x" or " − 6·x" (the unit after a middle dot, when given).
QString nextTerm(double value, const QString& unit);

// What a box read with the value entry takes: "a whole number (-3), a decimal (0.5), a
// fraction (1/4) or a mixed number (2/1/4)", the decimal in the locale's writing.
QString valueForms();

// A point (x, y); where the decimal mark is a comma the two are parted by a semicolon.
QString pointText(double x, double y);

} // namespace sb::working
