// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the statistics, progressions and traffic windows never disagrees with them:
// over random values of every command, every answer shown stands in the working as shown.

#include "topics/statistics/dispersion/form5.h"
#include "topics/statistics/progressions/form6.h"
#include "topics/statistics/traffic/form12.h"

#include "working_property.h"

#include <memory>

namespace {

using working_property::anyValue;
using working_property::RandomCommand;

// A list of 1 to 30 values; the weights list, filled after it, is empty a third of the
// time and otherwise as long as the list.
struct Lists {
    std::shared_ptr<int> length = std::make_shared<int>(0);
    working_property::Values numbers() const {
        return [length = length](std::mt19937& random) {
            *length = std::uniform_int_distribution<int>(1, 30)(random);
            QStringList values;
            for (int i = 0; i < *length; ++i) values << anyValue(random);
            return values.join(u' ');
        };
    }
    working_property::Values weights() const {
        return [length = length](std::mt19937& random) {
            if (random() % 3 == 0) return QString();
            QStringList values;
            for (int i = 0; i < *length; ++i)
                values << QString::number(std::uniform_int_distribution<int>(1, 9)(random));
            return values.join(u' ');
        };
    }
};

TEST(StatisticsWindowWorking, EveryAnswerShownIsInTheWorking) {
    sb::Form5 window;
    const Lists lists;
    std::vector<RandomCommand> commands;
    for (const char* button : {"Command1", "Command3", "Command2"})
        commands.push_back({button, {{"n", lists.numbers()}, {"w", lists.weights()}}});
    working_property::expectAnswersInWorking(window, commands, 150);
}

// Each row with any values a pupil might type, the geometric ones mostly with a ratio
// between -1 and 1 so that the infinite sum has one.
TEST(ProgressionsWindowWorking, EveryAnswerShownIsInTheWorking) {
    sb::Form6 window;
    const working_property::Values any = anyValue;
    const working_property::Values ratio = [](std::mt19937& random) {
        return random() % 4 == 0 ? anyValue(random)
                                 : QStringLiteral("%1/%2").arg(int(random() % 19) - 9).arg(10);
    };
    const std::vector<RandomCommand> commands = {
        {"Command1", {{"a1", any}, {"d", any}, {"n", any}}},
        {"Command2", {{"a12", any}, {"an2", any}, {"n2", any}}},
        {"Command8", {{"d3", any}, {"an3", any}, {"n3", any}}},
        {"Command3", {{"a14", any}, {"d4", any}, {"n4", any}}},
        {"Command6", {{"a15", any}, {"an5", any}, {"n5", any}}},
        {"ans6", {{"a16", any}, {"d6", any}, {"an6", any}}},
        {"command20", {{"a17", any}, {"q7", ratio}, {"n7", any}}},
        {"command21", {{"a18", any}, {"q8", ratio}, {"an8", any}}},
        {"command22", {{"a19", any}, {"q9", ratio}}},
        {"Command10", {{"a110", any}, {"q10", ratio}, {"n10", any}}},
        {"Command4", {{"a111", any}, {"an11", any}, {"n11", any}}},
    };
    working_property::expectAnswersInWorking(window, commands, 150);
}

// Every box of the traffic window takes values above 0; now and then a refused one.
TEST(TrafficWindowWorking, EveryAnswerShownIsInTheWorking) {
    sb::Form12 window;
    const working_property::Values positive = [](std::mt19937& random) {
        QString value = anyValue(random);
        if (value.startsWith(u'-') && random() % 8 != 0) value.remove(0, 1);
        return value;
    };
    const working_property::Values percent = [](std::mt19937& random) {
        return QString::number(std::uniform_int_distribution<int>(1, 120)(random) / 2.0);
    };
    const std::vector<RandomCommand> commands = {
        {"Command3", {{"s1", positive}, {"v1", positive}}},
        {"Command4", {{"s2", positive}, {"t2", positive}}},
        {"Command5", {{"t3", positive}, {"v3", positive}}},
        {"Command2", {{"p1", percent}, {"pr1", positive}}},
        {"Command1", {{"p2", percent}, {"pr2", positive}}},
    };
    working_property::expectAnswersInWorking(window, commands, 150);
}

} // namespace
