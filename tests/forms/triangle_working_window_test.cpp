// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the two triangle-solving windows, driven through their buttons: every
// answer shown appears in the working, and hostile values never put nan or inf into it.

#include "topics/geometry/law_of_cosines/form10.h"
#include "topics/geometry/law_of_sines/form11.h"
#include "working_property.h"

#include <cmath>

namespace {

using working_property::RandomCommand;
using working_property::Values;

using working_property::between;

Values sides() { return between(0.5, 60); }
Values angles() { return between(1, 150); }

// The angles whose sines and cosines are exact, and small whole and half sides, so that
// right angles, equal sides, flat triangles and a side that just reaches come up often.
Values specialAngles() {
    return [](std::mt19937& random) {
        static const char* const angles[] = {"30", "45", "60", "90", "120", "135", "150", "15"};
        return QString::fromLatin1(angles[random() % 8]);
    };
}
Values smallSides() {
    return [](std::mt19937& random) {
        static const char* const sides[] = {"1", "2",  "3",   "4",   "5",
                                            "6", "10", "5/2", "1/3", "0.5"};
        return QString::fromLatin1(sides[random() % 10]);
    };
}

void expectEveryAnswerShown(const Values& side, const Values& angle, int rounds, unsigned seed,
                            unsigned sineSeed) {
    const std::map<QString, Values> kinds = {{"", side}, {"angle", angle}};
    sb::Form10 cosines;
    working_property::expectAnswersInWorking(
        cosines, working_property::randomCommands("Form10", kinds), rounds, seed);
    sb::Form11 sines;
    working_property::expectAnswersInWorking(
        sines, working_property::randomCommands("Form11", kinds), rounds, sineSeed);
}

TEST(TriangleWorking, EveryAnswerShownIsInTheWorking) {
    expectEveryAnswerShown(sides(), angles(), 200, 7, 7);
}

// Where the steps work exactly, they must still hold every answer shown and state no
// comparison the numbers contradict.
TEST(TriangleWorking, ExactCasesKeepEveryAnswerShown) {
    expectEveryAnswerShown(smallSides(), specialAngles(), 150, 11, 12);
}

// Every solve with every combination of extreme values: the working's lines and figure hold
// no nan or inf, however large, small or flat the triangle.
TEST(TriangleWorking, HostileValuesGiveAFiniteWorking) {
    const QStringList hostile = {"1e308", "9e99", "1e-99", "179.9", "1", "0.001", "1/0", "90"};
    working_property::QuietDesktop quiet;
    sb::Form10 cosines;
    sb::Form11 sines;
    const std::pair<sb::ui::Form*, RandomCommand> commands[] = {
        {&cosines, {"Command1", {{"a1", {}}, {"z1", {}}, {"b1", {}}}}},
        {&cosines, {"Command7", {{"a4", {}}, {"b4", {}}, {"c4", {}}}}},
        {&sines, {"Command1", {{"x1", {}}, {"z1", {}}, {"b1", {}}}}},
        {&sines, {"Command2", {{"y2", {}}, {"a2", {}}, {"c2", {}}}}},
        {&sines, {"Command7", {{"y4", {}}, {"z4", {}}, {"c4", {}}}}},
    };
    for (const auto& [window, command] : commands)
        for (const QString& p : hostile)
            for (const QString& q : hostile)
                for (const QString& r : hostile) {
                    const QStringList typed{p, q, r};
                    for (int i = 0; i < 3; ++i)
                        window->findChild<QLineEdit*>(command.boxes[size_t(i)].first)
                            ->setText(typed[i]);
                    window->findChild<QAbstractButton*>(command.button)->click();
                    const sb::working::Working& w = window->working();
                    SCOPED_TRACE((command.button + ' ' + typed.join(", ")).toStdString());
                    const QString text = w.lines(true).join('\n') + w.figure.description;
                    EXPECT_FALSE(text.contains("nan", Qt::CaseInsensitive));
                    EXPECT_FALSE(text.contains("inf", Qt::CaseInsensitive));
                    for (const auto& e : w.figure.elements)
                        for (double n : e.numbers)
                            EXPECT_TRUE(std::isfinite(n)) << e.name.toStdString();
                }
}

} // namespace
