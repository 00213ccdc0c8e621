// SPDX-License-Identifier: GPL-3.0-or-later
#include "value_entry.h"

#include "conversions.h"

#include <QCoreApplication>

#include <cmath>

namespace sb {

namespace {

EntryOutcome refuse(QString message, double value = 0) { return {value, std::move(message)}; }

struct ValueEntry {
    Q_DECLARE_TR_FUNCTIONS(ValueEntry)
};

} // namespace

EntryMessage::operator QString() const { return ValueEntry::tr(english); }

QString entry_messages::notNumeric(const QString& typed) {
    //: %1 is the text typed in a box, quoted as it was typed
    return ValueEntry::tr("%1 Is not a numeric value").arg(typed);
}

using entry_messages::notNumeric;

EntryOutcome readValue(QStringView text, const EntryRules& rules, const NumberMarks& marks) {
    // an empty text has no parts at all; otherwise every "/" splits, keeping blanks (a
    // fourth part is only counted)
    QStringView parts[3];
    qsizetype count = 0;
    for (qsizetype from = 0; !text.isEmpty() && count <= 3;) {
        const qsizetype slash = text.indexOf(u'/', from);
        const qsizetype end = slash < 0 ? text.size() : slash;
        if (count < 3) parts[count] = text.sliced(from, end - from);
        ++count;
        if (slash < 0) break;
        from = slash + 1;
    }
    if (count == 0 || count > 3)
        return refuse(rules.malformed == EntryRules::Malformed::MustEnterNumeric
                          ? entry_messages::mustEnterNumeric
                          : notNumeric(text.toString()));

    double numbers[3] = {};
    for (qsizetype i = 0; i < count; ++i) {
        const auto number = parseNumber(parts[i], marks);
        if (!number) return refuse(notNumeric(parts[i].toString())); // the first failing part
        numbers[i] = *number;
    }

    double value = numbers[0];
    if (count > 1) {
        const double numerator = numbers[count - 2];
        const double denominator = numbers[count - 1];
        // a zero denominator is refused in the words the program uses for it elsewhere
        if (denominator == 0) return refuse(entry_messages::denominatorZero);
        value = numerator / denominator;
        if (count == 3) value = numbers[0] + value;
        // a quotient or sum beyond the range of a double: the value as typed is no number
        if (!std::isfinite(value)) return refuse(notNumeric(text.toString()));
    }

    if (rules.positive && value <= 0) return refuse(entry_messages::mustEnterPositive, value);
    return {value, std::nullopt};
}

EntryOutcome readValue(const QString& text, const EntryRules& rules, const QLocale& locale) {
    return readValue(QStringView(text), rules, NumberMarks(locale));
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
