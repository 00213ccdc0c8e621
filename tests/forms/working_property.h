// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working must never disagree with the window, nor with itself: after any command,
// every answer the window shows appears in the working (detail lines included) exactly as
// shown; no number stands in E-notation unless the window shows it so (or it was typed so);
// and no step compares two written numbers in a way those numbers contradict ("5 < 5",
// "1.6 is less than 1.6", "0.999999999999999 = 1"). This drives a topic window with random
// values and checks that, for every command given.

#include "ui/desktop.h"
#include "ui/form.h"
#include "ui/widgets.h"
#include "working/exact.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace working_property {

// Message boxes are counted, not shown.
class QuietDesktop : public sb::ui::Desktop {
public:
    QuietDesktop() { install(this); }
    ~QuietDesktop() override { install(nullptr); }
    QStringList told;
    void showMessage(QWidget*, const QString& text) override { told << text; }
};

using Values = std::function<QString(std::mt19937&)>;

// A command and the boxes it reads, each filled with values drawn for it.
struct RandomCommand {
    QString button;
    std::vector<std::pair<QString, Values>> boxes;
};

// A number as a pupil types it: small integers, decimals, fractions, mixed numbers, negatives.
inline QString anyValue(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 5), small(-20, 20), positive(1, 12);
    switch (kind(random)) {
    case 0: return QString::number(small(random));
    case 1: return QString::number(small(random) / 4.0);
    case 2: return QStringLiteral("%1/%2").arg(small(random)).arg(positive(random));
    case 3: return QStringLiteral("%1/%2/%3").arg(positive(random)).arg(positive(random)).arg(positive(random));
    case 4: return QString::number(std::uniform_real_distribution<double>(-99, 99)(random), 'g', 4);
    default: return QString::number(positive(random));
    }
}

// True when text stands in line as a whole: not as part of a longer number.
inline bool standsIn(const QString& line, const QString& text) {
    for (qsizetype at = line.indexOf(text); at >= 0; at = line.indexOf(text, at + 1)) {
        const auto partOfNumber = [](QChar c) { return c.isDigit() || c == u'.' || c == u'E'; };
        const bool before = at > 0 && partOfNumber(line[at - 1]);
        const qsizetype end = at + text.size();
        const bool after = end < line.size() && partOfNumber(line[end]);
        if (!before && !after) return true;
    }
    return false;
}

// The numbers in E-notation a text holds ("5.77119491429242E-10").
inline QStringList eNotations(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(R"(-?\d+(?:[.,]\d+)?E[+-]\d+)"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();) found << match.next().captured();
    return found;
}

// The steps that compare two written numbers in a way the numbers contradict. A comparison
// counts only between two bare numbers: "7 < 7.5", "60° = 60°", "2 is less than 3"; not
// "x1 = 2" (a name), "√0 = 0" or "3 × 2 = 6" (a computation), "= 5x" or "= 2/3" (more follows).
inline QStringList contradictions(const QStringList& lines, const QLocale& locale = QLocale()) {
    const QString mark = QRegularExpression::escape(locale.decimalPoint());
    const QString number = QStringLiteral(R"((-?\d+(?:%1\d+)?)°?)").arg(mark);
    static const QString relations =
        QStringLiteral("<|>|≤|≥|=|≠|is less than|is greater than|is more than|is equal to|equals");
    const QRegularExpression pattern(number + QStringLiteral(R"(\s*()") + relations +
                                     QStringLiteral(R"()\s*)") + number);
    const QString operators = QStringLiteral("×÷*/+-·^√²³(");
    QStringList bad;
    for (const QString& line : lines) {
        for (qsizetype from = 0;;) {
            const auto m = pattern.match(line, from);
            if (!m.hasMatch()) break;
            from = m.capturedStart(2);
            // a letter or digit right before the number makes it part of a name ("x1");
            // an operator before it, blanks between or not, makes it part of a computation
            qsizetype before = m.capturedStart(1) - 1;
            const bool named = before >= 0 && (line[before].isLetterOrNumber() || line[before] == u'.');
            while (before >= 0 && line[before] == u' ') --before;
            const bool bareLeft = !named && (before < 0 || !(operators.contains(line[before]) ||
                                                             line[before] == u')'));
            const qsizetype end = m.capturedEnd(0);
            const bool touching = end < line.size() && (line[end].isLetterOrNumber() ||
                                                        operators.contains(line[end]) ||
                                                        line[end] == u'π');
            qsizetype after = end;
            while (after < line.size() && line[after] == u' ') ++after;
            const bool bareRight =
                !touching && (after >= line.size() || !(QStringLiteral("×÷*/^·").contains(line[after])));
            if (!bareLeft || !bareRight) continue;
            using sb::working::Rational;
            const Rational a = Rational::ofText(m.captured(1), locale);
            const Rational b = Rational::ofText(m.captured(3), locale);
            const QString r = m.captured(2);
            const bool holds = r == u"<" || r == u"is less than"           ? a < b
                               : r == u">" || r.startsWith(u"is greater") ||
                                         r == u"is more than"             ? a > b
                               : r == u"≤"                                 ? a <= b
                               : r == u"≥"                                 ? a >= b
                               : r == u"≠"                                 ? a != b
                                                                           : a == b;
            if (!holds) bad << line;
        }
    }
    return bad;
}

// Runs each command rounds times with fresh random values and checks every answer shown.
inline void expectAnswersInWorking(sb::ui::Form& window, const std::vector<RandomCommand>& commands,
                                   int rounds = 200, unsigned seed = 7) {
    QuietDesktop quiet;
    std::mt19937 random(seed);
    const auto answers = window.findChildren<sb::ui::OutputLabel*>();
    for (const RandomCommand& command : commands)
        for (int round = 0; round < rounds; ++round) {
            QStringList typed;
            for (const auto& [box, values] : command.boxes) {
                const QString value = values(random);
                window.findChild<QLineEdit*>(box)->setText(value);
                typed << box + u'=' + value;
            }
            for (sb::ui::OutputLabel* answer : answers) answer->clear();
            quiet.told.clear();
            window.findChild<QAbstractButton*>(command.button)->click();
            window.setMoreDetail(true);
            const QString working = window.workingLines().join(u'\n');
            QString shown = typed.join(u' ') + u' ' + quiet.told.join(u' ');
            for (sb::ui::OutputLabel* answer : answers) shown += u' ' + answer->text();
            // a box shows the number it was read as too (1/100000 becomes 1E-05)
            for (const QLineEdit* box : window.findChildren<QLineEdit*>()) shown += u' ' + box->text();
            for (const QString& e : eNotations(working))
                EXPECT_TRUE(shown.contains(e))
                    << command.button.toStdString() << " " << typed.join(u' ').toStdString()
                    << ": the working writes " << e.toStdString()
                    << ", which the window does not show:\n" << working.toStdString();
            for (const QString& line : contradictions(window.workingLines()))
                ADD_FAILURE() << command.button.toStdString() << " " << typed.join(u' ').toStdString()
                              << ": the numbers contradict the step \"" << line.toStdString() << '"';
            for (sb::ui::OutputLabel* answer : answers) {
                if (answer->text().isEmpty()) continue;
                EXPECT_TRUE(standsIn(working, answer->text()))
                    << command.button.toStdString() << " " << typed.join(u' ').toStdString()
                    << ": " << answer->objectName().toStdString() << " shows "
                    << answer->text().toStdString() << ", not in the working:\n"
                    << working.toStdString();
            }
        }
}

} // namespace working_property
