// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/conversions.h"
#include "entry/fault.h"

#include <gtest/gtest.h>

#include <cmath>

#include <clocale>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <limits>
#include <optional>
#include <string>

namespace {

using sb::ArithmeticFault;
using Limits = std::numeric_limits<double>;

QLocale localeOf(const char* name) { return QLocale(QString::fromLatin1(name)); }

TEST(Conversions, ParseNumber) {
    struct Row {
        const char* locale;
        const char* text;
        std::optional<double> number;
    };
    const Row rows[] = {
        {"en_US", "3", 3},
        {"en_US", "-2.5", -2.5},
        {"en_US", "+4", 4},
        {"en_US", "  2.5  ", 2.5},
        {"en_US", ".5", 0.5},
        {"en_US", "1e3", 1000},
        {"en_US", "2E-3", 0.002},
        {"en_US", "1.5e+2", 150},
        {"en_US", "1.7976931348623157e308", Limits::max()},
        {"en_US", "4.9e-324", Limits::denorm_min()},
        {"en_US", "1e-999", 0}, // too small to tell from zero
        {"en_US", "", std::nullopt},
        {"en_US", "   ", std::nullopt},
        {"en_US", "abc", std::nullopt},
        {"en_US", "1,5", std::nullopt}, // a grouping separator, never 15
        {"en_US", "1,000", std::nullopt},
        {"en_US", "1 5", std::nullopt},
        {"en_US", "1.2.3", std::nullopt},
        {"en_US", "--1", std::nullopt},
        {"en_US", "-", std::nullopt},
        {"en_US", ".", std::nullopt},
        {"en_US", "1e", std::nullopt},
        {"en_US", "1e+", std::nullopt},
        {"en_US", "e5", std::nullopt},
        {"en_US", "inf", std::nullopt},
        {"en_US", "nan", std::nullopt},
        {"en_US", "0x10", std::nullopt},
        {"en_US", "1e999", std::nullopt},
        {"en_US", "-1e999", std::nullopt},
        {"en_US", "1.79769313486232E+308", std::nullopt}, // rounds past the largest double
        {"de_DE", "1,5", 1.5},
        {"de_DE", "-0,25e1", -2.5},
        {"de_DE", "1.5", std::nullopt},
        {"de_DE", "1.000", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.locale) + " \"" + row.text + "\"");
        const auto number = sb::parseNumber(QString::fromUtf8(row.text), localeOf(row.locale));
        ASSERT_EQ(number.has_value(), row.number.has_value());
        if (row.number) {
            EXPECT_EQ(*number, *row.number);
        }
    }
}

TEST(Conversions, RoundToInt32HalvesToEven) {
    struct Row {
        double value;
        std::optional<std::int32_t> integer; // nothing: overflow
    };
    const Row rows[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-0.5, 0},
        {0.4, 0},
        {0.6, 1},
        {-1.5, -2},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {2147483648.0, std::nullopt},
        {-2147483648.5, -2147483648},
        {-2147483648.6, std::nullopt},
        {-2147483649.0, std::nullopt},
        {1e300, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << row.value);
        if (row.integer) {
            EXPECT_EQ(sb::roundToInt32(row.value), *row.integer);
            continue;
        }
        try {
            sb::roundToInt32(row.value);
            ADD_FAILURE() << "no fault";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), ArithmeticFault::Kind::Overflow);
        }
    }
}

TEST(Conversions, IntegerOfReadsInTheLocale) {
    EXPECT_EQ(sb::integerOf(QStringLiteral("2,5"), localeOf("de_DE")), 2);
    EXPECT_EQ(sb::integerOf(QStringLiteral(" 7.5 "), localeOf("en_US")), 8);
    EXPECT_THROW(sb::integerOf(QStringLiteral("2147483647.5"), localeOf("en_US")), ArithmeticFault);
}

TEST(Conversions, ResultText) {
    struct Row {
        const char* locale;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {"en_US", 1 / 3.0, "0.333333333333333"},
        {"en_US", 2 / 3.0, "0.666666666666667"},
        {"en_US", 0.1 + 0.2, "0.3"},
        {"en_US", 2.50, "2.5"},
        {"en_US", 3.0, "3"},
        {"en_US", -3.0 / 1, "-3"},
        {"en_US", -0.75, "-0.75"},
        {"en_US", 1234567, "1234567"},
        {"en_US", 0.0001, "0.0001"},
        {"en_US", 0.00001, "1E-05"},
        {"en_US", 5.77119491429242e-10, "5.77119491429242E-10"},
        {"en_US", 123456789012345, "123456789012345"},
        {"en_US", 1e15, "1E+15"},
        {"en_US", -1234567890123456, "-1.23456789012346E+15"},
        {"en_US", 1e100, "1E+100"},
        {"en_US", Limits::max(), "1.79769313486232E+308"},
        {"en_US", Limits::denorm_min(), "4.94065645841247E-324"},
        {"en_US", 0.0, "0"},
        {"en_US", -0.0, "0"},
        {"de_DE", 2.5, "2,5"},
        {"de_DE", 1234567.5, "1234567,5"},
        {"de_DE", -1.5e-7, "-1,5E-07"},
        {"de_DE", -0.0, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.text);
        EXPECT_EQ(sb::resultText(row.value, localeOf(row.locale)).toStdString(), row.text);
    }
}

TEST(Conversions, ResultTextReadsBackInItsLocale) {
    const double values[] = {-3.0, 1 / 3.0, 0.00001, 5.77119491429242e-10, 1e15, 4.9e-324};
    for (const char* name : {"en_US", "de_DE"}) {
        const QLocale locale = localeOf(name);
        for (const double value : values) {
            const QString text = sb::resultText(value, locale);
            SCOPED_TRACE(std::string(name) + " " + text.toStdString());
            const auto number = sb::parseNumber(text, locale);
            ASSERT_TRUE(number.has_value());
            EXPECT_EQ(sb::resultText(*number, locale), text);
        }
    }
}

TEST(Conversions, ResultTextRefusesInfinityAndNan) {
    for (const double value : {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(sb::resultText(value, localeOf("en_US")), ArithmeticFault);
    }
}

// The C library's locale is whatever the desktop set (QApplication calls setlocale): its
// decimal mark must never reach a result text or the reading of one.
TEST(Conversions, TheCLibraryLocaleNeverEnters) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    // the environment's locale first: CI runs the tests under a comma-decimal one
    for (const char* name : {"", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) &&
            std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            comma = true;
            break;
        }
    }
    if (!comma) {
        std::setlocale(LC_NUMERIC, previous.c_str());
        GTEST_SKIP() << "no C library locale with a decimal comma is installed";
    }
    const QLocale en = localeOf("en_US"), de = localeOf("de_DE");
    EXPECT_EQ(sb::resultText(0.5, en).toStdString(), "0.5");
    EXPECT_EQ(sb::resultText(-1.5e-7, en).toStdString(), "-1.5E-07");
    EXPECT_EQ(sb::resultText(2.5, de).toStdString(), "2,5");
    EXPECT_EQ(sb::parseNumber(QStringLiteral("0.5"), en), 0.5);
    EXPECT_EQ(sb::parseNumber(QStringLiteral("0,5"), en), std::nullopt);
    EXPECT_EQ(sb::parseNumber(QStringLiteral("0,5"), de), 0.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

} // namespace

namespace {

TEST(Conversions, RoundToPlacesHalvesToEven) {
    struct Row {
        double value;
        int places;
        double rounded;
    };
    const Row rows[] = {
        {53.130102354155978, 2, 53.13},
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {-0.125, 2, -0.12},
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-179.99999994, 2, -180},
        {45, 2, 45},
        {1e308, 2, 1e308},
        {-0.001, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << row.value);
        EXPECT_EQ(sb::roundToPlaces(row.value, row.places), row.rounded);
    }
}

TEST(RoundToPlaces, FourPlaces) {
    struct Row {
        double value;
        double rounded;
    };
    const Row rows[] = {
        {2.0 / 3, 0.6667},
        {1.0 / 3, 0.3333},
        {0.1, 0.1},
        {2, 2},
        // exact halves (binary fractions) go to the even neighbour
        {0.03125, 0.0312},
        {0.09375, 0.0938},
        {0.15625, 0.1562},
        {-0.03125, -0.0312},
        {1.03125, 1.0312},
        // near halves: value * 10^4 rounds to exactly n + 0.5, though the double itself lies
        // below or above the half
        {0.00095, 0.0009},
        {0.00085, 0.0008},
        {std::nextafter(0.00085, 1.0), 0.0009},
        {0.14865, 0.1487},
        {61.10975, 61.1097},
        {99.39085, 99.3909},
        {117.19795, 117.198},
        {std::nextafter(117.19795, 0.0), 117.1979},
        {879732.32165, 879732.3217},
        // tiny and huge values
        {1e-310, 0},
        {4.9e-5, 0},
        {5.1e-5, 0.0001},
        {1e15 + 0.125, 1e15 + 0.125}, // finer than a step only in binary: already the nearest
        {123456789.12345, 123456789.1234},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value);
        EXPECT_EQ(sb::roundToPlaces(row.value, 4), row.rounded);
    }
}

TEST(RoundToPlaces, OtherPlaces) {
    struct Row {
        double value;
        int places;
        double rounded;
    };
    const Row rows[] = {
        {2.5, 0, 2},      {3.5, 0, 4},      {-2.5, 0, -2},    {0.5, 0, 0},       {1.5, 0, 2},
        {2.675, 2, 2.67}, {0.125, 2, 0.12}, {0.375, 2, 0.38}, {1e300, 4, 1e300},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value << " to " << row.places);
        EXPECT_EQ(sb::roundToPlaces(row.value, row.places), row.rounded);
    }
}

} // namespace
