// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction windows' working never disagrees with them: over random boxes, every answer
// shown stands in the working of the command that wrote it, and its figure is drawable.

#include "topics/algebra/conversion/form3.h"
#include "topics/algebra/fractions/form4.h"
#include "working_property.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using working_property::RandomCommand;
using working_property::Values;

// A plain number as these windows read it, mostly small whole numbers, now and then a
// decimal, a leading zero, an exponent, a blank or no number at all.
QString plainNumber(std::mt19937& random, int least, int most) {
    std::uniform_int_distribution<int> kind(0, 9), whole(least, most);
    switch (kind(random)) {
    case 0: return QString::number(whole(random) / 4.0);
    case 1: return QStringLiteral("0%1").arg(std::abs(whole(random)));
    case 2: return QStringLiteral("%1e1").arg(whole(random));
    case 3: return QStringLiteral("x");
    case 4: return {};
    default: return QString::number(whole(random));
    }
}

Values numbers(int least, int most) {
    return [least, most](std::mt19937& random) { return plainNumber(random, least, most); };
}

// A decimal typed for "Decimal To Fraction": mostly ab.def, sometimes no point at all.
QString decimal(std::mt19937& random) {
    std::uniform_int_distribution<int> kind(0, 5), whole(-30, 30), places(0, 99999);
    if (kind(random) == 0) return QString::number(whole(random));
    return QStringLiteral("%1.%2").arg(whole(random)).arg(places(random));
}

// Every number of every figure is finite, whatever the boxes held: the driver prints them.
void expectFiniteFigures(sb::ui::Form& window, const std::vector<RandomCommand>& commands) {
    working_property::QuietDesktop quiet;
    std::mt19937 random(3);
    for (const RandomCommand& command : commands)
        for (int round = 0; round < 200; ++round) {
            for (const auto& [box, values] : command.boxes)
                window.findChild<QLineEdit*>(box)->setText(values(random));
            window.findChild<QAbstractButton*>(command.button)->click();
            for (const auto& e : window.working().figure.elements)
                for (double n : e.numbers) ASSERT_TRUE(std::isfinite(n)) << e.name.toStdString();
        }
}

QString anOperator(std::mt19937& random) {
    static const char* const typed[] = {"+", "-", "*", "/", "<", ">", "=", " +", ""};
    return typed[std::uniform_int_distribution<int>(0, 8)(random)];
}

TEST(FractionWindowsWorking, Form3AnswersStandInTheWorking) {
    sb::Form3 window;
    const auto commands =
        working_property::randomCommands("Form3", {{"", numbers(-30, 30)},
                                                   {"denominator", numbers(-12, 12)},
                                                   {"improper", numbers(-200, 200)},
                                                   {"decimal", decimal}});
    working_property::expectAnswersInWorking(window, commands);
    expectFiniteFigures(window, commands);
}

TEST(FractionWindowsWorking, Form4AnswersStandInTheWorking) {
    sb::Form4 window;
    const auto commands =
        working_property::randomCommands("Form4", {{"", numbers(-12, 12)},
                                                   {"sign", numbers(-5, 5)},
                                                   {"operator", anOperator},
                                                   {"common", numbers(-60, 60)},
                                                   {"reduce", numbers(-100, 100)}});
    working_property::expectAnswersInWorking(window, commands, 400);
    expectFiniteFigures(window, commands);
}

} // namespace
