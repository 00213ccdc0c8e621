// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the conversions and value entry: any text through parseNumber,
// readValue and eval under every window's rules, and any double through resultText. What
// must hold: no crash and no sanitizer report; a value that reads shows as a result text
// that reads back as the value rounded to 15 significant digits; no result text is inf,
// nan or a negative zero.
//
// Input: byte 0 picks the locale and how the text is decoded (UTF-8 or raw UTF-16), the rest
// is the text; its first 8 bytes are also taken as a double.

#include "entry/conversions.h"
#include "entry/fault.h"
#include "entry/value_entry.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

const QLocale& localeFor(std::uint8_t pick) {
    static const QLocale locales[] = {
        QLocale(QStringLiteral("en_US")),
        QLocale(QStringLiteral("de_DE")),
        QLocale(QStringLiteral("sv_SE")),
        QLocale(QStringLiteral("ar_EG")),
        QLocale(QStringLiteral("fa_IR")),
        QLocale(QStringLiteral("fr_CH")),
        QLocale::c(),
        QLocale(QStringLiteral("hi_IN")),
    };
    return locales[pick % std::size(locales)];
}

[[noreturn]] void fail(const char* what, const QString& text, double value) {
    std::fprintf(stderr, "%s: text \"%s\", value %.17g\n", what, qPrintable(text), value);
    std::abort();
}

// value rounded to 15 significant digits, without the C library; nothing when that is
// beyond the largest double (the few values from 1.797693134862315E+308 on)
std::optional<double> rounded15(double value) {
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    double back = 0;
    if (std::from_chars(buffer, end, back).ec != std::errc()) return std::nullopt;
    return back;
}

// A result text of a finite value: shows no inf, nan or negative zero and reads back as the
// value rounded to 15 digits.
void checkResultText(double value, const QLocale& locale) {
    const QString text = sb::resultText(value, locale);
    static const QRegularExpression notANumber(QStringLiteral("inf|nan"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (text.contains(notANumber)) fail("result text shows inf or nan", text, value);
    const auto back = sb::parseNumber(text, locale);
    const auto expected = value == 0 ? std::optional(0.0) : rounded15(value);
    if (back != expected) fail("result text does not read back as the value rounded", text, value);
    if (back && std::signbit(*back) && *back == 0)
        fail("result text is a negative zero", text, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QLocale& locale = localeFor(data[0] >> 1);
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = qsizetype(size - 1);
    const QString text = (data[0] & 1) ? QString(reinterpret_cast<const QChar*>(bytes), length / 2)
                                       : QString::fromUtf8(bytes, length);

    if (const auto number = sb::parseNumber(text, locale)) {
        if (!std::isfinite(*number)) fail("parseNumber gave no finite number", text, *number);
        checkResultText(*number, locale);
    }

    using namespace sb::entry_rules;
    for (const sb::EntryRules& rules :
         {quadratic, complex, statistics, progressions, circle, quadrilaterals, triangles,
          lawOfCosines, lawOfSines, traffic}) {
        const sb::EntryOutcome outcome = sb::readValue(text, rules, locale);
        if (!std::isfinite(outcome.value)) fail("readValue gave no finite number", text, 0);
        if (!outcome.refusal) {
            if (rules.positive && !(outcome.value > 0)) fail("a positive value is not", text, 0);
            checkResultText(outcome.value, locale);
        }
        for (const bool validBefore : {true, false}) {
            bool inputsValid = validBefore;
            int messages = 0;
            const double value = sb::eval(
                text, inputsValid, rules, [&](const QString&) { ++messages; }, locale);
            if (messages > 1) fail("eval showed more than one message", text, value);
            if (messages == 1 && inputsValid) fail("a refused value left inputsValid", text, value);
            if (messages == 0 && inputsValid != validBefore &&
                rules.onEntry != sb::EntryRules::OnEntry::MarkValid)
                fail("eval changed inputsValid silently", text, value);
            if (!std::isfinite(value)) fail("eval gave no finite number", text, value);
        }
    }

    if (length >= 8) {
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        if (std::isfinite(value)) {
            checkResultText(value, locale);
        } else {
            try {
                sb::resultText(value, locale);
                fail("resultText wrote inf or nan", text, value);
            } catch (const sb::ArithmeticFault&) {}
        }
    }
    return 0;
}
