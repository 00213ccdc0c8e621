// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Value entry: how every topic window that takes numbers reads one typed value. A value is
// a plain number x, a fraction n/d or a mixed number w/n/d; the windows differ only in the
// three points of EntryRules.

#include "conversions.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace sb {

// A message of the value entry: its English text, read in the language spoken each time it
// is used as a QString.
struct EntryMessage {
    const char* english;
    operator QString() const; // NOLINT: implicit on purpose, it stands for the text
};

namespace entry_messages {
inline constexpr EntryMessage mustEnterNumeric{
    QT_TRANSLATE_NOOP("ValueEntry", "Must enter a numeric value")};
inline constexpr EntryMessage mustEnterPositive{
    QT_TRANSLATE_NOOP("ValueEntry", "Must enter a positive value")};
inline constexpr EntryMessage denominatorZero{
    QT_TRANSLATE_NOOP("ValueEntry", "Denominator Cant Be Zero!!!")};
// "abc Is not a numeric value": the typed text that is no number, quoted whole.
QString notNumeric(const QString& typed);
} // namespace entry_messages

struct EntryRules {
    enum class OnEntry {
        Nothing,
        SkipWhenInvalid, // once a value of the command failed, later ones read as 0 silently
        MarkValid,       // each value starts afresh (items of a list)
    };
    enum class Malformed {
        MustEnterNumeric,    // "Must enter a numeric value"
        WholeTextNotNumeric, // the whole text, then " Is not a numeric value"
    };
    OnEntry onEntry;
    Malformed malformed; // the message for an empty text or more than two "/"
    bool positive;       // zero and negative values are refused
};

// The row of each window that reads values this way.
namespace entry_rules {
using R = EntryRules;
inline constexpr R quadratic{R::OnEntry::SkipWhenInvalid, R::Malformed::MustEnterNumeric, false};
inline constexpr R complex{R::OnEntry::SkipWhenInvalid, R::Malformed::MustEnterNumeric, false};
inline constexpr R statistics{R::OnEntry::MarkValid, R::Malformed::MustEnterNumeric, false};
inline constexpr R progressions{R::OnEntry::Nothing, R::Malformed::MustEnterNumeric, false};
inline constexpr R circle{R::OnEntry::Nothing, R::Malformed::MustEnterNumeric, true};
inline constexpr R quadrilaterals{R::OnEntry::Nothing, R::Malformed::MustEnterNumeric, true};
inline constexpr R triangles{R::OnEntry::Nothing, R::Malformed::MustEnterNumeric, true};
inline constexpr R lawOfCosines{R::OnEntry::Nothing, R::Malformed::WholeTextNotNumeric, true};
inline constexpr R lawOfSines{R::OnEntry::Nothing, R::Malformed::WholeTextNotNumeric, true};
inline constexpr R traffic{R::OnEntry::Nothing, R::Malformed::WholeTextNotNumeric, true};
} // namespace entry_rules

// What reading one text gives: the number, and the message when the value is refused.
struct EntryOutcome {
    double value = 0;
    std::optional<QString> refusal;
};

// Reads one text by the rules' message and positive check (the entry step is eval's).
EntryOutcome readValue(const QString& text, const EntryRules& rules,
                       const QLocale& locale = QLocale());
// The same for a piece of a longer text (an item of a list), with the locale's marks taken
// once for all the pieces.
EntryOutcome readValue(QStringView text, const EntryRules& rules, const NumberMarks& marks);

// Reads one value for a command: applies the entry step to inputsValid, tells a refusal
// through say (one message at most) and clears inputsValid then. Returns the number, 0 for
// a refused value, or the number itself when only the positive check refused it.
double eval(const QString& text, bool& inputsValid, const EntryRules& rules,
            const std::function<void(const QString&)>& say, const QLocale& locale = QLocale());

} // namespace sb
