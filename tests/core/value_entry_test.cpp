// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/value_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace rules = sb::entry_rules;

const char* const mustEnterNumeric = "Must enter a numeric value";
const char* const mustEnterPositive = "Must enter a positive value";
const char* const denominatorZero = "Denominator Cant Be Zero!!!";

QLocale localeOf(const char* name) { return QLocale(QString::fromLatin1(name)); }

// What the message of a refusal is, "" when the value was taken.
std::string refusalOf(const sb::EntryOutcome& outcome) {
    return outcome.refusal ? outcome.refusal->toStdString() : std::string();
}

TEST(ValueEntry, ReadsNumbersFractionsAndMixedNumbers) {
    struct Row {
        const char* text;
        double value;
        std::string refusal;
    };
    const Row rows[] = {
        {"3", 3, ""},
        {"0.25", 0.25, ""},
        {"-3", -3, ""},
        {"1/4", 0.25, ""},
        {"2/4", 0.5, ""},
        {"1.5/0.5", 3, ""},
        {"1e2/4", 25, ""},
        {"1/-4", -0.25, ""},
        {"-1/4", -0.25, ""},
        {"2/1/4", 2.25, ""},
        {"-2/1/2", -1.5, ""}, // the sign of the whole number stays off the fraction
        {"-2/1/4", -1.75, ""},
        {" 1 / 4 ", 0.25, ""},
        {"", 0, mustEnterNumeric},
        {"1/2/3/4", 0, mustEnterNumeric},
        {"abc", 0, "abc Is not a numeric value"},
        {"  ", 0, "   Is not a numeric value"},
        {"1,5", 0, "1,5 Is not a numeric value"},
        {"3/x", 0, "x Is not a numeric value"},
        {"5/", 0, " Is not a numeric value"},
        {"/4", 0, " Is not a numeric value"},
        {"/", 0, " Is not a numeric value"},
        {"1//2", 0, " Is not a numeric value"},
        {"a/b", 0, "a Is not a numeric value"},
        {"x/4", 0, "x Is not a numeric value"},
        {"1/0", 0, denominatorZero},
        {"0/0", 0, denominatorZero},
        {"1/-0", 0, denominatorZero},
        {"2/1/0", 0, denominatorZero},
        {"1e999", 0, "1e999 Is not a numeric value"},
        {"2/1e999", 0, "1e999 Is not a numeric value"},
        {"1e300/1e-300", 0, "1e300/1e-300 Is not a numeric value"},
        {"1e308/1e308/1e-1", 0, "1e308/1e308/1e-1 Is not a numeric value"},
        {"1.7e308/1.7e308/1", 0, "1.7e308/1.7e308/1 Is not a numeric value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        const auto outcome =
            sb::readValue(QString::fromUtf8(row.text), rules::progressions, localeOf("en_US"));
        EXPECT_EQ(outcome.value, row.value);
        EXPECT_EQ(refusalOf(outcome), row.refusal);
    }
}

struct Window {
    const char* name;
    sb::EntryRules rules;
    bool quotesWholeText; // a malformed text is quoted rather than "Must enter a numeric value"
    bool positive;
};
const Window windows[] = {
    {"quadratic", rules::quadratic, false, false},
    {"complex", rules::complex, false, false},
    {"statistics", rules::statistics, false, false},
    {"progressions", rules::progressions, false, false},
    {"circle", rules::circle, false, true},
    {"quadrilaterals", rules::quadrilaterals, false, true},
    {"triangles", rules::triangles, false, true},
    {"lawOfCosines", rules::lawOfCosines, true, true},
    {"lawOfSines", rules::lawOfSines, true, true},
    {"traffic", rules::traffic, true, true},
};

TEST(ValueEntry, RefusalMessagesOfEachWindow) {
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        const auto malformed = [&](const std::string& text) {
            return window.quotesWholeText ? text + " Is not a numeric value" : mustEnterNumeric;
        };
        const std::pair<const char*, std::string> cases[] = {
            {"", malformed("")},
            {"1/2/3/4", malformed("1/2/3/4")},
            {"3/x", "x Is not a numeric value"},
            {"1/0", denominatorZero},
            {"1e300/1e-300", "1e300/1e-300 Is not a numeric value"},
        };
        for (const auto& [text, message] : cases) {
            SCOPED_TRACE(text);
            const auto outcome =
                sb::readValue(QString::fromUtf8(text), window.rules, localeOf("en_US"));
            EXPECT_EQ(outcome.value, 0);
            EXPECT_EQ(refusalOf(outcome), message);
        }
    }
}

TEST(ValueEntry, PositiveCheckKeepsTheNumber) {
    const std::pair<const char*, double> cases[] = {
        {"2", 2}, {"-1/-2", 0.5}, {"-3", -3}, {"0", 0}, {"0/5", 0}, {"-2/1/2", -1.5},
    };
    for (const Window& window : windows) {
        SCOPED_TRACE(window.name);
        for (const auto& [text, value] : cases) {
            SCOPED_TRACE(text);
            const auto outcome =
                sb::readValue(QString::fromUtf8(text), window.rules, localeOf("en_US"));
            EXPECT_EQ(outcome.value, value);
            EXPECT_EQ(refusalOf(outcome), window.positive && value <= 0 ? mustEnterPositive : "");
        }
    }
}

TEST(ValueEntry, EvalEntryStepAndMessages) {
    struct Row {
        const char* name;
        sb::EntryRules rules;
        bool validBefore;
        const char* text;
        double value;
        bool validAfter;
        std::string message; // "" when nothing is said
    };
    const Row rows[] = {
        {"quadratic", rules::quadratic, false, "3", 0, false, ""},
        {"complex", rules::complex, false, "abc", 0, false, ""},
        {"quadratic", rules::quadratic, true, "3", 3, true, ""},
        {"quadratic", rules::quadratic, true, "abc", 0, false, "abc Is not a numeric value"},
        {"complex", rules::complex, true, "", 0, false, mustEnterNumeric},
        {"statistics", rules::statistics, false, "3", 3, true, ""},
        {"statistics", rules::statistics, true, "abc", 0, false, "abc Is not a numeric value"},
        {"statistics", rules::statistics, false, "1/0", 0, false, denominatorZero},
        {"progressions", rules::progressions, false, "3", 3, false, ""},
        {"circle", rules::circle, false, "3", 3, false, ""},
        {"traffic", rules::traffic, true, "2/1/4", 2.25, true, ""},
        {"circle", rules::circle, true, "-3", -3, false, mustEnterPositive},
        {"triangles", rules::triangles, true, "0/5", 0, false, mustEnterPositive},
        {"lawOfSines", rules::lawOfSines, true, "", 0, false, " Is not a numeric value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " \"" + row.text + "\"");
        bool valid = row.validBefore;
        int said = 0;
        std::string message;
        const double value = sb::eval(
            QString::fromUtf8(row.text), valid, row.rules,
            [&](const QString& m) { ++said, message = m.toStdString(); }, localeOf("en_US"));
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(valid, row.validAfter);
        EXPECT_EQ(said, row.message.empty() ? 0 : 1);
        EXPECT_EQ(message, row.message);
    }
}

TEST(ValueEntry, DecimalSeparatorOfTheLocale) {
    bool valid = true;
    int said = 0;
    const double value = sb::eval(
        QStringLiteral("1,5/2"), valid, rules::quadratic, [&](const QString&) { ++said; },
        localeOf("de_DE"));
    EXPECT_EQ(value, 0.75);
    EXPECT_TRUE(valid);
    EXPECT_EQ(said, 0);
    EXPECT_EQ(
        refusalOf(sb::readValue(QStringLiteral("1.5/2"), rules::quadratic, localeOf("de_DE"))),
        "1.5 Is not a numeric value");
}

} // namespace
