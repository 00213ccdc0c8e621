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
using working_property::randomCommands;

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
    working_property::expectAnswersInWorking(
        window, randomCommands("Form5", {{"", lists.numbers()}, {"weights", lists.weights()}}),
        150);
}

// Each row with any values a pupil might type, the geometric ones mostly with a ratio
// between -1 and 1 so that the infinite sum has one.
TEST(ProgressionsWindowWorking, EveryAnswerShownIsInTheWorking) {
    sb::Form6 window;
    const working_property::Values ratio = [](std::mt19937& random) {
        return random() % 4 == 0 ? anyValue(random)
                                 : QStringLiteral("%1/%2").arg(int(random() % 19) - 9).arg(10);
    };
    working_property::expectAnswersInWorking(
        window, randomCommands("Form6", {{"", anyValue}, {"ratio", ratio}}), 150);
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
    working_property::expectAnswersInWorking(
        window, randomCommands("Form12", {{"", positive}, {"percent", percent}}), 150);
}

} // namespace
