// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text and number conversions every window uses: the numeric test, the number and the
// integer of a text, and the result text of a double. All follow the user's locale: its
// decimal separator is the one typed and shown; grouping separators are never accepted.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace sb {

// The marks a locale reads and writes numbers with, taken from it once: reading a long list
// of texts then does not ask the locale again for each one.
struct NumberMarks {
    explicit NumberMarks(const QLocale& locale);
    QString decimalPoint;
    QString negativeSign;
};

// The number a text stands for, or nothing when the text is not numeric: optional sign,
// digits with at most one decimal separator, an optional exponent (e or E, optional sign,
// digits), blanks around it. A value beyond the range of a double is not numeric; one too
// small to be told from zero reads as zero.
std::optional<double> parseNumber(const QString& text, const QLocale& locale = QLocale());
std::optional<double> parseNumber(QStringView text, const NumberMarks& marks);

inline bool isNumeric(const QString& text, const QLocale& locale = QLocale()) {
    return parseNumber(text, locale).has_value();
}

// The number of a numeric text; a text that has none raises the NotNumeric fault.
double numberOf(const QString& text, const QLocale& locale = QLocale());

// A double rounded to the nearest 32-bit integer, a half going to the even neighbour;
// outside -2,147,483,648 .. 2,147,483,647 it is the overflow fault.
std::int32_t roundToInt32(double value);

// A double rounded to the given number of decimal places (0 to 15), a tie going to the even
// neighbour: the double's own exact value is what is rounded, so 0.03125 (exactly a half in
// the fourth place) gives 0.0312, while 0.00015, which as a double lies a little below
// 0.00015, gives 0.0001. The result is the double nearest the rounded decimal.
double roundToPlaces(double value, int places);

// The integer of a text: its number rounded as roundToInt32.
std::int32_t integerOf(const QString& text, const QLocale& locale = QLocale());

// The text a result is shown with: 15 significant digits, trailing zeros dropped, exponent
// form (capital E, sign, two digits at least) below 1E-04 and from 1E+15 on, no grouping,
// the locale's decimal separator. Negative zero shows as 0. inf and nan never reach the
// screen: they raise the fault of their kind instead.
QString resultText(double value, const QLocale& locale = QLocale());

// The number that the result text of a value reads back as, in every locale: the value
// rounded to 15 significant digits (negative zero reads back as zero). A value that rounds
// beyond the largest double raises the NotNumeric fault, as reading its text would.
double readBack(double value);

// Whether the number of a numeric text reads back as itself, so that readBack can be left
// out: a plain decimal (a sign, at most 15 digits, a decimal separator, nothing else) has
// at most 15 significant digits, which a double keeps and its result text shows unchanged.
// Zero is not: negative zero reads back as zero.
bool readsBackUnchanged(QStringView text, const NumberMarks& marks);

// An integer as plain decimal digits with a leading "-" when negative.
QString integerText(std::int32_t value);

} // namespace sb
