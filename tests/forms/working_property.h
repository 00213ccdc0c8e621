// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working must never disagree with the window: after any command, every answer the
// window shows appears in the working (detail lines included) exactly as shown. This drives a
// topic window with random values and checks that, for every command given.

#include "ui/desktop.h"
#include "ui/form.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QLineEdit>
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
