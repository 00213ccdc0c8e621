// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversions.h"

#include "fault.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>

namespace sb {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the text as sign, digits, decimal separator, digits, exponent into a plain ASCII
// number that from_chars understands, without consulting any C locale. Short numbers stay
// on the stack: reading a long list takes no allocation per element.
struct Scanned {
    QVarLengthArray<char, 48> ascii; // e.g. "-12.5e3"
    long long magnitude{};           // decimal exponent of the first significant digit
    bool allZero = true;
};

bool scan(QStringView text, const NumberMarks& marks, Scanned& s) {
    const QStringView t = text.trimmed();
    const QStringView point = marks.decimalPoint;
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < t.size() ? t[k] : QChar(); };
    // most marks are one character, which needs no string comparison
    auto markAt = [&](qsizetype k, QStringView mark) {
        return mark.size() == 1 ? at(k) == mark[0] : t.sliced(k).startsWith(mark);
    };

    if (at(i) == u'+' || at(i) == u'-') {
        if (at(i) == u'-') s.ascii.append('-');
        ++i;
    } else if (markAt(i, marks.negativeSign)) {
        s.ascii.append('-');
        i += marks.negativeSign.size();
    }

    long long intDigits = 0, significantIntDigits = 0, fracDigits = 0, zerosAfterPoint = 0;
    bool seenSignificant = false;
    for (; isDigit(at(i)); ++i, ++intDigits) {
        s.ascii.append(char(at(i).unicode()));
        if (at(i) != u'0') seenSignificant = true;
        if (seenSignificant) ++significantIntDigits;
    }
    if (!point.isEmpty() && markAt(i, point)) {
        i += point.size();
        s.ascii.append('.');
        for (; isDigit(at(i)); ++i, ++fracDigits) {
            s.ascii.append(char(at(i).unicode()));
            if (at(i) != u'0') seenSignificant = true;
            else if (!seenSignificant) ++zerosAfterPoint;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    s.allZero = !seenSignificant;

    long long exponent = 0;
    if (at(i) == u'e' || at(i) == u'E') {
        ++i;
        s.ascii.append('e');
        bool negative = false;
        if (at(i) == u'+' || at(i) == u'-') {
            negative = at(i) == u'-';
            s.ascii.append(char(at(i).unicode()));
            ++i;
        }
        if (!isDigit(at(i))) return false;
        for (; isDigit(at(i)); ++i) {
            s.ascii.append(char(at(i).unicode()));
            if (exponent < 100000) exponent = exponent * 10 + (at(i).unicode() - u'0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != t.size()) return false;
    s.magnitude = significantIntDigits > 0 ? exponent + significantIntDigits - 1
                                           : exponent - zerosAfterPoint - 1;
    return true;
}

// A double in the general form with 15 significant digits, "." and a small "e" as to_chars
// writes them ("%.15G" but for the case of the e); returns the end of the text.
char* writeGeneral15(double value, char (&buffer)[40]) {
    return std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
}

} // namespace

NumberMarks::NumberMarks(const QLocale& locale)
    : decimalPoint(locale.decimalPoint()), negativeSign(locale.negativeSign()) {}

std::optional<double> parseNumber(QStringView text, const NumberMarks& marks) {
    Scanned scanned;
    if (!scan(text, marks, scanned)) return std::nullopt;
    const char* const first = scanned.ascii.data();
    const char* const last = first + scanned.ascii.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // too large for a double: no number; too small to tell from zero: zero
        if (scanned.allZero || scanned.magnitude < 0) return *first == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    return parseNumber(QStringView(text), NumberMarks(locale));
}

double numberOf(const QString& text, const QLocale& locale) {
    if (const auto value = parseNumber(text, locale)) return *value;
    throw ArithmeticFault(ArithmeticFault::Kind::NotNumeric);
}

namespace {

// the nearest whole number, ties to even, independent of the current rounding mode
double halfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

} // namespace

std::int32_t roundToInt32(double value) {
    if (std::isnan(value)) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
    const double rounded = halfToEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return static_cast<std::int32_t>(rounded);
}

double roundToPlaces(double value, int places) {
    if (!std::isfinite(value) || value == 0) return value;
    const double scale = std::pow(10.0, places); // exact for 0 to 22 places
    const double magnitude = std::fabs(value);
    // from 2^53 / scale on, a double's spacing is wider than a step of the last place, so
    // the rounded decimal lies nearer to the value itself than to any other double
    if (magnitude >= 0x1p53 / scale) return value;

    // magnitude * scale exactly is scaled + error: the product rounded, and what the
    // rounding lost (fma computes it without rounding)
    const double scaled = magnitude * scale;
    const double error = std::fma(magnitude, scale, -scaled);
    const double whole = std::floor(scaled);
    // the fraction scaled - whole is exact, and so is its distance from a half unless
    // that distance is far greater than the error; so this compares exactly
    const double aboveHalf = (scaled - whole) - 0.5;
    double rounded = whole;
    if (aboveHalf > -error) rounded = whole + 1;
    else if (aboveHalf == -error && std::fmod(whole, 2) != 0) rounded = whole + 1;
    return std::copysign(rounded / scale, value);
}

std::int32_t integerOf(const QString& text, const QLocale& locale) {
    return roundToInt32(numberOf(text, locale));
}

QString resultText(double value, const QLocale& locale) {
    if (std::isnan(value)) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
    if (std::isinf(value)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    if (value == 0) return QStringLiteral("0");
    // to_chars never asks the C library's locale, so "." is the mark until the program's
    // locale replaces it; 15 significant digits in the general form, as "%.15G" would
    char buffer[40];
    const char* const end = writeGeneral15(value, buffer);
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'e', u'E');
    text.replace(u'.', locale.decimalPoint());
    return text;
}

double readBack(double value) {
    if (std::isnan(value)) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
    if (std::isinf(value)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    if (value == 0) return 0; // written "0", so negative zero reads back as zero
    // the locale only renames the marks of the text, so the ASCII text reads back the same
    char buffer[40];
    const char* const end = writeGeneral15(value, buffer);
    double number = 0;
    const auto [stop, error] = std::from_chars(buffer, end, number);
    // rounded up beyond the largest double, the text has no number
    if (error != std::errc() || stop != end)
        throw ArithmeticFault(ArithmeticFault::Kind::NotNumeric);
    return number;
}

bool readsBackUnchanged(QStringView text, const NumberMarks& marks) {
    const QStringView point = marks.decimalPoint;
    if (point.size() != 1) return false;
    qsizetype i = !text.isEmpty() && (text[0] == u'-' || text[0] == u'+') ? 1 : 0;
    int digits = 0;
    bool pointSeen = false, nonZero = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            ++digits;
            nonZero = nonZero || text[i] != u'0';
        } else if (text[i] == point[0] && !pointSeen) pointSeen = true;
        else return false;
    }
    return nonZero && digits <= 15;
}

QString integerText(std::int32_t value) { return QString::number(value); }

} // namespace sb
