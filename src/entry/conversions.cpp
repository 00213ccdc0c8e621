#include "conversions.h"

#include "fault.h"

#include <charconv>
#include <cmath>
#include <string>

namespace sb {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the text as sign, digits, decimal separator, digits, exponent into a plain ASCII
// number that from_chars understands, without consulting any C locale.
struct Scanned {
    std::string ascii;     // e.g. "-12.5e3"
    long long magnitude{}; // decimal exponent of the first significant digit
    bool allZero = true;
};

std::optional<Scanned> scan(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    const QString point = locale.decimalPoint();
    Scanned s;
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return k < t.size() ? t[k] : QChar(); };

    if (at(i) == u'+' || at(i) == u'-') {
        if (at(i) == u'-') s.ascii += '-';
        ++i;
    } else if (t.mid(i).startsWith(locale.negativeSign())) {
        s.ascii += '-';
        i += locale.negativeSign().size();
    }

    long long intDigits = 0, significantIntDigits = 0, fracDigits = 0, zerosAfterPoint = 0;
    bool seenSignificant = false;
    for (; isDigit(at(i)); ++i, ++intDigits) {
        s.ascii += char(at(i).unicode());
        if (at(i) != u'0') seenSignificant = true;
        if (seenSignificant) ++significantIntDigits;
    }
    if (!point.isEmpty() && t.mid(i).startsWith(point)) {
        i += point.size();
        s.ascii += '.';
        for (; isDigit(at(i)); ++i, ++fracDigits) {
            s.ascii += char(at(i).unicode());
            if (at(i) != u'0') seenSignificant = true;
            else if (!seenSignificant) ++zerosAfterPoint;
        }
    }
    if (intDigits + fracDigits == 0) return std::nullopt;
    s.allZero = !seenSignificant;

    long long exponent = 0;
    if (at(i) == u'e' || at(i) == u'E') {
        ++i;
        s.ascii += 'e';
        bool negative = false;
        if (at(i) == u'+' || at(i) == u'-') {
            negative = at(i) == u'-';
            s.ascii += char(at(i).unicode());
            ++i;
        }
        if (!isDigit(at(i))) return std::nullopt;
        for (; isDigit(at(i)); ++i) {
            s.ascii += char(at(i).unicode());
            if (exponent < 100000) exponent = exponent * 10 + (at(i).unicode() - u'0');
        }
        if (negative) exponent = -exponent;
    }
    if (i != t.size()) return std::nullopt;
    s.magnitude = significantIntDigits > 0 ? exponent + significantIntDigits - 1
                                           : exponent - zerosAfterPoint - 1;
    return s;
}

} // namespace

std::optional<double> parseNumber(const QString& text, const QLocale& locale) {
    const auto scanned = scan(text, locale);
    if (!scanned) return std::nullopt;
    const std::string& a = scanned->ascii;
    double value = 0;
    const auto [end, error] = std::from_chars(a.data(), a.data() + a.size(), value);
    if (error == std::errc::result_out_of_range) {
        // too large for a double: no number; too small to tell from zero: zero
        if (scanned->allZero || scanned->magnitude < 0) return a.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc() || end != a.data() + a.size()) return std::nullopt;
    return value;
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
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    text.replace(u'e', u'E');
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString integerText(std::int32_t value) { return QString::number(value); }

} // namespace sb
