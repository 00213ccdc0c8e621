// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working must never disagree with the window, nor with itself: after any command,
// every answer the window shows appears in the working (detail lines included) exactly as
// shown; no number stands in E-notation unless the window shows it so (or it was typed so);
// and no step compares two written numbers in a way those numbers contradict ("5 < 5",
// "1.6 is less than 1.6", "0.999999999999999 = 1"). This drives a topic window with random
// values and checks that, for every command given.

#include "../stands_in.h"
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
#include <map>
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

// The commands of every topic window and the boxes each reads, in the order the boxes are
// filled, as "Command13 a2 b2 h2". A box written "q7:ratio" takes values of the kind named
// after the colon when the caller gives that kind, and the values given for "" otherwise.
inline std::vector<RandomCommand> randomCommands(const QString& window,
                                                 const std::map<QString, Values>& kinds) {
    static const std::map<QString, QStringList> table = {
        {"Form2", {"Command1 A B C"}},
        {"Form3",
         {"Command1 in1s:sign in1m in1d:denominator", "Command2 in2m:improper in2d:denominator",
          "Command3 in3s:sign in3m in3d:denominator", "Command4 in4:decimal"}},
        {"Form4",
         {"Command1 s1:sign m1 d1 op:operator s2:sign m2 d2", "Command2 b:common a:common",
          "Command3 inm4:reduce ind4:reduce"}},
        {"Form5", {"Command1 n w:weights", "Command3 n w:weights", "Command2 n w:weights"}},
        {"Form6",
         {"Command1 a1 d n", "Command2 a12 an2 n2", "Command8 d3 an3 n3", "Command3 a14 d4 n4",
          "Command6 a15 an5 n5", "ans6 a16 d6 an6", "command20 a17 q7:ratio n7",
          "command21 a18 q8:ratio an8", "command22 a19 q9:ratio", "Command10 a110 q10:ratio n10",
          "Command4 a111 an11 n11"}},
        {"Form7",
         {"Command1 r1", "Command3 r1", "Command2 d1", "Command4 d1", "Command23 a1",
          "Command21 a1", "Command5 a2", "Command10 p1", "Command8 p1", "Command6 p2"}},
        {"Form8",
         {"Command1 s1", "Command3 s1", "Command2 a1", "Command4 a1", "Command7 p1", "Command9 p1",
          "Command13 a2 b2 h2", "Command11 hh1 hh2", "Command5 a3 b3", "Command8 a3 b3",
          "Command15 a6 ar6", "Command14 a6 ar6", "Command10 a7 p7", "Command6 a7 p7",
          "Command19 b6 h6", "Command16 b7 ar7", "Command17 a8 b8"}},
        {"Form9",
         {"Command1 b1 h1", "Command2 b2 s2", "Command7 h3 s3", "Command9 a4 b4 c4",
          "Command11 a5 b5 c5"}},
        {"Form10",
         {"Command1 a1 z1:angle b1", "Command2 a2 z2:angle b2", "Command8 a3 z3:angle b3",
          "Command7 a4 b4 c4"}},
        {"Form11",
         {"Command1 x1:angle z1:angle b1", "Command2 y2:angle a2 c2", "Command6 y3:angle a3 c3",
          "Command7 y4:angle z4:angle c4"}},
        {"Form12",
         {"Command3 s1 v1", "Command4 s2 t2", "Command5 t3 v3", "Command2 p1:percent pr1",
          "Command1 p2:percent pr2"}},
        {"Form13", {"Command1 r1 i1 op:operator r2 i2", "Command2 p", "Command3 re3 im3"}},
    };
    for (const auto& [kind, values] : kinds) // a misspelt kind would fall back unnoticed
        if (!kind.isEmpty() && !table.at(window).join(u' ').contains(u':' + kind))
            ADD_FAILURE() << "no box of " << window.toStdString() << " takes "
                          << kind.toStdString();
    std::vector<RandomCommand> out;
    for (const QString& row : table.at(window)) {
        const QStringList words = row.split(u' ');
        RandomCommand command{words.first(), {}};
        for (const QString& word : words.mid(1)) {
            const auto kind = kinds.find(word.section(u':', 1));
            command.boxes.push_back(
                {word.section(u':', 0, 0), (kind != kinds.end() ? kind : kinds.find({}))->second});
        }
        out.push_back(command);
    }
    return out;
}

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

// Mostly values from low to high (sides that make a triangle, angles, percentages), now and
// then anything a pupil might type.
inline Values between(double low, double high) {
    return [=](std::mt19937& random) {
        if (random() % 4 == 0) return anyValue(random);
        return QString::number(std::uniform_real_distribution<double>(low, high)(random), 'g', 3);
    };
}

// True when text stands in line as a whole: not as part of a longer number.
using sb_tests::standsIn;

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
            // "cos 0° = 1" writes the value of a function, not 0 = 1
            static const QRegularExpression function(QStringLiteral(R"((sin|cos|tan)$)"));
            const bool argument = function.match(line.left(before + 1)).hasMatch();
            const bool bareLeft = !named && !argument &&
                                  (before < 0 || !(operators.contains(line[before]) ||
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
