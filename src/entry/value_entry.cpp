#include "value_entry.h"

#include "conversions.h"

#include <QStringList>

#include <cmath>

namespace sb {

namespace {

EntryOutcome refuse(QString message, double value = 0) { return {value, std::move(message)}; }

QString notNumeric(const QString& part) { return part + entry_messages::notNumericSuffix; }

} // namespace

EntryOutcome readValue(const QString& text, const EntryRules& rules, const QLocale& locale) {
    // an empty text has no parts at all; otherwise every "/" splits, keeping blanks
    const QStringList parts = text.isEmpty() ? QStringList() : text.split(u'/');
    if (parts.isEmpty() || parts.size() > 3)
        return refuse(rules.malformed == EntryRules::Malformed::MustEnterNumeric
                          ? entry_messages::mustEnterNumeric
                          : notNumeric(text));

    double numbers[3] = {};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto number = parseNumber(parts[i], locale);
        if (!number) return refuse(notNumeric(parts[i])); // the first failing part is quoted
        numbers[i] = *number;
    }

    double value = numbers[0];
    if (parts.size() > 1) {
        const double numerator = numbers[parts.size() - 2];
        const double denominator = numbers[parts.size() - 1];
        // a zero denominator is refused in the words the program uses for it elsewhere
        if (denominator == 0) return refuse(entry_messages::denominatorZero);
        value = numerator / denominator;
        if (parts.size() == 3) value = numbers[0] + value;
        // a quotient or sum beyond the range of a double: the value as typed is no number
        if (!std::isfinite(value)) return refuse(notNumeric(text));
    }

    if (rules.positive && value <= 0) return refuse(entry_messages::mustEnterPositive, value);
    return {value, std::nullopt};
}

double eval(const QString& text, bool& inputsValid, const EntryRules& rules,
            const std::function<void(const QString&)>& say, const QLocale& locale) {
    switch (rules.onEntry) {
    case EntryRules::OnEntry::SkipWhenInvalid:
        if (!inputsValid) return 0;
        break;
    case EntryRules::OnEntry::MarkValid: inputsValid = true; break;
    case EntryRules::OnEntry::Nothing: break;
    }
    const EntryOutcome outcome = readValue(text, rules, locale);
    if (outcome.refusal) {
        say(*outcome.refusal);
        inputsValid = false;
    }
    return outcome.value;
}

} // namespace sb
