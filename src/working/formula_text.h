// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers written into the formulas of the steps, as the window shows them (result text),
// and the one notation of every window's working:
// - one minus sign, the window's own "-", for a number's sign and for taking away alike, so
//   an answer quoted from the window reads the same as the step beside it;
// - "×" the one multiplication sign between numbers ("4 × (-3)"); letters stand side by
//   side as a textbook writes them ("6x", "2πr", "πr²", "b² - 4ac");
// - "÷" the one division sign of a computation ("40 ÷ 8"); a fraction the windows write as
//   "2/3" stays a fraction;
// - √ for a square root, ° for degrees, superscripts ² and ³ for powers;
// - a text of the window's own ("Root(2)*Cos(45)") is quoted as it stands, beside the
//   textbook form.

#include <QString>

namespace sb::working {

inline const QString minus = QStringLiteral("-");
inline const QString times = QStringLiteral("×");
inline const QString divide = QStringLiteral("÷");

// A number standing as a factor or a base: in brackets when negative, so "4·(-3)" and
// "(-2)²" read right.
QString factor(double value);

// A term after the first: " + 6x" or " - 6x" (the unit beside the number, when given).
QString nextTerm(double value, const QString& unit);

// What a box read with the value entry takes: "a whole number (-3), a decimal (0.5), a
// fraction (1/4) or a mixed number (2/1/4)", the decimal in the locale's writing.
QString valueForms();

// A point (x, y); where the decimal mark is a comma the two are parted by a semicolon.
QString pointText(double x, double y);

} // namespace sb::working
