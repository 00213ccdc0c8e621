// SPDX-License-Identifier: GPL-3.0-or-later
// Reading many values from one long text: a piece of the text reads as the same text on
// its own would, and a result text reads back as readBack says, in every locale.

#include "entry/conversions.h"
#include "entry/fault.h"
#include "entry/value_entry.h"

#include "number_locales.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

TEST(ReadBack, EqualsReadingTheResultText) {
    std::mt19937_64 random(3);
    std::vector<double> values = {1 / 3.0,
                                  2 / 3.0,
                                  -0.0,
                                  0.1,
                                  123.45,
                                  1e15,
                                  999999999999999.5,
                                  9.999999999999995e-5,
                                  4.9e-324,
                                  2.2250738585072014e-308,
                                  1.7976931348623e308,
                                  -5.77119491429242e-10};
    for (int i = 0; i < 2000; ++i) {
        // any finite double, bit pattern at random, and quotients of small integers
        const double any = std::bit_cast<double>(random());
        if (std::isfinite(any)) values.push_back(any);
        values.push_back(double(random() % 1000) / double(random() % 999 + 1));
    }
    for (const QLocale& locale : numberLocales()) {
        for (const double value : values) {
            const QString text = sb::resultText(value, locale);
            SCOPED_TRACE((locale.name() + u' ' + text).toStdString());
            const double back = sb::readBack(value);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(back),
                      std::bit_cast<std::uint64_t>(sb::numberOf(text, locale)));
        }
    }
}

TEST(ReadBack, RoundsTo15Digits) {
    EXPECT_EQ(sb::readBack(1 / 3.0), 0.333333333333333);
    EXPECT_EQ(sb::readBack(0.1234567890123456), 0.123456789012346);
    EXPECT_EQ(sb::readBack(123.45), 123.45);
    EXPECT_FALSE(std::signbit(sb::readBack(-0.0)));
    // the largest double is written 1.79769313486232E+308, beyond the range
    EXPECT_THROW(sb::readBack(std::numeric_limits<double>::max()), sb::ArithmeticFault);
    EXPECT_THROW(sb::readBack(std::numeric_limits<double>::infinity()), sb::ArithmeticFault);
}

// A plain decimal of up to 15 digits, wherever its separator, is its own read-back; the
// texts that are not are left to readBack. Either way a value enters as its result text
// reads back.
TEST(ReadBack, PlainDecimalsReadBackUnchanged) {
    std::mt19937_64 random(5);
    for (const QLocale& locale : numberLocales()) {
        const sb::NumberMarks marks(locale);
        for (int i = 0; i < 4000; ++i) {
            const int digits = int(random() % 15) + 1;
            const int sign = int(random() % 3); // none, "-", the locale's own negative sign
            QString text = sign == 0   ? QString()
                           : sign == 1 ? QStringLiteral("-")
                                       : marks.negativeSign;
            const int pointAt = int(random() % (digits + 1));
            for (int d = 0; d < digits; ++d) {
                if (d == pointAt) text += marks.decimalPoint;
                text += QChar(u'0' + int(random() % 10));
            }
            const double number = sb::numberOf(text, locale);
            SCOPED_TRACE((locale.name() + u' ' + text).toStdString());
            const bool unchanged = sb::readsBackUnchanged(text, marks);
            if (number == 0) {
                EXPECT_FALSE(unchanged);
            } else if (sign < 2) {
                EXPECT_TRUE(unchanged);
            }
            const double entered = unchanged ? number : sb::readBack(number);
            EXPECT_EQ(
                std::bit_cast<std::uint64_t>(entered),
                std::bit_cast<std::uint64_t>(sb::numberOf(sb::resultText(number, locale), locale)));
        }
    }
    const sb::NumberMarks english(QLocale(QStringLiteral("en_US")));
    for (const char* text : {"1234567890123456", "0.1234567890123456", "1e5", " 1", "1/2", "1.2.3",
                             "-0", "0.000", "--1", "1,5", ""})
        EXPECT_FALSE(sb::readsBackUnchanged(QString::fromLatin1(text), english)) << text;
}

// A piece cut out of a longer text (no end of its own) reads exactly as the piece alone.
TEST(ReadBack, PieceOfATextReadsAsTheTextAlone) {
    const char* const pieces[] = {"3",
                                  "0.25",
                                  "-2/1/2",
                                  "1/-4",
                                  " 1 / 4 ",
                                  "",
                                  "1//2",
                                  "abc",
                                  "5/",
                                  "1/0",
                                  "1e999",
                                  "1/2/3/4",
                                  "12345678901234567890123456789012345678901234567890.5",
                                  "1e-400",
                                  "1,5",
                                  "\t7\t"};
    for (const QLocale& locale : numberLocales()) {
        const sb::NumberMarks marks(locale);
        QStringList texts;
        for (const char* piece : pieces) texts << QString::fromUtf8(piece);
        // the locale's own marks, and the first character of a negative sign of several
        // whose rest follows the piece
        texts << marks.negativeSign + u'1' + marks.decimalPoint + u'5' << u'2' + marks.decimalPoint
              << marks.negativeSign.left(1);
        for (const QString& alone : texts) {
            SCOPED_TRACE((locale.name() + QStringLiteral(" \"") + alone + u'"').toStdString());
            // digits on either side that a reader running past the piece would take in
            const QString around =
                QStringLiteral("9/9") + alone + marks.negativeSign.mid(1) + QStringLiteral("9/9");
            const QStringView view = QStringView(around).sliced(3, alone.size());
            const auto expected = sb::readValue(alone, sb::entry_rules::statistics, locale);
            const auto actual = sb::readValue(view, sb::entry_rules::statistics, marks);
            EXPECT_EQ(actual.value, expected.value);
            EXPECT_EQ(actual.refusal, expected.refusal);
        }
    }
}

} // namespace
