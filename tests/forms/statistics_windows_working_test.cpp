// The working of the statistics, progressions and traffic windows never disagrees with them:
// over random values of every command, every answer shown stands in the working as shown.

#include "topics/statistics/dispersion/form5.h"

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

TEST(StatisticsWorking, EveryAnswerShownIsInTheWorking) {
    sb::Form5 window;
    const Lists lists;
    std::vector<RandomCommand> commands;
    for (const char* button : {"Command1", "Command3", "Command2"})
        commands.push_back({button, {{"n", lists.numbers()}, {"w", lists.weights()}}});
    working_property::expectAnswersInWorking(window, commands, 150);
}

} // namespace
